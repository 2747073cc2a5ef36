// SPDX-License-Identifier: GPL-3.0-or-later
// "Обновить" through the real main window, offscreen, at the largest run, against the calculation
// of that run measured in the same program run (targets: the refresh within half the
// calculation, the whole program's peak resident memory after it within 350 MB). The refresh
// copies the run's values; the grid and the listing make their text as they show it.
// BM_RefreshThroughWindow times the window's own refresh command, the bar following it, and the
// events that paint its result; x_calc is its time over BM_Calculation's, peak_rss_MB the whole
// process's peak resident memory so far. CPU is the whole process's, every thread's together: on
// a machine others load, the refresh's threads may not get the cores its wall time assumes.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "LargestRun.h"
#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "present/qt/ListingView.h"
#include "qt/NoDialogPlatform.h"

namespace {

// One store, as in the program: the calculation and the window share it.
ResultStore& store()
{
    static const auto R = std::make_unique<ResultStore>();
    return *R;
}

double gCalculationSeconds = 0; // of BM_Calculation, which runs first

void BM_Calculation(benchmark::State& state)
{
    const ParamSet p = largestRun(state.range(0) == 720);
    runCalculation(p, store()); // first touch of the pages, outside the timing
    gCalculationSeconds = timeCalculation(state, p, store());
}
BENCHMARK(BM_Calculation)
    ->ArgName("mode")
    ->Arg(360)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(10);

// A window made for the run: "Расчет" through its command, then each iteration is a user's
// "Обновить" with the indicator on, up to the window having painted the result. The first
// iteration fills a grid never filled before, as the first refresh after starting does.
void BM_RefreshThroughWindow(benchmark::State& state)
{
    ParamSet params = largestRun(false);
    NoDialogPlatform platform;
    auto window = std::make_unique<MainWindow>(platform, params, store());
    params = largestRun(false); // the window starts at the defaults
    window->findChild<QTimer*>("fadeTimer")->stop();
    window->setOpacity(255);
    window->show();
    QApplication::processEvents();
    window->findChild<QAction*>("calculateAction")->trigger();
    window->findChild<QAction*>("indicatorAction")->setChecked(true);
    QApplication::processEvents();

    QAction* refresh = window->findChild<QAction*>("refreshAction");
    using Clock = std::chrono::steady_clock;
    Clock::duration command{}, first{};
    const auto start = Clock::now();
    for (auto _ : state) {
        const auto begin = Clock::now();
        refresh->trigger();
        const auto end = Clock::now();
        QApplication::processEvents(); // the grid and the memo paint what the refresh made
        command += end - begin;
        if (first == Clock::duration{}) first = Clock::now() - begin;
    }
    const std::chrono::duration<double> spent = Clock::now() - start;

    if (!platform.errors.empty()) state.SkipWithError(platform.errors.front().c_str());
    if (window->findChild<ListingView*>("listing")->blockCount() != 3 + 2 * params.N)
        state.SkipWithError("the listing is not the run's");
    state.counters["steps"] = params.N;
    // The command alone (the rest is painting), and the first refresh, into a new grid.
    state.counters["command_ms"] = std::chrono::duration<double, std::milli>(command).count() /
                                   static_cast<double>(state.iterations());
    state.counters["first_ms"] = std::chrono::duration<double, std::milli>(first).count();
    if (gCalculationSeconds > 0)
        state.counters["x_calc"] =
            spent.count() / static_cast<double>(state.iterations()) / gCalculationSeconds;
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_RefreshThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);

} // namespace
