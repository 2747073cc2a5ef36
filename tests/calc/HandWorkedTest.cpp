// SPDX-License-Identifier: GPL-3.0-or-later
// Figures worked by hand for cases built so that one term matters: a crank whose centre of mass
// is off O, an offset guide, a crank with inertia of its own, a load that acts only while the
// slider moves away, a mechanism that stops assembling at a known angle. The crank turns at a
// constant angular velocity throughout, so that every closed form below is exact.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/Calculation.h"
#include "calc/KeyFigures.h"
#include "calc/Load.h"
#include "calc/Quantities.h"
#include "calc/Summary.h"
#include "calc/Sweep.h"
#include "calc/Variant.h"
#include "params/Autofill.h"

using Q = Quantity;

namespace {

// A crank turning at ω = `omega` rad/s from fi0 = 0 in steps of `stepDegrees`, one turn, the
// points placed by the autofill, no masses.
ParamSet steadyCrank(double l1, double l2, double b, long double stepDegrees = 1, double omega = 2)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = l1;
    p.l2 = l2;
    p.b = b;
    p.fi0 = 0;
    p.fit0 = omega;
    p.fitt0 = 0;
    p.fidtt = 0;
    p.m1 = p.m2 = p.m3 = p.i1 = p.i2 = p.i3 = 0;
    EXPECT_TRUE(autofillPoints(p));
    p.step = rad(stepDegrees);
    p.N = static_cast<int32_t>(std::lround(360 / stepDegrees)) + 1;
    p.cycles = (p.N - 1) / 24;
    return p;
}

struct CrankRun {
    std::unique_ptr<ResultStore> store = std::make_unique<ResultStore>();
    CalcOutcome outcome;
    explicit CrankRun(const ParamSet& p) : outcome(runCalculation(p, *store)) {}
    long double operator()(Q q, int i) const { return (*store)(static_cast<int>(q), i); }
};

size_t figureIndex(const char* key)
{
    const auto figures = keyFigures();
    for (size_t k = 0; k < figures.size(); ++k)
        if (std::string_view(figures[k].key) == key) return k;
    ADD_FAILURE() << "no key figure " << key;
    return 0;
}

} // namespace

// At constant ω the crank's centre of mass C1 runs round a circle of radius r about O, so its
// acceleration points at O with magnitude ω²r: the x force O passes on beyond what A takes is
// m1·(−ω²·x_C1). With C1 on O the two forces at O and A are the same.
TEST(HandWorked, TheForceAtOCarriesTheCranksCentripetalForce)
{
    const struct {
        long double ac1, bc1; // C1 at the first step, O at the origin
        long double m1;
    } cases[] = {{4, 0, 3}, {-2.5L, 6, 1.5L}, {0, 0, 5}};
    const double omega = 2;
    for (const auto& c : cases) {
        ParamSet p = steadyCrank(10, 40, 5, 5, omega);
        p.ac1 = c.ac1;
        p.bc1 = c.bc1;
        p.m1 = c.m1;
        p.m2 = 2;
        p.m3 = 1;
        const CrankRun run(p);
        ASSERT_FALSE(run.outcome.kinematicFailed || run.outcome.energyFailed ||
                     run.outcome.forceFailed);
        const long double radius = std::hypot(c.ac1, c.bc1);
        const long double start = std::atan2(c.bc1, c.ac1);
        for (int i = 1; i <= p.N; i += 9) {
            const long double x = radius * std::cos(start + (i - 1) * p.step);
            const long double expected = c.m1 * (-omega * omega * x);
            EXPECT_NEAR(static_cast<double>(run(Q::foxk, i) - run(Q::faxk, i)),
                        static_cast<double>(expected), 1e-9 * (1 + std::fabs(c.m1 * 4 * radius)))
                << "C1 (" << static_cast<double>(c.ac1) << ", " << static_cast<double>(c.bc1)
                << ") at step " << i;
        }
    }
}

// With the guide offset by b the slider's dead centres lie at √((l2 ± l1)² − b²) from O; for
// l1 = 12, l2 = 25, b = 12 that is 35 and 5 (a 37-12-35 and a 13-12-5 triangle). A load that
// rises evenly from 0 at the outer dead centre to 3000 at the inner one is 1500 halfway, 20 from O.
TEST(HandWorked, TheStrokeOfAnOffsetGuideRunsBetweenItsDeadCentres)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 12;
    p.l2 = 25;
    p.b = 12;
    p.load.kind = LoadKind::ByStroke;
    p.load.direction = LoadDirection::TowardCrank;
    p.load.points = {{0, 0, 0}, {1, 3000, 3000}};
    const struct {
        long double yb;
        long double force;
    } cases[] = {{35, 0}, {27.5L, 750}, {20, 1500}, {12.5L, 2250}, {5, 3000}};
    for (const auto& c : cases) {
        const long double q = loadForceY(p, LoadStep{90, c.yb, 1});
        EXPECT_NEAR(static_cast<double>(std::fabs(q)), static_cast<double>(c.force), 1e-9)
            << "slider at " << static_cast<double>(c.yb);
    }
}

