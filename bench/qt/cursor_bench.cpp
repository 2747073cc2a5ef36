// SPDX-License-Identifier: GPL-3.0-or-later
// The crank-angle cursor through the real main window, offscreen, at the largest run (targets:
// each within 16 ms, one frame).
// BM_CursorStep moves the cursor by one step with the mechanism view, the grid and three charts
// open, up to every window having painted it. BM_ParameterToView changes a parameter through
// the panel's command, as typing does, up to the mechanism view having painted the new position.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <memory>

#include "LargestRun.h"
#include "app/qt/CursorDocks.h"
#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "params/Outcome.h"
#include "params/qt/ParameterPanel.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsPanel.h"
#include "qt/NoDialogPlatform.h"

namespace {

ResultStore& store()
{
    static const auto R = std::make_unique<ResultStore>();
    return *R;
}

// A shown main window on the largest run, calculated, with the grid refreshed.
std::unique_ptr<MainWindow> calculatedWindow(NoDialogPlatform& platform, ParamSet& params)
{
    auto window = std::make_unique<MainWindow>(platform, params, store());
    params = largestRun(false); // the window starts at the defaults
    window->findChild<QTimer*>("fadeTimer")->stop();
    window->setOpacity(255);
    window->show();
    QApplication::processEvents();
    window->calculate();
    window->resultsPanel().refreshResults();
    QApplication::processEvents();
    return window;
}

void BM_CursorStep(benchmark::State& state)
{
    NoDialogPlatform platform;
    ParamSet params;
    const auto window = calculatedWindow(platform, params);
    MoEChartWindow moe(params, store(), platform);
    QuantityChartWindow quantity(params, store(), platform, [] { return QStringList(); });
    FlywheelChartWindow flywheel(store(), platform, [] { return SummaryOptions{360, 0.05L}; });
    window->setSideWindows({&moe, &quantity, nullptr, nullptr, &flywheel});
    for (QWidget* w : {static_cast<QWidget*>(&moe), static_cast<QWidget*>(&quantity),
                       static_cast<QWidget*>(&flywheel)})
        w->show();
    QApplication::processEvents();
    CrankCursor& cursor = window->findChild<CursorDocks*>("cursorDocks")->cursor();
    cursor.moveTo(params.N / 2);
    QApplication::processEvents();
    int direction = 1;
    for (auto _ : state) {
        if (!cursor.moveBy(direction)) direction = -direction;
        QApplication::processEvents(); // every window paints the new step
        direction = -direction;
    }
    if (!platform.errors.empty()) state.SkipWithError(platform.errors.front().c_str());
    if (cursor.steps() != params.N) state.SkipWithError("the cursor does not walk the run");
    state.counters["steps"] = params.N;
}
BENCHMARK(BM_CursorStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

void BM_ParameterToView(benchmark::State& state)
{
    NoDialogPlatform platform;
    ParamSet params;
    const auto window = calculatedWindow(platform, params);
    ParameterPanel& panel = window->parameterPanel();
    int k = 0;
    for (auto _ : state) {
        // Lengths a user types one after another; the rod reaches the guide at each.
        const double l1 = 9.5 + 0.01 * (k++ % 50);
        panel.run(
            [l1](ParamSet& p) {
                p.l1 = l1;
                return Outcome{};
            },
            QStringLiteral("L1"));
        QApplication::processEvents(); // the view paints the new position
    }
    if (!platform.errors.empty()) state.SkipWithError(platform.errors.front().c_str());
    state.counters["steps"] = params.N;
}
BENCHMARK(BM_ParameterToView)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(100);

} // namespace
