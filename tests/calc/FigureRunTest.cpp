// SPDX-License-Identifier: GPL-3.0-or-later
// The summary's figures at coarse steps: the flywheel and the peaks come from one period at 1° or
// finer, checked against a 0.1° run and the energy balance of the links; the run on screen is
// read when it already covers that period; a period run that faults gives way to the run's own
// steps; the sweep and the variants carry the same figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "calc/Calculation.h"
#include "calc/FigureRun.h"
#include "calc/KeyFigures.h"
#include "calc/Summary.h"
#include "calc/Sweep.h"
#include "calc/Variant.h"
#include "params/Autofill.h"
#include "support/RunParams.h"

namespace {

// A crank that turns fully at constant ω (fitt0 = fidtt = 0), every mass and inertia set.
ParamSet constantOmega(long double stepDegrees, int32_t cycles, double l2 = 25, double b = 15)
{
    ParamSet p;
    setDefaults(p);
    p.l2 = l2;
    p.b = b;
    p.fitt0 = 0;
    p.fidtt = 0;
    return withRun(p, stepDegrees, cycles);
}

struct CalcRun {
    std::unique_ptr<ResultStore> store = std::make_unique<ResultStore>();
    ParamSet p;
    CalcOutcome outcome;
    explicit CalcRun(const ParamSet& params) : p(params), outcome(runCalculation(p, *store)) {}
    bool clean() const { return stageFaults(outcome).empty(); }
    RunSummary summary() const { return summarizeRun(*store, p, p.N, summaryOptions(p, 0.05L)); }
};

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// The swing over the first period of the links' total energy, kinetic plus potential (g along
// the guide), taken from the positions and speeds, not from the powers the energy stage sums.
long double linksEnergySwing(const CalcRun& r, int lastStep)
{
    long double lo = INFINITY, hi = -INFINITY;
    const ResultStore& s = *r.store;
    for (int i = 1; i <= lastStep; ++i) {
        const long double energy =
            s(Quantity::ek1, i) + s(Quantity::ek2, i) + s(Quantity::ek3, i) +
            9.8L * (r.p.m1 * s(Quantity::yc1, i) + r.p.m2 * s(Quantity::yc2, i) +
                    r.p.m3 * s(Quantity::yc3, i));
        lo = std::min(lo, energy);
        hi = std::max(hi, energy);
    }
    return hi - lo;
}

} // namespace

