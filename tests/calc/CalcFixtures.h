// SPDX-License-Identifier: GPL-3.0-or-later
// Shared inputs and checks of the calculation tests.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
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

// A random mechanism that turns fully, its points placed by the autofill, with masses and
// inertias on every link. With `anyMode` the "720" mode is drawn too; the autofill places the
// rod on its upper branch, where that mode starts it only below 180°.
inline ParamSet randomMechanism(std::mt19937_64& rng, bool anyMode)
{
    const auto in = [&rng](long double lo, long double hi) {
        return std::uniform_real_distribution<long double>(lo, hi)(rng);
    };
    ParamSet p = defaults();
    p.l1 = static_cast<double>(in(0.05L, 0.4L));
    p.l2 = static_cast<double>(p.l1 * in(2.5L, 5));
    p.b = static_cast<double>((p.l2 - p.l1) * in(-0.7L, 0.7L));
    if (anyMode) p.mode = in(0, 1) < 0.5L ? 0 : 1;
    p.fi0 = static_cast<double>(p.mode == 0 ? in(0, 360) : in(-170, 170));
    p.m1 = in(0, 20), p.m2 = in(0, 20), p.m3 = in(0, 50);
    p.i1 = in(0, 2), p.i2 = in(0, 2);
    p.fit0 = static_cast<double>(in(2, 40));
    p.step = 5 * 3.141592653589793238462643383279502884L / 180;
    p.N = 24 * 3 + 1;
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
