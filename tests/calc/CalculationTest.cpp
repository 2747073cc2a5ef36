// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CalcFixtures.h"
#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;

using namespace calctest;
using stage::kGravity;

namespace {

// Rows no stage writes: every row of the store without a quantity of the catalogue.
std::vector<int> neverWritten()
{
    std::vector<int> rows;
    for (int k = 0; k < ResultStore::kRows; ++k)
        if (quantityAtRow(k) == nullptr) rows.push_back(k);
    return rows;
}

const std::vector<int> kNeverWritten = neverWritten();

} // namespace

TEST(CalcStore, StartsZeroWithTheCatalogueNames)
{
    auto R = std::make_unique<ResultStore>();
    for (int k = 0; k < ResultStore::kRows; ++k) {
        EXPECT_EQ((*R)(k, 1), 0);
        EXPECT_EQ((*R)(k, ResultStore::kSteps), 0);
    }
    EXPECT_STREQ(rowName(0), "fi");
    EXPECT_STREQ(rowName(27), "ys");
    EXPECT_STREQ(rowName(40), "xc2");
    EXPECT_STREQ(rowName(66), "e");
    EXPECT_STREQ(rowName(68), "fby");
    EXPECT_STREQ(rowName(71), "fax");
    EXPECT_STREQ(rowName(73), "ma");
    EXPECT_STREQ(rowName(76), "foy");
    int named = 0;
    for (int k = 0; k < ResultStore::kRows; ++k)
        named += std::string(rowName(k)).empty() ? 0 : 1;
    EXPECT_EQ(named, 87);
    for (int k : kNeverWritten)
        EXPECT_STREQ(rowName(k), "") << k;
    EXPECT_STREQ(rowName(-1), "");
    EXPECT_STREQ(rowName(100), "");
}

TEST(CalcStore, RowsDoNotOverlap)
{
    auto R = std::make_unique<ResultStore>();
    (*R)(Q::dt, ResultStore::kSteps) = 1;
    (*R)(Q::fit, 1) = 2;
    EXPECT_EQ((*R)(Q::dt, ResultStore::kSteps), 1);
    EXPECT_EQ((*R)(Q::fit, 1), 2);
    EXPECT_EQ((*R)(Q::fit, 0), 0);
    EXPECT_EQ(R->row(4) - R->row(3), ResultStore::kSteps + 1);
}

TEST(CalcDriver, DefaultsRunCleanAndLeaveUnnamedRowsZero)
{
    auto R = std::make_unique<ResultStore>();
    for (int run = 0; run < 3; ++run) {
        ParamSet p = run == 1 ? secondSet() : defaults();
        p.fi0 = run == 2 ? 0 : p.fi0; // the third run stops in the kinematic stage
        const CalcOutcome outcome = runCalculation(p, *R);
        EXPECT_EQ(outcome.kinematicFailed, run == 2);
        EXPECT_FALSE(outcome.forceFailed);
        for (int i = 1; i <= 25; ++i)
            for (int k : kNeverWritten)
                EXPECT_EQ((*R)(k, i), 0);
        EXPECT_EQ((*R)(Q::e, 1), 0);
    }
}

TEST(CalcDriver, SmallerSecondRunLeavesLaterStepsAlone)
{
    auto R = std::make_unique<ResultStore>();
    ParamSet p = secondSet();
    p.N = 49;
    ASSERT_FALSE(runCalculation(p, *R).kinematicFailed);
    std::vector<long double> before;
    for (int k = 0; k < ResultStore::kRows; ++k)
        for (int i = 26; i <= 50; ++i)
            before.push_back((*R)(k, i));

    p = defaults(); // other values, so a rewrite would show
    ASSERT_FALSE(runCalculation(p, *R).kinematicFailed);
    size_t n = 0;
    for (int k = 0; k < ResultStore::kRows; ++k)
        for (int i = 26; i <= 50; ++i)
            EXPECT_EQ((*R)(k, i), before[n++]) << k << "," << i;
    EXPECT_EQ((*R)(Q::xa, 25), 0); // steps 1..25 hold the new run
    EXPECT_NE((*R)(Q::xa, 26), 0);
}

