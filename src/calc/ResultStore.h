// SPDX-License-Identifier: GPL-3.0-or-later
// The result store R: 100 rows of 90000 extended reals, R(k, i) is quantity k at step i (1-based).
#pragma once
#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>

#include "calc/Quantities.h"
#include "calc/TrueMotion.h"
#include "params/ParamSet.h"

// The true motion a run was made with (MotionLaw::True): the flywheel taken, the steady running
// or why there is none, and the start-up or why there is none.
struct TrueMotionRun {
    long double flywheel = 0; // J_fw, kg·m²
    std::optional<SteadyRunning> steady;
    std::string error; // why there is no steady running, when there is none
    std::optional<StartUp> startUp;
    std::string startUpError;
};

// A stage that stopped on a fault: which, its message (kKinematicFault, …) and its step.
struct StageFault {
    Stage stage;
    const char* message;
    int step;
};

class ResultStore {
public:
    static constexpr int kRows = kStoreRows;
    static constexpr int kSteps = 90000;

    ResultStore(); // one zeroed block, reserved once
    ~ResultStore();
    ResultStore(const ResultStore&) = delete;
    ResultStore& operator=(const ResultStore&) = delete;

    // Row k; element [i] is step i, for i in 1..kSteps (element [0] is unused).
    long double* row(int k) { return data_ + static_cast<size_t>(k) * kStride; }
    const long double* row(int k) const { return data_ + static_cast<size_t>(k) * kStride; }
    long double& operator()(int k, int i) { return row(k)[i]; }
    long double operator()(int k, int i) const { return row(k)[i]; }
    long double* row(Quantity q) { return row(rowOf(q)); }
    const long double* row(Quantity q) const { return row(rowOf(q)); }
    long double& operator()(Quantity q, int i) { return row(q)[i]; }
    long double operator()(Quantity q, int i) const { return row(q)[i]; }

    // Sets steps 1..steps (cut to kSteps) of every row back to 0, as a fresh store holds them, so
    // that a store reused for another run gives that run's results bit for bit: a stage that
    // stops early, or writes nothing, would otherwise leave the previous run's values. Element
    // [0] of each row, never written, stays 0.
    void clearSteps(int steps);

    // The parameter set the stored results were computed with (its N, step, mode and every
    // value), or nullptr before the first calculation. Views and exports read the results with
    // these settings, never with the ones on screen, which may have changed since.
    const ParamSet* computedWith() const { return computedWith_.get(); }
    // Records the parameter set of the calculation that is about to fill the store, with all
    // its steps (N cut to 0..kSteps) computed and no stop, until recordStop says otherwise.
    void recordRun(const ParamSet& p);

    // The steps every stage computed, 1..computedSteps(): those before the first fault of any
    // stage, N (cut to 0..kSteps) when none faulted, 0 before the first calculation. Every view,
    // export and summary reads these steps only; the later ones hold no result of this run.
    int computedSteps() const { return computedSteps_; }
    // The fault the run stopped at, when it stopped part-way: the one of the earliest step (of
    // equal steps, the earliest stage). nullopt for a whole run and before the first one.
    const std::optional<StageFault>& stoppedAt() const { return stoppedAt_; }
    // Records a stage's fault at step fault.step: the computed steps end before it, and it
    // becomes the stop when it comes before the one recorded (ties keep the earlier record).
    void recordStop(const StageFault& fault);

    // The true motion of the recorded run, nullptr under the prescribed law (recordRun clears
    // it; the calculation sets it before its stages).
    const TrueMotionRun* trueMotion() const { return trueMotion_.get(); }
    void setTrueMotion(std::shared_ptr<const TrueMotionRun> run) { trueMotion_ = std::move(run); }

    // Exchanges the values and the recorded runs (with their computed steps and stops) of the
    // two stores (no value is copied).
    void swapContents(ResultStore& other) noexcept;

    // A calculation into this store stops early once *flag is true (nullptr: never). The stages
    // look at it every kStopCheckSteps steps and between stages; the flag must outlive the
    // calculation. Looking at it changes no value computed.
    static constexpr int kStopCheckSteps = 512;
    void setStopFlag(const std::atomic<bool>* flag) { stop_ = flag; }
    // Whether the calculation must stop now: at steps i that are multiples of kStopCheckSteps
    // (i = 0 between stages), when the flag is set.
    bool stopRequested(int i) const
    {
        return stop_ && i % kStopCheckSteps == 0 && stop_->load(std::memory_order_relaxed);
    }

private:
    static constexpr size_t kStride = kSteps + 1;
    long double* data_;
    std::unique_ptr<ParamSet> computedWith_;
    int computedSteps_ = 0;
    std::optional<StageFault> stoppedAt_;
    std::shared_ptr<const TrueMotionRun> trueMotion_;
    const std::atomic<bool>* stop_ = nullptr;
};
