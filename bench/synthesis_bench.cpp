// SPDX-License-Identifier: GPL-3.0-or-later
// The synthesis from requirements. Target: at most 1 ms a design, whichever requirement sets
// it; the pressure angle's case is the slowest (a search for the least angle, then a bisection).
#include <benchmark/benchmark.h>

#include "params/Synthesis.h"

namespace {

void BM_SynthesiseByRodRatio(benchmark::State& state)
{
    const SynthesisRequest r{0.3L, 1.4L, SynthesisRequest::By::RodRatio, 0.4L, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(synthesise(r, '.'));
}
BENCHMARK(BM_SynthesiseByRodRatio)->Unit(benchmark::kMicrosecond);

void BM_SynthesiseByPressureAngle(benchmark::State& state)
{
    const SynthesisRequest r{0.3L, 1.4L, SynthesisRequest::By::PressureAngle, 0, 65};
    for (auto _ : state)
        benchmark::DoNotOptimize(synthesise(r, '.'));
}
BENCHMARK(BM_SynthesiseByPressureAngle)->Unit(benchmark::kMicrosecond);

// A refusal still searches for the nearest feasible angle.
void BM_SynthesiseRefused(benchmark::State& state)
{
    const SynthesisRequest r{0.3L, 2.4L, SynthesisRequest::By::PressureAngle, 0, 40};
    for (auto _ : state)
        benchmark::DoNotOptimize(synthesise(r, '.'));
}
BENCHMARK(BM_SynthesiseRefused)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
