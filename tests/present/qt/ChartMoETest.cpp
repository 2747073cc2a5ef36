// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineSeries>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>

#include "calc/Quantities.h"
#include "present/qt/ChartImage.h"
#include "present/qt/ChartTestData.h"
#include "present/qt/ChartView.h"
#include "present/qt/MoEChartWindow.h"
#include "support/FakePlatform.h"

using Q = Quantity;

using charttest::chartView;
using charttest::defaultAngle;
using charttest::defaultParams;
using charttest::defaultStore;
using charttest::series;

namespace {

int marksOf(MarkedChartView* view, int source)
{
    int n = 0;
    for (const PlacedMark& m : view->currentMarks())
        n += m.source == source;
    return n;
}

TEST(ChartMoE, ShowPutsMoAndEOfEveryStep)
{
    FakePlatform platform;
    const ResultStore& R = defaultStore();
    MoEChartWindow form(defaultParams(), R, platform);
    form.show();

    const QList<QPointF> mo = series(form, "moSeries")->points();
    const QList<QPointF> e = series(form, "eSeries")->points();
    ASSERT_EQ(mo.size(), 25);
    ASSERT_EQ(e.size(), 25);
    for (int i = 1; i <= 25; ++i) {
        EXPECT_NEAR(mo[i - 1].x(), defaultAngle(i), 1e-9) << i;
        EXPECT_EQ(mo[i - 1].y(), double(R(Q::mo, i))) << i;
        EXPECT_EQ(e[i - 1], QPointF(mo[i - 1].x(), double(R(Q::e, i)))) << i;
    }
    EXPECT_EQ(e.front().y(), 0.0); // E is not written at the first step
    EXPECT_NE(mo[5].y(), 0.0);     // the calculation did produce a moment
    EXPECT_NEAR(chartView(form)->axisX()->min(), 0.1, 1e-9);
    EXPECT_NEAR(chartView(form)->axisX()->max(), 360.1, 1e-9);
    EXPECT_EQ(series(form, "moSeries")->name(), "Mo");
    EXPECT_EQ(series(form, "eSeries")->name(), "E");
    EXPECT_EQ(series(form, "moSeries")->pen().color(), QColor(Qt::red));
    EXPECT_EQ(series(form, "eSeries")->pen().color(), QColor(0, 128, 0)); // green, not lime
    EXPECT_EQ(series(form, "moSeries")->pen().width(), 2);
}

TEST(ChartMoE, WindowOpensAtItsSizeAndOnlyHidesOnClose)
{
    FakePlatform platform;
    MoEChartWindow form(defaultParams(), defaultStore(), platform);
    EXPECT_EQ(form.size(), QSize(862, 606)); // as built; shown, it fits the test screen
    EXPECT_EQ(chartView(form)->geometry(), QRect(16, 8, 833, 569));
    form.show();
    EXPECT_EQ(form.windowTitle(), "Графики");
    EXPECT_EQ(chartView(form)->chart()->title(), "Графики Mo и E");
    EXPECT_TRUE(chartView(form)->chart()->titleFont().bold());
    EXPECT_EQ(chartView(form)->chart()->titleFont().pixelSize(), 19);
    EXPECT_EQ(chartView(form)->chart()->titleBrush().color(), QColor(Qt::red));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.testAttribute(Qt::WA_DeleteOnClose));
    form.show(); // shown again, filled again
    EXPECT_EQ(series(form, "moSeries")->points().size(), 25);
}

TEST(ChartMoE, EveryMarkFitsAtTwentyFiveStepsAndTogglesPerSeries)
{
    FakePlatform platform;
    // A motion whose 25 marks of each curve stand apart (with the defaults' motion two marks
    // of E would meet, and one gives way).
    ParamSet p = defaultParams();
    p.fitt0 = 0.1;
    p.fidtt = 0.005;
    const auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    MoEChartWindow form(p, *R, platform);
    form.show();
    QApplication::processEvents(); // the chart's layout settles
    ASSERT_TRUE(child<QAction>(form, "moMarksAction")->isChecked());
    ASSERT_TRUE(child<QAction>(form, "eMarksAction")->isChecked());
    EXPECT_EQ(marksOf(chartView(form), 0), 25);
    EXPECT_EQ(marksOf(chartView(form), 1), 25);
    for (const PlacedMark& m : chartView(form)->currentMarks())
        EXPECT_EQ(m.background, m.source == 0 ? QColor(0, 128, 255) : QColor(255, 255, 128));

    form.toggleMoMarks(); // "Отображать значения Mo" off: only the marks of Mo go
    EXPECT_FALSE(child<QAction>(form, "moMarksAction")->isChecked());
    EXPECT_FALSE(chartView(form)->marksVisible(series(form, "moSeries")));
    EXPECT_TRUE(chartView(form)->marksVisible(series(form, "eSeries")));
    EXPECT_EQ(chartView(form)->currentMarks().size(), 25);
    for (const PlacedMark& m : chartView(form)->currentMarks())
        EXPECT_EQ(m.background, QColor(255, 255, 128));

    trigger(form, "eMarksAction"); // through the menu item as a click does
    EXPECT_FALSE(child<QAction>(form, "eMarksAction")->isChecked());
    EXPECT_TRUE(chartView(form)->currentMarks().isEmpty());

    trigger(form, "moMarksAction");
    form.toggleEMarks();
    EXPECT_TRUE(child<QAction>(form, "moMarksAction")->isChecked());
    EXPECT_TRUE(child<QAction>(form, "eMarksAction")->isChecked());
    EXPECT_EQ(chartView(form)->currentMarks().size(), 50);
}