TEST(CalcDriver, ZeroStepsWriteOnlyTheSeed)
{
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, 2);
    ParamSet p = secondSet();
    p.N = 0;
    p.fitt0 = 0.5;
    const CalcOutcome outcome = runCalculation(p, *R);
    EXPECT_FALSE(outcome.kinematicFailed || outcome.energyFailed || outcome.forceFailed);
    EXPECT_EQ((*R)(Q::dfi, 1), 0);
    EXPECT_EQ((*R)(Q::fitt, 1), 0.5L);
    EXPECT_EQ((*R)(Q::dt, 1), 0);
    EXPECT_EQ((*R)(Q::fit, 1), 1);
    (*R)(Q::dfi, 1) = (*R)(Q::fitt, 1) = (*R)(Q::dt, 1) = (*R)(Q::fit, 1) = kSentinel;
    expectWritten(*R, 0, 99, 1, false); // xc2[1] too: nothing else is written
    expectWritten(*R, 0, 99, 2, false);
}

TEST(CalcDriver, FaultStepsNameWhereEachStageStopped)
{
    auto R = std::make_unique<ResultStore>();
    // The default geometry has b = l2 - l1: with a 0.1° step from fi0 = 0.1° the rod lies on
    // the axis at step 1800, at 180°.
    ParamSet p = defaults();
    p.step = 0.1L * kRadPerDeg;
    p.N = 24 * 100 + 1;
    CalcOutcome outcome = runCalculation(p, *R);
    EXPECT_TRUE(outcome.kinematicFailed);
    EXPECT_EQ(outcome.kinematicFaultStep, 1800);
    EXPECT_EQ(outcome.energyFailed, outcome.energyFaultStep > 0);
    EXPECT_EQ(outcome.forceFaultStep, 0);
    for (const char separator : {'.', ','}) {
        EXPECT_EQ(stageFaultText(kKinematicFault, p, outcome.kinematicFaultStep, separator),
                  std::string(kKinematicFault) + "\nШаг 1800, угол кривошипа 180" + separator +
                      "00°");
    }
    // The angle keeps fixed notation far beyond the precision of the grid, and its sign.
    p.fi0 = -30;
    p.step = 60 * kRadPerDeg;
    EXPECT_EQ(stageFaultText(kForceFault, p, 89977, '.'),
              std::string(kForceFault) + "\nШаг 89977, угол кривошипа 5398530.00°");
    EXPECT_EQ(stageFaultText(kEnergyFault, p, 1, '.'),
              std::string(kEnergyFault) + "\nШаг 1, угол кривошипа -30.00°");

    // A clean run leaves every step at 0.
    outcome = runCalculation(defaults(), *R);
    EXPECT_EQ(outcome.kinematicFaultStep + outcome.energyFaultStep + outcome.forceFaultStep, 0);
}

TEST(CalcDriver, KinematicFaultOnTheFirstRunStopsEnergyTheStepAfter)
{
    // fi0 = 0: the rod lies along the axis at step 13 and the kinematic stage stops there; the
    // unreached kinematic rows are 0, so at step 14 Mo = 0 / 0 stops the energy stage.
    auto R = std::make_unique<ResultStore>();
    ParamSet p = secondSet();
    p.fi0 = 0;
    const CalcOutcome outcome = runCalculation(p, *R);
    EXPECT_TRUE(outcome.kinematicFailed);
    EXPECT_TRUE(outcome.energyFailed);
    EXPECT_FALSE(outcome.forceFailed);
    EXPECT_EQ(outcome.kinematicFaultStep, 13);
    EXPECT_EQ(outcome.energyFaultStep, 14);
    const auto& r = *R;
    EXPECT_NE(r(17, 13), 0);
    EXPECT_EQ(r(18, 13), 0);
    EXPECT_NE(r(65, 13), 0); // step 13 of the energy stage completes
    EXPECT_NE(r(66, 13), 0);
    EXPECT_EQ(r(65, 14), 0);
    EXPECT_EQ(r(66, 14), 0);
    // From step 15 on the energy rows are 0; the force stage still runs over all 25 steps.
    for (int i = 15; i <= 25; ++i) {
        EXPECT_EQ(r(67, i), 0);
        EXPECT_EQ(r(71, i), 0);
        EXPECT_EQ(r(75, i), 0);
        EXPECT_EQ(r(68, i), 2 * kGravity);
        EXPECT_EQ(r(72, i), 2 * kGravity + 10 * kGravity);
        EXPECT_EQ(r(76, i), 2 * kGravity + 10 * kGravity + 4 * kGravity);
    }
}
