// SPDX-License-Identifier: GPL-3.0-or-later
// The true motion: steady running found by shooting and read at the 361 steps of a 1° run
// (target <= 5 ms), and a whole true-motion run at 89 977 steps against the prescribed run of
// the same mechanism (target: BM_LargestRun/true:1 <= 2 x BM_LargestRun/true:0).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "calc/Calculation.h"
#include "calc/TrueMotion.h"
#include "params/Autofill.h"

namespace {

// A press: a crank of 0.1 m, a rod of 0.4 m, the guide 0.05 m off the pivot, and a load by
// stroke against the slider's stroke away from the crank.
ParamSet press(int steps, long double stepDegrees)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 0.1;
    p.l2 = 0.4;
    p.b = 0.05;
    p.fi0 = 30;
    p.m1 = 2;
    p.m2 = 1.5L;
    p.m3 = 3;
    p.i1 = 0.01L;
    p.i2 = 0.02L;
    p.fit0 = 100;
    p.fidtt = 0;
    p.step = rad(stepDegrees);
    p.N = steps;
    p.load.kind = LoadKind::ByStroke;
    p.load.points = {{0, 0, 500}, {0.5L, 0, 1000}, {1, 0, 2500}};
    autofillPoints(p);
    return p;
}

void BM_SteadyRunning(benchmark::State& state)
{
    const ParamSet p = press(361, 1);
    const ReducedMachine machine(p, 0.3L);
    TrueMotionSetup setup;
    setup.drive.kind = state.range(0) == 0 ? DriveKind::Constant : DriveKind::Motor;
    setup.drive.nominalMoment = 60;
    setup.drive.nominalSpeed = 95;
    setup.drive.synchronousSpeed = 105;
    setup.meanSpeed = 100;
    std::vector<long double> turn(static_cast<size_t>(p.N));
    for (size_t i = 0; i < turn.size(); ++i)
        turn[i] = static_cast<long double>(i) * p.step;
    std::vector<long double> omega, epsilon, time;
    for (auto _ : state) {
        const std::optional<SteadyRunning> s = steadyRunning(machine, setup, nullptr);
        if (!s || !sampleSteady(machine, setup, *s, turn, omega, epsilon, time))
            state.SkipWithError("no steady running");
        benchmark::DoNotOptimize(omega.data());
    }
}

// The whole calculation of the largest run (3749 cycles of 24 steps at 15°) of the press, under
// the prescribed law (arg 0) and the true motion with a motor (arg 1).
void BM_LargestRun(benchmark::State& state)
{
    ParamSet p = press(24 * 3749 + 1, 15);
    if (state.range(0) == 1) {
        p.motion = MotionLaw::True;
        p.flywheel = 0.3L;
        p.drive = DriveKind::Motor;
        p.motorMoment = 60;
        p.motorSpeed = 95;
        p.motorSynchronous = 105;
    }
    static const auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R); // first touch of the pages, outside the timing
    for (auto _ : state) {
        const CalcOutcome outcome = runCalculation(p, *R);
        benchmark::DoNotOptimize(outcome);
        if (!stageFaults(outcome).empty()) state.SkipWithError("a stage failed");
    }
    state.counters["steps"] = p.N;
}

} // namespace

BENCHMARK(BM_SteadyRunning)->ArgName("motor")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestRun)->ArgName("true")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
