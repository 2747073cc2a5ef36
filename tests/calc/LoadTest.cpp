// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "CalcFixtures.h"
#include "calc/Load.h"
#include "calc/Quantities.h"

using Q = Quantity;
using namespace calctest;

namespace {

// A mechanism whose links carry no mass, turning at a constant 3 rad/s from fi0 in 1° steps over
// `cycles` cycles of 24 steps, with its points placed by the autofill.
ParamSet massless(double l1, double l2, double b, double fi0, int cycles = 1)
{
    ParamSet p = defaults();
    p.l1 = l1, p.l2 = l2, p.b = b, p.fi0 = fi0;
    p.m1 = p.m2 = p.m3 = 0;
    p.i1 = p.i2 = p.i3 = 0;
    p.fit0 = 3, p.fitt0 = 0, p.fidtt = 0;
    p.step = rad(1.0L);
    p.N = 24 * cycles + 1;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

LoadTable table(LoadKind kind, std::vector<LoadPoint> points,
                LoadDirection direction = LoadDirection::TowardCrank)
{
    return {kind, direction, std::move(points)};
}

} // namespace

// With no inertia and gravity, the crank delivers exactly what the load takes: E over a whole
// period is minus the load's work, integral of q dy round the cycle.
TEST(CalcLoad, EnergyBalanceOverAPeriod)
{
    const double l1 = 0.1, l2 = 0.35, b = 0.04;
    // The stroke from the dead centres' geometry, |y| = sqrt((l2 ± l1)² - b²).
    const long double stroke =
        std::sqrt((l1 + l2) * (l1 + l2) - b * b) - std::sqrt((l2 - l1) * (l2 - l1) - b * b);
    const struct {
        const char* name;
        LoadTable load;
        int32_t period;
        long double work; // of the load over the period
    } cases[] = {
        {"by position only, the same both ways",
         table(LoadKind::ByStroke, {{0.1L, 1000, 1000}, {0.7L, 6000, 6000}}), 360, 0},
        {"constant, on the stroke toward the crank only",
         table(LoadKind::ByStroke, {{0, 4000, 0}, {1, 4000, 0}}), 360, 4000 * stroke},
        {"constant by angle over a 720° period", table(LoadKind::ByAngle, {{100, -2500}}), 720, 0},
    };
    for (const auto& c : cases) {
        ParamSet p = massless(l1, l2, b, 17, c.period / 24);
        p.load = c.load;
        p.period = c.period;
        auto R = std::make_unique<ResultStore>();
        const CalcOutcome out = runCalculation(p, *R);
        ASSERT_FALSE(out.kinematicFailed || out.energyFailed) << c.name;
        // The trapezoid rule's error at 1° steps, below 1e-4 of the work of 4 kN over a stroke.
        EXPECT_NEAR(static_cast<double>((*R)(Q::e, p.N)), static_cast<double>(-c.work),
                    static_cast<double>(4000 * stroke * 1e-4L))
            << c.name;
    }
}

// A constant force toward the crank of an inline mechanism needs M = Q r sin(θ + β) / cos β
// against it, θ the crank angle past the outer dead centre and sin β = (r / l) sin θ: from the
// piston's distance from O, y = r cos θ + sqrt(l² - r² sin² θ), M = -Q dy/dθ.
TEST(CalcLoad, StaticMomentOfAConstantForce)
{
    const long double r = 0.12L, l = 0.4L, force = 5000;
    for (const double fi : {20.0, 60.0, 135.0, 200.0, 250.0, 330.0}) {
        ParamSet p = massless(static_cast<double>(r), static_cast<double>(l), 0, fi);
        p.N = 1;
        p.fit0 = 7;
        p.load = table(LoadKind::ByAngle, {{0, force}});
        auto R = std::make_unique<ResultStore>();
        ASSERT_FALSE(runCalculation(p, *R).energyFailed);
        const long double theta = rad(static_cast<long double>(fi)) - kPi / 2;
        const long double beta = asinl(r / l * sinl(theta));
        // The crank is driven by the load: it must supply minus that moment.
        const long double M = force * r * sinl(theta + beta) / cosl(beta);
        EXPECT_NEAR(static_cast<double>((*R)(Q::mo, 1) / -M), 1.0, 1e-12) << fi;
    }
}

TEST(CalcLoad, InterpolationWrapsEndsAndDirections)
{
    const LoadTable angles = table(LoadKind::ByAngle, {{30, 100}, {90, 400}, {300, -200}});
    const LoadTable alongY =
        table(LoadKind::ByAngle, {{30, 100}, {90, 400}, {300, -200}}, LoadDirection::AlongY);
    // l1 = 1, l2 = 3, b = 0: the dead centres at |y| = 4 and 2, s = (4 - |y|) / 2.
    const LoadTable strokes = table(LoadKind::ByStroke, {{0.2L, 1000, 10}, {0.6L, 3000, 30}});
    const struct {
        const char* name;
        LoadTable load;
        int32_t period;
        LoadStep step;
        long double q;
    } cases[] = {
        {"between points", angles, 360, {60, 1, 0}, -250},
        {"after the last point, toward the first plus T",
         angles,
         360,
         {350, 1, 0},
         -(-200 + 300 * (50.0L / 90))},
        {"before the first point", angles, 360, {10, 1, 0}, -(-200 + 300 * (70.0L / 90))},
        {"a negative angle wraps upward", angles, 360, {-10, 1, 0}, -(-200 + 300 * (50.0L / 90))},
        {"a later turn", angles, 360, {750, 1, 0}, -100},
        {"a 720° period", angles, 720, {370, 1, 0}, -(-200 + 300 * (70.0L / 450))},
        {"below the axis the force points up", angles, 360, {60, -1, 0}, 250},
        {"the y component as given", alongY, 360, {60, -1, 0}, 250},
        {"a single point is constant", table(LoadKind::ByAngle, {{200, 7}}), 360, {13, 1, 5}, -7},
        {"held before the first stroke point", strokes, 360, {0, 4, -1}, -1000},
        {"held after the last, moving away", strokes, 360, {0, 2, 1}, -30},
        {"the mean at zero velocity", strokes, 360, {0, 3.2L, 0}, -(2000 + 20) / 2.0L},
        {"below the axis, toward the crank", strokes, 360, {0, -3.2L, 1}, 2000},
        {"below the axis, away from it", strokes, 360, {0, -3.2L, -1}, 20},
        {"leaving the outer dead centre", strokes, 360, {0, 4, -1e-30L}, -1000},
        {"reaching the outer dead centre", strokes, 360, {0, 4, 1e-30L}, -10},
    };
    for (const auto& c : cases) {
        ParamSet p = defaults();
        p.l1 = 1, p.l2 = 3, p.b = 0;
        p.load = c.load;
        p.period = c.period;
        EXPECT_NEAR(static_cast<double>(loadForceY(p, c.step)), static_cast<double>(c.q), 1e-12)
            << c.name;
    }
    ParamSet p = defaults();
    EXPECT_FALSE(std::signbit(loadForceY(p, {60, 1, -1}))) << "no load is +0";
    p.l1 = 1, p.l2 = 3, p.b = 2.5, p.load = strokes; // the crank cannot turn fully
    EXPECT_FALSE(loadFitsMechanism(p));
    EXPECT_TRUE(std::isnan(loadForceY(p, {0, 3, 1})));
}
