// SPDX-License-Identifier: GPL-3.0-or-later
// The variants of the main window: "Запомнить вариант" keeps the last calculation's inputs and
// key figures in the project under a name the user gives; "Варианты" shows them beside the
// current run; the variants checked there are recomputed from their inputs and laid over the
// Mo/E chart and the quantity chart, each in a colour of its own.
#pragma once
#include <QObject>
#include <map>
#include <memory>
#include <vector>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "calc/Variant.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/qt/ChartView.h"

class MoEChartWindow;
class ProjectController;
class QMenu;
class QuantityChartWindow;
class VariantsWindow;

class VariantsController : public QObject {
    Q_OBJECT
public:
    // Every reference must outlive the controller; the chart windows may be null.
    VariantsController(Platform& platform, const ParamSet& params, const ResultStore& store,
                       ProjectController& project, const NumberFormat& numbers,
                       VariantsWindow& window, MoEChartWindow* moeChart,
                       QuantityChartWindow* quantityChart, QObject* parent = nullptr);
    ~VariantsController() override;

    // Adds "Запомнить вариант" (Ctrl+M) to `operations` and "Варианты" to `view`.
    void addMenuItems(QMenu* operations, QMenu* view);
    // "Запомнить вариант": the inputs of the last calculation (with the δ on screen) and its key
    // figures, under the name asked for. Before any calculation, or while the results belong to
    // other parameters, it says so and keeps nothing.
    void keepCurrent();
    // A set offered from elsewhere (a sweep's point): calculated, and kept under the name asked
    // for, `suggested` offered.
    void keepOffered(const ParamSet& params, const QString& suggested);
    // "Варианты": shows the window, refilled, or brings it to the front.
    void showWindow();
    // New results are in the store: the window's current row and the charts follow.
    void followResults();
    // The overlays for `rows` of every variant checked in the window (OverlaySource).
    std::vector<ChartOverlay> overlays(const std::vector<int>& rows);

private:
    void refreshWindow();
    void refreshCharts();
    Platform& platform;
    const ParamSet& P;
    const ResultStore& R;
    ProjectController& project;
    const NumberFormat& numbers;
    VariantsWindow& window;
    MoEChartWindow* moeChart;
    QuantityChartWindow* quantityChart;
    std::unique_ptr<ResultStore> scratch_; // where variants are recomputed, made when first needed
    // The curves already computed, by variant and rows; the list's every change empties it, so
    // a chart refilled after each new run (recalculating as the user types) reuses them.
    std::map<std::pair<size_t, std::vector<int>>, std::vector<Curve>> curves_;
};
