// SPDX-License-Identifier: GPL-3.0-or-later
// A key figure over a sweep of two parameters, as the map shows it: one cell per row of the
// sweep (the first key down the rows, the second across the columns), the range of the values
// for the colours, and the contour lines of chosen levels, found by marching squares between
// the cells' centres.
#pragma once
#include <optional>
#include <utility>
#include <vector>

#include "calc/SweepGrid.h"

// The figure's value in every cell; absent where the variant failed or gives no such figure.
struct HeatMapGrid {
    int rows = 0; // the first key's count
    int cols = 0; // the second key's count
    // Cell (r, c) at r·cols + c: the sweep's row index.
    std::vector<std::optional<double>> values;

    std::optional<double> at(int r, int c) const
    {
        return values[static_cast<size_t>(r) * static_cast<size_t>(cols) + static_cast<size_t>(c)];
    }
};

// The grid of key figure number `figure` (its place in keyFigures()) from the rows of a sweep
// over two keys with `rows` × `cols` rows; a row missing from `swept` leaves its cell absent.
HeatMapGrid heatMapOf(const std::vector<SweepRow>& swept, int rows, int cols, size_t figure);

// The smallest and the largest value present; nullopt when no cell has one.
std::optional<std::pair<double, double>> heatMapRange(const HeatMapGrid& grid);

// `count` levels evenly spaced strictly inside the range, lo + (hi − lo)·k/(count + 1) for
// k = 1..count; none when the range is empty or a single value.
std::vector<double> contourLevels(const HeatMapGrid& grid, int count);

// A point between the cells' centres: column and row as real numbers (cell (r, c)'s centre at
// (c, r)).
struct ContourPoint {
    double col = 0;
    double row = 0;
};
struct ContourSegment {
    ContourPoint a, b;
};

// The contour line of `level` as segments: in each square of four neighbouring centres that
// all hold a value, where the level crosses its edges (linear between the two centres); a
// square with two crossings on each side of its centre (a saddle) joins them as the mean of
// its four values decides. Squares with an absent value are left out.
std::vector<ContourSegment> contourSegments(const HeatMapGrid& grid, double level);
