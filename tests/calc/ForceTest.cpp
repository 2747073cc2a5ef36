// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "CalcFixtures.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;

using namespace calctest;
using stage::kGravity;

namespace {

void runAll(const ParamSet& p, ResultStore& R)
{
    const CalcOutcome outcome = runCalculation(p, R);
    ASSERT_FALSE(outcome.kinematicFailed || outcome.energyFailed || outcome.forceFailed);
}

} // namespace

TEST(CalcForce, SecondWorkedSet)
{
    auto R = std::make_unique<ResultStore>();
    runAll(secondSet(), *R);
    expectTable(
        *R, {67, 68, 71, 72, 73, 75, 76},
        {
            {1, {0.004138, 15.517497, -49.985516, 103.311239, 905.261238, -69.985516, 138.511239}},
            {2, {-0.004655, 9.796558, -48.441994, 70.829963, 803.201530, -66.815635, 101.172712}},
        });
    // From step 3 on the forces follow the motion law; EquilibriumTest checks them against the
    // powers, and MotionLawTest the law against its closed form.
}

TEST(CalcForce, FirstWorkedSetCarriesOnlyWeights)
{
    auto R = std::make_unique<ResultStore>();
    runAll(defaults(), *R);
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ((*R)(Q::fbx, i), 0);
        EXPECT_EQ((*R)(Q::fax, i), 0);
        EXPECT_EQ((*R)(Q::fox, i), 0);
        EXPECT_NEAR(static_cast<double>((*R)(Q::fby, i)), 19.6, 1e-15);
        EXPECT_NEAR(static_cast<double>((*R)(Q::fay, i)), 117.6, 1e-13);
        EXPECT_NEAR(static_cast<double>((*R)(Q::foy, i)), 156.8, 1e-13);
        EXPECT_EQ((*R)(Q::ma, i), (*R)(Q::mi2, i)); // ma is the rod's inertia moment alone
    }
    EXPECT_NEAR(static_cast<double>((*R)(Q::ma, 1)), -4.082478, 5.0000001e-7);
    // i2·psitt with psitt from differentiating the rod's rate by geometry
    // (tools/worked_offaxis.py defaults).
    EXPECT_NEAR(static_cast<double>((*R)(Q::ma, 25)), -9.983911, 5.0000001e-7);
}

TEST(CalcForce, JointForcesSumTheLoadsFromTheSliderInwards)
{
    auto R = std::make_unique<ResultStore>();
    runAll(secondSet(), *R);
    const auto& r = *R;
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(r(67, i), r(59, i)); // fbx is fx3, bit for bit
        EXPECT_EQ(r(75, i), (r(59, i) + r(47, i)) + r(35, i));
        const long double weights = r(76, i) - r(36, i) - r(48, i) - r(60, i);
        EXPECT_NEAR(static_cast<double>(weights), static_cast<double>(16 * kGravity), 1e-10);
    }
    // At step 1 C2 lies where the formula puts it; ma is the moment about A of the rod's loads
    // and of the force at B.
    const long double ma1 = (10 * kGravity + r(48, 1)) * (r(40, 1) - r(12, 1)) + r(49, 1) -
                            (r(41, 1) - r(13, 1)) * r(47, 1);
    EXPECT_EQ(r(73, 1), (r(20, 1) - r(12, 1)) * r(68, 1) + ma1 - (r(21, 1) - r(13, 1)) * r(67, 1));
}

TEST(CalcForce, MasslessLinksCarryNoForce)
{
    ParamSet p = secondSet();
    p.m1 = p.m2 = p.m3 = 0;
    p.i2 = 0;
    auto R = std::make_unique<ResultStore>();
    runAll(p, *R);
    for (int i = 1; i <= 25; ++i)
        for (int k : {67, 68, 71, 72, 73, 75, 76})
            EXPECT_EQ((*R)(k, i), 0) << rowName(k);
}

TEST(CalcForce, OverflowInTheSecondMomentTermKeepsTheFirst)
{
    // Hand-made loads: a huge slider load makes the moment of the force at B overflow at step 2.
    ParamSet p = secondSet();
    p.N = 3;
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, 3);
    for (int i = 1; i <= 3; ++i)
        for (int k = 0; k <= 66; ++k)
            (*R)(k, i) = 1.5L;
    (*R)(Q::xb, 2) = 3e3000L;  // xb
    (*R)(Q::fy3, 2) = 3e3000L; // fy3
    ASSERT_FALSE(forceStage(p, *R));
    for (int k : {67, 68, 71, 72, 73, 75, 76})
        EXPECT_NE((*R)(k, 1), kSentinel) << k;
    EXPECT_EQ((*R)(Q::fbx, 2), 1.5L);
    for (int k : {68, 71, 72})
        EXPECT_NE((*R)(k, 2), kSentinel) << k;
    // (m2*g + fy2)*(xc2 - xa) + mi2 - (yc2 - ya)*fx2 with xc2 = xa, yc2 = ya, mi2 = 1.5
    EXPECT_EQ((*R)(Q::ma, 2), 1.5L);
    expectWritten(*R, 75, 76, 2, false);
    expectWritten(*R, 67, 76, 3, false);
    EXPECT_EQ((*R)(69, 1), kSentinel); // rows between are never touched
    EXPECT_EQ((*R)(74, 1), kSentinel);
}
