// SPDX-License-Identifier: GPL-3.0-or-later
// "Обновить" at the largest run against the calculation of that run, measured in the same run of
// the program: the refresh (grid cells on 1 thread and on every core, the listing as lines) is
// to stay within a few times the calculation. x_calc is the refresh's time over the
// calculation's; peak_rss_MB the whole process's peak resident memory so far.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "BenchSupport.h"
#include "LargestRun.h"
#include "calc/Calculation.h"
#include "formats/OrderedChunks.h"
#include "formats/ResultsText.h"

namespace {

// One store, as in the program, holding the largest run even when BM_Calculation is left out.
ResultStore& store()
{
    static const auto R = [] {
        auto s = std::make_unique<ResultStore>();
        runCalculation(largestRun(false), *s);
        return s;
    }();
    return *R;
}

double gCalculationSeconds = 0; // of BM_Calculation, which runs first

void BM_Calculation(benchmark::State& state)
{
    const ParamSet p = largestRun(false);
    store(); // first touch of the pages, outside the timing
    gCalculationSeconds = timeCalculation(state, p, store());
}
BENCHMARK(BM_Calculation)->Unit(benchmark::kMillisecond)->UseRealTime();

// The refresh on `threads` threads (0: every core) from the calculated store, into a grid used
// for the first time in the first iteration, as in the window's first "Обновить".
void BM_Refresh(benchmark::State& state)
{
    const ParamSet p = largestRun(false);
    const auto threads = static_cast<unsigned>(state.range(0));
    int lastStep = 0;
    const auto start = std::chrono::steady_clock::now();
    size_t listingBytes = 0;
    for (auto _ : state) {
        GridText grid;
        ResultsListing listing(grid);
        refreshResults(
            store(), p.N, '.', grid, listing, [&](int step) { lastStep = step; }, threads);
        benchmark::DoNotOptimize(lastStep);
        listingBytes = listing.heldBytes();
    } // freeing the grid (a few milliseconds) counts too
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.counters["threads"] = threads == 0 ? availableThreads() : threads;
    if (gCalculationSeconds > 0)
        state.counters["x_calc"] =
            spent.count() / static_cast<double>(state.iterations()) / gCalculationSeconds;
    state.counters["listing_MB"] = static_cast<double>(listingBytes) / (1 << 20);
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_Refresh)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace

BENCHMARK_MAIN();
