// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: the process's peak memory, and the calculation timed as the yardstick
// the refresh benchmarks compare themselves with in the same run of the program.
#pragma once
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>

#include "calc/Calculation.h"

// The whole process's peak resident memory so far, in MB.
inline double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Runs the calculation of `p` into `R` once per iteration of `state`, marks the run failed when a
// stage fails, sets the peak_rss_MB counter, and returns the wall seconds of one calculation.
inline double timeCalculation(benchmark::State& state, const ParamSet& p, ResultStore& R)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        const CalcOutcome outcome = runCalculation(p, R);
        benchmark::DoNotOptimize(outcome);
        if (outcome.kinematicFailed || outcome.energyFailed || outcome.forceFailed)
            state.SkipWithError("a stage failed");
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.counters["peak_rss_MB"] = peakRssMb();
    return spent.count() / static_cast<double>(state.iterations());
}
