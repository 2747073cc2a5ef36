// SPDX-License-Identifier: GPL-3.0-or-later
// The run the summary's flywheel and peak figures are read from. The figures of a coarse run
// miss the real peaks and the energy swing: at 15° the swing is 3 % short, at 60° 44 %. So the
// figures come from one period at the finer of 1° and the run's own step: the run on screen
// itself when it already covers that period at that step, else a run of one period made for the
// figures. The extremes table keeps describing the run on screen, step by step.
#pragma once
#include <cstdint>
#include <memory>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// Where the figures come from.
enum class FigureSource : uint8_t {
    Period,   // one period at `stepDegrees`: the run's first steps, or a run made for them
    RunSteps, // the run's own steps as they are: the period run faulted, or the step is not > 0
};

struct FigureBasis {
    FigureSource source = FigureSource::Period;
    long double stepDegrees = 0; // the step the figures were read at, degrees
    long double spanDegrees = 0; // the crank angle they cover from fi0 (Period)
    int steps = 0;               // the steps read: span/step + 1 (Period) or the run's own
    // Period: the run on screen's own first steps were read, no run was made (so its step
    // numbers are those of the run on screen).
    bool reused = false;
    // The run's step is finer than 1° but no whole number of its steps makes the period (or
    // the store cannot hold them): the step taken is period / K for the least K that gives a
    // step no coarser than the run's own, within the store.
    bool stepAdjusted = false;
    long double runStepDegrees = 0; // the run on screen's step, degrees
    // RunSteps after a fault: the period run's step and the crank angle where it stopped, both
    // in degrees.
    bool periodRunFaulted = false;
    long double faultStepDegrees = 0;
    long double faultAngle = 0;
};

// The span a period run covers, degrees: the load's period, or 720 when the mode is 720 (the
// rod changes branch twice a double turn, so one turn shows only half the motion).
long double figureSpanDegrees(const ParamSet& p, long double period);

// The step of the period run, radians, and how many steps of it make the span (K; the run has
// K + 1 steps): 1° when the run's step is coarser, the run's own step when it is finer and a
// whole number of it makes the period, else period / Kp for the least whole Kp at which the
// step is no coarser than the run's and K + 1 fits the store. K = 0 when the run's step is not a
// finite number > 0 (no period run can be made).
struct FigureStep {
    long double step = 0;
    int K = 0;
    bool adjusted = false;
};
FigureStep figureStep(const ParamSet& p, long double period);

// The run the figures are read from. Built from the run on screen (its store, its parameters,
// the steps it computed, 1..steps) and the load's period: reads the run's own store when it
// covers the span at the figure step, else makes a period run (the run's parameters with the
// figure step, N = K + 1 and fidtt scaled by figure step / run step, so that α grows at the same
// rate per degree) in `scratch` (its contents replaced; nullptr: a store of its own, 144 MB of
// address space touched only where written). Falls back to the run's own steps when the period
// run faults at any stage.
class FigureRun {
public:
    FigureRun(const ResultStore& store, const ParamSet& p, int steps, long double period,
              ResultStore* scratch = nullptr);
    FigureRun(const FigureRun&) = delete;
    FigureRun& operator=(const FigureRun&) = delete;

    const ResultStore& store() const { return *store_; }
    const ParamSet& params() const { return params_; } // those of the run read
    int steps() const { return steps_; }               // steps 1..steps are read
    const FigureBasis& basis() const { return basis_; }

private:
    std::unique_ptr<ResultStore> owned_;
    const ResultStore* store_;
    ParamSet params_;
    int steps_;
    FigureBasis basis_;
};
