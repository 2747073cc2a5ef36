// SPDX-License-Identifier: GPL-3.0-or-later
// The run summary: extremes against a scan of hand-made rows, the flywheel against the energy
// balance of the links, its step independence, and the paths that refuse a flywheel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "params/Autofill.h"
#include "support/RunParams.h"

namespace {

// A crank that turns fully and never stands its rod across the guide: l2 - l1 > |b|.
ParamSet turningCrank(long double stepDegrees, int32_t cycles)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 10;
    p.l2 = 40;
    p.b = 5;
    p.fi0 = 0.5;
    p.fit0 = 1;
    p.fitt0 = 0;
    p.fidtt = 0;
    return withRun(p, stepDegrees, cycles);
}

struct SummarizedRun {
    std::unique_ptr<ResultStore> store = std::make_unique<ResultStore>();
    ParamSet p;
    explicit SummarizedRun(const ParamSet& params) : p(params)
    {
        const CalcOutcome o = runCalculation(p, *store);
        EXPECT_FALSE(o.kinematicFailed || o.energyFailed || o.forceFailed);
    }
};

} // namespace

TEST(Summary, ExtremesAreTheFirstStepsOfTheLeastAndGreatestValues)
{
    ResultStore store;
    ParamSet p;
    p.fi0 = 10;
    p.step = rad(5.0L);
    struct Case {
        std::vector<long double> values;
        int minStep, maxStep;
    } cases[] = {
        {{3, 1, 5, 1, 5}, 2, 3}, // ties: the first wins
        {{2, 2, 2}, 1, 1},       // all equal
        {{-1, -4, 7, -4, 7.5}, 2, 5},
        // A periodic run repeats its values to the last bits of extended precision: within
        // 4 ulps of a double the first period's step still wins...
        {{1, 0.5L - 0x1p-60L, 2, 0.5L - 0x1p-56L, 2 + 0x1p-52L}, 2, 3},
        // ...and beyond them the later value is the extreme.
        {{1, 0.5L, 2, 0.5L - 0x1p-48L, 2 + 0x1p-48L}, 4, 5},
        {{-3, -3 - 0x1p-51L, -3 - 0x1p-47L}, 3, 1},
    };
    for (const Case& c : cases) {
        for (size_t i = 0; i < c.values.size(); ++i)
            store(Quantity::xa, static_cast<int>(i) + 1) = c.values[i];
        const int n = static_cast<int>(c.values.size());
        const QuantityExtremes x = rowExtremes(store, p, Quantity::xa, n);
        EXPECT_EQ(x.min.step, c.minStep);
        EXPECT_EQ(x.max.step, c.maxStep);
        EXPECT_EQ(x.min.value, c.values[static_cast<size_t>(c.minStep) - 1]);
        EXPECT_EQ(x.max.value, c.values[static_cast<size_t>(c.maxStep) - 1]);
        EXPECT_NEAR(static_cast<double>(x.max.angle), 10 + 5 * (c.maxStep - 1), 1e-12);
    }
}

// With a constant ω the crank's work over a period goes into the links' kinetic and potential
// energy and back: the constant moment is zero and the swing of ΔT is the swing of the links'
// total energy, here taken from the positions and speeds, not from the powers the stage sums.
TEST(Summary, FlywheelSwingIsTheSwingOfTheLinksEnergy)
{
    const SummarizedRun run(turningCrank(1, 15));
    std::string error;
    const auto f = sizeFlywheel(*run.store, run.p, run.p.N, {}, &error);
    ASSERT_TRUE(f) << error;
    EXPECT_EQ(f->lastStep, 361);
    long double lo = INFINITY, hi = -INFINITY;
    const ResultStore& s = *run.store;
    for (int i = 1; i <= 361; ++i) {
        const long double energy =
            s(Quantity::ek1, i) + s(Quantity::ek2, i) + s(Quantity::ek3, i) +
            9.8L * (run.p.m1 * s(Quantity::yc1, i) + run.p.m2 * s(Quantity::yc2, i) +
                    run.p.m3 * s(Quantity::yc3, i));
        lo = std::min(lo, energy);
        hi = std::max(hi, energy);
    }
    // The trapezoid rule at 1° keeps the work to about (π/180)²/12 = 2.5e-5 of its swing.
    EXPECT_NEAR(static_cast<double>(f->energySwing / (hi - lo)), 1.0, 1e-4);
    EXPECT_LT(std::fabs(f->meanMoment * 2 * kPi), 1e-3L * (hi - lo));
    EXPECT_NEAR(static_cast<double>(f->omegaMean), 1.0, 1e-12);
    const long double oc1 = run.p.ac1 * run.p.ac1 + run.p.bc1 * run.p.bc1;
    EXPECT_NEAR(static_cast<double>(f->crankInertia),
                static_cast<double>(run.p.i1 + run.p.m1 * oc1), 1e-9);
    EXPECT_FALSE(f->omegaVaries);
}

