// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation under the true motion: the stages run with the true ω and ε, so the crank's
// moment from the complete forces equals the drive's moment less the flywheel's inertia moment
// by virtual work; the flywheel defaults to the summary's; no steady running stops the run
// with the reason; and the flywheel method's δ is measured against the δ achieved.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "TrueMotionFixtures.h"
#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "calc/TrueMotionStage.h"
#include "formats/ProjectFile.h"

using Q = Quantity;

namespace {

struct KinetostaticsCase {
    const char* name;
    DriveSpec drive;
    long double flywheel;
};

TEST(TrueMotionRun, CrankMomentIsTheDriveLessTheFlywheelsInertia)
{
    const KinetostaticsCase cases[] = {
        {"motor", motiontest::motor(60, 95, 105), 0.3L},
        {"constant moment", DriveSpec{}, 0.1L},
        {"table", motiontest::steadyMoment(0), 0.2L},
    };
    const auto R = std::make_unique<ResultStore>();
    for (KinetostaticsCase c : cases) {
        ParamSet p = motiontest::loadedSet();
        p.motion = MotionLaw::True;
        p.flywheel = c.flywheel;
        if (c.drive.kind == DriveKind::Table) {
            // A falling table through the motor's line, so the speed finds its level.
            c.drive.table = {{0, 600}, {90, 120}, {110, -60}};
        }
        p.drive = c.drive.kind;
        p.motorMoment = c.drive.nominalMoment;
        p.motorSpeed = c.drive.nominalSpeed;
        p.motorSynchronous = c.drive.synchronousSpeed;
        p.driveTable = c.drive.table;
        const CalcOutcome outcome = runCalculation(p, *R);
        ASSERT_TRUE(stageFaults(outcome).empty()) << c.name;
        const TrueMotionRun* run = R->trueMotion();
        ASSERT_TRUE(run && run->steady) << c.name;
        EXPECT_EQ(run->flywheel, c.flywheel);
        long double peak = 0, swing = 0;
        for (int i = 1; i <= p.N; ++i) {
            peak = std::max(peak, std::fabs((*R)(Q::mb, i)));
            swing = std::max(swing, std::fabs((*R)(Q::fitt, i)));
        }
        ASSERT_GT(swing, 1) << c.name << ": the true motion must accelerate";
        for (int i = 1; i <= p.N; ++i) {
            const long double w = (*R)(Q::fit, i), eps = (*R)(Q::fitt, i);
            const long double drive = driveMoment(driveSpec(p), run->steady->driveMoment, w);
            const long double expected = drive - c.flywheel * eps;
            EXPECT_NEAR(static_cast<double>((*R)(Q::mb, i)), static_cast<double>(expected),
                        1e-9 * static_cast<double>(peak))
                << c.name << " step " << i;
            EXPECT_NEAR(static_cast<double>((*R)(Q::mo, i)), static_cast<double>(expected),
                        1e-9 * static_cast<double>(peak))
                << c.name << " step " << i;
        }
        // The run's time closes the period at the steady running's period time.
        EXPECT_NEAR(static_cast<double>((*R)(Q::t_true, p.N)),
                    static_cast<double>(run->steady->periodTime), 1e-12)
            << c.name;
    }
}

TEST(TrueMotionRun, ARunOfManyPeriodsRepeatsTheSteadyRunning)
{
    const auto R = std::make_unique<ResultStore>();
    for (const long double stepDegrees : {15.0L, 1.0L, 5.0L}) {
        ParamSet p = motiontest::loadedSet();
        motiontest::driveByMotor(p);
        p.step = rad(stepDegrees);
        p.N = static_cast<int32_t>(std::lround(7 * 360 / stepDegrees)) + 1; // seven turns
        ASSERT_TRUE(stageFaults(runCalculation(p, *R)).empty()) << stepDegrees;
        const SteadyRunning& s = *R->trueMotion()->steady;
        const int perTurn = static_cast<int>(std::lround(360 / stepDegrees));
        for (int turn = 1; turn <= 7; ++turn) {
            const int i = 1 + turn * perTurn;
            EXPECT_NEAR(static_cast<double>((*R)(Q::fit, i) / (*R)(Q::fit, 1)), 1.0, 1e-9)
                << stepDegrees << "° turn " << turn;
            EXPECT_NEAR(static_cast<double>((*R)(Q::t_true, i) / (turn * s.periodTime)), 1.0,
                        1e-10)
                << stepDegrees << "° turn " << turn;
        }
    }
}

TEST(TrueMotionRun, FlywheelDefaultsToTheSummarys)
{
    ParamSet p = motiontest::loadedSet();
    p.delta = 0.02L;
    const auto R = std::make_unique<ResultStore>();
    ASSERT_TRUE(stageFaults(runCalculation(p, *R)).empty());
    const RunSummary summary = summarizeRun(*R, p, p.N, summaryOptions(p, p.delta));
    ASSERT_TRUE(summary.flywheel) << summary.flywheelError;
    ASSERT_GT(summary.flywheel->flywheelInertia, 0);
    p.motion = MotionLaw::True;
    EXPECT_EQ(trueMotionFlywheel(p), summary.flywheel->flywheelInertia);
    p.flywheel = 0.25L;
    EXPECT_EQ(trueMotionFlywheel(p), 0.25L);
}

TEST(TrueMotionRun, WithoutSteadyRunningTheRunStopsWithTheReason)
{
    const struct {
        const char* name;
        long double moment;
        long double mode;
        const char* reason;
    } cases[] = {
        {"weak motor", 0.5L, 0, "слаб"},
        {"mode 720", 60, 1, "режиме 360"},
    };
    const auto R = std::make_unique<ResultStore>();
    for (const auto& c : cases) {
        ParamSet p = motiontest::loadedSet();
        p.motion = MotionLaw::True;
        p.mode = c.mode;
        p.flywheel = 0.3L;
        p.drive = DriveKind::Motor;
        p.motorMoment = c.moment;
        p.motorSpeed = 95;
        p.motorSynchronous = 105;
        const CalcOutcome outcome = runCalculation(p, *R);
        EXPECT_TRUE(outcome.kinematicFailed) << c.name;
        EXPECT_STREQ(outcome.kinematicMessage, kTrueMotionFault) << c.name;
        EXPECT_EQ(R->computedSteps(), 0) << c.name;
        ASSERT_TRUE(R->trueMotion()) << c.name;
        EXPECT_FALSE(R->trueMotion()->steady) << c.name;
        EXPECT_NE(R->trueMotion()->error.find(c.reason), std::string::npos)
            << c.name << ": " << R->trueMotion()->error;
    }
}

TEST(TrueMotionRun, AchievedDeltaOfTheExamplesIsNearTheAskedOne)
{
    // The flywheel method holds the speed only approximately: it takes the speed as constant in
    // the inertia forces and the rod and slider's inertia as no part of the flywheel's. With
    // J_fw its flywheel, the δ the machine then achieves is measured: on these machines, whose
    // speed swings by a few per cent, within a tenth of the asked one (measured: the engine
    // 1.0002, the press 1.014, the compressor 0.995 of it).
    for (const char* name : {"1-engine", "2-press", "3-compressor"}) {
        ParamSet p =
            readProject(std::string(KINOVAR_SOURCE_DIR) + "/data/examples/" + name + ".kinovar")
                .params;
        p.motion = MotionLaw::True;
        p.flywheel = -1;
        p.drive = DriveKind::Constant;
        const auto R = std::make_unique<ResultStore>();
        const CalcOutcome outcome = runCalculation(p, *R);
        ASSERT_TRUE(R->trueMotion()) << name;
        ASSERT_TRUE(R->trueMotion()->steady) << name << ": " << R->trueMotion()->error;
        EXPECT_TRUE(stageFaults(outcome).empty()) << name;
        const SteadyRunning& s = *R->trueMotion()->steady;
        const long double ratio = s.delta / p.delta;
        std::printf("%s: J_fw %.6Lg kg·m², δ asked %.6Lg, achieved %.6Lg (ratio %.4Lg), "
                    "ω %.6Lg..%.6Lg, mean %.6Lg rad/s\n",
                    name, R->trueMotion()->flywheel, p.delta, s.delta, ratio, s.omegaMin,
                    s.omegaMax, s.omegaMean);
        EXPECT_NEAR(static_cast<double>(ratio), 1.0, 0.1) << name;
        EXPECT_NEAR(static_cast<double>(s.omegaMean), p.fit0, 1e-8 * p.fit0) << name;
    }
}

} // namespace
