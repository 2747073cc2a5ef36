// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/HeatMap.h"

#include <algorithm>
#include <cmath>

HeatMapGrid heatMapOf(const std::vector<SweepRow>& swept, int rows, int cols, size_t figure)
{
    HeatMapGrid grid;
    grid.rows = std::max(0, rows);
    grid.cols = std::max(0, cols);
    grid.values.resize(static_cast<size_t>(grid.rows) * static_cast<size_t>(grid.cols));
    for (const SweepRow& row : swept) {
        if (row.index < 0 || static_cast<size_t>(row.index) >= grid.values.size()) continue;
        const auto& figures = row.point.figures;
        if (!row.point.ok || figure >= figures.size() || !figures[figure]) continue;
        const double v = static_cast<double>(*figures[figure]);
        if (std::isfinite(v)) grid.values[static_cast<size_t>(row.index)] = v;
    }
    return grid;
}

std::optional<std::pair<double, double>> heatMapRange(const HeatMapGrid& grid)
{
    std::optional<std::pair<double, double>> range;
    for (const std::optional<double>& v : grid.values) {
        if (!v) continue;
        if (!range) range = std::pair{*v, *v};
        range->first = std::min(range->first, *v);
        range->second = std::max(range->second, *v);
    }
    return range;
}

std::vector<double> contourLevels(const HeatMapGrid& grid, int count)
{
    std::vector<double> levels;
    const auto range = heatMapRange(grid);
    if (!range || !(range->second > range->first)) return levels;
    for (int k = 1; k <= count; ++k)
        levels.push_back(range->first + (range->second - range->first) * k / (count + 1));
    return levels;
}

namespace {

// Where the level crosses from a (at pa) to b (at pb), linearly; the caller has checked that it
// does: one value below the level, the other at or above it.
ContourPoint crossing(ContourPoint pa, double a, ContourPoint pb, double b, double level)
{
    const double t = (level - a) / (b - a);
    return {pa.col + (pb.col - pa.col) * t, pa.row + (pb.row - pa.row) * t};
}

} // namespace

std::vector<ContourSegment> contourSegments(const HeatMapGrid& grid, double level)
{
    std::vector<ContourSegment> segments;
    for (int r = 0; r + 1 < grid.rows; ++r)
        for (int c = 0; c + 1 < grid.cols; ++c) {
            const std::optional<double> v[4] = {grid.at(r, c), grid.at(r, c + 1),
                                                grid.at(r + 1, c + 1), grid.at(r + 1, c)};
            if (!v[0] || !v[1] || !v[2] || !v[3]) continue;
            // The corners around the square, and where the level crosses each edge.
            const ContourPoint p[4] = {{double(c), double(r)},
                                       {double(c + 1), double(r)},
                                       {double(c + 1), double(r + 1)},
                                       {double(c), double(r + 1)}};
            std::vector<ContourPoint> cuts;
            for (int e = 0; e < 4; ++e) {
                const double a = *v[e], b = *v[(e + 1) % 4];
                if ((a < level) != (b < level)) {
                    cuts.push_back(crossing(p[e], a, p[(e + 1) % 4], b, level));
                }
            }
            if (cuts.size() == 2) {
                segments.push_back({cuts[0], cuts[1]});
            } else if (cuts.size() == 4) {
                // A saddle: corners 0 and 2 on one side, 1 and 3 on the other. When the centre
                // lies on corner 0's side, the line keeps corners 1 and 3 apart from it: the
                // crossings pair around corner 1 (edges 0, 1) and corner 3 (edges 2, 3).
                const double centre = (*v[0] + *v[1] + *v[2] + *v[3]) / 4;
                if ((centre < level) == (*v[0] < level)) {
                    segments.push_back({cuts[0], cuts[1]});
                    segments.push_back({cuts[2], cuts[3]});
                } else {
                    segments.push_back({cuts[3], cuts[0]});
                    segments.push_back({cuts[1], cuts[2]});
                }
            }
        }
    return segments;
}
