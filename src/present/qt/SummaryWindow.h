// SPDX-License-Identifier: GPL-3.0-or-later
// The "Сводка" window: the summary of the last calculation (peaks, the flywheel, the extremes of
// every quantity) as a table whose figures can be copied, a line that says when the shown run is
// older than the parameters on screen, and a button asking for the flywheel's charts.
#pragma once
#include <QWidget>

#include "base/NumberText.h"
#include "calc/ResultStore.h"

class QLabel;
class QLineEdit;
class QTableWidget;

class SummaryWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the results of `store` with the parameter set they were computed with; numbers are
    // written with `numbers`, which the owner keeps alive.
    SummaryWindow(const ResultStore& store, const NumberFormat& numbers, QWidget* parent = nullptr);

    // The coefficient δ the flywheel is sized for: shown in its field and used by the next
    // refresh. The field's own edits are offered through deltaChosen, not applied here.
    void setDelta(long double delta);

    // Recomputes the summary from the store; before any calculation the table says there is
    // nothing to summarise.
    void refresh();
    // Shows or hides the line saying that the parameters on screen have changed since the run.
    void setResultsStale(bool stale);
    // The selected rows (every row when none is selected) as tab-separated lines, as "Копировать"
    // puts them on the clipboard.
    QString selectedText() const;

signals:
    // The user typed a valid δ (0 < δ < 1) in the field and confirmed it.
    void deltaChosen(long double delta);
    // "Графики маховика" was pressed; the owner shows the flywheel chart window.
    void flywheelChartsRequested();

private:
    void copySelection() const;
    void deltaTyped();

    const ResultStore& store_;
    const NumberFormat& numbers_;
    QLabel* staleLine_ = nullptr;    // "summaryStale"
    QTableWidget* table_ = nullptr;  // "summaryTable"
    QLineEdit* deltaEdit_ = nullptr; // "summaryDelta"
    QLabel* deltaFault_ = nullptr;   // "summaryDeltaFault": why a typed δ was refused
    long double delta_ = 0.05L;
};
