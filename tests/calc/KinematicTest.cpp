// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "CalcFixtures.h"
#include "calc/Kinematic.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;

using namespace calctest;

namespace {

// Seed and kinematic stage, as the driver runs them.
bool runKinematic(const ParamSet& p, ResultStore& R)
{
    writeKinematicSeed(p, R);
    return kinematicStage(p, R);
}

} // namespace

TEST(CalcKinematic, WorkedTableAtDefaults)
{
    auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(runKinematic(defaults(), *R));
    expectTable(*R, {0, 2, 3, 4, 5, 8, 18},
                {
                    {1, {0.001745, 0.0, 0.0, 1.0, 0.001745, 1.369438, -0.000713}},
                    {2, {0.263545, 0.01, 0.261799, 1.0, 0.263545, 1.355322, -0.106669}},
                    // From step 3 on, the motion law integrated exactly
                    // (tools/worked_offaxis.py defaults).
                    {3, {0.525344, 0.02, 0.261458, 1.002615, 0.525344, 1.314045, -0.207945}},
                    {4, {0.787143, 0.03, 0.260440, 1.007823, 0.787143, 1.247545, -0.301150}},
                    {25, {6.284931, 0.24, 0.169538, 1.563692, 6.284931, 1.369438, -0.001114}},
                });
}

TEST(CalcKinematic, EnteredInitialVelocityDrivesTheCrank)
{
    ParamSet p = defaults();
    p.fit0 = 2;
    auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(runKinematic(p, *R));
    expectTable(*R, {4},
                {{1, {2.0}}, {2, {2.0}}, {3, {2.001309}}, {4, {2.003923}}, {25, {2.333481}}});
    EXPECT_NEAR(static_cast<double>((*R)(Q::dt, 2)), 0.130900, 5.0000001e-7);
    EXPECT_NEAR(static_cast<double>((*R)(Q::psit, 1)), -0.001425, 5.0000001e-7);
}

TEST(CalcKinematic, RodAnglesIn720Mode)
{
    ParamSet p = defaults();
    p.mode = 1;
    p.N = 49;
    auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(runKinematic(p, *R));
    expectTable(*R, {8},
                {{12, {0.164194}},
                 {13, {-0.001104}},
                 {36, {-0.164194}},
                 {37, {0.001104}},
                 {48, {1.355692}},
                 {49, {1.369438}}});
    for (int i = 1; i <= 49; ++i) {
        const long double d = deg((*R)(Q::fi, i));
        EXPECT_EQ((*R)(Q::psi, i) < 0, d > 180 && d < 540) << "step " << i;
    }
}

TEST(CalcKinematic, In360ModeTheRodAngleNeverFlips)
{
    ParamSet p = defaults();
    p.N = 97; // four turns
    auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(runKinematic(p, *R));
    for (int i = 1; i <= p.N; ++i)
        EXPECT_GT((*R)(Q::psi, i), 0) << "step " << i;
}

TEST(CalcKinematic, BranchRuleBoundaries)
{
    struct Case {
        long double degrees;
        RodBranch branch;
    };
    const Case cases[] = {
        {180.0L, RodBranch::Positive},
        {std::nextafter(180.0L, 1000.0L), RodBranch::Negative},
        {360.0L, RodBranch::Negative},
        {std::nextafter(540.0L, 0.0L), RodBranch::Negative},
        {540.0L, RodBranch::Positive},
        {std::nextafter(720.0L, 0.0L), RodBranch::Positive},
        {720.0L, RodBranch::Positive},  // r = 0
        {900.5L, RodBranch::Negative},  // r = 180.5
        {1260.5L, RodBranch::Positive}, // r = 540.5
        {1440.0L * 1000 + 200, RodBranch::Negative},
        {-200.0L, RodBranch::Positive}, // negative angles are not reduced
        {-1e30L, RodBranch::Positive},
        {0x1p62L * 720, RodBranch::Positive}, // trunc still fits in 64 bits
        {0x1p63L * 720, RodBranch::Fault},    // trunc(d/720) beyond 64 bits
        {INFINITY, RodBranch::Fault},
        {NAN, RodBranch::Fault},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rodBranchAtDegrees(c.degrees), c.branch) << static_cast<double>(c.degrees);
}

