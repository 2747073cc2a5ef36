// SPDX-License-Identifier: GPL-3.0-or-later
// The flywheel chart window ("Маховик"): over the period the flywheel is sized for (the period
// run of the summary, FigureRun), the energy surplus ΔT against the crank angle with its swing
// ΔT_max marked by dashed lines at its greatest and least value, the reduced moment Mo beside
// the constant driving moment M_d, and the energy–mass diagram (ΔT against the reduced moment of
// inertia), as three tabs.
// When the run admits no flywheel, the reason is shown instead of the charts.
#pragma once
#include <QList>
#include <QPointF>
#include <QWidget>
#include <functional>

#include "calc/ResultStore.h"
#include "calc/Summary.h"
#include "platform/Platform.h"

class QChart;
class QChartView;
class QChartView;
class QLabel;
class QLineSeries;
class QTabWidget;
class MarkedChartView;

class FlywheelChartWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the results of `store` with the parameter set they were computed with; `options`
    // gives the period and δ to size the flywheel with each time the window is filled.
    FlywheelChartWindow(const ResultStore& store, Platform& platform,
                        std::function<SummaryOptions()> options, QWidget* parent = nullptr);

    // Show handler: sizes the flywheel of the last calculation and puts, for each step i of its
    // period, (crank angle of i in degrees, ΔT(i)) into "ΔT" and (same angle, mo(i)) into "Mo";
    // the ΔT marks and the M_d line span the same angles. The energy–mass diagram gets
    // (2·(ek1 + ek2 + ek3)/fit², ΔT(i)) in step order, up to the first step where that inertia is
    // not finite (the crank at rest). Without a calculation, or when the
    // flywheel cannot be sized, the charts are hidden and the reason shown ("flywheelError").
    void fill();
    // Adds kStaleResultsSuffix to the window title while `stale`.
    void setResultsStale(bool stale);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sets the energy–mass diagram's axes to round numbers around `points` (0..1 when empty) and
    // writes them with `decimal`.
    void fitEnergyMassAxes(const QList<QPointF>& points, char decimal);

    const ResultStore& R;
    Platform& platform;
    std::function<SummaryOptions()> options_;
    QLabel* error_ = nullptr;                // "flywheelError"
    QTabWidget* tabs_ = nullptr;             // "flywheelTabs"
    MarkedChartView* surplusView_ = nullptr; // "surplusView"
    MarkedChartView* momentView_ = nullptr;  // "momentView"
    QLineSeries* surplus_ = nullptr;         // "surplusSeries", ΔT
    QLineSeries* surplusMax_ = nullptr;      // "surplusMaxSeries", "max ΔT"
    QLineSeries* surplusMin_ = nullptr;      // "surplusMinSeries", "min ΔT"
    QLineSeries* mo_ = nullptr;              // "moSeries"
    QLineSeries* meanMoment_ = nullptr;      // "meanMomentSeries", M_d
    QChartView* energyMassView_ = nullptr;   // "energyMassView"
    QLineSeries* energyMass_ = nullptr;      // "energyMassSeries"
};
