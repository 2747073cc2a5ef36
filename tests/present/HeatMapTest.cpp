// SPDX-License-Identifier: GPL-3.0-or-later
// The map of a figure over two swept keys: its cells from the sweep's rows, its range and
// levels, and its contour lines against fields whose level lines are known in closed form.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "present/HeatMap.h"

namespace {

HeatMapGrid sampled(int rows, int cols, const std::function<std::optional<double>(int, int)>& f)
{
    HeatMapGrid grid{rows, cols, {}};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.values.push_back(f(r, c));
    return grid;
}

SweepRow row(long long index, bool ok, std::vector<std::optional<long double>> figures)
{
    SweepRow out;
    out.index = index;
    out.point.ok = ok;
    out.point.figures = std::move(figures);
    return out;
}

} // namespace

TEST(HeatMap, CellsComeFromTheRowsByTheirIndex)
{
    const std::vector<SweepRow> swept = {
        row(0, true, {1.5L, 7.0L}),  row(1, true, {2.5L, std::nullopt}), row(2, false, {}),
        row(4, true, {-3.0L, 9.0L}), row(9, true, {5.0L, 5.0L}), // 9 lies beyond a 2 × 3 grid
    };
    const struct {
        size_t figure;
        std::vector<std::optional<double>> cells;
    } cases[] = {
        {0, {1.5, 2.5, std::nullopt, std::nullopt, -3.0, std::nullopt}},
        {1, {7.0, std::nullopt, std::nullopt, std::nullopt, 9.0, std::nullopt}},
        {5, {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
    };
    for (const auto& c : cases) {
        const HeatMapGrid grid = heatMapOf(swept, 2, 3, c.figure);
        EXPECT_EQ(grid.values, c.cells) << c.figure;
    }
    const auto range = heatMapRange(heatMapOf(swept, 2, 3, 0));
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->first, -3.0);
    EXPECT_EQ(range->second, 2.5);
    EXPECT_FALSE(heatMapRange(heatMapOf(swept, 2, 3, 5)).has_value());
}

TEST(HeatMap, LevelsLieEvenlyInsideTheRange)
{
    const struct {
        HeatMapGrid grid;
        int count;
        std::vector<double> levels;
    } cases[] = {
        {sampled(2, 2, [](int r, int c) { return double(r * 2 + c) * 4; }), 3, {3, 6, 9}},
        {sampled(1, 3, [](int, int c) { return c == 1 ? std::nullopt : std::optional(c * 1.0); }),
         1,
         {1}},
        {sampled(2, 2, [](int, int) { return 5.0; }), 4, {}},
        {sampled(2, 2, [](int, int) { return std::nullopt; }), 4, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contourLevels(c.grid, c.count), c.levels);
}

// For a field linear in the row and the column, the interpolation along the edges is exact:
// every end of every segment lies on the level line a·col + b·row + d = level, and the line
// crosses each square it meets once. Where the line is known to run, the count of segments is
// the count of squares it passes through.
TEST(HeatMap, ContoursOfALinearFieldLieOnItsLevelLines)
{
    const struct {
        double a, b, d, level;
        int rows, cols;
        size_t segments;
    } cases[] = {
        {1, 0, 0, 1.5, 4, 5, 3},  // col = 1.5: one square in each of the 3 rows of squares
        {0, 1, 0, 0.25, 4, 5, 4}, // row = 0.25: across the 4 squares of the first row
        {1, 1, 0, 2.5, 3, 3, 3},  // col + row = 2.5 in a 2 × 2 of squares: (0,1), (1,0), (1,1)
        {2, -1, 1, 3.7, 5, 5, 6}, // 2·col − row = 2.7: squares where 0.7 < 2c − r < 3.7
        {1, 0, 0, 9, 4, 5, 0},    // beyond the field
    };
    for (const auto& c : cases) {
        const HeatMapGrid grid =
            sampled(c.rows, c.cols, [&](int r, int col) { return c.a * col + c.b * r + c.d; });
        const auto segments = contourSegments(grid, c.level);
        EXPECT_EQ(segments.size(), c.segments) << c.a << " " << c.b << " " << c.level;
        for (const ContourSegment& s : segments)
            for (const ContourPoint& p : {s.a, s.b}) {
                EXPECT_NEAR(c.a * p.col + c.b * p.row + c.d, c.level, 1e-12);
                EXPECT_GE(p.col, 0);
                EXPECT_LE(p.col, c.cols - 1);
                EXPECT_GE(p.row, 0);
                EXPECT_LE(p.row, c.rows - 1);
            }
    }
}

// A saddle (high at two opposite corners) is cut on all four edges at their middles; the mean
// of the corners decides which corners the two segments cut off. A square with a missing value
// has no contour.
TEST(HeatMap, SaddlesJoinAsTheMeanDecidesAndGapsHaveNoContour)
{
    const auto saddle = [](double hi, double lo, double centreShift) {
        // Corners (0,0) and (1,1) high; (0,1) and (1,0) low; one corner raised to move the mean.
        return sampled(2, 2, [=](int r, int c) {
            return (r == c ? hi : lo) + (r == 0 && c == 0 ? centreShift : 0.0);
        });
    };
    const struct {
        HeatMapGrid grid;
        double level;
        size_t segments;
        // A segment's end on the top edge (row 0) joins the one on the right edge (col 1): the
        // low corner (0, 1) cut off alone.
        bool topJoinsRight;
    } cases[] = {
        {saddle(1, 0, 0.2), 0.55, 2, true},  // mean 0.55 ≥ the level: the highs join
        {saddle(1, 0, 0.2), 0.56, 2, false}, // mean below: the lows join, the highs cut off
        {sampled(2, 2, [](int r, int c) { return r + c == 1 ? std::optional<double>() : 1.0; }),
         0.5, 0, false},
    };
    for (const auto& c : cases) {
        const auto segments = contourSegments(c.grid, c.level);
        ASSERT_EQ(segments.size(), c.segments) << c.level;
        if (segments.empty()) continue;
        bool topRight = false;
        for (const ContourSegment& s : segments) {
            const bool top = s.a.row == 0 || s.b.row == 0;
            const bool right = s.a.col == 1 || s.b.col == 1;
            topRight = topRight || (top && right);
        }
        EXPECT_EQ(topRight, c.topJoinsRight) << c.level;
    }
}