// The swing converges as the step shrinks: the trapezoid rule and the sampling of the extremes
// both err by O(h²), h the step in radians. Measured, the error is about 0.07·h² at 5° and
// 0.11·h² at 15°; the bound 0.25·h² leaves room without hiding a first-order error (0.087 at 5°).
TEST(Summary, FlywheelAgreesAcrossStepsToTheRuleOrder)
{
    const SummarizedRun fine(turningCrank(1, 15));
    const auto reference = sizeFlywheel(*fine.store, fine.p, fine.p.N, {}, nullptr);
    ASSERT_TRUE(reference);
    const struct {
        long double step;
        int32_t cycles;
    } cases[] = {{5, 3}, {15, 1}};
    for (const auto& c : cases) {
        const SummarizedRun run(turningCrank(c.step, c.cycles));
        const auto f = sizeFlywheel(*run.store, run.p, run.p.N, {}, nullptr);
        ASSERT_TRUE(f) << static_cast<double>(c.step);
        const double h = static_cast<double>(rad(c.step));
        EXPECT_NEAR(static_cast<double>(f->requiredInertia / reference->requiredInertia), 1.0,
                    0.25 * h * h)
            << static_cast<double>(c.step);
    }
}

TEST(Summary, FlywheelSaysWhatToChange)
{
    const struct {
        long double step;
        int32_t cycles;
        const char* error;
    } cases[] = {
        {5, 2, "для маховика нужен полный период: увеличьте число циклов до 3"},
        {7, 10,
         "для маховика шаг должен укладываться в период 360° целое число раз: выберите "
         "другой шаг"},
    };
    for (const auto& c : cases) {
        const SummarizedRun run(turningCrank(c.step, c.cycles));
        std::string error;
        EXPECT_FALSE(sizeFlywheel(*run.store, run.p, run.p.N, {}, &error));
        EXPECT_EQ(error, c.error);
        // The summary reads its flywheel from a period run at 1°, which both runs allow.
        const RunSummary s = summarizeRun(*run.store, run.p, run.p.N, {});
        EXPECT_TRUE(s.flywheel) << s.flywheelError;
        EXPECT_EQ(s.extremes.size(), std::size(kQuantities)); // the rest still shows
        ASSERT_TRUE(s.stroke);
        // Dead centres of an offset crank, from the triangle O-A-B in line.
        EXPECT_NEAR(static_cast<double>(s.stroke->value),
                    std::sqrt(50.0 * 50 - 25) - std::sqrt(30.0 * 30 - 25), 1e-12);
    }
}

// A working load alone (every mass 0, ω constant) on an inline crank, against closed forms: a
// constant force along y does work Q·Δy, which returns over a turn, so M_d = 0 and the swing of
// ΔT is |Q|·stroke; a force toward the crank on one way of the stroke only does F·stroke of work
// a turn, which the constant moment must give back: M_d·2π = −(the load's work).
TEST(Summary, FlywheelOfAWorkingLoadFollowsItsWork)
{
    const long double stroke = 2 * 10.0L; // inline: the dead centres l2 ± l1 apart
    struct Case {
        LoadKind kind;
        LoadDirection direction;
        std::vector<LoadPoint> points;
        long double swing;    // ΔT_max, or < 0 when not checked
        long double loadWork; // |work of the load| over the turn
    } cases[] = {
        {LoadKind::ByAngle, LoadDirection::AlongY, {{0, 500, 0}}, 500 * stroke, 0},
        {LoadKind::ByStroke,
         LoadDirection::TowardCrank,
         {{0, 300, 0}, {1, 300, 0}},
         -1,
         300 * stroke},
    };
    for (const Case& c : cases) {
        ParamSet p = turningCrank(1, 15);
        p.b = 0;
        p.fi0 = 0;
        p.m1 = p.m2 = p.m3 = p.i1 = p.i2 = p.i3 = 0;
        ASSERT_TRUE(autofillPoints(p));
        p.load.kind = c.kind;
        p.load.direction = c.direction;
        p.load.points = c.points;
        const SummarizedRun run(p);
        const RunSummary s = summarizeRun(*run.store, run.p, run.p.N, {});
        ASSERT_TRUE(s.flywheel) << s.flywheelError;
        ASSERT_TRUE(s.loadWork);
        // Work and energy are summed by the trapezoid rule, which at 1° errs by about
        // (π/180)²/12 = 2.5e-5 of the swing; the bound is four times that.
        const double scale = static_cast<double>(stroke * 500), rule = 1e-4;
        EXPECT_NEAR(static_cast<double>(std::fabs(*s.loadWork)), static_cast<double>(c.loadWork),
                    rule * scale);
        EXPECT_NEAR(static_cast<double>(s.flywheel->meanMoment * 2 * kPi),
                    static_cast<double>(-*s.loadWork), 1e-12 * scale);
        if (c.swing >= 0) {
            EXPECT_NEAR(static_cast<double>(s.flywheel->energySwing / c.swing), 1.0, rule);
        }
    }
}
