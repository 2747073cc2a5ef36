// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/controllers/AutoRecalc.h"

#include <QMetaObject>
#include <algorithm>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

#include "params/ParamTable.h"

namespace {

// The niceness of the runs' thread (the window's is the process's, usually 0).
constexpr int kRunNice = 10;

// Whether `p` is the run a store holds or is computing (nothing computes from other inputs).
bool sameRun(const ParamSet& p, const std::optional<ParamSet>& run)
{
    return run && sameInputs(p, *run);
}

} // namespace

AutoRecalc::AutoRecalc(const ParamSet& params, ResultStore& store, QObject* parent)
    : QObject(parent), P(params), R(store)
{
}

AutoRecalc::~AutoRecalc()
{
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void AutoRecalc::setEnabled(bool on)
{
    enabled_ = on;
    if (on)
        parametersMayHaveChanged();
    else
        stopAndWait();
}

void AutoRecalc::parametersMayHaveChanged()
{
    if (!enabled_) return;
    if (running_) {
        if (sameRun(P, runningWith_)) {
            waiting_.reset(); // back to the run going: it need not be followed by another
            return;
        }
        stop_ = true; // it cannot be shown any more
        // When the store holds these parameters already, nothing need follow the run stopped.
        if (R.computedWith() && sameInputs(P, *R.computedWith()))
            waiting_.reset();
        else
            waiting_ = P;
        return;
    }
    if (R.computedWith() && sameInputs(P, *R.computedWith())) return;
    start(P);
}

void AutoRecalc::stopAndWait()
{
    waiting_.reset();
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    // The run's report of its end may still be queued: it is dropped (see finished).
    running_ = false;
    runningWith_.reset();
}

void AutoRecalc::start(const ParamSet& run)
{
    if (worker_.joinable()) worker_.join(); // ended already: its report came
    if (!spare_) spare_ = std::make_unique<ResultStore>();
    stop_ = false;
    running_ = true;
    runningWith_ = run;
    spare_->setStopFlag(&stop_);
    // The store is not written on the window's thread while a run goes (stopAndWait comes first),
    // so the run may read it. It starts from the store's values, as "Расчет" does, so that the
    // rows a failing stage leaves hold what they would after "Расчет".
    const unsigned id = ++runId_;
    worker_ = std::thread([this, run, id] {
        // Below the window's thread: when the cores are busy, input is answered first. A
        // refusal leaves the run at the usual priority.
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kRunNice);
        const int steps = std::clamp<int32_t>(run.N, 0, ResultStore::kSteps);
        for (int k = 0; k < ResultStore::kRows && !stop_.load(); ++k)
            std::memcpy(spare_->row(k) + 1, R.row(k) + 1, size_t(steps) * sizeof(long double));
        const CalcOutcome outcome = runCalculation(run, *spare_);
        QMetaObject::invokeMethod(
            this, [this, id, outcome] { finished(id, outcome); }, Qt::QueuedConnection);
    });
}

void AutoRecalc::finished(unsigned id, const CalcOutcome& outcome)
{
    if (!running_ || id != runId_) return; // stopAndWait dropped it
    if (worker_.joinable()) worker_.join();
    running_ = false;
    const bool stopped = stop_.load();
    const std::optional<ParamSet> run = std::move(runningWith_);
    runningWith_.reset();
    // Only a whole run of the parameters on screen is shown: an older one never replaces them.
    if (!stopped && sameRun(P, run)) {
        R.swapContents(*spare_);
        waiting_.reset();
        emit resultsSwapped(outcome);
        return;
    }
    if (!enabled_) {
        waiting_.reset();
        return;
    }
    if (waiting_) {
        const ParamSet next = *waiting_;
        waiting_.reset();
        start(next);
    } else {
        parametersMayHaveChanged();
    }
}
