// SPDX-License-Identifier: GPL-3.0-or-later
// The flywheel chart window as the summary's button and the "Вид" menu open it: ΔT and Mo over
// the sized period of the summary's period run (1° for a coarser run) at the crank angles of its
// steps, the ΔT_max marks and the M_d line where the sizing puts them, the energy–mass diagram
// from T = J·ω²/2, and the refusal in words for a run shorter than a period whose period run
// faults.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "params/Autofill.h"
#include "params/ParamSet.h"
#include "present/SummaryText.h"
#include "present/qt/ChartView.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/SummaryWindow.h"
#include "support/FakePlatform.h"

namespace {

QList<QPointF> pointsOf(QWidget& w, const char* name)
{
    auto* s = w.findChild<QLineSeries*>(name);
    return s ? s->points() : QList<QPointF>{};
}

} // namespace

TEST(FlywheelChart, ShowsTheSizedPeriodOrWhyThereIsNone)
{
    FakePlatform fake;
    fake.separator = ',';
    ParamSet params;
    auto store = std::make_unique<ResultStore>();
    MainWindow form(fake, params, *store);
    SummaryWindow summary(*store, form.numbers());
    const SummaryOptions options{360, 0.05L};
    FlywheelChartWindow chart(*store, fake, [&] { return options; });
    form.setSideWindows({nullptr, nullptr, nullptr, &summary, &chart});
    form.showSummary();

    // One cycle at 15° covers the period, two at 5° fall short of it: both are drawn from the
    // period run at 1°. From fi0 = 5 the 1° run lands on the rod's dead position at 180°, which
    // one cycle at 10° passes by, short of the period: the refusal then shows. The first opening
    // shows the hidden window, the second refills the shown one.
    const struct {
        long double step;
        int32_t cycles;
        double fi0;
        bool byButton;
        const char* refusal;
    } cases[] = {
        {15, 1, 0.1, true, nullptr},
        {5, 2, 0.1, false, nullptr},
        {10, 1, 5, false, "для маховика нужен полный период: увеличьте число циклов до 2"},
        {15, 1, 0.1, false, nullptr},
    };
    setDefaults(params); // masses, inertias and a turning crank: ΔT and J are not all zero
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.step));
        params.fi0 = c.fi0;
        ASSERT_TRUE(autofillPoints(params));
        params.step = rad(c.step);
        params.cycles = c.cycles;
        params.N = 24 * c.cycles + 1;
        form.calculate();
        if (c.byButton)
            summary.findChild<QPushButton*>("flywheelChartsButton")->click();
        else
            form.findChild<QAction*>("flywheelChartAction")->trigger();
        ASSERT_TRUE(chart.isVisible());

        auto* error = chart.findChild<QLabel*>("flywheelError");
        auto* tabs = chart.findChild<QTabWidget*>("flywheelTabs");
        EXPECT_EQ(error->isVisibleTo(&chart), c.refusal != nullptr);
        EXPECT_EQ(tabs->isVisibleTo(&chart), c.refusal == nullptr);
        if (c.refusal) {
            EXPECT_EQ(error->text(), QString::fromUtf8(c.refusal));
            continue;
        }

        std::string why;
        const FigureRun figures(*store, params, params.N, options.period);
        ASSERT_EQ(figures.steps(), 361);
        const ResultStore& F = figures.store();
        const std::optional<FlywheelSizing> f =
            sizeFlywheel(F, figures.params(), figures.steps(), options, &why);
        ASSERT_TRUE(f) << why;
        ASSERT_GT(f->energySwing, 0);
        const QList<QPointF> surplus = pointsOf(chart, "surplusSeries");
        const QList<QPointF> mo = pointsOf(chart, "moSeries");
        // The diagram's chart owns its series, outside the window's object tree.
        const QList<QPointF> energyMass =
            qobject_cast<QLineSeries*>(
                chart.findChild<QChartView*>("energyMassView")->chart()->series().value(0))
                ->points();
        ASSERT_EQ(surplus.size(), static_cast<qsizetype>(f->surplus.size()));
        ASSERT_EQ(mo.size(), surplus.size());
        ASSERT_EQ(energyMass.size(), surplus.size()); // the crank turns at every step
        ASSERT_EQ(f->lastStep - f->firstStep + 1, surplus.size());
        for (qsizetype k = 0; k < surplus.size(); ++k) {
            const int step = f->firstStep + static_cast<int>(k);
            const double angle = static_cast<double>(crankAngleDegrees(figures.params(), step));
            EXPECT_NEAR(angle, static_cast<double>(deg(rad(c.fi0) + (step - 1) * rad(1.0L))), 1e-9);
            EXPECT_EQ(surplus[k], QPointF(angle, static_cast<double>(f->surplus[k])));
            EXPECT_EQ(mo[k], QPointF(angle, static_cast<double>(F(Quantity::mo, step))));
            // The whole mechanism's kinetic energy is J·ω²/2; the crank alone holds at least its
            // own inertia about O, the rod and slider add to it.
            const long double w = F(Quantity::fit, step);
            const long double kinetic =
                F(Quantity::ek1, step) + F(Quantity::ek2, step) + F(Quantity::ek3, step);
            EXPECT_DOUBLE_EQ(energyMass[k].x(), static_cast<double>(2 * kinetic / (w * w)));
            EXPECT_EQ(energyMass[k].y(), surplus[k].y());
            EXPECT_GE(energyMass[k].x(), static_cast<double>(f->crankInertia) * (1 - 1e-12));
        }

        // The marks lie at the extremes of the drawn series, across its whole span, and the
        // swing in the title is their distance.
        const auto [lo, hi] = std::minmax_element(
            surplus.begin(), surplus.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        const double first = surplus.front().x(), last = surplus.back().x();
        const struct {
            const char* series;
            double y;
        } lines[] = {{"surplusMaxSeries", hi->y()},
                     {"surplusMinSeries", lo->y()},
                     {"meanMomentSeries", static_cast<double>(f->meanMoment)}};
        for (const auto& line : lines)
            EXPECT_EQ(pointsOf(chart, line.series),
                      (QList<QPointF>{QPointF(first, line.y), QPointF(last, line.y)}))
                << line.series;
        EXPECT_NEAR(static_cast<double>(f->energySwing), hi->y() - lo->y(),
                    1e-12 * std::max(1.0, hi->y() - lo->y()));
        const QString title = chart.findChild<MarkedChartView*>("surplusView")->chart()->title();
        EXPECT_TRUE(
            title.endsWith(QStringLiteral("ΔT_max = %1 Дж")
                               .arg(QString::fromStdString(summaryFigure(f->energySwing, ',')))))
            << title.toStdString();
    }
}
