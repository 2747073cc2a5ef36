// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation that follows the parameters ("Пересчитывать автоматически"): each change of
// the parameters on screen starts a run of them on a thread of its own, into a second store, and
// the finished run of the parameters still on screen is swapped into the program's store on the
// window's thread. A newer change stops an older run that has not finished.
#pragma once
#include <QObject>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "calc/Calculation.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

class AutoRecalc : public QObject {
    Q_OBJECT
public:
    // Runs follow `params` (read on the window's thread only) into `store` once enabled.
    AutoRecalc(const ParamSet& params, ResultStore& store, QObject* parent = nullptr);
    // Stops a run still going and waits for its thread.
    ~AutoRecalc() override;

    bool enabled() const { return enabled_; }
    // Off: a run still going is stopped and nothing more starts. On: the parameters are looked at
    // at once (parametersMayHaveChanged).
    void setEnabled(bool on);
    // The parameters may differ from those of the store and of the run going: when they differ
    // from both, the run going (if any) is stopped and a run of them starts as soon as it ends.
    // Nothing while disabled.
    void parametersMayHaveChanged();
    // Stops a run still going, waits for its thread and forgets any run waiting, so that the
    // caller may write the store itself.
    void stopAndWait();
    // Whether a run is going or waiting to start.
    bool busy() const { return running_ || waiting_.has_value(); }

signals:
    // A run of the parameters on screen is in the store (called on the window's thread);
    // `outcome` says which stages failed.
    void resultsSwapped(const CalcOutcome& outcome);

private:
    void start(const ParamSet& run);
    // On the window's thread, when the thread of run `id` has ended.
    void finished(unsigned id, const CalcOutcome& outcome);

    const ParamSet& P;
    ResultStore& R;
    std::unique_ptr<ResultStore> spare_; // the runs' store, made at the first run
    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool enabled_ = false;
    bool running_ = false;
    unsigned runId_ = 0; // of the last run started: a report of an earlier one is dropped
    std::optional<ParamSet> runningWith_; // the run going
    std::optional<ParamSet> waiting_;     // the run to start when it ends
};
