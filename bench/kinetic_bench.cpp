// SPDX-License-Identifier: GPL-3.0-or-later
// The animation export at the largest run the settings allow (N = 89977, about 810 000 lines);
// the target is 0.5 s per export.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "calc/Calculation.h"
#include "formats/Kinetic.h"

static void BM_KineticExport(benchmark::State& state)
{
    ParamSet p;
    setDefaults(p);
    p.N = 89977;
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    const std::string path =
        (std::filesystem::temp_directory_path() / "kinovar-bench-Kinetic.ini").string();
    int32_t last = 0;
    for (auto _ : state)
        writeKinetic(path, p, *R, '.', [&](int32_t i) { last = i; });
    benchmark::DoNotOptimize(last);
    state.counters["lines"] = static_cast<double>(8 + 9 * p.N);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::remove(path.c_str());
}
BENCHMARK(BM_KineticExport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
