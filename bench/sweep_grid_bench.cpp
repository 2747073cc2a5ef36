// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep over two parameters, as kinovar-batch streams it: l2 by b, side × side rows at
// N = 361 (15 cycles at 1°), the points placed for each row, every row written as CSV to
// /dev/null, on one thread and on two.
// Targets: the 100 × 100 sweep on two threads takes at most 0.55 of its time on one; memory is
// flat in the rows: peak_rss_mb (the process's peak resident memory during the sweep, the peak
// reset before it) is the same for 100 rows as for 10 000, and rows_held (the most rows done but
// not yet written) stays within the threads' window whatever the rows. process_cpu_s is the
// processor time of all threads, to judge the speed-up by when the machine is not quiet.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <sys/resource.h>

#include "app/BatchSweep.h"
#include "base/TextFile.h"
#include "calc/SweepGrid.h"
#include "params/Autofill.h"

namespace {

ParamSet run361()
{
    ParamSet p;
    setDefaults(p);
    p.step = kRadPerDeg;
    p.cycles = 15;
    p.N = 24 * p.cycles + 1;
    autofillPoints(p);
    return p;
}

// The kernel's count of the process's peak resident memory, in kB ("VmHWM"); 0 if unread.
long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// The processor time of the whole process, every thread's, in seconds.
double processCpuSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

// Starts the peak over from the memory resident now (Linux: 5 to clear_refs).
void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// range(0): the threads; range(1): the side of the grid.
void BM_SweepGrid(benchmark::State& state)
{
    const int jobs = static_cast<int>(state.range(0));
    const int side = static_cast<int>(state.range(1));
    const ParamSet base = run361();
    const SweepGrid grid{{{"l2", 25, 60, side}, {"b", -5, 5, side}}, true, '.'};
    const std::atomic<bool> never{false};
    long long held = 0;
    long peakKb = 0;
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state) {
        resetPeakResident();
        std::ofstream sink("/dev/null");
        TextWriter w(sink);
        w.writeRaw(sweepCsvHeader(grid, true));
        int done = 0;
        long long written = 0;
        runSweepGrid(
            base, grid, {}, jobs, never,
            [&](const SweepRow& row) {
                held = std::max(held, done - written);
                w.writeRaw(sweepCsvRow(row, true));
                ++written;
            },
            [&](int d, int) { done = d; });
        w.finish();
        if (written != sweepGridRows(grid)) state.SkipWithError("rows missing");
        peakKb = std::max(peakKb, peakResidentKb());
    }
    // Beside the wall time on a shared machine: the work itself, which two threads should
    // not make much larger than one does.
    state.counters["process_cpu_s"] =
        (processCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations());
    state.counters["rows"] = static_cast<double>(sweepGridRows(grid));
    state.counters["rows_held"] = static_cast<double>(held);
    state.counters["peak_rss_mb"] = static_cast<double>(peakKb) / 1024;
}

} // namespace

BENCHMARK(BM_SweepGrid)
    ->ArgNames({"jobs", "side"})
    ->Args({1, 10})
    ->Args({2, 10})
    ->Args({1, 100})
    ->Args({2, 100})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
