// SPDX-License-Identifier: GPL-3.0-or-later
// "Пересчитывать автоматически" through the real main window, offscreen.
// BM_RecalcThroughWindow: at 361 steps, a value typed into the entry up to the Mo/E chart
// repainted with its run (target: within 30 ms).
// BM_InputLatencyDuringRecalc: at the largest run, how long an event posted to the window waits
// while a background run goes (target: within 50 ms): a timer of 5 ms is started again and again
// during the run, and latency_max_ms / latency_mean_ms are how late it fired.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "BenchSupport.h"
#include "LargestRun.h"
#include "app/qt/MainWindow.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "present/qt/MoEChartWindow.h"
#include "qt/NoDialogPlatform.h"

namespace {

constexpr int kTickMs = 5; // between two samples of the latency

ResultStore& store()
{
    static const auto R = std::make_unique<ResultStore>();
    return *R;
}

// A shown window and Mo/E chart with "Расчет" done for `p` and the toggle on.
struct RecalcWindow {
    NoDialogPlatform platform;
    ParamSet params;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<MoEChartWindow> chart;
    bool replaced = false;

    explicit RecalcWindow(const ParamSet& p)
    {
        window = std::make_unique<MainWindow>(platform, params, store());
        params = p; // the window starts at the defaults
        chart = std::make_unique<MoEChartWindow>(params, store(), platform);
        window->setSideWindows({chart.get(), nullptr, nullptr, nullptr, nullptr});
        window->findChild<QTimer*>("fadeTimer")->stop();
        window->setOpacity(255);
        window->show();
        chart->show();
        QApplication::processEvents();
        window->findChild<QAction*>("calculateAction")->trigger();
        window->setAutoRecalcEnabled(true);
        QObject::connect(window.get(), &MainWindow::resultsReplaced, [this] { replaced = true; });
        QApplication::processEvents();
    }
    ~RecalcWindow() { window->setAutoRecalcEnabled(false); }
    // Types l2 into the entry, as a user would.
    void typeL2(long double l2)
    {
        window->parameterPanel().openEntry(paramRowForKey("l2"));
        window->findChild<QLineEdit*>("entryEdit")
            ->setText(QString::number(static_cast<double>(l2), 'f', 2));
        replaced = false;
        window->parameterPanel().confirmEntry();
    }
};

void BM_RecalcThroughWindow(benchmark::State& state)
{
    ParamSet p = largestRun(false);
    p.cycles = 15;
    p.N = 24 * p.cycles + 1; // 361
    RecalcWindow w(p);
    long double l2 = 26;
    double typing = 0, waiting = 0, painting = 0; // ms, summed
    for (auto _ : state) {
        l2 += 0.25L;
        QElapsedTimer phase;
        phase.start();
        w.typeL2(l2);
        typing += double(phase.nsecsElapsed()) / 1e6;
        phase.restart();
        while (!w.replaced)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        waiting += double(phase.nsecsElapsed()) / 1e6;
        phase.restart();
        w.chart->repaint(); // the chart painted with the new run
        QApplication::processEvents();
        painting += double(phase.nsecsElapsed()) / 1e6;
    }
    // Where the time goes: the entry's command (with the project's recovery copy), the run and
    // the views' refill, the chart's paint.
    const auto n = double(state.iterations());
    state.counters["entry_ms"] = typing / n;
    state.counters["run_refill_ms"] = waiting / n;
    state.counters["paint_ms"] = painting / n;
    if (store().computedWith()->l2 != l2) state.SkipWithError("the last run is not in the store");
    if (!w.platform.errors.empty()) state.SkipWithError(w.platform.errors.front().c_str());
    state.counters["steps"] = p.N;
}
BENCHMARK(BM_RecalcThroughWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InputLatencyDuringRecalc(benchmark::State& state)
{
    RecalcWindow w(largestRun(false));
    long double l2 = 26;
    double worst = 0, total = 0;
    int64_t samples = 0;
    for (auto _ : state) {
        l2 += 0.25L;
        w.typeL2(l2);
        // A timer every few milliseconds while the run goes, as input would come: how late it
        // fires is how long the window's thread kept an event waiting.
        while (w.window->recalculating()) {
            QElapsedTimer posted;
            posted.start();
            bool fired = false, during = false;
            double waited = 0;
            QTimer::singleShot(kTickMs, Qt::PreciseTimer, w.window.get(), [&] {
                fired = true;
                during = w.window->recalculating();
                waited = std::max(0.0, double(posted.nsecsElapsed()) / 1e6 - kTickMs);
            });
            while (!fired)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            // A wait that took in the views' refill after the run is not one during the run.
            if (!during) continue;
            worst = std::max(worst, waited);
            total += waited;
            ++samples;
        }
        while (!w.replaced)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (store().computedWith()->l2 != l2) state.SkipWithError("the last run is not in the store");
    state.counters["latency_max_ms"] = worst;
    state.counters["latency_mean_ms"] = samples ? total / double(samples) : 0;
    state.counters["samples"] = double(samples);
    state.counters["steps"] = store().computedWith()->N;
}
BENCHMARK(BM_InputLatencyDuringRecalc)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
