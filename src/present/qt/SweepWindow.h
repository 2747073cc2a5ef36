// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sweep window ("Исследование параметра"): one parameter of the table, or the
// load's scale, varied from a value to a value in a number of steps, every variant calculated on
// every core off the toolkit's thread, and the chosen key figures shown against the parameter as
// a chart and a table. A variant that failed keeps its row with the reason. Any row can be kept
// as a variant (keepAsVariant); the table exports as the results do ("Экспорт CSV…").
#pragma once
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "base/NumberText.h"
#include "calc/KeyFigures.h"
#include "calc/Sweep.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/qt/BackgroundRun.h"

class QChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

class SweepWindow : public QWidget {
    Q_OBJECT
public:
    // Sweeps from `params` as they stand when a sweep starts; numbers are read and written with
    // `numbers`' separator. Both must outlive the window.
    SweepWindow(const ParamSet& params, Platform& platform, const NumberFormat& numbers,
                QWidget* parent = nullptr);

    // "Пуск": reads the key, the two values ('.' or ',' as the separator), the count and the
    // autofill box, and starts the sweep on every core, the previous sweep's table and chart
    // cleared; a value that is no number is refused with a message naming its field, a sweep
    // sweepPlanFault refuses is told through the standard error report, and nothing starts.
    // Nothing happens while a sweep runs. The buttons run each command guarded: what it throws
    // (no thread to be had) is shown through the standard error report.
    void start();
    // "Отмена": stops the workers after the variants in hand; the window shows no sweep then.
    void cancel();
    // Whether a sweep is running.
    bool running() const { return running_; }
    // The points shown, in sweep order (empty before the first complete sweep).
    const std::vector<SweepPoint>& points() const { return points_; }
    // "Сохранить как вариант": emits keepAsVariant for the selected row's variant, named
    // "<key> = <value>" ("L2 = 30"); a failed row is told why instead, through a message box.
    void keepSelected();
    // "Экспорт CSV…": the table's rows with every chosen figure, through the save dialog.
    void exportCsv();
    // The label of a sweepable key: the caption without its '=' ("L2"), "δ" for delta,
    // "Масштаб нагрузки" for the load's scale.
    static QString keyLabel(const std::string& key);

signals:
    // A row of the table to be kept among the variants, with the name suggested for it.
    void keepAsVariant(const ParamSet& params, const QString& suggestedName);
    // A sweep ended: complete (the table shows it) or cancelled (the table empty).
    void sweepFinished(bool complete);

private:
    // The end of the latest sweep, of `plan` from `base`, on the toolkit's thread: a complete
    // result replaces the shown one; a cancelled or failed one leaves it.
    void finishRun(const std::optional<std::vector<SweepPoint>>& result, const QString& failure,
                   const ParamSet& base, const SweepPlan& plan);
    void setRunning(bool on);
    void fillFromKey();
    // Rebuilds the table and the chart from points_ and the figures checked.
    void showPoints();
    void fillChart(const std::vector<const KeyFigure*>& figures);
    std::vector<const KeyFigure*> chosenFigures() const;

    const ParamSet& P;
    Platform& platform;
    const NumberFormat& numbers;
    QComboBox* keyBox_ = nullptr;         // "sweepKey": item data is the key
    QLineEdit* fromEdit_ = nullptr;       // "sweepFrom"
    QLineEdit* toEdit_ = nullptr;         // "sweepTo"
    QSpinBox* countBox_ = nullptr;        // "sweepCount", 1..1000
    QCheckBox* autofillBox_ = nullptr;    // "sweepAutofill"
    QListWidget* figureList_ = nullptr;   // "sweepFigures": one checkable row per key figure
    QPushButton* startButton_ = nullptr;  // "sweepStart"
    QPushButton* cancelButton_ = nullptr; // "sweepCancel"
    QProgressBar* progress_ = nullptr;    // "sweepProgress"
    QLabel* status_ = nullptr;            // "sweepStatus"
    QChart* chart_ = nullptr;             // in the view "sweepChart"
    QTableWidget* table_ = nullptr;       // "sweepTable"
    // What the table shows: its points and the sweep that made them.
    std::vector<SweepPoint> points_;
    ParamSet shownBase_;
    SweepPlan shownPlan_;
    bool running_ = false;
    // The sweep in progress; last, so that the window's end stops it and waits first.
    BackgroundRun job_{this};
};
