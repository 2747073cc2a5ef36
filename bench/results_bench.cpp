// SPDX-License-Identifier: GPL-3.0-or-later
// "Обновить" and "Сохранить Отчёт" at the largest run: the listing and grid text made from the
// store, and the report written from that grid. Peak RSS is reported with each benchmark.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "calc/Quantities.h"
#include "formats/GridValues.h"
#include "formats/OrderedChunks.h"
#include "formats/Report.h"
#include "formats/ResultsText.h"
#include "params/ParamSet.h"

using Q = Quantity;

namespace {

constexpr int kLargestN = 89977; // 24 * 3749 + 1

// A store shaped like a real run: an advancing crank angle, signed values over seven decades
// (some past 9999.5, so rendered in scientific form), a constant row and the rows never written.
ResultStore& filledStore()
{
    static const std::unique_ptr<ResultStore> store = [] {
        auto R = std::make_unique<ResultStore>();
        for (int i = 1; i <= kLargestN; ++i) {
            (*R)(Q::fi, i) = 0.1L * kRadPerDeg + (i - 1) * 15 * kRadPerDeg;
            for (int k = 1; k <= 76; ++k) {
                if (k == 69 || k == 70 || k == 74) continue;
                const long double scale = std::pow(10.0L, k % 7 - 2);
                (*R)(k, i) = k == 26 ? 15.0L : scale * std::sin(0.013L * i + k);
            }
        }
        return R;
    }();
    return *store;
}

// The refresh as it was before the listing became lines: the whole listing text in one string.
void BM_RefreshCore(benchmark::State& state)
{
    const ResultStore& R = filledStore();
    GridText grid;
    std::string listing;
    for (auto _ : state) {
        fillResults(R, kLargestN, '.', grid, listing, [](int) {});
        benchmark::DoNotOptimize(listing.data());
    }
    state.counters["listing_MB"] = static_cast<double>(listing.size()) / (1 << 20);
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_RefreshCore)->Unit(benchmark::kMillisecond)->Iterations(3);

// The refresh the window makes: grid cells formatted on `threads` threads (0: every core), the
// listing kept as lines. listing_MB is what the listing holds of its own.
void BM_RefreshGrid(benchmark::State& state)
{
    const ResultStore& R = filledStore();
    static GridText grid; // one grid, as in the window; its pages are touched once
    ResultsListing listing(grid);
    refreshResults(R, kLargestN, '.', grid, listing);
    const auto threads = static_cast<unsigned>(state.range(0));
    int64_t lastStep = 0;
    for (auto _ : state) {
        refreshResults(
            R, kLargestN, '.', grid, listing, [&](int step) { lastStep = step; }, threads);
        benchmark::DoNotOptimize(lastStep);
    }
    state.counters["threads"] = threads == 0 ? availableThreads() : threads;
    state.counters["listing_MB"] = static_cast<double>(listing.heldBytes()) / (1 << 20);
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_RefreshGrid)->ArgName("threads")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Ctrl+A, Ctrl+C on the largest listing: every line made once into one text.
void BM_ListingWholeText(benchmark::State& state)
{
    static GridText grid;
    ResultsListing listing(grid);
    refreshResults(filledStore(), kLargestN, '.', grid, listing);
    for (auto _ : state) {
        const std::string text = wholeText(listing, "\n");
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ListingWholeText)->Unit(benchmark::kMillisecond);

void BM_SaveReport(benchmark::State& state)
{
    GridText grid;
    std::string listing;
    fillResults(filledStore(), kLargestN, '.', grid, listing);
    listing = std::string(); // the save runs long after the memo took its copy
    ParamSet p;
    setDefaults(p);
    p.N = kLargestN;
    const std::string path = "/tmp/kinovar-results-bench-report.txt";
    for (auto _ : state)
        writeReport(path, p, grid, '.');
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    state.counters["report_MB"] = static_cast<double>(std::ftell(f)) / (1 << 20);
    std::fclose(f);
    std::remove(path.c_str());
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_SaveReport)->Unit(benchmark::kMillisecond)->Iterations(3);

// The window's copy of a run's values, which "Обновить" makes instead of the grid text.
void BM_CopyGridValues(benchmark::State& state)
{
    GridValues values;
    values.assign(filledStore(), kLargestN, '.'); // first touch of the pages, outside the timing
    for (auto _ : state) {
        values.assign(filledStore(), kLargestN, '.');
        benchmark::DoNotOptimize(values.value(1, kLargestN));
    }
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_CopyGridValues)->Unit(benchmark::kMillisecond);

// "Сохранить Отчёт" from those values: the cells made on every core while the file is written.
void BM_SaveReportFromValues(benchmark::State& state)
{
    GridValues values;
    values.assign(filledStore(), kLargestN, '.');
    ParamSet p;
    setDefaults(p);
    p.N = kLargestN;
    const std::string path = "/tmp/kinovar-results-bench-values-report.txt";
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        writeReport(path, p, values, '.', threads);
    std::remove(path.c_str());
    state.counters["threads"] = threads == 0 ? availableThreads() : threads;
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_SaveReportFromValues)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// "Сохранить отчёт" in the window once the report's text was made ahead after the refresh: the
// save only writes, as it did when the refresh formatted the whole grid.
void BM_SaveReportMadeAhead(benchmark::State& state)
{
    GridValues values;
    values.assign(filledStore(), kLargestN, '.');
    ParamSet p;
    setDefaults(p);
    p.N = kLargestN;
    ReportBody body;
    body.start(values, p.N);
    const std::vector<std::string>* made = body.wait(values, p.N);
    const std::string path = "/tmp/kinovar-results-bench-ahead-report.txt";
    for (auto _ : state)
        writeReport(path, p, values, '.', 0, made);
    std::remove(path.c_str());
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_SaveReportMadeAhead)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
