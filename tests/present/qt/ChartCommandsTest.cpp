// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's chart commands: "Графики" (showMoEChart) and "Параметры" (showQuantityChart).
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/qt/MainWindowFixture.h"
#include "calc/Quantities.h"
#include "present/qt/ChartTestData.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsGridModel.h"
#include "present/qt/ResultsPanel.h"

using charttest::quantityBox;
using charttest::series;

namespace {

class ChartCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        chartParams = charttest::defaultParams();
        moeStore.recordRun(chartParams);
        moeChart = std::make_unique<MoEChartWindow>(chartParams, moeStore, fake);
        quantityChart = std::make_unique<QuantityChartWindow>(
            chartParams, charttest::taggedStore(), fake,
            [this] { return form->resultsPanel().rowCaptions(); });
        form->setSideWindows({moeChart.get(), quantityChart.get(), nullptr});
    }
    void TearDown() override
    {
        quantityChart.reset();
        moeChart.reset();
        MainWindowTest::TearDown();
    }
    ParamSet chartParams;
    ResultStore moeStore; // the Mo/E chart's results, as computed with chartParams
    std::unique_ptr<MoEChartWindow> moeChart;
    std::unique_ptr<QuantityChartWindow> quantityChart;
};

TEST_F(ChartCommands, GraphsShowsTheFilledChart)
{
    ASSERT_FALSE(moeChart->isVisible());
    form->showMoEChart();
    EXPECT_TRUE(moeChart->isVisible());
    EXPECT_EQ(series(*moeChart, "moSeries")->count(), 25);
    EXPECT_EQ(series(*moeChart, "eSeries")->count(), 25);
}

TEST_F(ChartCommands, GraphsWhileShownRefillsBothSeries)
{
    form->showMoEChart();
    ParamSet later = chartParams;
    later.N = 10; // a later run with fewer steps
    moeStore.recordRun(later);
    chartParams.N = 20; // and other steps on screen since, which the chart does not read
    form->showMoEChart();
    EXPECT_TRUE(moeChart->isVisible());
    ASSERT_EQ(series(*moeChart, "moSeries")->count(), 10); // refilled, not left empty
    ASSERT_EQ(series(*moeChart, "eSeries")->count(), 10);
    EXPECT_NEAR(series(*moeChart, "moSeries")->points().back().x(), 135.1, 1e-9);
}

TEST_F(ChartCommands, ParametersListsTheCaptionsTheRefreshRead)
{
    form->showQuantityChart(); // before any refresh: no caption, no item
    EXPECT_TRUE(quantityChart->isVisible());
    EXPECT_EQ(quantityBox(*quantityChart)->count(), 0);
    quantityChart->close();

    QTemporaryDir dir;
    QFile f(dir.filePath("scr.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("fi\r\n\r\nfitt\r\n");
    f.close();
    // Past the file's lines the catalogue captions the quantities after the report's rows.
    ASSERT_EQ(form->resultsPanel().loadCaptions(dir.filePath("scr.ini").toStdString()),
              kGridValueRows);
    ASSERT_EQ(form->resultsPanel().captionCount(), kGridValueRows);

    form->showQuantityChart();
    form->showQuantityChart(); // already shown: only brought to the front
    ASSERT_EQ(quantityBox(*quantityChart)->count(), kGridValueRows - 1);
    EXPECT_EQ(quantityBox(*quantityChart)->itemText(0), "fi");
    EXPECT_EQ(quantityBox(*quantityChart)->itemText(1), "");
    EXPECT_EQ(quantityBox(*quantityChart)->itemText(2), "fitt");
    EXPECT_EQ(quantityBox(*quantityChart)->itemText(3), "");
    EXPECT_EQ(quantityBox(*quantityChart)->itemText(kGridValueRows - 2).toStdString(),
              defaultCaption(*quantityAtRow(kGridValueRows - 1)));
    quantityBox(*quantityChart)->setCurrentIndex(2);
    emit quantityBox(*quantityChart)->activated(2);
    EXPECT_EQ(series(*quantityChart)->points().front().y(), 3001.0); // R[3][1] of the tagged store
}

} // namespace
