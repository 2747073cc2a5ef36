// SPDX-License-Identifier: GPL-3.0-or-later
// The three calculation stages over the largest run the run settings allow (3749 cycles of 24
// steps at 15°), at the defaults with the second set of point coordinates. Target: <= 150 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "LargestRun.h"
#include "calc/Calculation.h"

using Q = Quantity;

namespace {

void BM_Calculation(benchmark::State& state)
{
    const ParamSet p = largestRun(state.range(0) == 720);
    static const auto R = std::make_unique<ResultStore>(); // one store, as in the program
    runCalculation(p, *R); // first touch of the pages, outside the timing
    for (auto _ : state) {
        const CalcOutcome outcome = runCalculation(p, *R);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize((*R)(Q::foy, p.N));
        if (outcome.kinematicFailed || outcome.energyFailed || outcome.forceFailed)
            state.SkipWithError("a stage failed");
    }
    state.counters["steps"] = p.N;
}

} // namespace

BENCHMARK(BM_Calculation)->ArgName("mode")->Arg(360)->Arg(720)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
