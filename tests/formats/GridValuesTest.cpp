// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "formats/GridValues.h"
#include "formats/Report.h"
#include "formats/ResultsTestFiles.h"

using Q = Quantity;

namespace {

// Values of both signs over many decades (scientific past 9999.5, "-0.00" from below), a signed
// zero, a constant row and rows left zero: every path of the formatting is taken.
std::unique_ptr<ResultStore> makeStore(int steps)
{
    auto R = std::make_unique<ResultStore>();
    for (int i = 1; i <= steps; ++i) {
        (*R)(Q::fi, i) = (i - 1) * 0.1L - 0.3L;
        for (int k = 1; k < kGridValueRows; ++k) {
            if (k == rowOf(Q::xc2) || k == rowOf(Q::yc2)) continue;
            const long double scale = std::pow(10.0L, k % 11 - 5);
            (*R)(k, i) = k == rowOf(Q::xs) ? 15.0L : scale * std::sin(0.37L * i + k);
        }
        (*R)(7, i) = i % 3 == 0 ? -0.0L : (*R)(7, i);
    }
    return R;
}

} // namespace

// The values made into text on demand give, cell for cell, line for line and byte for byte, what
// the refresh's grid text gives: the grid, the listing and the report. One GridValues goes through
// the table, so a copy into the room of a larger one is covered.
TEST(GridValues, CellsListingAndReportMatchTheRefreshedGridText)
{
    constexpr int kStored = 700; // more than one block of work in every stage
    const auto R = makeStore(kStored);
    struct Case {
        int steps;       // refreshed
        int reportSteps; // the report's N: the refreshed run's, or more for a grid never filled
        char decimal;
        unsigned threads; // of the report
    };
    const Case cases[] = {
        {kStored, kStored, '.', 1}, {3, 3, ',', 0}, {kStored, kStored, ',', 2}, {0, 4, '.', 0},
        {513, 513, '.', 0},
    };
    GridValues values;
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.steps << " steps, '" << c.decimal << "'");
        std::vector<int> reached;
        values.assign(*R, c.steps, c.decimal, [&](int i) { reached.push_back(i); });
        ASSERT_EQ(values.steps(), c.steps);
        ASSERT_EQ(reached.size(), size_t(c.steps));
        for (int i = 0; i < c.steps; ++i)
            ASSERT_EQ(reached[size_t(i)], i + 1);

        GridText grid;
        ResultsListing expectedLines(grid);
        refreshResults(*R, c.steps, c.decimal, grid, expectedLines);
        for (int col = 0; col <= c.steps + 1; ++col)
            for (int row = 0; row < GridText::kRows; ++row)
                ASSERT_EQ(values.cell(col, row), col == 0 ? "" : grid.cell(col, row))
                    << col << ", " << row;

        const ValuesListing lines(values);
        EXPECT_EQ(wholeText(lines, "\r\n"), wholeText(expectedLines, "\r\n"));

        ParamSet p;
        setDefaults(p);
        p.N = c.reportSteps;
        writeReport(dir.file("grid.txt"), p, grid, c.decimal);
        writeReport(dir.file("values.txt"), p, values, c.decimal, c.threads);
        const std::string expected = readBytes(dir.file("grid.txt"));
        ASSERT_EQ(splitCrLf(expected).size(), size_t(kReportHeaderLines + kReportRows * p.N));
        EXPECT_TRUE(readBytes(dir.file("values.txt")) == expected);
    }
}
