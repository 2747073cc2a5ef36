// SPDX-License-Identifier: GPL-3.0-or-later
// Shared data of the chart window tests: the default mechanism (autofilled) calculated once, and
// a store whose rows are easy to tell apart; and the windows' parts by the names they carry.
#pragma once
#include <QComboBox>
#include <QLineSeries>

#include "calc/Calculation.h"
#include "calc/ResultStore.h"
#include "params/Autofill.h"
#include "params/ParamSet.h"
#include "present/qt/ChartView.h"
#include "support/Controls.h"

namespace charttest {

// The defaults (N = 25), autofilled and calculated.
inline const ParamSet& defaultParams()
{
    static const ParamSet p = [] {
        ParamSet q;
        setDefaults(q);
        autofillPoints(q);
        return q;
    }();
    return p;
}

inline const ResultStore& defaultStore()
{
    static ResultStore* R = [] {
        auto* r = new ResultStore;
        runCalculation(defaultParams(), *r);
        return r;
    }();
    return *R;
}

// R[k][i] = 1000 k + i for every row and the first 25 steps, as a run of the defaults: a row is
// known by its values.
inline const ResultStore& taggedStore()
{
    static ResultStore* R = [] {
        auto* r = new ResultStore;
        ParamSet run;
        setDefaults(run); // 25 steps
        r->recordRun(run);
        for (int k = 0; k < ResultStore::kRows; ++k)
            for (int i = 1; i <= 25; ++i)
                (*r)(k, i) = 1000.0L * k + i;
        return r;
    }();
    return *R;
}

// A chart window's view, which holds its chart.
inline MarkedChartView* chartView(const QWidget& window)
{
    return child<MarkedChartView>(window, "chartView");
}

// A chart window's series of points: "moSeries" and "eSeries" of the Mo/E chart, "series" of the
// quantity chart.
inline QLineSeries* series(const QWidget& window, const char* name = "series")
{
    return child<QLineSeries>(window, name);
}

// The quantity chart's list of quantities.
inline QComboBox* quantityBox(const QWidget& window)
{
    return child<QComboBox>(window, "quantityBox");
}

} // namespace charttest
