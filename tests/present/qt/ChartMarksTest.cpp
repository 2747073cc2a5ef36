// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineSeries>
#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

#include "base/NumberText.h"
#include "present/qt/ValueMarks.h"

namespace {

// Sets the decimal separator and the default locale for one test, restoring both afterwards.
class ChartMarks : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(locale_); }

private:
    QLocale locale_;
};

TEST_F(ChartMarks, LabelUsesTheDecimalSeparatorAndTheLocaleGroups)
{
    struct Case {
        char decimal;
        QLocale locale;
        const char* text;
    };
    const Case cases[] = {
        {'.', QLocale(QLocale::English, QLocale::UnitedStates), "1,234.568"},
        {',', QLocale(QLocale::German, QLocale::Germany), "1.234,568"},
        {',', QLocale(QLocale::Russian, QLocale::Russia), "1\u00A0234,568"},
        // The locale groups with the period the program uses as decimal: commas group.
        {'.', QLocale(QLocale::German, QLocale::Germany), "1,234.568"},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(c.locale);
        EXPECT_EQ(markLabel(1234.5678, c.decimal), QString::fromUtf8(c.text))
            << c.decimal << " " << c.locale.name().toStdString();
    }
}

// A dense series on a small plot: marks never overlap, stay inside, and only some are drawn.
TEST_F(ChartMarks, DenseSeriesGetsOnlyMarksThatFit)
{
    QLineSeries s;
    QList<QPointF> pts;
    for (int i = 0; i < 90000; ++i)
        pts.append(QPointF(30.0 * i, (i % 7) * 10.0));
    s.replace(pts);
    PlotMapping m;
    m.plot = QRectF(50, 20, 700, 500);
    m.xMin = 0, m.xMax = 30.0 * 89999, m.yMin = -20, m.yMax = 80;
    const auto marks = placeMarks({{&s, Qt::yellow}}, m, m.plot, markFont(), '.');
    ASSERT_GT(marks.size(), 20);
    EXPECT_LT(marks.size(), 2000);
    for (int a = 0; a < marks.size(); ++a) {
        EXPECT_TRUE(m.plot.contains(marks[a].box));
        for (int b = a + 1; b < marks.size(); ++b)
            ASSERT_FALSE(marks[a].box.intersects(marks[b].box)) << a << " " << b;
    }
}

// Zoomed in: only the points of the shown range have marks, each labelled with its own value.
TEST_F(ChartMarks, OnlyShownPointsAreMarked)
{
    QLineSeries s;
    QList<QPointF> pts;
    for (int i = 0; i < 1000; ++i)
        pts.append(QPointF(30.0 * i, i * 1.5));
    s.replace(pts);
    PlotMapping m;
    m.plot = QRectF(0, 0, 800, 600);
    m.xMin = 3000, m.xMax = 3300, m.yMin = 100, m.yMax = 200; // points 100..110
    const auto marks = placeMarks({{&s, Qt::yellow}}, m, m.plot, markFont(), '.');
    ASSERT_EQ(marks.size(), 11);
    for (int k = 0; k < 11; ++k) {
        EXPECT_DOUBLE_EQ(marks[k].anchor.x(), (k * 30.0) / 300.0 * 800.0);
        EXPECT_EQ(marks[k].text, markLabel((100 + k) * 1.5, '.'));
    }
}

} // namespace

// The Mo curve of the longest run, 89 976 points: whichever placement is asked for, every mark
// stands right above or below its point (its leader at most one gap longer than the shortest)
// and none covers another, so each can be read and told to its point. A sparse series still
// gets a mark at every point with "Все значения".
TEST_F(ChartMarks, DenseSeriesIsMarkedOnlyWhereReadable)
{
    QLineSeries dense;
    QList<QPointF> pts;
    for (int i = 0; i < 89976; ++i)
        pts.append(QPointF(0.01 * i, 5000 * std::sin(0.01 * i * 3.14159265358979 / 90)));
    dense.replace(pts);
    PlotMapping m;
    m.plot = QRectF(50, 20, 700, 300);
    m.xMin = 0, m.xMax = 899.75, m.yMin = -5500, m.yMax = 5500;
    const double leader = 6;
    for (MarkPlacement placement : {MarkPlacement::Fitting, MarkPlacement::Every}) {
        const auto marks =
            placeMarks({{&dense, Qt::yellow}}, m, m.plot, markFont(), '.', placement);
        ASSERT_GT(marks.size(), 10);
        for (int a = 0; a < marks.size(); ++a) {
            const QRectF& box = marks[a].box;
            const double gap = box.bottom() <= marks[a].anchor.y()
                                   ? marks[a].anchor.y() - box.bottom()
                                   : box.top() - marks[a].anchor.y();
            EXPECT_NEAR(gap, leader, 1e-9) << a;
            for (int b = a + 1; b < marks.size(); ++b)
                ASSERT_FALSE(box.intersects(marks[b].box)) << a << " " << b;
        }
    }
    QLineSeries sparse;
    QList<QPointF> few;
    for (int i = 0; i < 25; ++i)
        few.append(QPointF(15.0 * i, 1000.0 * (i % 2)));
    sparse.replace(few);
    m.xMax = 360, m.yMin = -100, m.yMax = 1100;
    EXPECT_EQ(placeMarks({{&sparse, Qt::yellow}}, m, m.plot, markFont(), '.', MarkPlacement::Every)
                  .size(),
              25);
}