// Before any calculation, and after one of no steps, there is nothing to draw, not zeros; the
// steps on screen do not count, only those the results were computed with.
TEST(ChartMoE, NoStepsLeaveTheChartEmpty)
{
    ResultStore never, noSteps;
    ParamSet p = defaultParams();
    p.N = 0;
    noSteps.recordRun(p);
    for (const ResultStore* R : {&never, &noSteps}) {
        FakePlatform platform;
        MoEChartWindow form(defaultParams(), *R, platform);
        form.show();
        EXPECT_EQ(series(form, "moSeries")->count(), 0);
        EXPECT_EQ(series(form, "eSeries")->count(), 0);
        EXPECT_TRUE(chartView(form)->currentMarks().isEmpty());
        EXPECT_FALSE(chartView(form)->grab().isNull()); // paints without data
    }
}

TEST(ChartMoE, SaveImageWritesPngThroughTheSaveDialog)
{
    FakePlatform platform;
    MoEChartWindow form(defaultParams(), defaultStore(), platform);
    form.show();
    QTemporaryDir dir;
    // The dialog adds ".png" to a bare name before its overwrite question; the name it returns
    // is the one written, nothing is added after the question.
    const QString path = dir.filePath("chart.png");
    platform.saveReplies.push_back(path.toStdString());
    trigger(form, "saveImageAction");
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].rfind("save:", 0), 0u);
    ASSERT_EQ(platform.dialogRequests.size(), 1u);
    EXPECT_EQ(platform.dialogRequests[0].defaultSuffix, "png");
    EXPECT_EQ(platform.dialogRequests[0].memoryKey, chartImageDialog().memoryKey);
    QImage img(path, "PNG");
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size() / img.devicePixelRatio(), chartView(form)->size());

    const QString bare = dir.filePath("bare");
    platform.saveReplies.push_back(bare.toStdString());
    form.saveImage();
    EXPECT_FALSE(QImage(bare, "PNG").isNull());
    EXPECT_FALSE(QFileInfo::exists(bare + ".png")) << "a file the dialog did not ask about";

    form.saveImage(); // cancelled: nothing written, nothing shown
    EXPECT_TRUE(platform.messages.empty());

    platform.saveReplies.push_back(dir.filePath("no/such/folder/x.png").toStdString());
    form.saveImage();
    ASSERT_EQ(platform.messages.size(), 1u); // a failed write is not passed over in silence
    EXPECT_NE(platform.messages[0].find("no/such/folder/x.png"), std::string::npos);
}

// Dragging a rectangle zooms in; dragging one leftwards, or "Исходный масштаб", undoes it; the
// right button is left to the popup menu and does not zoom out.
TEST(ChartMoE, ZoomByDraggingAndBack)
{
    FakePlatform platform;
    MoEChartWindow form(defaultParams(), defaultStore(), platform);
    form.show();
    QApplication::processEvents();
    QWidget* vp = chartView(form)->viewport();
    const QRectF plot = chartView(form)->chart()->plotArea();
    auto drag = [&](QPointF from, QPointF to) {
        QTest::mousePress(vp, Qt::LeftButton, {}, from.toPoint());
        QTest::mouseMove(vp, to.toPoint());
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to.toPoint());
    };
    const QPointF a = plot.topLeft() + QPointF(plot.width() * 0.25, 10);
    const QPointF b = plot.topLeft() + QPointF(plot.width() * 0.5, plot.height() - 10);
    drag(a, b);
    EXPECT_NEAR(chartView(form)->axisX()->min(), 90.1, 1.5);
    EXPECT_NEAR(chartView(form)->axisX()->max(), 180.1, 1.5);

    QTest::mouseClick(vp, Qt::RightButton, {}, plot.center().toPoint());
    EXPECT_NEAR(chartView(form)->axisX()->max(), 180.1, 1.5); // still zoomed

    drag(b, a); // leftwards: back to the whole chart
    EXPECT_NEAR(chartView(form)->axisX()->min(), 0.1, 1e-9);
    EXPECT_NEAR(chartView(form)->axisX()->max(), 360.1, 1e-9);

    drag(a, b);
    ASSERT_LT(chartView(form)->axisX()->max(), 360.0);
    trigger(form, "zoomResetAction");
    EXPECT_NEAR(chartView(form)->axisX()->max(), 360.1, 1e-9);
}

TEST(ChartMoE, PopupMenuHoldsTheItems)
{
    FakePlatform platform;
    MoEChartWindow form(defaultParams(), defaultStore(), platform);
    QStringList texts;
    for (QAction* a : child<QMenu>(form, "popupMenu")->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Отображать значения Mo", "Отображать значения E", "Все значения",
                                  "Исходный масштаб", "Сохранить изображение…"}));
}

} // namespace
