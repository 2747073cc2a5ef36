// SPDX-License-Identifier: GPL-3.0-or-later
// A run that stops part-way: the store records the steps computed before the first fault of any
// stage and where and why it stopped; a whole run records all its steps and no stop.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "CalcFixtures.h"
#include "calc/Calculation.h"
#include "calc/Variant.h"
#include "params/Autofill.h"

using namespace calctest;

namespace {

// The first step at which the rod cannot reach the guide: |b − l1·cos φ| > l2, with
// φ = fi0 + (i − 1)·step (the geometry of the triangle O, A, B; 0 when it always reaches).
int firstUnreachableStep(const ParamSet& p)
{
    for (int i = 1; i <= p.N; ++i) {
        const long double phi = p.fi0 * kPi / 180 + (i - 1) * p.step;
        if (std::fabs(p.b - p.l1 * std::cos(phi)) > p.l2) return i;
    }
    return 0;
}

ParamSet withSteps(ParamSet p, long double stepDegrees, int cycles)
{
    p.step = stepDegrees * kRadPerDeg;
    p.cycles = cycles;
    p.N = 24 * cycles + 1;
    return p;
}

} // namespace

TEST(StoppedRun, StoreRecordsTheStepsBeforeTheFirstFault)
{
    // The rod lies on the guide where cos φ = −1 for b = l2 − l1 (a division by sin ψ = 0); it
    // cannot reach the guide once |b − l1·cos φ| > l2.
    ParamSet shortRod = defaults();
    shortRod.l2 = 12;
    shortRod = withSteps(shortRod, 15, 1);
    ASSERT_TRUE(autofillPoints(shortRod));
    ParamSet atZero = defaults();
    atZero.fi0 = 0;
    const struct {
        const char* name;
        ParamSet p;
        int faultStep;     // 0: a whole run
        long double angle; // of the fault, degrees
        Stage stage;
    } cases[] = {
        {"issue's run: 0.1°, 100 cycles", withSteps(defaults(), 0.1L, 100), 1800, 180,
         Stage::Kinematic},
        {"rod on the guide at 180°", atZero, 13, 180, Stage::Kinematic},
        {"rod cannot reach past 72.5°", shortRod, firstUnreachableStep(shortRod),
         0.1L + 15 * (firstUnreachableStep(shortRod) - 1), Stage::Kinematic},
        {"defaults run whole", defaults(), 0, 0, Stage::Kinematic},
        {"no steps", withSteps(defaults(), 15, 0), 0, 0, Stage::Kinematic},
    };
    auto R = std::make_unique<ResultStore>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runCalculation(c.p, *R);
        ASSERT_NE(R->computedWith(), nullptr);
        EXPECT_EQ(R->computedWith()->N, c.p.N); // the set as asked, untouched
        const std::optional<RunStop> stop = runStop(*R);
        if (c.faultStep == 0) {
            EXPECT_EQ(R->computedSteps(), std::max(c.p.N, 0));
            EXPECT_FALSE(R->stoppedAt().has_value());
            EXPECT_FALSE(stop.has_value());
            EXPECT_EQ(runStopText(*R, '.'), "");
            EXPECT_EQ(computedRun(*R)->N, c.p.N);
            continue;
        }
        EXPECT_EQ(R->computedSteps(), c.faultStep - 1);
        ASSERT_TRUE(stop.has_value());
        EXPECT_EQ(stop->stage, c.stage);
        EXPECT_EQ(stop->step, c.faultStep);
        EXPECT_NEAR(static_cast<double>(stop->angle), static_cast<double>(c.angle), 1e-9);
        EXPECT_EQ(stop->computedSteps, c.faultStep - 1);
        EXPECT_EQ(stop->requestedSteps, c.p.N);
        EXPECT_EQ(computedRun(*R)->N, c.faultStep - 1);
    }
}