TEST(FigureRun, StepIsTheFinerOfOneDegreeAndTheRunsOwn)
{
    const struct {
        long double runDegrees;
        long double period;
        long double mode;
        long double stepDegrees; // expected, by hand
        int K;
        bool adjusted;
    } cases[] = {
        {15, 360, 0, 1, 360, false},
        {60, 720, 0, 1, 720, false},
        {15, 360, 1, 1, 720, false}, // mode 720: the double turn
        {7, 360, 0, 1, 360, false},  // 7° makes no period, but 1° is the finer anyway
        {0.5, 360, 0, 0.5, 720, false},
        {0.7, 360, 0, 360.0L / 515, 515, true},       // 360/0.7 = 514.3: 515 steps
        {0.001, 360, 0, 360.0L / 89999, 89999, true}, // as many as the store holds
        {0.001, 360, 1, 360.0L / 44999, 89998, true},
        {0, 360, 0, 0, 0, false},
        {-5, 360, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        ParamSet p;
        p.step = rad(c.runDegrees);
        p.mode = c.mode;
        const FigureStep f = figureStep(p, c.period);
        EXPECT_EQ(f.K, c.K) << static_cast<double>(c.runDegrees);
        EXPECT_NEAR(static_cast<double>(deg(f.step)), static_cast<double>(c.stepDegrees), 1e-15)
            << static_cast<double>(c.runDegrees);
        EXPECT_EQ(f.adjusted, c.adjusted) << static_cast<double>(c.runDegrees);
    }
}

// The coarse flywheel was 3 % short at 15° and 44 % at 60°. Now the swing agrees with a 0.1° run
// to 0.05 %, and with the swing of the links' energy (an independent balance: at constant ω the
// crank's work is the change of that energy) as closely.
TEST(FigureRun, FlywheelAtCoarseStepsAgreesWithAFineRun)
{
    const struct {
        double l2, b;
    } mechanisms[] = {{25, 10}, {40, 5}}; // l2 − l1 > |b|: the rod never stands across the guide
    for (const auto& m : mechanisms) {
        const CalcRun reference(constantOmega(0.1L, 150, m.l2, m.b)); // 3601 steps: one turn
        ASSERT_TRUE(reference.clean());
        const RunSummary fine = reference.summary();
        ASSERT_TRUE(fine.flywheel) << fine.flywheelError;
        EXPECT_TRUE(fine.basis.reused);
        const long double balance = linksEnergySwing(reference, 3601);
        EXPECT_NEAR(static_cast<double>(fine.flywheel->energySwing / balance), 1, 1e-5);
        for (const long double step : {15.0L, 60.0L}) {
            const CalcRun coarse(constantOmega(step, 1, m.l2, m.b));
            ASSERT_TRUE(coarse.clean());
            const RunSummary s = coarse.summary();
            ASSERT_TRUE(s.flywheel) << s.flywheelError;
            EXPECT_NEAR(static_cast<double>(s.flywheel->energySwing / fine.flywheel->energySwing),
                        1, 5e-4)
                << static_cast<double>(step);
            EXPECT_NEAR(static_cast<double>(s.flywheel->energySwing / balance), 1, 5e-4);
            EXPECT_NEAR(
                static_cast<double>(s.flywheel->requiredInertia / fine.flywheel->requiredInertia),
                1, 5e-4);
            // The run's own steps alone miss by ten times the bound and more: the check above
            // can fail.
            const auto own = sizeFlywheel(*coarse.store, coarse.p, coarse.p.N, {}, nullptr);
            ASSERT_TRUE(own);
            EXPECT_LT(own->energySwing / balance, 1 - 5e-3L) << static_cast<double>(step);
        }
    }
}

// The period run of a 15° run is the 1° run: its peaks are those of a 1° run over the turn, to
// the bit, and every one at least that of the coarse run's own steps.
TEST(FigureRun, PeaksOfACoarseRunAreThoseOfTheFineRun)
{
    const CalcRun coarse(constantOmega(15, 1, 25, 10));
    const CalcRun fine(constantOmega(1, 15, 25, 10));
    ASSERT_TRUE(coarse.clean() && fine.clean());
    const RunSummary s = coarse.summary();
    const RunSummary f = fine.summary();
    EXPECT_FALSE(s.basis.reused);
    EXPECT_TRUE(f.basis.reused);
    const struct {
        const char* name;
        SummaryPoint RunSummary::*point;
        Quantity row; // the row whose |value| peaks, for the coarse scan
    } peaks[] = {
        {"fak", &RunSummary::jointA, Quantity::fak},
        {"fbk", &RunSummary::jointB, Quantity::fbk},
        {"fok", &RunSummary::jointO, Quantity::fok},
        {"nb", &RunSummary::sideThrust, Quantity::nb},
        {"ybt", &RunSummary::sliderSpeed, Quantity::ybt},
        {"ybtt", &RunSummary::sliderAcceleration, Quantity::ybtt},
        {"mo", &RunSummary::crankMoment, Quantity::mo},
    };
    for (const auto& k : peaks) {
        EXPECT_TRUE(sameBits((s.*k.point).value, (f.*k.point).value)) << k.name;
        EXPECT_NEAR(static_cast<double>((s.*k.point).angle),
                    static_cast<double>((f.*k.point).angle), 1e-9)
            << k.name;
        EXPECT_EQ((s.*k.point).step, 0) << k.name; // no step of the 15° run
        EXPECT_GT((f.*k.point).step, 0) << k.name;
        const SummaryPoint own = peakMagnitude(*coarse.store, coarse.p, k.row, coarse.p.N);
        EXPECT_GE((s.*k.point).value, own.value * (1 - 1e-12L)) << k.name; // its angles and more
    }
    EXPECT_TRUE(sameBits(s.pressureAngle.value, f.pressureAngle.value));
    // The extremes still describe the 15° run, step by step.
    EXPECT_EQ(s.extremes.front().max.step,
              rowExtremes(*coarse.store, coarse.p, s.extremes.front().quantity->id, 25).max.step);
}

// A run at 1° that covers the turn is read as it is; one that does not gets a run made at the
// same step, which gives the same figures to the bit.
TEST(FigureRun, RunCoveringThePeriodIsReadAsItIs)
{
    const CalcRun whole(constantOmega(1, 15));
    const CalcRun part(constantOmega(1, 5)); // 121 steps: a third of the turn
    const RunSummary a = whole.summary(), b = part.summary();
    EXPECT_TRUE(a.basis.reused);
    EXPECT_FALSE(b.basis.reused);
    EXPECT_EQ(a.basis.steps, 361);
    EXPECT_EQ(b.basis.steps, 361);
    ASSERT_TRUE(a.flywheel && b.flywheel);
    EXPECT_TRUE(sameBits(a.flywheel->energySwing, b.flywheel->energySwing));
    EXPECT_TRUE(sameBits(a.flywheel->meanMoment, b.flywheel->meanMoment));
    EXPECT_TRUE(sameBits(a.jointA.value, b.jointA.value));
    EXPECT_TRUE(sameBits(a.sliderAcceleration.value, b.sliderAcceleration.value));
    EXPECT_EQ(b.steps, 121); // the extremes stay those of the run on screen
}

// α grows by fidtt a step; the period run, at smaller steps, grows it as fast per degree: the
// crank's α at the end of the turn is the coarse run's at the end of its turn.
TEST(FigureRun, PeriodRunKeepsTheGrowthOfAlphaPerDegree)
{
    ParamSet p = constantOmega(15, 1);
    p.fitt0 = 0.2;
    p.fidtt = 0.01;
    const CalcRun coarse(p);
    const FigureRun run(*coarse.store, coarse.p, coarse.p.N, 360);
    ASSERT_EQ(run.basis().source, FigureSource::Period);
    ASSERT_EQ(run.steps(), 361);
    EXPECT_NEAR(static_cast<double>(run.store()(Quantity::fitt, 361)),
                static_cast<double>((*coarse.store)(Quantity::fitt, 25)), 1e-12);
}

// The default mechanism stands its rod along the x axis at 180° (b = l2 − l1), where the stage
// faults. From fi0 = 5 the 15° run passes it by, the 1° run lands on it: the figures then come
// from the run's own steps, and the summary says so.
TEST(FigureRun, FaultingPeriodRunFallsBackToTheRunsSteps)
{
    ParamSet p = constantOmega(15, 1);
    p.fi0 = 5;
    ASSERT_TRUE(autofillPoints(p));
    const CalcRun coarse(p);
    ASSERT_TRUE(coarse.clean());
    ParamSet fineP = p;
    fineP.step = rad(1.0L);
    fineP.N = 361;
    ASSERT_FALSE(CalcRun(fineP).clean()); // what the fallback is for
    const RunSummary s = coarse.summary();
    EXPECT_EQ(s.basis.source, FigureSource::RunSteps);
    EXPECT_TRUE(s.basis.periodRunFaulted);
    EXPECT_NEAR(static_cast<double>(s.basis.faultAngle), 180, 1e-9);
    const SummaryPoint own = peakMagnitude(*coarse.store, p, Quantity::fak, p.N);
    EXPECT_TRUE(sameBits(s.jointA.value, own.value));
    EXPECT_EQ(s.jointA.step, own.step);
    ASSERT_TRUE(s.flywheel);
    EXPECT_EQ(s.flywheel->lastStep, 25);
    EXPECT_EQ(s.basis.faultStepDegrees, 1);
}

// A sweep row and a kept variant carry the figures of the period run: at 15° they are those of
// the same variant run at 1°.
TEST(FigureRun, SweepRowsAndVariantsCarryTheFineFigures)
{
    const ParamSet base = constantOmega(15, 1);
    const SweepPlan plan{"l2", 25, 30, 2, true};
    const std::atomic<bool> cancel{false};
    const auto points = runSweep(base, plan, 2, cancel);
    ASSERT_TRUE(points);
    const std::vector<long double> values = sweepValues(plan);
    for (size_t k = 0; k < values.size(); ++k) {
        ASSERT_TRUE((*points)[k].ok) << (*points)[k].reason;
        ParamSet fineP = *sweepVariant(base, plan, values[k], nullptr);
        fineP.step = rad(1.0L);
        fineP.N = 361;
        const CalcRun fine(fineP);
        const RunSummary f = fine.summary();
        const ParamSet coarseP = *sweepVariant(base, plan, values[k], nullptr);
        const CalcRun coarse(coarseP);
        const auto variant = keyFigureValues(coarse.summary());
        for (size_t i = 0; i < keyFigures().size(); ++i) {
            const auto expected = keyFigures()[i].read(f);
            const auto row = (*points)[k].figures[i];
            ASSERT_EQ(row.has_value(), expected.has_value()) << keyFigures()[i].key;
            ASSERT_EQ(variant[i].has_value(), expected.has_value()) << keyFigures()[i].key;
            if (!expected) continue;
            EXPECT_TRUE(sameBits(*row, *expected)) << keyFigures()[i].key;
            EXPECT_TRUE(sameBits(*variant[i], *expected)) << keyFigures()[i].key;
        }
    }
}
