// SPDX-License-Identifier: GPL-3.0-or-later
// The crank-angle cursor: its moves kept to the run's steps and told once each, the step a click
// at an angle picks, and the readout of quantities at the cursor's step.
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "present/CrankCursor.h"
#include "present/CursorReadout.h"

// Each move is cut to 1..steps and told to every listener once, only when the step changed.
TEST(CrankCursor, MovesStayInTheRunAndAreToldOnce)
{
    const struct {
        int steps, start, target;
        int expected;
        bool told;
    } cases[] = {
        {25, 1, 10, 10, true}, {25, 10, 10, 10, false},        {25, 5, 0, 1, true},
        {25, 5, -7, 1, true},  {25, 5, 26, 25, true},          {25, 25, 400, 25, false},
        {1, 1, 2, 1, false},   {89977, 1, 89977, 89977, true},
    };
    for (const auto& c : cases) {
        CrankCursor cursor;
        cursor.setSteps(c.steps);
        cursor.moveTo(c.start);
        std::vector<int> first, second;
        cursor.subscribe([&](int s) { first.push_back(s); });
        cursor.subscribe([&](int s) { second.push_back(s); });
        EXPECT_EQ(cursor.moveTo(c.target), c.told) << c.target;
        EXPECT_EQ(cursor.step(), c.expected) << c.target;
        const std::vector<int> expectedTold =
            c.told ? std::vector<int>{c.expected} : std::vector<int>{};
        EXPECT_EQ(first, expectedTold) << c.target;
        EXPECT_EQ(second, expectedTold) << c.target;
    }
}

// Fewer steps move a cursor past the end back to the last one and say so; a cursor within
// them stays put; an unsubscribed listener hears nothing more.
TEST(CrankCursor, FewerStepsPullTheCursorBack)
{
    const struct {
        int at, steps;
        int expected;
        int told;
    } cases[] = {{20, 10, 10, 1}, {5, 10, 5, 0}, {20, 0, 1, 1}, {1, 0, 1, 0}};
    for (const auto& c : cases) {
        CrankCursor cursor;
        cursor.setSteps(100);
        cursor.moveTo(c.at);
        int told = 0, gone = 0;
        cursor.subscribe([&](int) { ++told; });
        const int id = cursor.subscribe([&](int) { ++gone; });
        cursor.unsubscribe(id);
        cursor.setSteps(c.steps);
        EXPECT_EQ(cursor.step(), c.expected);
        EXPECT_EQ(told, c.told);
        EXPECT_EQ(gone, 0);
    }
}

// A click at an angle picks the step whose angle fi0 + (i - 1)·step lies nearest, within the run.
TEST(CrankCursor, NearestStepToAnAngle)
{
    const struct {
        double fi0;
        long double stepDegrees;
        int steps;
        long double degrees;
        int expected;
    } cases[] = {
        {0.1, 15, 25, 0.1, 1},  {0.1, 15, 25, 15.1, 2},
        {0.1, 15, 25, 22.0, 2}, {0.1, 15, 25, 23.0, 3},
        {0.1, 15, 25, -50, 1},  {0.1, 15, 25, 9000, 25},
        {30, -5, 73, 20, 3},    {0, 0.004, 89977, 359.996, 89977},
        {0, 0, 10, 45, 1},
    };
    for (const auto& c : cases) {
        ParamSet p;
        p.fi0 = c.fi0;
        p.step = rad(c.stepDegrees);
        EXPECT_EQ(nearestStep(p, c.steps, c.degrees), c.expected) << c.degrees;
    }
}

// The readout gives the catalogue's name and unit with the value at the step, and a dash for a
// step the run did not compute.
TEST(CursorReadout, ValuesAtTheStepWithinTheComputedSteps)
{
    static const auto R = std::make_unique<ResultStore>();
    ParamSet p;
    p.N = 10;
    R->recordRun(p);
    for (int i = 1; i <= 10; ++i)
        (*R)(Quantity::mo, i) = 0.5L * i, (*R)(Quantity::yb, i) = -i;
    const struct {
        int step;
        const char* mo;
        const char* yb;
    } cases[] = {{1, "0,5", "-1"}, {4, "2", "-4"}, {10, "5", "-10"}, {11, "—", "—"}, {0, "—", "—"}};
    for (const auto& c : cases) {
        const auto lines = readoutLines(*R, c.step, {Quantity::mo, Quantity::yb}, ',');
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].name, "mo");
        EXPECT_EQ(lines[0].unit, "Н·м");
        EXPECT_EQ(lines[0].value, c.mo) << c.step;
        EXPECT_EQ(lines[1].name, "yb");
        EXPECT_EQ(lines[1].value, c.yb) << c.step;
    }
    const std::vector<Quantity> defaults = defaultReadoutQuantities();
    const std::vector<Quantity> expected{Quantity::yb,  Quantity::ybt, Quantity::ybtt,
                                         Quantity::fak, Quantity::fok, Quantity::nb,
                                         Quantity::mo};
    EXPECT_EQ(defaults, expected);
}
