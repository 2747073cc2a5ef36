// SPDX-License-Identifier: GPL-3.0-or-later
// The optimisation window ("Оптимизация"): a key figure to improve, the parameters to vary with
// their ranges, bounds on any key figure, and the runs allowed; the search runs off the
// toolkit's thread with a progress bar, the best design so far and a working "Отмена". Its
// result is shown beside the design it started from, figure by figure, and can be kept as a
// variant.
#pragma once
#include <QString>
#include <QWidget>
#include <optional>

#include "base/NumberText.h"
#include "calc/Optimise.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/qt/BackgroundRun.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

class OptimiseWindow : public QWidget {
    Q_OBJECT
public:
    // Searches from `params` as they stand when a search starts; numbers are read with either
    // separator and written with `numbers`'. Both must outlive the window.
    OptimiseWindow(const ParamSet& params, Platform& platform, const NumberFormat& numbers,
                   QWidget* parent = nullptr);

    // The plan the controls describe: the figure, each checked parameter row ("optimiseVariables":
    // the parameter, from, to) and each filled bound ("optimiseConstraints": the figure, at
    // most, at least, equal to, the tolerance of the equality, 1e-9 of max(1, |value|) when
    // blank). nullopt after a message naming the first cell that is no number, or the fault
    // optimisePlanFault finds.
    std::optional<OptimisePlan> plan();
    // "Пуск": starts the search of plan() on every core. Nothing happens while one runs.
    void start();
    // "Отмена": stops the search after the runs in hand; nothing is shown as its result.
    void cancel();
    bool running() const { return running_; }
    // The last search's result, when it found a design.
    const std::optional<OptimiseResult>& result() const { return result_; }
    // "Сохранить как вариант": emits keepAsVariant with the best design, named
    // "Оптимум: <figure caption>".
    void keepResult();

signals:
    void keepAsVariant(const ParamSet& params, const QString& suggestedName);
    // A search ended: with a design, without one (the reason shown), or cancelled.
    void searchFinished(bool found);

private:
    struct Finished {
        std::optional<OptimiseResult> result;
        std::vector<long double> start; // the variables' values in the design searched from
        SweepPoint before, after;
        QString failure;
    };
    // The end of the latest search, on the toolkit's thread.
    void finish(const Finished& end, const OptimisePlan& plan);
    void setRunning(bool on);
    void showProgress(int done, std::optional<long double> best,
                      const std::vector<long double>& point, const OptimisePlan& plan);

    const ParamSet& P;
    Platform& platform;
    const NumberFormat& numbers;
    QComboBox* figureBox_ = nullptr;      // "optimiseFigure": item data is the key
    QSpinBox* evalsBox_ = nullptr;        // "optimiseMaxEvals"
    QTableWidget* variables_ = nullptr;   // "optimiseVariables"
    QTableWidget* constraints_ = nullptr; // "optimiseConstraints"
    QPushButton* startButton_ = nullptr;  // "optimiseStart"
    QPushButton* cancelButton_ = nullptr; // "optimiseCancel"
    QProgressBar* progress_ = nullptr;    // "optimiseProgress"
    QLabel* status_ = nullptr;            // "optimiseStatus": the best so far, the outcome
    QTableWidget* comparison_ = nullptr;  // "optimiseComparison": figure, before, after
    QPushButton* keepButton_ = nullptr;   // "optimiseKeep"
    std::optional<OptimiseResult> result_;
    OptimisePlan resultPlan_;
    bool running_ = false;
    // The search in progress; last, so that the window's end stops it and waits first.
    BackgroundRun job_{this};
};
