// The main window's chart commands: "Графики" (N16Click) and "Параметры" (N13Click).
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/qt/MainWindowFixture.h"
#include "present/qt/ChartTestData.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsGridModel.h"

namespace {

class ChartCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        chartParams = charttest::defaultParams();
        Form2 = new MoEChartWindow(chartParams, charttest::defaultStore(), fake);
        Form3 = new QuantityChartWindow(chartParams, charttest::taggedStore(), fake);
    }
    void TearDown() override
    {
        delete Form3;
        delete Form2;
        Form2 = nullptr;
        Form3 = nullptr;
        scrrows = 0;
        MainWindowTest::TearDown();
    }
    ParamSet chartParams;
};

TEST_F(ChartCommands, GraphsShowsTheFilledChart)
{
    ASSERT_FALSE(Form2->isVisible());
    form->N16Click();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->moSeries->count(), 25);
    EXPECT_EQ(Form2->eSeries->count(), 25);
}

TEST_F(ChartCommands, GraphsWhileShownRefillsBothSeries)
{
    form->N16Click();
    chartParams.N = 10; // a later run with fewer steps
    form->N16Click();
    EXPECT_TRUE(Form2->isVisible());
    ASSERT_EQ(Form2->moSeries->count(), 10); // refilled, not left empty
    ASSERT_EQ(Form2->eSeries->count(), 10);
    EXPECT_EQ(Form2->moSeries->points().back().x(), 270.0);
}

TEST_F(ChartCommands, ParametersListsTheCaptionsTheRefreshRead)
{
    form->N13Click(); // before any refresh: no caption, no item
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(Form3->quantityBox->count(), 0);
    Form3->close();

    QTemporaryDir dir;
    QFile f(dir.filePath("scr.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("fi\r\n\r\nfitt\r\n");
    f.close();
    scrrows = form->sg1Model->loadCaptions(dir.filePath("scr.ini").toStdString());
    ASSERT_EQ(scrrows, 4);

    form->N13Click();
    form->N13Click();                          // already shown: only brought to the front
    ASSERT_EQ(Form3->quantityBox->count(), 3); // the three lines, not the empty row after them
    EXPECT_EQ(Form3->quantityBox->itemText(0), "fi");
    EXPECT_EQ(Form3->quantityBox->itemText(1), "");
    EXPECT_EQ(Form3->quantityBox->itemText(2), "fitt");
    Form3->quantityBox->setCurrentIndex(2);
    emit Form3->quantityBox->activated(2);
    EXPECT_EQ(Form3->series->points().front().y(), 3001.0); // R[3][1] of the tagged store
}

} // namespace
