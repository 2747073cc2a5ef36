// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/FigureRun.h"

#include <algorithm>
#include <cmath>

#include "calc/Calculation.h"
#include "calc/CrankAngle.h"
#include "params/RunSettings.h"

namespace {

// A step "makes" the period when period/step is whole to a relative 1e-9, which forgives the
// rounding of a step to radians and back (as the flywheel asks).
constexpr long double kWholeTolerance = 1e-9L;

} // namespace

long double figureSpanDegrees(const ParamSet& p, long double period)
{
    return p.mode != 0 ? std::max(period, 720.0L) : period;
}

FigureStep figureStep(const ParamSet& p, long double period)
{
    FigureStep f;
    const long double runDegrees = deg(p.step);
    if (!std::isfinite(runDegrees) || !(runDegrees > 0) || !(period > 0)) return f;
    const long double turns = std::max(1.0L, std::round(figureSpanDegrees(p, period) / period));
    const long double target = std::min(runDegrees, 1.0L);
    const bool ownStep = target == runDegrees;
    const long double ratio = period / target;
    // The store holds K + 1 = Kp·turns + 1 steps at most.
    const long double mostKp = std::floor((ResultStore::kSteps - 1) / turns);
    long double Kp = std::round(ratio);
    const bool whole = Kp >= 1 && std::fabs(ratio - Kp) <= kWholeTolerance * ratio;
    if (!whole) Kp = std::max(1.0L, std::ceil(ratio));
    if (Kp > mostKp) Kp = mostKp;
    if (ownStep && whole && Kp == std::round(ratio)) {
        f.step = p.step; // the run's own bits: its first steps are then the period run
    } else {
        f.step = rad(period / Kp);
        f.adjusted = ownStep;
    }
    f.K = static_cast<int>(Kp * turns);
    return f;
}

FigureRun::FigureRun(const ResultStore& store, const ParamSet& p, int steps, long double period,
                     ResultStore* scratch)
    : store_(&store), params_(p), steps_(std::clamp(steps, 0, ResultStore::kSteps))
{
    basis_.runStepDegrees = deg(p.step);
    const auto useRunSteps = [this, &store, &p, steps] {
        store_ = &store;
        params_ = p;
        steps_ = std::clamp(steps, 0, ResultStore::kSteps);
        basis_.source = FigureSource::RunSteps;
        basis_.stepDegrees = basis_.runStepDegrees;
        basis_.spanDegrees = 0;
        basis_.steps = steps_;
        basis_.reused = true;
    };
    const FigureStep fs = figureStep(p, period);
    if (fs.K == 0) {
        useRunSteps();
        return;
    }
    basis_.stepDegrees = deg(fs.step);
    basis_.spanDegrees = figureSpanDegrees(p, period);
    basis_.steps = fs.K + 1;
    basis_.stepAdjusted = fs.adjusted;
    if (fs.step == p.step && steps_ >= fs.K + 1) {
        basis_.reused = true;
        steps_ = fs.K + 1;
        return;
    }

    ParamSet f = p;
    f.step = fs.step;
    f.N = fs.K + 1;
    f.cycles = (fs.K + kStepsPerCycle - 1) / kStepsPerCycle;
    // fidtt is α's growth per step: per degree it stays the run's only when scaled by the steps.
    if (f.step != p.step) f.fidtt = static_cast<double>(p.fidtt * (f.step / p.step));
    ResultStore* target = scratch;
    if (target == nullptr) {
        owned_ = std::make_unique<ResultStore>();
        target = owned_.get();
    } else if (const ParamSet* previous = target->computedWith()) {
        // What the last run wrote beyond this one's steps must not show through.
        target->clearSteps(std::max(previous->N, f.N));
    }
    const std::vector<StageFault> faults = stageFaults(runCalculation(f, *target));
    if (!faults.empty()) {
        useRunSteps();
        basis_.periodRunFaulted = true;
        basis_.faultStepDegrees = deg(f.step);
        basis_.faultAngle = crankAngleDegrees(f, faults.front().step);
        return;
    }
    store_ = target;
    params_ = f;
    steps_ = f.N;
}
