// SPDX-License-Identifier: GPL-3.0-or-later
// The crank's motion law as entered against its closed form, and the slider held on its guide.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "CalcFixtures.h"
#include "calc/Kinematic.h"
#include "calc/Quantities.h"

using Q = Quantity;
using namespace calctest;

namespace {

struct StageRun {
    bool ok = false;
    int faultStep = 0;
    const char* reason = nullptr;
};

StageRun runKinematic(const ParamSet& p, ResultStore& R)
{
    StageRun run;
    writeKinematicSeed(p, R);
    run.ok = kinematicStage(p, R, &run.faultStep, &run.reason);
    return run;
}

ParamSet placed(double l1, double l2, double b, double fi0, int mode, double stepDegrees, int n)
{
    ParamSet p = defaults();
    p.l1 = l1, p.l2 = l2, p.b = b, p.fi0 = fi0, p.mode = mode;
    p.step = stepDegrees * kRadPerDeg;
    p.N = n;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

long double relative(long double got, long double want)
{
    return std::fabs(got - want) / std::fabs(want);
}

} // namespace

// Constant acceleration: w^2 = w0^2 + 2*alpha*(phi - phi0) and t = (w - w0) / alpha at every
// step, whatever the step.
TEST(CalcMotionLaw, ConstantAccelerationFollowsTheClosedForm)
{
    const struct {
        double step, w0, alpha;
    } cases[] = {{1, 1, 0.5},   {5, 1, 0.5}, {15, 1, 0.5}, {30, 1, 0.5},
                 {15, 3, -0.2}, {1, 0, 2},   {30, 0, 2},   {5, -2, 0.3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << "° w0=" << c.w0 << " alpha=" << c.alpha);
        ParamSet p = placed(0.3, 1.2, 0.5, 20, 0, c.step, static_cast<int>(720 / c.step) + 1);
        p.fit0 = c.w0, p.fitt0 = c.alpha, p.fidtt = 0;
        auto R = std::make_unique<ResultStore>();
        ASSERT_TRUE(runKinematic(p, *R).ok);
        long double t = 0;
        for (int i = 2; i <= p.N; ++i) {
            const long double turned = (*R)(Q::fi, i) - (*R)(Q::fi, 1);
            const long double w0 = c.w0, alpha = c.alpha;
            const long double w =
                std::copysign(std::sqrt(w0 * w0 + 2 * alpha * turned), c.w0 != 0 ? w0 : alpha);
            t += (*R)(Q::dt, i);
            ASSERT_LE(relative((*R)(Q::fit, i), w), 1e-15L) << "step " << i;
            ASSERT_LE(relative(t, (w - w0) / alpha), 1e-15L) << "step " << i;
            // The angle reached by integrating in time is the angle of the step.
            ASSERT_LE(std::fabs((*R)(Q::fis, i) - (*R)(Q::fi, i)),
                      1e-15L * std::fabs((*R)(Q::fi, i)))
                << "step " << i;
        }
    }
}

// A crank that decelerates to rest before a step's angle stops the stage there: from w0 = 1
// at alpha = -1 it rests after 0.5 rad (28.65°), so 5° steps reach step 6 (25°) and not 7.
TEST(CalcMotionLaw, CrankComingToRestStopsTheStage)
{
    ParamSet p = placed(0.3, 1.2, 0.5, 0, 0, 5, 25);
    p.fit0 = 1, p.fitt0 = -1, p.fidtt = 0;
    auto R = std::make_unique<ResultStore>();
    const StageRun run = runKinematic(p, *R);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.faultStep, 7);
    EXPECT_STREQ(run.reason, kCrankStopsFault);
}

// At constant angular velocity every step lasts its turn over w0 and w never moves, bit for
// bit: the runs made before the motion law was integrated exactly keep every byte.
TEST(CalcMotionLaw, ConstantVelocityKeepsEveryBit)
{
    for (double step : {0.1, 1.0, 15.0}) {
        ParamSet p = placed(10, 25, 15, 0.1, 0, step, 400);
        p.fit0 = 2.75, p.fitt0 = 0, p.fidtt = 0;
        auto R = std::make_unique<ResultStore>();
        ASSERT_TRUE(runKinematic(p, *R).ok);
        for (int i = 2; i <= p.N; ++i) {
            const long double dt = ((*R)(Q::fi, i) - (*R)(Q::fi, i - 1)) / 2.75L;
            ASSERT_EQ(std::memcmp(&(*R)(Q::dt, i), &dt, 10), 0) << "step " << i;
            ASSERT_EQ((*R)(Q::fit, i), 2.75L) << "step " << i;
        }
    }
}

// B stays on the guide x = b at every step, for every initial angle in both modes, once the
// autofill has placed the points: the rod is turned on the branch the points were placed on.
TEST(CalcMotionLaw, SliderStaysOnItsGuideForEveryInitialAngle)
{
    const struct {
        const char* name;
        double l1, l2, b;
    } mechanisms[] = {{"perpendicular at 180°", 10, 25, 15},
                      {"offset guide", 0.3, 0.9, -0.247},
                      {"centric", 0.1, 0.4, 0}};
    for (const auto& m : mechanisms)
        for (int mode : {0, 1})
            for (int fi0 = 0; fi0 <= 720; fi0 += 10) {
                SCOPED_TRACE(testing::Message() << m.name << " mode " << mode << " fi0 " << fi0);
                ParamSet p = placed(m.l1, m.l2, m.b, fi0, mode, 5, 145);
                p.fidtt = 0;
                auto R = std::make_unique<ResultStore>();
                const StageRun run = runKinematic(p, *R);
                const int last = run.ok ? p.N : run.faultStep - 1;
                // Only the rod lying along the axis at a dead position may stop the run here.
                if (!run.ok) {
                    EXPECT_STREQ(run.reason, kKinematicFault);
                }
                const long double scale = m.l1 + m.l2 + std::fabs(m.b);
                for (int i = 1; i <= last; ++i)
                    ASSERT_LE(std::fabs((*R)(Q::xb, i) - m.b), 1e-15L * scale) << "step " << i;
            }
}

// Points on the other branch than the stage turns the rod on: B would leave the guide by the
// rod's own length, and the stage stops at the first step off it instead.
TEST(CalcMotionLaw, RodTurnedOffTheGuideStopsTheStage)
{
    ParamSet p = placed(0.3, 0.9, -0.247, 250, 0, 15, 49); // B placed above A, as in mode 360
    p.mode = 1;                                            // the stage turns the rod below it
    auto R = std::make_unique<ResultStore>();
    const StageRun run = runKinematic(p, *R);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.faultStep, 2);
    EXPECT_STREQ(run.reason, kOffGuideFault);
}
