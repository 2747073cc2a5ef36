// SPDX-License-Identifier: GPL-3.0-or-later
// The counterweight that balances the crank, checked by what it does to the shaking force, and
// two worked problems of the kind a theory-of-machines text sets on the balancing of a
// single-cylinder engine, worked by hand below.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <random>

#include "CalcFixtures.h"
#include "calc/Balancing.h"
#include "calc/Quantities.h"
#include "calc/Summary.h"

using Q = Quantity;
using namespace calctest;

namespace {

std::unique_ptr<ResultStore> run(const ParamSet& p)
{
    auto R = std::make_unique<ResultStore>();
    EXPECT_TRUE(stageFaults(runCalculation(p, *R)).empty());
    return R;
}

// An engine-like mechanism turning fully, points autofilled (C1 mid-way along OA, C2 mid-way
// along AB), one turn at 5°.
ParamSet engine(long double m1, long double m2, long double m3, double b)
{
    ParamSet p = defaults();
    p.l1 = 0.12, p.l2 = 0.45, p.b = b, p.fi0 = 17;
    p.m1 = m1, p.m2 = m2, p.m3 = m3, p.i1 = 0.03L, p.i2 = 0.2L;
    p.fit0 = 60, p.fitt0 = 0, p.fidtt = 0;
    p.step = rad(5.0L), p.N = 73;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

} // namespace

// With c = 0 the counterweight takes the crank's whole rotating part, its own unbalance and the
// rod's share at A: the centre of the rotating masses is at O. With the rod and slider without
// mass nothing is left of the shaking force, at any speed and acceleration; with them what is
// left is the reciprocating mass's inertia force alone, −m_rec·a_B along the guide, m_rec being
// (by hand, C2 mid-way along AB) m3 + m2/2.
TEST(CalcBalancing, FractionZeroBalancesTheRotatingMassesExactly)
{
    const struct {
        const char* what;
        long double m1, m2, m3;
        double b;
        bool offLine;       // C1 moved off the crank's line
        long double radius; // r_cw given before the choice; 0: the crank's length
        bool speedsUp;
    } cases[] = {
        {"crank alone", 6, 0, 0, 0.03, false, 0, false},
        {"crank alone, centre off its line, a radius given", 6, 0, 0, 0.03, true, 0.09L, false},
        {"crank alone, speeding up", 6, 0, 0, -0.05, true, 0, true},
        {"with rod and slider", 6, 3, 5, 0, false, 0, false},
        {"with rod and slider, off-centre, speeding up", 2, 4, 1, 0.06, true, 0.2L, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParamSet p = engine(c.m1, c.m2, c.m3, c.b);
        if (c.offLine) p.ac1 += 0.02L, p.bc1 -= 0.035L;
        if (c.speedsUp) p.fitt0 = 400;
        p.r_cw = c.radius;
        const std::optional<CounterweightChoice> choice = chooseCounterweight(p, 0);
        ASSERT_TRUE(choice);
        const ParamSet balanced = withCounterweight(p, *choice);
        EXPECT_GT(balanced.m_cw, 0);
        EXPECT_NEAR(double(balanced.r_cw), double(c.radius > 0 ? c.radius : 0.12L), 1e-15);
        const auto R = run(balanced);
        const long double reciprocating = c.m3 + c.m2 / 2;
        // The inertia forces' size: every mass at twice the crank's reach.
        long double scale = 0;
        for (int i = 1; i <= p.N; ++i)
            scale =
                std::max(scale, (c.m1 + c.m2 + c.m3 + balanced.m_cw) * 0.24L *
                                    ((*R)(Q::fit, i) * (*R)(Q::fit, i) + fabsl((*R)(Q::fitt, i))));
        for (int i = 1; i <= p.N; ++i) {
            EXPECT_NEAR(double((*R)(Q::fshx, i)), 0, double(1e-12L * scale)) << "step " << i;
            EXPECT_NEAR(double((*R)(Q::fshy, i)), double(-reciprocating * (*R)(Q::ybtt, i)),
                        double(1e-12L * scale))
                << "step " << i;
        }
        // Unbalanced, the same crank shakes the frame by its rotating part at least.
        const auto U = run(p);
        long double unbalanced = 0;
        for (int i = 1; i <= p.N; ++i)
            unbalanced = std::max(unbalanced, fabsl((*U)(Q::fshx, i)));
        EXPECT_GT(unbalanced, 0.1L * scale);
    }
}

// Primary and secondary unbalanced forces of a single-cylinder engine, as a theory-of-machines
// text works them. Data: stroke 300 mm (r = 0.15 m), connecting rod 600 mm (n = l/r = 4),
// reciprocating mass 50 kg, 300 rev/min, the rotating parts left out (no crank mass).
// By hand: ω = 2π·300/60 = 31.4159 rad/s, ω² = 986.960 s⁻²;
//   greatest primary force   m·ω²·r       = 50 · 986.960 · 0.15 = 7402.2 N (at θ = 0°, 180°);
//   greatest secondary force m·ω²·r / n   = 7402.2 / 4          = 1850.6 N (θ = 0°, 90°, ...);
//   at the inner dead centre the exact inertia force is m·ω²·r·(1 + 1/n) = 9252.8 N, the two
//   series terms adding up exactly there, and it is the greatest.
// The text rounds to the newton; the run reads θ = fi − 90° on the vertical guide.
TEST(CalcBalancing, TextbookPrimaryAndSecondaryForces)
{
    ParamSet p = defaults();
    p.l1 = 0.15, p.l2 = 0.6, p.b = 0, p.fi0 = 90;
    p.m1 = 0, p.m2 = 0, p.m3 = 50, p.i1 = 0, p.i2 = 0;
    p.fit0 = static_cast<double>(2 * kPi * 300 / 60), p.fitt0 = 0, p.fidtt = 0;
    p.step = rad(1.0L), p.N = 361;
    ASSERT_TRUE(autofillPoints(p));
    const auto R = run(p);
    const RunSummary s = summarizeRun(*R, p, p.N, summaryOptions(p, 0.05L));
    ASSERT_TRUE(s.shaking.primary && s.shaking.secondary && s.shaking.reciprocating);
    const struct {
        const char* what;
        SummaryPoint point;
        long double text;
        long double angle; // crank angle fi of the first peak
    } cases[] = {
        {"primary", *s.shaking.primary, 7402.2L, 90},
        {"secondary", *s.shaking.secondary, 1850.6L, 90},
        {"exact", *s.shaking.reciprocating, 9252.8L, 90},
        {"shaking force", s.shaking.force, 9252.8L, 90},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(double(c.point.value), double(c.text), 0.1) << c.what;
        EXPECT_NEAR(double(c.point.angle), double(c.angle), 1e-9) << c.what;
    }
    // An offset guide is no centric mechanism: the series do not apply.
    p.b = 0.05;
    ASSERT_TRUE(autofillPoints(p));
    const auto offset = run(p);
    const RunSummary t = summarizeRun(*offset, p, p.N, summaryOptions(p, 0.05L));
    EXPECT_FALSE(t.shaking.primary || t.shaking.secondary || t.shaking.reciprocating);
}

// Partial balance of a single-cylinder engine, as a theory-of-machines text sets it. Data:
// reciprocating parts 40 kg, revolving parts 30 kg at the crank radius, 150 rev/min, stroke
// 350 mm (r = 0.175 m); all the revolving and 60 % of the reciprocating parts are balanced by a
// mass at 320 mm. Find the balance mass and the unbalanced force 45° past the inner dead centre.
// By hand: B·0.32 = (30 + 0.6·40)·0.175 = 9.45 kg·m, B = 29.53 kg.
//   ω = 2π·150/60 = 15.708 rad/s, ω² = 246.740 s⁻², m·ω²·r = 40·246.740·0.175 = 1727.18 N;
//   along the stroke (1 − 0.6)·1727.18·cos 45° = 488.52 N, across it 0.6·1727.18·sin 45° =
//   732.78 N; the resultant √(488.52² + 732.78²) = 880.7 N.
// The text takes the piston's motion as simple harmonic; a rod of 40 cranks makes it so here
// (the secondary force is nought at 45° anyway).
TEST(CalcBalancing, TextbookPartialBalance)
{
    ParamSet p = defaults();
    p.l1 = 0.175, p.l2 = 7, p.b = 0, p.fi0 = 90;
    p.m2 = 0, p.m3 = 40, p.i1 = 0, p.i2 = 0;
    p.fit0 = static_cast<double>(2 * kPi * 150 / 60), p.fitt0 = 0, p.fidtt = 0;
    p.step = rad(1.0L), p.N = 361;
    ASSERT_TRUE(autofillPoints(p));
    p.m1 = 30, p.ac1 = p.ac4, p.bc1 = p.bc4; // the revolving parts at the crank pin
    p.r_cw = 0.32L;
    const std::optional<CounterweightChoice> choice = chooseCounterweight(p, 0.6L);
    ASSERT_TRUE(choice);
    EXPECT_NEAR(double(choice->massRadius), 9.45, 1e-12);
    EXPECT_EQ(choice->angleDegrees, 180);
    const ParamSet balanced = withCounterweight(p, *choice);
    EXPECT_NEAR(double(balanced.m_cw), 29.53, 0.005);
    const auto R = run(balanced);
    const int at45 = 46; // fi = 135°
    EXPECT_NEAR(double((*R)(Q::fsh, at45)), 880.7, 0.1);
    EXPECT_NEAR(double(fabsl((*R)(Q::fshy, at45))), 488.52, 0.05);
    EXPECT_NEAR(double(fabsl((*R)(Q::fshx, at45))), 732.78, 0.05);
    // What the summary says of it: the fraction it balances, and the peak without it, that of
    // the crank alone at the inner dead centre, where the rotating 30 kg and the reciprocating
    // 40 kg pull the same way: (30 + 40·(1 + 1/40))·ω²·r = 71·246.740·0.175 = 3065.7 N.
    const RunSummary s = summarizeRun(*R, balanced, balanced.N, summaryOptions(balanced, 0.05L));
    ASSERT_TRUE(s.shaking.counterweight);
    EXPECT_NEAR(double(s.shaking.counterweight->fraction), 0.6, 1e-12);
    EXPECT_NEAR(double(s.shaking.counterweight->massRadius), 9.45, 1e-12);
    EXPECT_NEAR(double(s.shaking.counterweight->forceWithout.value), 3065.7, 0.1);
    const auto unbalanced = run(p);
    const RunSummary u = summarizeRun(*unbalanced, p, p.N, summaryOptions(p, 0.05L));
    EXPECT_NEAR(double(s.shaking.counterweight->forceWithout.value), double(u.shaking.force.value),
                double(1e-12L * u.shaking.force.value));
    EXPECT_FALSE(u.shaking.counterweight);
}

// Where a counterweight cannot be chosen, and what the choice makes of r_cw.
TEST(CalcBalancing, ChoiceLimits)
{
    ParamSet unplaced = defaults(); // every point on O: no crank pin
    EXPECT_FALSE(chooseCounterweight(unplaced, 0.5L));
    ParamSet massless = engine(0, 0, 0, 0);
    const std::optional<CounterweightChoice> none = chooseCounterweight(massless, 1);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->massRadius, 0);
    massless.m_cw = 3; // a counterweight there before is taken off
    EXPECT_EQ(withCounterweight(massless, *none).m_cw, 0);
}

TEST(CalcBalancing, ParseFraction)
{
    const struct {
        const char* text;
        std::optional<long double> value;
    } cases[] = {
        {"0,5", 0.5L},       {"0.25", 0.25L},       {" 1 ", 1.0L},
        {"0", 0.0L},         {"1.5", std::nullopt}, {"-0.1", std::nullopt},
        {"x", std::nullopt}, {"", std::nullopt},    {"0,5.1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseFraction(c.text), c.value) << "'" << c.text << "'";
}