TEST(CalcKinematic, SingleStepKeepsTheSeedAndTheStartPoints)
{
    ParamSet p = secondSet();
    p.N = 1;
    p.fitt0 = 0.5;
    p.fit0 = 1.5;
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, 3);
    ASSERT_TRUE(runKinematic(p, *R));
    EXPECT_EQ((*R)(Q::dfi, 1), 0);
    EXPECT_EQ((*R)(Q::fitt, 1), 0.5L);
    EXPECT_EQ((*R)(Q::dt, 1), 0);
    EXPECT_EQ((*R)(Q::fit, 1), 1.5L);
    EXPECT_EQ((*R)(Q::fis, 1), (*R)(Q::fi, 1));
    EXPECT_EQ((*R)(Q::dpsi, 1), 0);
    EXPECT_EQ((*R)(Q::sdpsi, 1), 0);
    EXPECT_EQ((*R)(Q::cdpsi, 1), 1);
    EXPECT_EQ((*R)(Q::xa, 1), p.ac4);
    EXPECT_EQ((*R)(Q::ya, 1), p.bc4);
    EXPECT_EQ((*R)(Q::xb, 1), p.ac5);
    EXPECT_EQ((*R)(Q::yb, 1), p.bc5);
    EXPECT_EQ((*R)(Q::xs, 1), p.b);
    EXPECT_EQ((*R)(Q::ys, 1), (*R)(Q::yb, 1));
    expectWritten(*R, 0, 27, 2, false);
    // Under the prescribed law the stage records the motion in force beside it.
    EXPECT_EQ((*R)(Q::omega_true, 1), 1.5L);
    EXPECT_EQ((*R)(Q::eps_true, 1), 0.5L);
    EXPECT_EQ((*R)(Q::t_true, 1), 0);
    expectWritten(*R, 28, rowOf(Q::omega_true) - 1, 1, false);
    expectWritten(*R, rowOf(Q::t_true) + 1, 99, 1, false);
}

TEST(CalcKinematic, NoStepWithoutPositiveN)
{
    for (int n : {0, -47}) {
        ParamSet p = defaults();
        p.N = n;
        auto R = std::make_unique<ResultStore>();
        fillSentinel(*R, 2);
        ASSERT_TRUE(runKinematic(p, *R));
        EXPECT_EQ((*R)(Q::dfi, 1), 0);
        EXPECT_EQ((*R)(Q::fitt, 1), 0);
        EXPECT_EQ((*R)(Q::dt, 1), 0);
        EXPECT_EQ((*R)(Q::fit, 1), 1);
        expectWritten(*R, 0, 0, 1, false);
        expectWritten(*R, 5, 99, 1, false);
        expectWritten(*R, 0, 99, 2, false);
    }
}

TEST(CalcKinematic, ConstantVelocity)
{
    ParamSet p = defaults();
    p.fidtt = 0;
    auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(runKinematic(p, *R));
    for (int i = 2; i <= p.N; ++i) {
        EXPECT_EQ((*R)(Q::fit, i), 1.0L);
        EXPECT_EQ((*R)(Q::dt, i), (*R)(Q::fi, i) - (*R)(Q::fi, i - 1));
    }

    // With an acceleration the velocity no longer lags a step: fitt0 acts from step 2 on.
    p = defaults();
    p.fitt0 = 0.3;
    p.fidtt = 0;
    ASSERT_TRUE(runKinematic(p, *R));
    EXPECT_NEAR(static_cast<double>((*R)(Q::fit, 2)), std::sqrt(1 + 0.6 * M_PI / 12), 1e-15);
}

TEST(CalcKinematic, ZeroCoordinatesGiveStillPointsButAngles)
{
    auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(runKinematic(defaults(), *R));
    for (int i = 1; i <= 25; ++i) {
        for (int k = 12; k <= 17; ++k)
            EXPECT_EQ((*R)(k, i), 0) << k;
        for (int k = 20; k <= 25; ++k)
            EXPECT_EQ((*R)(k, i), 0) << k;
        EXPECT_NE((*R)(Q::psi, i), 0);
    }
}

