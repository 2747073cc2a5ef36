// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sweep: 1000 variants of l2 at N = 361 (15 cycles at 1°), the points placed for
// each, on one thread and on two, beside one calculation of the same run on a reused store.
// Targets: two threads take at most 0.55 of the time of one; a variant costs at most 1.2 times
// the calculation (the per_variant_ms counter against BM_Calculation361). The same sweep at 15°
// (one cycle, N = 25) reads its figures from a period run at 1°, which is the 361-step run: a
// variant there costs at most 1.3 times BM_Calculation361 (its own 25 steps and the period run).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "calc/Calculation.h"
#include "calc/Sweep.h"
#include "params/Autofill.h"

namespace {

ParamSet runAt(long double stepDegrees, int32_t cycles)
{
    ParamSet p;
    setDefaults(p);
    p.step = stepDegrees * kRadPerDeg;
    p.cycles = cycles;
    p.N = 24 * p.cycles + 1;
    autofillPoints(p);
    return p;
}

ParamSet run361()
{
    return runAt(1, 15);
}

const SweepPlan kPlan{"l2", 25, 60, 1000, true};

void BM_Calculation361(benchmark::State& state)
{
    const ParamSet p = run361();
    static const auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R); // first touch of the pages, outside the timing
    for (auto _ : state) {
        const CalcOutcome outcome = runCalculation(p, *R);
        benchmark::DoNotOptimize(outcome);
        if (outcome.kinematicFailed || outcome.energyFailed || outcome.forceFailed)
            state.SkipWithError("a stage failed");
    }
    state.counters["steps"] = p.N;
}

// range(0): the threads; range(1): the step in degrees (1: 15 cycles, 15: one cycle).
void BM_Sweep(benchmark::State& state)
{
    const int jobs = static_cast<int>(state.range(0));
    const ParamSet base = state.range(1) == 1 ? run361() : runAt(state.range(1), 1);
    const std::atomic<bool> cancel{false};
    double spentMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto points = runSweep(base, kPlan, jobs, cancel);
        spentMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (!points || !(*points)[0].ok || !points->back().ok) state.SkipWithError("no sweep");
        benchmark::DoNotOptimize(points);
    }
    // Wall time per variant, to set beside BM_Calculation361.
    state.counters["per_variant_ms"] =
        spentMs / static_cast<double>(state.iterations()) / kPlan.count;
}

} // namespace

BENCHMARK(BM_Calculation361)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep)
    ->ArgNames({"jobs", "step"})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({1, 15})
    ->Args({2, 15})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
