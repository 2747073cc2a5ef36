// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CalcFixtures.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;
using namespace calctest;
using stage::kGravity;

namespace {

LoadTable randomLoad(std::mt19937_64& rng, LoadKind kind, LoadDirection direction)
{
    const auto in = [&rng](long double lo, long double hi) {
        return std::uniform_real_distribution<long double>(lo, hi)(rng);
    };
    LoadTable t{kind, direction, {}};
    const long double end = kind == LoadKind::ByAngle ? 360 : 1;
    for (long double x = in(0, end / 8); x < end; x += in(end / 20, end / 4))
        t.points.push_back({x, in(-5e4L, 5e4L), in(-5e4L, 5e4L)});
    return t;
}

} // namespace

// By virtual work the crank's moment from the forces equals the reduced moment from the powers:
// two routes through the kinematics, the inertia loads, the load and the joint forces.
TEST(CalcEquilibrium, MomentFromTheForcesIsTheReducedMoment)
{
    std::mt19937_64 rng(20261207);
    const struct {
        LoadKind kind;
        LoadDirection direction;
        bool varyingSpeed;
    } cases[] = {
        {LoadKind::None, LoadDirection::TowardCrank, false},
        {LoadKind::None, LoadDirection::TowardCrank, true},
        {LoadKind::ByAngle, LoadDirection::TowardCrank, false},
        {LoadKind::ByAngle, LoadDirection::AlongY, true},
        {LoadKind::ByStroke, LoadDirection::TowardCrank, false},
        {LoadKind::ByStroke, LoadDirection::TowardCrank, true},
    };
    long double worst = 0;
    for (int round = 0; round < 4; ++round) {
        for (const auto& c : cases) {
            ParamSet p = randomMechanism(rng, true);
            p.fitt0 = c.varyingSpeed ? static_cast<double>(p.fit0 / 3) : 0;
            p.fidtt = c.varyingSpeed ? -0.01 : 0;
            p.load = randomLoad(rng, c.kind, c.direction);
            ASSERT_FALSE(checkLoadTable(p.load, p.period));
            auto R = std::make_unique<ResultStore>();
            const CalcOutcome out = runCalculation(p, *R);
            ASSERT_FALSE(out.kinematicFailed || out.energyFailed || out.forceFailed ||
                         out.equilibriumFailed);
            long double peak = 0, diff = 0;
            for (int i = 1; i <= p.N; ++i) {
                peak = std::max(peak, fabsl((*R)(Q::mo, i)));
                diff = std::max(diff, fabsl((*R)(Q::mb, i) - (*R)(Q::mo, i)));
            }
            ASSERT_GT(peak, 0);
            worst = std::max(worst, diff / peak);
            EXPECT_LT(diff / peak, 1e-13L)
                << "round " << round << ", load kind " << static_cast<int>(c.kind) << ", varying "
                << c.varyingSpeed;
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.3Le", worst);
    RecordProperty("worst_relative_difference", text);
}

// A textbook engine: r = 0.3 m, l = 1.2 m, inline, 250 rpm, 250 kg reciprocating on the
// slider, 68 722.8 N of gas toward the crank, 60° past the outer dead centre (fi = 150° here).
// By hand: the piston's distance from O is y = r cos θ + sqrt(l² - r² sin² θ), so its
// acceleration at constant ω is -rω²(cos θ + (λ cos 2θ + λ³ sin⁴ θ) / (1 - λ² sin² θ)^(3/2)),
// λ = r/l, of which rω²(cos θ + λ cos 2θ) is the familiar series. The force along the guide
// the rod must take is F = gas + weight + m·ÿ; the rod leans at sin β = λ sin θ, so the guide
// takes F tan β sideways and the crank needs F r sin(θ + β) / cos β, against its turning.
TEST(CalcEquilibrium, TextbookEngine)
{
    const long double r = 0.3L, l = 1.2L, m = 250, gas = 68722.8L;
    const long double omega = 250 * 2 * kPi / 60, theta = kPi / 3, lambda = r / l;
    ParamSet p = defaults();
    p.l1 = 0.3, p.l2 = 1.2, p.b = 0, p.fi0 = 150;
    p.m1 = p.m2 = 0, p.i1 = p.i2 = 0, p.m3 = m;
    p.fit0 = static_cast<double>(omega), p.fitt0 = 0, p.fidtt = 0;
    p.N = 1;
    ASSERT_TRUE(autofillPoints(p));
    p.load = {LoadKind::ByAngle, LoadDirection::TowardCrank, {{0, gas}}};
    auto R = std::make_unique<ResultStore>();
    ASSERT_FALSE(runCalculation(p, *R).equilibriumFailed);

    const long double s = sinl(theta), s2 = s * s;
    const long double yAcc =
        -r * omega * omega *
        (cosl(theta) + (lambda * cosl(2 * theta) + lambda * lambda * lambda * s2 * s2) /
                           powl(1 - lambda * lambda * s2, 1.5L));
    const long double series = -r * omega * omega * (cosl(theta) + lambda * cosl(2 * theta));
    EXPECT_NEAR(static_cast<double>(yAcc / series), 1, 5e-4); // the series, to its next term
    const long double F = gas + m * static_cast<long double>(kGravity) + m * yAcc;
    const long double beta = asinl(lambda * s);
    const struct {
        Q row;
        long double expected;
    } cases[] = {
        {Q::fby, F},
        {Q::nb, -F * tanl(beta)}, // the guide pushes back on the rod's sideways push
        {Q::fbk, F / cosl(beta)}, // the rod carries the whole force along itself
        {Q::mb, -F * r * sinl(theta + beta) / cosl(beta)},
        {Q::mo, -F * r * sinl(theta + beta) / cosl(beta)},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(static_cast<double>((*R)(c.row, 1) / c.expected), 1, 1e-12)
            << rowName(rowOf(c.row));
}

// Where yb = ya the rod stands across the guide: only this stage stops there, and the rows of
// the stages before it stay as they were.
TEST(CalcEquilibrium, ARodAcrossTheGuideFaultsThisStageOnly)
{
    ParamSet p = secondSet();
    p.N = 3;
    auto R = std::make_unique<ResultStore>();
    fillSentinel(*R, 3);
    for (int i = 1; i <= 3; ++i)
        for (int k = 0; k <= 80; ++k)
            (*R)(k, i) = 1.5L + k + i;
    (*R)(Q::yb, 2) = (*R)(Q::ya, 2);
    ASSERT_TRUE(forceStage(p, *R));
    std::vector<long double> before;
    for (int k = 0; k < ResultStore::kRows; ++k)
        for (int i = 1; i <= 3; ++i)
            before.push_back((*R)(k, i));
    int faultStep = -1;
    EXPECT_FALSE(equilibriumStage(p, *R, &faultStep));
    EXPECT_EQ(faultStep, 2);
    size_t n = 0;
    for (int k = 0; k < ResultStore::kRows; ++k) {
        for (int i = 1; i <= 3; ++i, ++n) {
            const bool written = k >= rowOf(Q::fbxk) && k <= rowOf(Q::fok) && i == 1;
            if (written)
                EXPECT_NE((*R)(k, i), before[n]) << rowName(k) << " at " << i;
            else
                EXPECT_EQ((*R)(k, i), before[n]) << rowName(k) << " at " << i;
        }
    }
    // Points never placed (B on A, as the defaults leave them) are no rod: no fault, no rows.
    auto fresh = std::make_unique<ResultStore>();
    EXPECT_FALSE(runCalculation(defaults(), *fresh).equilibriumFailed);
    for (int k = rowOf(Q::fbxk); k <= rowOf(Q::fok); ++k)
        EXPECT_EQ((*fresh)(k, 1), 0) << rowName(k);
}