TEST(StoppedRun, EarliestFaultOfAnyStageIsTheStop)
{
    // Faults recorded in stage order, as runCalculation records them: the earliest step wins,
    // and of equal steps the stage recorded first.
    const struct {
        const char* name;
        std::vector<StageFault> faults;
        int computed;
        Stage stage;
    } cases[] = {
        {"one fault", {{Stage::Kinematic, kKinematicFault, 13}}, 12, Stage::Kinematic},
        {"a later stage faults earlier",
         {{Stage::Kinematic, kKinematicFault, 20}, {Stage::Force, kForceFault, 7}},
         6,
         Stage::Force},
        {"a later stage faults later",
         {{Stage::Kinematic, kKinematicFault, 13}, {Stage::Energy, kEnergyFault, 14}},
         12,
         Stage::Kinematic},
        {"equal steps keep the first stage",
         {{Stage::Energy, kEnergyFault, 9}, {Stage::Equilibrium, kEquilibriumFault, 9}},
         8,
         Stage::Energy},
        {"a fault at step 1 leaves nothing", {{Stage::Energy, kEnergyFault, 1}}, 0, Stage::Energy},
    };
    auto R = std::make_unique<ResultStore>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        R->recordRun(defaults());
        EXPECT_EQ(R->computedSteps(), 25);
        for (const StageFault& f : c.faults)
            R->recordStop(f);
        EXPECT_EQ(R->computedSteps(), c.computed);
        ASSERT_TRUE(R->stoppedAt().has_value());
        EXPECT_EQ(R->stoppedAt()->stage, c.stage);
    }
    // A new run forgets the stop.
    R->recordRun(defaults());
    EXPECT_EQ(R->computedSteps(), 25);
    EXPECT_FALSE(R->stoppedAt().has_value());
}

TEST(StoppedRun, SwapCarriesTheStop)
{
    auto stopped = std::make_unique<ResultStore>();
    auto whole = std::make_unique<ResultStore>();
    ParamSet p = defaults();
    p.fi0 = 0;
    runCalculation(p, *stopped);
    runCalculation(defaults(), *whole);
    stopped->swapContents(*whole);
    EXPECT_EQ(stopped->computedSteps(), 25);
    EXPECT_FALSE(stopped->stoppedAt().has_value());
    EXPECT_EQ(whole->computedSteps(), 12);
    ASSERT_TRUE(whole->stoppedAt().has_value());
    EXPECT_EQ(whole->stoppedAt()->step, 13);
}

TEST(StoppedRun, NoteSaysWhereAndWhy)
{
    auto R = std::make_unique<ResultStore>();
    ParamSet p = defaults();
    p.fi0 = 0;
    runCalculation(p, *R);
    const struct {
        char decimal;
        const char* expected;
    } cases[] = {
        {'.', "Расчёт остановлен при φ = 180.00° (шаг 13 из 25), результаты только для шагов "
              "1–12: Критическая ошибка на этапе кинематического анализа."},
        {',', "Расчёт остановлен при φ = 180,00° (шаг 13 из 25), результаты только для шагов "
              "1–12: Критическая ошибка на этапе кинематического анализа."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runStopText(*R, c.decimal), c.expected);
        EXPECT_EQ(runStopShortText(*R, c.decimal),
                  std::string("Расчёт остановлен при φ = 180") + c.decimal + "00°");
    }
    R->recordRun(p);
    R->recordStop({Stage::Energy, kEnergyFault, 1});
    EXPECT_EQ(runStopText(*R, '.'), "Расчёт остановлен при φ = 0.00° (шаг 1 из 25), результатов "
                                    "нет: Критическая ошибка на этапе энергетического анализа.");
}

TEST(StoppedRun, VariantCurvesEndBeforeTheFirstFault)
{
    // The energy stage runs on past the kinematic fault: its rows too end at step 12.
    ParamSet p = defaults();
    p.fi0 = 0;
    auto scratch = std::make_unique<ResultStore>();
    const std::vector<Curve> curves = variantCurves(
        p, {rowOf(Quantity::xb), rowOf(Quantity::mo), rowOf(Quantity::fok)}, *scratch);
    for (const Curve& c : curves) {
        ASSERT_EQ(c.size(), 12u);
        EXPECT_NEAR(static_cast<double>(c.back().first), 165.0, 1e-12);
    }
}
