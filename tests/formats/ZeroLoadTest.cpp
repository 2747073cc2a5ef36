// SPDX-License-Identifier: GPL-3.0-or-later
// A load table whose forces are all zero: q and pq are written "0" in the batch CSV, the
// spreadsheet's values and the grid, never "-0", and every other result is the run's without a
// load, bit for bit, so that the report and the listing do not change.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Calculation.h"
#include "formats/GridValues.h"
#include "formats/ResultCsv.h"
#include "formats/SpreadsheetCsv.h"
#include "params/Autofill.h"

using Q = Quantity;

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, ',');)
        out.push_back(f);
    return out;
}

} // namespace

TEST(ZeroLoad, WritesZeroNotMinusZeroAndChangesNothingElse)
{
    const struct {
        const char* name;
        LoadTable load;
        double fi0;
    } cases[] = {
        // -σ·Q of a zero Q is -0 while the slider is above O.
        {"by angle, toward the crank",
         {LoadKind::ByAngle, LoadDirection::TowardCrank, {{0, 0, 0}}},
         0.1},
        {"by angle, along y",
         {LoadKind::ByAngle, LoadDirection::AlongY, {{0, 0, 0}, {90, 0, 0}}},
         40},
        {"by stroke",
         {LoadKind::ByStroke, LoadDirection::TowardCrank, {{0, 0, 0}, {1, 0, 0}}},
         0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParamSet p;
        setDefaults(p);
        p.fi0 = c.fi0;
        p.N = 24 * 2 + 1; // two turns at 15°: the slider moves both ways
        ASSERT_TRUE(autofillPoints(p));
        auto bare = std::make_unique<ResultStore>();
        runCalculation(p, *bare);
        p.load = c.load;
        auto R = std::make_unique<ResultStore>();
        const CalcOutcome out = runCalculation(p, *R);
        ASSERT_FALSE(out.kinematicFailed || out.energyFailed || out.forceFailed ||
                     out.equilibriumFailed);

        for (int i = 1; i <= p.N; ++i) {
            for (Q z : {Q::q, Q::pq})
                ASSERT_TRUE((*R)(z, i) == 0 && !std::signbit((*R)(z, i)))
                    << rowName(rowOf(z)) << " at step " << i;
            // The report's rows and every row of the force stages: as without a load.
            for (int k = 0; k < ResultStore::kRows; ++k) {
                const long double a = (*R)(k, i), b = (*bare)(k, i);
                ASSERT_TRUE(a == b && std::signbit(a) == std::signbit(b))
                    << "row " << k << " (" << rowName(k) << ") at step " << i;
            }
        }

        std::ostringstream csv;
        writeResultCsv(*R, p.N, csv);
        std::istringstream lines(csv.str());
        std::string line;
        std::getline(lines, line);
        const std::vector<std::string> header = fields(line);
        const auto column = [&](const char* name) {
            for (size_t f = 0; f < header.size(); ++f)
                if (header[f] == name) return f;
            ADD_FAILURE() << name;
            return size_t{0};
        };
        const size_t qColumn = column("q"), pqColumn = column("pq");
        int steps = 0;
        while (std::getline(lines, line)) {
            const std::vector<std::string> f = fields(line);
            ASSERT_GT(f.size(), pqColumn);
            EXPECT_EQ(f[qColumn], "0") << line.substr(0, 8);
            EXPECT_EQ(f[pqColumn], "0") << line.substr(0, 8);
            ++steps;
        }
        EXPECT_EQ(steps, p.N);

        // The grid writes a zero with its two decimals, and without a sign.
        GridValues grid;
        grid.assign(*R, p.N, ',');
        for (int i = 1; i <= p.N; ++i) {
            EXPECT_EQ(grid.cell(i, rowOf(Q::q)), "0,00") << i;
            EXPECT_EQ(grid.cell(i, rowOf(Q::pq)), "0,00") << i;
            EXPECT_EQ(spreadsheetNumber((*R)(Q::pq, i), ','), "0") << i;
        }
    }
}
