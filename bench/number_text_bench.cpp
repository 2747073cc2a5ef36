// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one results-grid cell: FormatFixed(x, 4, 2, '.') over values like those of a calculation,
// next to formatting the same values through the C library's exact printing.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "base/NumberText.h"

namespace {

// Magnitudes 1e-6..1e6, half of them negative, one in twenty exactly zero, and some values that
// are whole or round-trip from short decimals (lengths, masses, angles in degrees).
const std::vector<long double>& gridValues()
{
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(42);
        std::uniform_real_distribution<double> decade(-6.0, 6.0);
        std::uniform_int_distribution<int> kind(0, 19);
        std::vector<long double> v(4096);
        for (long double& x : v) {
            const int k = kind(rng);
            if (k == 0) {
                x = 0;
            } else if (k < 4) {
                x = (long double)(int(rng() % 7200) - 3600) / 10; // short decimals as doubles
            } else {
                x = std::pow(10.0L, (long double)decade(rng)) *
                    std::sin((long double)(rng() % 1000));
            }
        }
        return v;
    }();
    return values;
}

void FormatFixedGrid(benchmark::State& state)
{
    const auto& values = gridValues();
    size_t i = 0;
    for (auto _ : state) {
        std::string text = FormatFixed(values[i++ & 4095], 4, 2, '.');
        benchmark::DoNotOptimize(text);
    }
}

void SnprintfExact(benchmark::State& state)
{
    const auto& values = gridValues();
    size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        std::snprintf(buf, sizeof buf, "%.17Le", values[i++ & 4095]);
        benchmark::DoNotOptimize(buf);
    }
}

void FormatGeneralGrid(benchmark::State& state)
{
    const auto& values = gridValues();
    size_t i = 0;
    for (auto _ : state) {
        std::string text = FormatGeneral(values[i++ & 4095], '.');
        benchmark::DoNotOptimize(text);
    }
}

void ParseRealGrid(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (long double x : gridValues())
        texts.push_back(FormatFixed(x, 4, 2, '.'));
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseReal(texts[i++ & 4095], '.'));
}

} // namespace

BENCHMARK(FormatFixedGrid)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(SnprintfExact)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(FormatGeneralGrid)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ParseRealGrid)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
