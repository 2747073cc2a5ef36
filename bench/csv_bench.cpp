// SPDX-License-Identifier: GPL-3.0-or-later
// The batch CSV ("kinovar-batch --csv") of the largest run, written to a stream that only counts
// the bytes; and one full-precision value ("%.21Lg") through the C library and through our own
// formatter, over the nonzero values of that run. Target: the CSV in a third of the snprintf time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <streambuf>
#include <vector>

#include "BenchSupport.h"
#include "LargestRun.h"
#include "base/FullPrecision.h"
#include "formats/ResultCsv.h"

namespace {

const ParamSet& run()
{
    static const ParamSet p = largestRun(false);
    return p;
}

const ResultStore& largestStore()
{
    static const std::unique_ptr<ResultStore> store = [] {
        auto R = std::make_unique<ResultStore>();
        runCalculation(run(), *R);
        return R;
    }();
    return *store;
}

// /dev/null in memory: every byte is counted and dropped.
class CountingSink : public std::streambuf {
public:
    size_t bytes = 0;

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes += static_cast<size_t>(n);
        return n;
    }
};

void BM_ResultCsv(benchmark::State& state)
{
    const ResultStore& R = largestStore();
    const int32_t N = run().N;
    size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        std::ostream out(&sink);
        writeResultCsv(R, N, out);
        bytes = sink.bytes;
    }
    state.counters["steps"] = N;
    state.counters["csv_MB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["ns_per_value"] = benchmark::Counter(
        static_cast<double>(N) * ResultStore::kRows,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_ResultCsv)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// 64 Ki nonzero values of the run, taken evenly from the whole store.
const std::vector<long double>& runValues()
{
    static const std::vector<long double> values = [] {
        const ResultStore& R = largestStore();
        std::vector<long double> all;
        for (int k = 0; k < ResultStore::kRows; ++k)
            for (int i = 1; i <= run().N; ++i)
                if (R(k, i) != 0) all.push_back(R(k, i));
        std::vector<long double> v(1 << 16);
        for (size_t j = 0; j < v.size(); ++j)
            v[j] = all[j * all.size() / v.size()];
        return v;
    }();
    return values;
}

void BM_ValueSnprintf(benchmark::State& state)
{
    const auto& values = runValues();
    size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%.21Lg", values[i++ & 0xffff]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ValueSnprintf)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ValueFullPrecision(benchmark::State& state)
{
    const auto& values = runValues();
    size_t i = 0;
    char buf[kFullPrecisionSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeFullPrecision(values[i++ & 0xffff], '.', buf));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ValueFullPrecision)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
