// SPDX-License-Identifier: GPL-3.0-or-later
// The chart windows against the crank angle of the last calculation: the axes and their titles,
// the window titles, marks at many points, the readout under the mouse and the windows' sizes.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QValueAxis>
#include <cmath>
#include <gtest/gtest.h>

#include "present/qt/ChartTestData.h"
#include "present/qt/ChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "support/FakePlatform.h"

using charttest::chartView;
using charttest::defaultParams;
using charttest::quantityBox;

namespace {

// A store that reads as computed with fi0, step (degrees) and N, its rows left at zero but Mo,
// E and xa: mo(i) = 0.125 i, e(i) = 10 i, xa(i) = i.
std::unique_ptr<ResultStore> runStore(double fi0, long double stepDegrees, int N)
{
    auto R = std::make_unique<ResultStore>();
    ParamSet p = defaultParams();
    p.fi0 = fi0, p.step = rad(stepDegrees), p.N = N;
    R->recordRun(p);
    for (int i = 1; i <= N; ++i)
        (*R)(Quantity::mo, i) = 0.125L * i, (*R)(Quantity::e, i) = 10.0L * i,
                           (*R)(Quantity::xa, i) = i;
    return R;
}

// Twelve captions; the twelfth, item 11, names store row 12, xa.
const QStringList kCaptions = [] {
    QStringList c;
    for (int k = 1; k <= 11; ++k)
        c << QStringLiteral("r%1").arg(k);
    return c << QStringLiteral("xa: координата x точки A (палец кривошипа), м");
}();

void pick(QuantityChartWindow& w, int j)
{
    quantityBox(w)->setCurrentIndex(j);
    emit quantityBox(w)->activated(j);
}

} // namespace

// A 240-degree run (49 steps of 5 degrees) spans fi0 .. fi0 + 240 on the x axis, whatever the
// parameters on screen say (the defaults' 25 steps of 15 degrees).
TEST(ChartCrankAngle, AxesShowTheRunsCrankAngleWithTitles)
{
    const struct {
        bool moe;
        double fi0;
        const char* yTitle;
    } cases[] = {
        {true, 0, "Mo, Н·м; E, Дж"},
        {true, 30, "Mo, Н·м; E, Дж"},
        {false, -90, "xa, м"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fi0);
        const auto R = runStore(c.fi0, 5, 49);
        FakePlatform platform;
        MoEChartWindow moe(defaultParams(), *R, platform);
        QuantityChartWindow quantity(defaultParams(), *R, platform, [] { return kCaptions; });
        QWidget& w = c.moe ? static_cast<QWidget&>(moe) : quantity;
        w.show();
        if (!c.moe) pick(quantity, 11);
        const MarkedChartView* view = chartView(w);
        EXPECT_NEAR(view->axisX()->min(), c.fi0, 1e-9);
        EXPECT_NEAR(view->axisX()->max(), c.fi0 + 240, 1e-9);
        EXPECT_EQ(view->axisX()->titleText(), "Угол кривошипа, °");
        EXPECT_EQ(view->axisY()->titleText(), QString::fromUtf8(c.yTitle));
    }
}

