// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "CalcFixtures.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;

using namespace calctest;

namespace {

// Seed, kinematic and energy stages; both must finish.
void runThrough(const ParamSet& p, ResultStore& R)
{
    writeKinematicSeed(p, R);
    ASSERT_TRUE(kinematicStage(p, R));
    ASSERT_TRUE(energyStage(p, R));
}

} // namespace

TEST(CalcEnergy, FirstWorkedSetOnlyRotationRemains)
{
    auto R = std::make_unique<ResultStore>();
    runThrough(defaults(), *R);
    expectTable(*R, {34, 46, 38, 50, 64, 65, 66},
                {
                    {1, {2.0, 0.000003, 0.0, 0.002909, 0.002909, 0.002909, 0.0}},
                    {2, {2.0, 0.056891, 0.04, 0.425488, 0.465488, 0.465488, 0.061313}},
                    // The turning energies and powers from the rod's rates by geometry
                    // (tools/worked_offaxis.py defaults).
                    {3, {2.010472, 0.216206, 0.080209, 0.780134, 0.860343, 0.858099, 0.234637}},
                    {25, {4.890265, 0.000006, 1.501144, 0.011124, 1.512268, 0.967114, 3.100399}},
                });
    for (int i = 1; i <= 25; ++i)
        for (int k = 28; k <= 33; ++k)
            EXPECT_EQ((*R)(k, i), 0) << k;
}

TEST(CalcEnergy, SecondWorkedSet)
{
    auto R = std::make_unique<ResultStore>();
    runThrough(secondSet(), *R);
    expectTable(*R, {28, 29, 33, 34, 40, 41},
                {
                    {1, {5.0, 1.0, -1.0, 54.0, 12.5, 12.25}},
                    {2, {4.570810, 2.260021, -2.214313, 54.0, 12.331924, 14.801681}},
                    // C1 turns rigidly about O: ek1 = (m1·|OC1|² + i1)·w²/2 and
                    // yc1tt = alpha·xc1 − w²·yc1, with w from the motion law.
                    {3, {3.830127, 3.366025, -3.307047, 54.282743, 11.834631, 17.092801}},
                    {25, {5.0, 1.0, -1.245133, 132.037162, 12.5, 12.25}},
                });
    expectTable(*R, {46, 58, 38, 64, 65, 66},
                {
                    {1, {499.822267, 99.929065, 0.0, 1228.467367, 1228.467367, 0.0}},
                    {2, {447.693327, 82.611675, 1.08, 904.121463, 904.121463, 279.155225}},
                });
    // Later steps follow the motion law (checked against its closed form in MotionLawTest, and
    // the powers against the forces in EquilibriumTest); the crank's inertia power is that of
    // C1 turning rigidly about O: pin1 = (m1·|OC1|² + i1)·alpha·w, with |OC1|² = 26.
    expectTable(*R, {38}, {{3, {2.165647}}, {25, {40.530896}}});
}

TEST(CalcEnergy, StepOneOfTheRod)
{
    ParamSet p = secondSet();
    p.N = 1;
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, 2);
    runThrough(p, *R);
    const auto& r = *R;
    // C2 comes from its formula: at step 1 it is (ac2, bc2) exactly as entered.
    EXPECT_EQ(r(40, 1), p.ac2);
    EXPECT_EQ(r(41, 1), p.bc2);
    EXPECT_EQ(r(43, 1), (r(40, 1) - r(12, 1)) * r(18, 1) + r(15, 1));
    EXPECT_EQ(r(65, 1), r(64, 1) / r(4, 1));
    EXPECT_EQ(r(66, 1), kSentinel); // e[1] is never written
    expectWritten(r, 28, 65, 1, true);
    expectWritten(r, 28, 99, 2, false);
}

TEST(CalcEnergy, SliderIsCopiedFromB)
{
    auto R = std::make_unique<ResultStore>();
    runThrough(secondSet(), *R);
    for (int i = 1; i <= 25; ++i) {
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ((*R)(52 + k, i), (*R)(20 + k, i));
        EXPECT_EQ((*R)(Q::mi3, i), 0); // the slider does not rotate
    }
}

