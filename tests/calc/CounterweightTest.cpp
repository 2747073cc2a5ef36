// SPDX-License-Identifier: GPL-3.0-or-later
// The counterweight is part of the crank in every stage: a run with one is the run of a crank
// whose mass, centre and inertia were combined by hand, and its weight alone drives Mo and E.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "CalcFixtures.h"
#include "calc/Counterweight.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;
using namespace calctest;
using stage::kGravity;

namespace {

// A crank of l1 = 0.2 whose autofilled C1 lies mid-way along OA, a rod and slider with mass.
ParamSet crankAt(double fi0)
{
    ParamSet p = defaults();
    p.l1 = 0.2, p.l2 = 0.7, p.b = 0.05, p.fi0 = fi0;
    p.fit0 = 9, p.fitt0 = 2, p.fidtt = 0;
    p.m1 = 2, p.i1 = 0.01L, p.m2 = 3, p.i2 = 0.1L, p.m3 = 4;
    p.step = rad(10.0L), p.N = 37;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

std::unique_ptr<ResultStore> run(const ParamSet& p)
{
    auto R = std::make_unique<ResultStore>();
    EXPECT_TRUE(stageFaults(runCalculation(p, *R)).empty());
    return R;
}

} // namespace

// Each case gives the counterweight and, worked by hand, the crank it makes together with the
// crank's own 2 kg at C1 = OA/2 and i1 = 0.01 kg·m².
TEST(CalcCounterweight, IsPartOfTheCrankInEveryStage)
{
    const struct {
        const char* what;
        double fi0;
        long double mass, radius, angle; // the counterweight
        long double m1, i1;              // the crank's own, when not 2 and 0.01
        long double m, cx, cy, i;        // the combined crank, by hand
    } cases[] = {
        // At (-0.2, 0): C = (2·0.1 − 3·0.2)/5 = −0.08; I = 0.01 + 2·0.18² + 3·0.12².
        {"opposite the pin", 0, 3, 0.2L, 180, 2, 0.01L, 5, -0.08L, 0, 0.01L + 0.0648L + 0.0432L},
        // At (0, 0.1): C = (0.2, 0.1)/3; I = 0.01 + 2·(1/900 + 1/900) + (4/900 + 4/900).
        {"across the pin", 0, 1, 0.1L, 90, 2, 0.01L, 3, 0.2L / 3, 0.1L / 3, 0.01L + 12.0L / 900},
        // A crank of no mass of its own, turned 30°: the counterweight at 210° is the centre.
        {"alone, the crank turned", 30, 4, 0.15L, 180, 0, 0.02L, 4, 0.15L * cosl(rad(210.0L)),
         0.15L * sinl(rad(210.0L)), 0.02L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParamSet with = crankAt(c.fi0);
        with.m1 = c.m1, with.i1 = c.i1;
        with.m_cw = c.mass, with.r_cw = c.radius, with.fi_cw = c.angle;
        ParamSet byHand = crankAt(c.fi0);
        byHand.m1 = c.m, byHand.ac1 = c.cx, byHand.bc1 = c.cy, byHand.i1 = c.i;
        const auto R = run(with), H = run(byHand);
        for (const QuantityInfo& q : kQuantities) {
            for (int i = 1; i <= with.N; ++i) {
                const long double a = (*R)(q.id, i), b = (*H)(q.id, i);
                EXPECT_NEAR(double(a), double(b), double(1e-13L * (1 + fabsl(b))))
                    << q.name << " at step " << i;
            }
        }
    }
}

// A counterweight alone (every link without mass) at a steady speed: the kinetic energy stays
// as it is, so Mo is the weight's moment about O, m·g·x_cw, and E the work of lifting it, which
// the stage sums by the trapezoid rule in time: with dt = step/ω, the sum of
// m·g·(x_cw(k−1) + x_cw(k))/2·step; the frame holds it at O with m·(g + a_y).
TEST(CalcCounterweight, ItsWeightDrivesMoAndE)
{
    const struct {
        long double mass, radius, angle;
        double fi0, omega;
    } cases[] = {{5, 0.3L, 180, 0, 6}, {2, 0.1L, 45, 60, -3}, {1.5L, 0.25L, 270, 200, 11}};
    for (const auto& c : cases) {
        ParamSet p = crankAt(c.fi0);
        p.m1 = p.m2 = p.m3 = 0, p.i1 = p.i2 = 0;
        p.fit0 = c.omega, p.fitt0 = 0;
        p.m_cw = c.mass, p.r_cw = c.radius, p.fi_cw = c.angle;
        const auto R = run(p);
        const long double start = rad(c.fi0 + c.angle);
        long double work = 0, lastX = c.radius * cosl(start);
        for (int i = 1; i <= p.N; ++i) {
            const long double at = start + (i - 1) * p.step;
            const long double x = c.radius * cosl(at), y = c.radius * sinl(at);
            const long double ay = -c.omega * c.omega * y;
            const long double scale = c.mass * kGravity * c.radius;
            if (i > 1) work += c.mass * kGravity * (lastX + x) / 2 * p.step;
            lastX = x;
            EXPECT_NEAR(double((*R)(Q::mo, i)), double(c.mass * kGravity * x),
                        double(1e-13L * scale))
                << "step " << i;
            EXPECT_NEAR(double((*R)(Q::e, i)), double(work), double(1e-12L * scale * i))
                << "step " << i;
            EXPECT_NEAR(double((*R)(Q::foy, i)), double(c.mass * (kGravity + ay)),
                        double(1e-12L * c.mass * (kGravity + c.omega * c.omega * c.radius)))
                << "step " << i;
        }
    }
}

// Without a counterweight the crank is the set's own, bit for bit, whatever r_cw and fi_cw say.
TEST(CalcCounterweight, NoMassLeavesTheCrankAsItIs)
{
    ParamSet p = crankAt(40);
    for (const long double mass : {0.0L, -0.0L}) {
        p.m_cw = mass, p.r_cw = 0.37L, p.fi_cw = 71;
        const CrankMass crank = crankMass(p);
        EXPECT_EQ(std::memcmp(&crank.m, &p.m1, 10), 0);
        EXPECT_EQ(std::memcmp(&crank.centre.x, &p.ac1, 10), 0);
        EXPECT_EQ(std::memcmp(&crank.centre.y, &p.bc1, 10), 0);
        EXPECT_EQ(std::memcmp(&crank.i, &p.i1, 10), 0);
    }
    // A crank of no mass with none: no centre of 0/0.
    p.m1 = 0;
    EXPECT_EQ(crankMass(p).centre.x, p.ac1);
}