namespace {

struct FaultCase {
    const char* name;
    void (*change)(ParamSet&);
    int step;    // the step the stage stops at
    int lastRow; // the last row written at that step (-1: none)
};

// Everything before the faulting operation stays; nothing from it on is written.
void expectStopsAt(const FaultCase& c)
{
    ParamSet p = defaults();
    c.change(p);
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, p.N);
    writeKinematicSeed(p, *R);
    ASSERT_FALSE(kinematicStage(p, *R)) << c.name;
    for (int i = 1; i < c.step; ++i)
        expectWritten(*R, 0, 27, i, true);
    expectWritten(*R, 0, c.lastRow, c.step, true);
    expectWritten(*R, c.lastRow + 1, 27, c.step, false);
    for (int i = c.step + 1; i <= p.N; ++i)
        expectWritten(*R, 0, 27, i, false);
}

} // namespace

TEST(CalcKinematic, FaultsStopAtTheFaultingOperation)
{
    const FaultCase cases[] = {
        // u = 1 exactly at 180°: the rod's angular velocity divides by sin(psi) = 0.
        {"rod along the axis", [](ParamSet& p) { p.fi0 = 0; }, 13, 17},
        // |u| > 1: the rod cannot reach the guide; sqrt of a negative number.
        {"rod too short", [](ParamSet& p) { p.l2 = 4; }, 1, 7},
        {"no rod", [](ParamSet& p) { p.l2 = 0; }, 1, 7},
        // A zero angular velocity makes the next step's duration a division by zero.
        {"crank at rest", [](ParamSet& p) { p.fit0 = 0; }, 2, 2},
        // Overflow of y velocity of A: fit * xa beyond the extended range.
        {"overflow",
         [](ParamSet& p) {
             p.fit0 = 1e300;
             p.ac4 = 1e4700L;
         },
         1, 14},
        // The crank angle itself overflows.
        {"huge step", [](ParamSet& p) { p.step = 8e4931L; }, 3, -1},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectStopsAt(c);
    }
}

TEST(CalcKinematic, AngleFunctionsFollowTheProgramRules)
{
    EXPECT_EQ(stage::sinx(0x1p63L), 0);
    EXPECT_EQ(stage::cosx(-0x1p63L), 0);
    EXPECT_NE(stage::cosx(0x1p62L), 0);
    EXPECT_EQ(stage::arccos(1), 0);
    EXPECT_EQ(stage::arccos(-1), kPi);
    EXPECT_TRUE(std::isnan(stage::arccos(std::nextafter(1.0L, 2.0L))));
    EXPECT_NEAR(static_cast<double>(stage::arccos(0.5L)), M_PI / 3, 1e-15);
}

// A off the x axis, so the A->B vector has a y part: B stays on the guide x = b and follows
// the geometry of the crank circle (values from tools/worked_offaxis.py).
TEST(CalcKinematic, WorkedTableWithAOffTheAxis)
{
    auto R = std::make_unique<ResultStore>();
    const ParamSet p = offAxisSet();
    writeKinematicSeed(p, *R);
    ASSERT_TRUE(kinematicStage(p, *R));
    const std::vector<TableRow> crankAndRod{
        {1, {0.698132, 1.000000, 1.272824, 7.660444, 6.427876, -0.268967}},
        {2, {0.959931, 1.000000, 1.191174, 5.735764, 8.191520, -0.352777}},
        {3, {1.221730, 1.002615, 1.089203, 3.420201, 9.396926, -0.425226}},
        {10, {3.054326, 1.090181, 0.055182, -9.961947, 0.871557, -0.689097}},
        {25, {6.981317, 1.563692, 1.272824, 7.660444, 6.427876, -0.420582}},
    };
    expectTable(*R, {0, 4, 8, 12, 13, 18}, crankAndRod);
    const std::vector<TableRow> slider{
        {1, {15.000000, 30.326222, 0.000000, 5.686343}},
        {2, {15.000000, 31.411640, 0.000000, 2.467557}},
        {3, {15.000000, 31.553376, 0.000000, -1.494886}},
        {10, {15.000000, 2.250399, 0.000000, -28.061540}},
        {25, {15.000000, 30.326222, 0.000000, 8.891689}},
    };
    expectTable(*R, {20, 21, 22, 23}, slider);
}
