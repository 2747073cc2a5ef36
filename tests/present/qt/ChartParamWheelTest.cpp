// SPDX-License-Identifier: GPL-3.0-or-later
// The quantity chart's list, closed, takes the wheel only while it has the focus.
#include <QApplication>
#include <QComboBox>
#include <QLineSeries>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "present/qt/ChartTestData.h"
#include "present/qt/QuantityChartWindow.h"
#include "support/FakePlatform.h"

using charttest::quantityBox;
using charttest::series;

namespace {

void wheelDown(QWidget* target)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace

TEST(ChartParamWheel, ClosedListTakesTheWheelOnlyWithTheFocus)
{
    FakePlatform platform;
    QuantityChartWindow form{charttest::defaultParams(), charttest::taggedStore(), platform, [] {
                                 return QStringList{"Угол", "Приращение", "Ускорение"};
                             }};
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QComboBox* box = quantityBox(form);
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
    box->clearFocus();
    ASSERT_FALSE(box->hasFocus());

    wheelDown(box);
    wheelDown(box);
    EXPECT_EQ(box->currentText(), "Параметр");
    EXPECT_TRUE(series(form)->points().isEmpty());

    box->setFocus();
    wheelDown(box);
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_FALSE(series(form)->points().isEmpty()); // the chosen quantity is drawn
    form.hide();
}