TEST(ChartCrankAngle, WindowTitlesNameTheQuantityAndStaleResults)
{
    const QString stale = QStringLiteral(" — результаты относятся к прежним параметрам");
    const QString xa = QStringLiteral("График: ") + kCaptions[11];
    const struct {
        int item; // -1: the Mo/E chart; -2: the quantity chart, typed text
        bool stale;
        QString title;
        QString chartTitle;
    } cases[] = {
        {-1, false, "Графики", "Графики Mo и E"},
        {-1, true, "Графики" + stale, "Графики Mo и E"},
        {11, false, xa, kCaptions[11]},
        {11, true, xa + stale, kCaptions[11]},
        {-2, false, "График параметра", "Выберите величину в списке ниже"},
        {-2, true, "График параметра" + stale, "Выберите величину в списке ниже"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        FakePlatform platform;
        MoEChartWindow moe(defaultParams(), charttest::taggedStore(), platform);
        QuantityChartWindow quantity(defaultParams(), charttest::taggedStore(), platform,
                                     [] { return kCaptions; });
        QWidget& w = c.item == -1 ? static_cast<QWidget&>(moe) : quantity;
        w.show();
        if (c.item >= 0) pick(quantity, c.item);
        if (c.item == -2) {
            pick(quantity, 3);
            QTest::keyClicks(quantityBox(quantity)->lineEdit(), "x"); // selects no item
        }
        c.item == -1 ? moe.setResultsStale(true) : quantity.setResultsStale(true);
        if (!c.stale) c.item == -1 ? moe.setResultsStale(false) : quantity.setResultsStale(false);
        EXPECT_EQ(w.windowTitle(), c.title);
        EXPECT_EQ(chartView(w)->chart()->title(), c.chartTitle);
    }
}

// 361 points over the plot: the marks that fit never overlap; "Все значения" shows every one.
TEST(ChartCrankAngle, MarksFitAtManyPointsOrAllShowOnRequest)
{
    const auto R = runStore(0, 1, 361);
    FakePlatform platform;
    MoEChartWindow form(defaultParams(), *R, platform);
    form.show();
    QApplication::processEvents();
    const QList<PlacedMark> fitting = chartView(form)->currentMarks();
    ASSERT_GT(fitting.size(), 10);
    EXPECT_LT(fitting.size(), 2 * 361);
    for (int a = 0; a < fitting.size(); ++a)
        for (int b = a + 1; b < fitting.size(); ++b)
            ASSERT_FALSE(fitting[a].box.intersects(fitting[b].box)) << a << " " << b;

    trigger(form, "everyMarkAction");
    int perSeries[2] = {0, 0};
    for (const PlacedMark& m : chartView(form)->currentMarks())
        ++perSeries[m.source];
    EXPECT_EQ(perSeries[0], 361);
    EXPECT_EQ(perSeries[1], 361);
    trigger(form, "everyMarkAction");
    EXPECT_EQ(chartView(form)->currentMarks().size(), fitting.size());
}

// The mouse over a point reads its crank angle and value, in the program's separator; off the
// plot there is no readout.
TEST(ChartCrankAngle, ReadoutFollowsThePointUnderTheMouse)
{
    const struct {
        char decimal;
        int step;
        bool e; // over E rather than Mo
        const char* text;
    } cases[] = {
        {',', 5, false, "φ = 60,10°; Mo = 0,625 Н·м"},
        {'.', 9, true, "φ = 120.10°; E = 90 Дж"},
        {',', 25, true, "φ = 360,10°; E = 250 Дж"},
        {',', 7, false, "φ = 90,10°; xa = 7 м"}, // the quantity chart, showing xa
    };
    const auto R = runStore(0.1, 15, 25);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FakePlatform platform;
        platform.separator = c.decimal;
        const bool xa = QByteArray(c.text).contains("xa");
        MoEChartWindow moe(defaultParams(), *R, platform);
        QuantityChartWindow quantity(defaultParams(), *R, platform, [] { return kCaptions; });
        QWidget& form = xa ? static_cast<QWidget&>(quantity) : moe;
        form.show();
        if (xa) pick(quantity, 11);
        QApplication::processEvents();
        MarkedChartView* view = chartView(form);
        const double value = xa ? c.step : c.e ? 10.0 * c.step : 0.125 * c.step;
        // A few pixels off the point, towards the middle of the plot: the nearest point is still
        // the one read.
        const PlotMapping m = view->mapping();
        const QPointF point = m.map({0.1 + 15.0 * (c.step - 1), value});
        const QPointF at = point + QPointF(point.x() < m.plot.center().x() ? 2 : -2,
                                           point.y() < m.plot.center().y() ? 2 : -2);
        // Through the window system, as a moving mouse arrives: no button is held.
        auto move = [&](QPoint inView) {
            QTest::mouseMove(form.windowHandle(), view->viewport()->mapTo(&form, inView));
        };
        move(at.toPoint());
        EXPECT_EQ(view->readout(), QString::fromUtf8(c.text));
        move(QPoint(2, 2)); // outside the plot area
        EXPECT_EQ(view->readout(), QString());
    }
}

// Grown, each window gives the room to its chart and keeps its controls at the edges; a window
// larger than the screen is made to fit it when shown.
TEST(ChartCrankAngle, ChartsTakeTheRoomOfAResizedWindow)
{
    FakePlatform platform;
    MoEChartWindow moe(defaultParams(), charttest::taggedStore(), platform);
    QuantityChartWindow quantity(defaultParams(), charttest::taggedStore(), platform, {});
    moe.show();
    quantity.show();
    moe.resize(1062, 806);
    EXPECT_EQ(chartView(moe)->geometry(), QRect(16, 8, 1033, 769));
    quantity.resize(762, 481);
    EXPECT_EQ(chartView(quantity)->geometry(), QRect(0, 0, 761, 445));
    EXPECT_EQ(quantityBox(quantity)->geometry(), QRect(608, 452, 145, 25));
    // The clear button follows the check box, which is as wide as its caption needs.
    const QRect marks = child<QCheckBox>(quantity, "marksCheck")->geometry();
    const QRect clear = child<QPushButton>(quantity, "clearButton")->geometry();
    EXPECT_EQ(marks.topLeft(), QPoint(8, 452));
    EXPECT_GE(marks.width(), child<QCheckBox>(quantity, "marksCheck")->sizeHint().width());
    EXPECT_EQ(clear.size(), QSize(89, 25));
    EXPECT_EQ(clear.top(), 452);
    EXPECT_GT(clear.left(), marks.right());

    for (QWidget* w : {static_cast<QWidget*>(&moe), static_cast<QWidget*>(&quantity)}) {
        w->resize(2000, 1500);
        w->hide();
        w->show();
        const QRect area = w->screen()->availableGeometry();
        EXPECT_LE(w->frameGeometry().width(), area.width());
        EXPECT_LE(w->frameGeometry().height(), area.height());
        EXPECT_TRUE(area.contains(w->frameGeometry()));
    }
}