TEST(CalcEnergy, MasslessLinksCarryNoEnergy)
{
    ParamSet p = secondSet();
    p.m1 = p.m2 = p.m3 = 0;
    p.i1 = p.i2 = 0;
    auto R = std::make_unique<ResultStore>();
    runThrough(p, *R);
    for (int i = 1; i <= 25; ++i) {
        for (int k :
             {34, 35, 36, 37, 38, 39, 46, 47, 48, 49, 50, 51, 58, 59, 60, 61, 62, 63, 64, 65, 66})
            EXPECT_EQ((*R)(k, i), 0) << rowName(k) << " at " << i;
    }
}

TEST(CalcEnergy, CrankInertiaPowerCountsOnce)
{
    ParamSet p = secondSet();
    p.m1 = p.m2 = p.m3 = 0;
    p.i2 = 0;
    p.i1 = 3;
    p.fitt0 = 0.2;
    auto R = std::make_unique<ResultStore>();
    runThrough(p, *R);
    for (int i = 1; i <= 25; ++i) {
        const long double fit = (*R)(Q::fit, i), fitt = (*R)(Q::fitt, i);
        EXPECT_EQ((*R)(Q::psum, i), fitt * p.i1 * fit) << i;
        EXPECT_EQ((*R)(Q::ek1, i), p.i1 * fit * fit / 2) << i;
    }
}

TEST(CalcEnergy, WorkIsTheTrapezoidSumOfPower)
{
    auto R = std::make_unique<ResultStore>();
    runThrough(secondSet(), *R);
    for (int i = 2; i <= 25; ++i) {
        const long double step = ((*R)(Q::psum, i - 1) + (*R)(Q::psum, i)) * (*R)(Q::dt, i) / 2;
        EXPECT_NEAR(static_cast<double>((*R)(Q::e, i) - (*R)(Q::e, i - 1)),
                    static_cast<double>(step),
                    1e-12 * static_cast<double>(std::fabs((*R)(Q::e, i)) + 1));
    }
}

TEST(CalcEnergy, NothingWithoutPositiveN)
{
    ParamSet p = secondSet();
    p.N = 0;
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, 1);
    writeKinematicSeed(p, *R);
    ASSERT_TRUE(energyStage(p, *R));
    expectWritten(*R, 28, 99, 1, false);
}

namespace {

struct EnergyFault {
    const char* name;
    void (*change)(ParamSet&);
    int step;
    int lastRow;
};

} // namespace

TEST(CalcEnergy, FaultsStopAtTheFaultingOperation)
{
    const EnergyFault cases[] = {
        // A crank starting from rest: at step 1 every speed and power is 0, and Mo = 0 / 0.
        {"crank at rest",
         [](ParamSet& p) {
             p.fi0 = 0;
             p.step = 0.25L;
             p.fit0 = 0;
             p.fitt0 = 2;
             p.fidtt = 0;
         },
         1, 64},
        // The crank's kinetic energy overflows.
        {"overflow", [](ParamSet& p) { p.m1 = 1e4931L; }, 1, 33},
    };
    for (const EnergyFault& c : cases) {
        SCOPED_TRACE(c.name);
        ParamSet p = secondSet();
        c.change(p);
        auto R = std::make_unique<ResultStore>();
        fillSentinel(*R, p.N);
        writeKinematicSeed(p, *R);
        kinematicStage(p, *R);
        ASSERT_FALSE(energyStage(p, *R));
        for (int i = 1; i < c.step; ++i)
            expectWritten(*R, 28, i == 1 ? 65 : 66, i, true);
        expectWritten(*R, 28, c.lastRow, c.step, true);
        expectWritten(*R, c.lastRow + 1, 66, c.step, false);
        for (int i = c.step + 1; i <= p.N; ++i)
            expectWritten(*R, 28, 66, i, false);
    }
}

// The rod's centre of mass C2 with A off the x axis: the midpoint of A and B, its velocity and
// the rod's kinetic energy (values from tools/worked_offaxis.py).
TEST(CalcEnergy, RodCentreWithAOffTheAxis)
{
    auto R = std::make_unique<ResultStore>();
    runThrough(offAxisSet(), *R);
    expectTable(*R, {40, 41, 42, 43, 46},
                {
                    {1, {11.330222, 18.377049, -3.213938, 6.673394, 274.679631}},
                    {2, {10.367882, 19.801580, -4.095760, 4.101660, 168.616609}},
                    {3, {9.210101, 20.475151, -4.710748, 0.967129, 116.536492}},
                    {10, {2.519027, 1.560978, -0.475078, -19.460935, 1897.142703}},
                    {25, {11.330222, 18.377049, -5.025609, 10.435132, 671.628126}},
                });
}
