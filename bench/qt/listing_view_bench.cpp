// SPDX-License-Identifier: GPL-3.0-or-later
// The report memo with the largest listing, offscreen: showing it (the lines in view are made and
// painted) and Ctrl+A, Ctrl+C (every line made once, into the clipboard). peak_rss_MB is the whole
// process's peak resident memory so far, as a window benchmark reports it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <memory>

#include "BenchSupport.h"
#include "LargestRun.h"
#include "calc/Calculation.h"
#include "formats/ResultsText.h"
#include "present/qt/ListingView.h"

namespace {

// The largest run, refreshed once: the grid and the listing over it.
struct Refreshed {
    ResultStore R;
    GridText grid;
    std::shared_ptr<ResultsListing> listing = std::make_shared<ResultsListing>(grid);
};

Refreshed& refreshed()
{
    static const auto r = [] {
        auto made = std::make_unique<Refreshed>();
        const ParamSet p = largestRun(false);
        runCalculation(p, made->R);
        refreshResults(made->R, p.N, '.', made->grid, *made->listing);
        return made;
    }();
    return *r;
}

// The memo's size in the main window.
std::unique_ptr<ListingView> memo()
{
    auto view = std::make_unique<ListingView>();
    view->resize(445, 25);
    view->show();
    return view;
}

void BM_ListingViewShow(benchmark::State& state)
{
    Refreshed& r = refreshed();
    const auto view = memo();
    for (auto _ : state) {
        view->setLines(r.listing);
        view->viewport()->grab(); // paints what is in view
        view->setPlainText("Отчёт:");
    }
    state.counters["lines"] = static_cast<double>(r.listing->lineCount());
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_ListingViewShow)->Unit(benchmark::kMicrosecond);

void BM_ListingViewCopyAll(benchmark::State& state)
{
    Refreshed& r = refreshed();
    const auto view = memo();
    view->setLines(r.listing);
    for (auto _ : state) {
        view->selectAll();
        view->copy();
        benchmark::DoNotOptimize(QApplication::clipboard()->text().size());
    }
    state.counters["copied_MB"] =
        static_cast<double>(QApplication::clipboard()->text().size()) * 2 / (1 << 20);
    state.counters["peak_rss_MB"] = peakRssMb();
}
BENCHMARK(BM_ListingViewCopyAll)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
