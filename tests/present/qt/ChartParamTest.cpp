// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>

#include "present/qt/Chart3DView.h"
#include "present/qt/ChartTestData.h"
#include "present/qt/QuantityChartWindow.h"
#include "support/FakePlatform.h"

using charttest::chartView;
using charttest::defaultAngle;
using charttest::defaultParams;
using charttest::quantityBox;
using charttest::series;
using charttest::taggedStore;

namespace {

class ChartParam : public ::testing::Test {
protected:
    FakePlatform platform;
    QStringList captions{"Угол", "Приращение", "Ускорение"};
    QuantityChartWindow form{defaultParams(), taggedStore(), platform, [this] { return captions; }};

    void pick(int j)
    {
        quantityBox(form)->setCurrentIndex(j);
        emit quantityBox(form)->activated(j); // as a choice from the list
    }
    // Types `text` into the box's edit field key by key, as the user does.
    void type(const QString& text)
    {
        quantityBox(form)->lineEdit()->selectAll();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, quantityBox(form)->lineEdit(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    // The store row the chart shows, from the tag 1000 k + i of its first point.
    int plottedRow() const
    {
        const auto pts = series(form)->points();
        return pts.isEmpty() ? -1 : int(pts[0].y()) / 1000;
    }
};

TEST_F(ChartParam, ListIsRebuiltAtEveryShowing)
{
    EXPECT_EQ(quantityBox(form)->count(), 0);
    EXPECT_EQ(quantityBox(form)->currentText(), "Параметр");
    form.show();
    EXPECT_EQ(quantityBox(form)->count(), 3);
    form.hide();
    form.show();
    ASSERT_EQ(quantityBox(form)->count(), 3); // not appended again
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(quantityBox(form)->itemText(j), captions[j]);
    EXPECT_EQ(quantityBox(form)->currentText(), "Параметр");

    captions = {"Один"}; // a later refresh read a shorter file
    form.hide();
    form.show();
    EXPECT_EQ(quantityBox(form)->count(), 1);
    captions = {};
    form.hide();
    form.show();
    EXPECT_EQ(quantityBox(form)->count(), 0);
}

TEST_F(ChartParam, ItemPlotsTheRowItsCaptionNames)
{
    form.show();
    for (int j = 0; j < 3; ++j) {
        pick(j);
        const auto pts = series(form)->points();
        ASSERT_EQ(pts.size(), 25) << j;
        for (int i = 1; i <= 25; ++i) {
            EXPECT_NEAR(pts[i - 1].x(), defaultAngle(i), 1e-9) << j << " " << i;
            EXPECT_EQ(pts[i - 1].y(), 1000.0 * (j + 1) + i) << j << " " << i;
        }
        EXPECT_NEAR(chartView(form)->axisX()->max(), 360.1, 1e-9);
    }
}

TEST_F(ChartParam, TypedTextSelectsNothingAndLeavesTheChartEmpty)
{
    form.show();
    pick(1);
    ASSERT_EQ(plottedRow(), 2);
    type("abc");
    EXPECT_EQ(quantityBox(form)->currentText(), "abc");
    EXPECT_EQ(form.chosenIndex(), -1);
    EXPECT_EQ(series(form)->count(), 0);
    pick(1);
    type(captions[1]); // typed, even if it spells an item
    EXPECT_EQ(quantityBox(form)->currentText(), captions[1]);
    EXPECT_EQ(series(form)->count(), 0);
    EXPECT_EQ(quantityBox(form)->count(), 3); // Enter or typing adds no item
    pick(2);
    EXPECT_EQ(plottedRow(), 3);
}

TEST_F(ChartParam, ClearEmptiesTheChartAndTheSameItemPlotsAgain)
{
    form.show();
    pick(0);
    ASSERT_EQ(series(form)->count(), 25);
    auto* clear = child<QPushButton>(form, "clearButton");
    EXPECT_EQ(clear->text(), "&Oчистить");
    EXPECT_EQ(clear->text().at(1), QChar('O')); // Latin O, the accelerator
    EXPECT_FALSE(clear->icon().isNull());
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_EQ(series(form)->count(), 0);
    EXPECT_EQ(quantityBox(form)->currentIndex(), 0); // the selection stays
    pick(0);
    EXPECT_EQ(plottedRow(), 1);
}

TEST_F(ChartParam, MarksFollowTheCheckBox)
{
    form.show();
    pick(0);
    auto* marks = child<QCheckBox>(form, "marksCheck");
    EXPECT_FALSE(marks->isChecked());
    EXPECT_TRUE(chartView(form)->currentMarks().isEmpty());
    QTest::mouseClick(marks, Qt::LeftButton);
    EXPECT_EQ(chartView(form)->currentMarks().size(), 25); // a steady rise: every mark fits
    QTest::mouseClick(marks, Qt::LeftButton);
    EXPECT_TRUE(chartView(form)->currentMarks().isEmpty());
}

// Before any calculation, and after one of no steps: nothing, not zeros, whatever is on screen.
TEST_F(ChartParam, NoStepsPlotNothing)
{
    ResultStore never, noSteps;
    ParamSet p = defaultParams();
    p.N = 0;
    noSteps.recordRun(p);
    for (const ResultStore* R : {&never, &noSteps}) {
        QuantityChartWindow empty(defaultParams(), *R, platform, [this] { return captions; });
        empty.show();
        quantityBox(empty)->setCurrentIndex(0);
        emit quantityBox(empty)->activated(0);
        EXPECT_EQ(series(empty)->count(), 0);
        EXPECT_FALSE(chartView(empty)->grab().isNull());
    }
}

TEST_F(ChartParam, WindowLayout)
{
    form.show();
    EXPECT_EQ(form.windowTitle(), "График параметра");
    EXPECT_EQ(form.size(), QSize(562, 381));
    EXPECT_EQ(chartView(form)->geometry(), QRect(0, 0, 561, 345));
    EXPECT_EQ(chartView(form)->chart()->title(), "Выберите величину в списке ниже");
    EXPECT_EQ(quantityBox(form)->geometry().topLeft(), QPoint(408, 352));
    EXPECT_EQ(quantityBox(form)->width(), 145);
    EXPECT_TRUE(quantityBox(form)->isEditable());
    EXPECT_EQ(child<QCheckBox>(form, "marksCheck")->text(), "Отображать значения");
    EXPECT_EQ(series(form)->color(), QColor(Qt::red));
    form.close();
    EXPECT_FALSE(form.isVisible());
}

} // namespace
