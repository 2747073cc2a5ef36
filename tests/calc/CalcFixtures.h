// SPDX-License-Identifier: GPL-3.0-or-later
// Shared inputs and checks of the calculation tests.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "calc/Calculation.h"
#include "calc/ResultStore.h"
#include "params/Autofill.h"
#include "params/ParamSet.h"

namespace calctest {

inline ParamSet defaults()
{
    ParamSet p;
    setDefaults(p);
    return p;
}

// The start-up defaults with the coordinates of the second worked set.
inline ParamSet secondSet()
{
    ParamSet p = defaults();
    p.ac1 = 5;
    p.bc1 = 1;
    p.ac2 = 12.5L;
    p.bc2 = 12.25L;
    p.ac4 = 10;
    p.bc4 = 0;
    p.ac5 = 15;
    p.bc5 = 24.5L;
    return p;
}

// The defaults with A off the x axis: fi0 = 40 and every point filled in from the lengths.
// Its worked values come from tools/worked_offaxis.py, which places the points by geometry.
inline ParamSet offAxisSet()
{
    ParamSet p = defaults();
    p.fi0 = 40;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

// A value written by no stage, planted to see which elements a run reached.
inline constexpr long double kSentinel = 777.25L;

inline void fillSentinel(ResultStore& R, int steps)
{
    for (int k = 0; k < ResultStore::kRows; ++k)
        for (int i = 1; i <= steps; ++i)
            R(k, i) = kSentinel;
}

// One row of a worked table: the step and the printed six-decimal values of the columns.
struct TableRow {
    int step;
    std::vector<long double> values;
};

// Every printed value must be the stored value rounded to six decimals.
inline void expectTable(const ResultStore& R, std::initializer_list<int> columns,
                        const std::vector<TableRow>& table)
{
    for (const TableRow& t : table) {
        ASSERT_EQ(t.values.size(), columns.size());
        size_t c = 0;
        for (int k : columns) {
            EXPECT_NEAR(static_cast<double>(R(k, t.step)), static_cast<double>(t.values[c]),
                        5.0000001e-7)
                << "row " << k << " (" << rowName(k) << ") at step " << t.step;
            ++c;
        }
    }
}

// Rows [first, last] of step i hold values of this run (not the sentinel) or not.
inline void expectWritten(const ResultStore& R, int first, int last, int i, bool written)
{
    for (int k = first; k <= last; ++k) {
        if (written)
            EXPECT_NE(R(k, i), kSentinel) << "row " << k << " step " << i << " not written";
        else
            EXPECT_EQ(R(k, i), kSentinel) << "row " << k << " step " << i << " was written";
    }
}

} // namespace calctest