// The crank's own moment of inertia i1 stores energy as the flywheel does: at constant ω it
// changes no force and no energy swing, and the flywheel needed is smaller by exactly i1.
TEST(HandWorked, TheCranksOwnInertiaCountsTowardTheFlywheel)
{
    const long double inertias[] = {0, 0.75L, 40};
    std::optional<FlywheelSizing> bare;
    for (const long double i1 : inertias) {
        ParamSet p = steadyCrank(10, 40, 5);
        p.m2 = 4;
        p.m3 = 6;
        p.i2 = 0.5L;
        p.i1 = i1;
        const CrankRun run(p);
        const RunSummary s = summarizeRun(*run.store, p, p.N, {});
        ASSERT_TRUE(s.flywheel) << s.flywheelError;
        if (!bare) bare = *s.flywheel;
        EXPECT_NEAR(static_cast<double>(s.flywheel->requiredInertia),
                    static_cast<double>(bare->requiredInertia), 1e-12);
        EXPECT_NEAR(static_cast<double>(bare->flywheelInertia - s.flywheel->flywheelInertia),
                    static_cast<double>(i1), 1e-9)
            << "i1 = " << static_cast<double>(i1);
    }
}

// The rod leans furthest from the guide when A (at x = l1·cos φ) is furthest from the guide line
// x = b, l1 + |b| away: the largest pressure angle is asin((l1 + |b|)/l2), in degrees, at the
// crank angle (0° or 180°) where A lies on the far side.
TEST(HandWorked, TheLargestPressureAngleIsThatOfTheFarthestCrankPosition)
{
    const struct {
        double l1, l2, b;
        double degrees;
        double crankAngle; // < 0: at 0° and 180° alike
    } cases[] = {
        {10, 20, 0, 30, -1},                  // asin(1/2)
        {10, 20, 5, 48.590377890729144, 180}, // asin(3/4)
        {5, 40, -15, 30, 0},                  // asin(1/2), A on the right
        {6, 20, 4, 30, 180},                  // asin(1/2)
    };
    for (const auto& c : cases) {
        const ParamSet p = steadyCrank(c.l1, c.l2, c.b);
        const CrankRun run(p);
        ASSERT_FALSE(run.outcome.kinematicFailed);
        const RunSummary s = summarizeRun(*run.store, p, p.N, {});
        EXPECT_NEAR(static_cast<double>(s.pressureAngle.value), c.degrees, 1e-9)
            << c.l1 << " " << c.l2 << " " << c.b;
        if (c.crankAngle >= 0) {
            EXPECT_NEAR(std::fmod(static_cast<double>(s.pressureAngle.angle), 360), c.crankAngle,
                        1e-9);
        }
    }
}

// A load that acts only while the slider moves away from the crank, F every step of the way,
// does work F·(stroke) = F·2·l1 in a turn (no offset); with no masses the crank's mean moment
// gives it back over 2π. A sweep of the load's scale multiplies that work by the scale.
TEST(HandWorked, ASweepScalesTheLoadWhileTheSliderMovesAway)
{
    ParamSet base = steadyCrank(10, 40, 0);
    const long double force = 500, stroke = 20;
    base.load.kind = LoadKind::ByStroke;
    base.load.direction = LoadDirection::TowardCrank;
    base.load.points = {{0, 0, force}, {1, 0, force}};
    const SweepPlan plan{kLoadScaleKey, 1, 3, 3};
    const size_t md = figureIndex("md");
    const auto store = std::make_unique<ResultStore>();
    const auto scratch = std::make_unique<ResultStore>();
    for (const long double scale : {1.0L, 2.0L, 3.0L}) {
        const SweepPoint point = evaluateVariant(base, plan, scale, *store, *scratch);
        ASSERT_TRUE(point.ok) << point.reason;
        ASSERT_TRUE(point.figures.at(md));
        // The trapezoid rule at 1° errs by about (π/180)²/12 of the work; the bound is 1e-4.
        EXPECT_NEAR(
            static_cast<double>(std::fabs(*point.figures[md]) * 2 * kPi / (scale * force * stroke)),
            1.0, 1e-4)
            << "scale " << static_cast<double>(scale);
    }
}

// l1 = 10, l2 = 15.5, b = 20: the rod reaches the guide while |20 − 10·cos φ| ≤ 15.5, that is
// for cos φ ≥ 0.45, φ up to 63.26°. At 1° steps from 0 the steps at 0°..63° assemble (64 of
// them) and the 65th, at 64°, does not: a variant's curves stop at 63°.
TEST(HandWorked, AVariantsCurveEndsAtTheLastStepThatAssembles)
{
    const ParamSet p = [] {
        ParamSet q = steadyCrank(10, 40, 0);
        q.l2 = 15.5;
        q.b = 20;
        EXPECT_TRUE(autofillPoints(q));
        return q;
    }();
    const auto scratch = std::make_unique<ResultStore>();
    const std::vector<int> rows = {static_cast<int>(Q::yb), static_cast<int>(Q::ybt)};
    const std::vector<Curve> curves = variantCurves(p, rows, *scratch);
    ASSERT_EQ(curves.size(), rows.size());
    for (const Curve& curve : curves) {
        ASSERT_EQ(curve.size(), 64u);
        EXPECT_NEAR(static_cast<double>(curve.back().first), 63, 1e-9);
        for (const auto& [angle, value] : curve)
            EXPECT_TRUE(std::isfinite(static_cast<double>(value))) << static_cast<double>(angle);
    }
}
