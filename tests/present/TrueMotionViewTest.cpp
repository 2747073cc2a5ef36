// SPDX-License-Identifier: GPL-3.0-or-later
// What the true-motion window shows, without widgets: a machine of constant inertia without
// resistances against its closed form (a motor's exponential run-up from any start speed), the
// figures of a loaded machine against the core's, the band of the asked δ, the reason when the
// motor is too weak, which true motion is shown under each law, and the cursor's point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/TrueMotionFixtures.h"
#include "calc/TrueMotionStage.h"
#include "present/SummaryText.h"
#include "present/TrueMotionView.h"

namespace {

// The value shown beside `label`, or "" when there is no such figure.
std::string figureValue(const TrueMotionView& v, const std::string& label)
{
    for (const TrueMotionFigure& f : v.figures)
        if (f.label == label) return f.value;
    return "";
}

// The figure beside `label` as a number, written with '.'; NaN when there is none.
double figureNumber(const TrueMotionView& v, const std::string& label)
{
    const std::string text = figureValue(v, label);
    return text.empty() ? NAN : std::stod(text);
}

// Only the crank's own inertia and the flywheel's: J = J_fw + i1 at every angle, and nothing
// resists (no weight, no load), so M_c = 0.
ParamSet inertiaOnly(long double flywheel, long double i1)
{
    ParamSet p = motiontest::machineSet();
    p.m1 = p.m2 = p.m3 = 0;
    p.i1 = i1;
    p.i2 = 0;
    p.flywheel = flywheel;
    p.motion = MotionLaw::True;
    return p;
}

TEST(TrueMotionView, ConstantInertiaWithoutResistancesFollowsTheClosedForm)
{
    const struct {
        const char* name;
        DriveSpec drive;
        long double startSpeed;
        long double steadySpeed; // the constant drive keeps Fit0; a motor runs at ω0, where M = 0
    } cases[] = {
        {"constant moment", DriveSpec{}, 0, 100},
        {"motor from rest", motiontest::motor(50, 95, 100), 0, 100},
        {"motor from 60 rad/s", motiontest::motor(50, 95, 100), 60, 100},
        {"motor from above ω0", motiontest::motor(50, 95, 100), 130, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParamSet p = inertiaOnly(0.75L, 0.25L);
        p.drive = c.drive.kind;
        p.motorMoment = c.drive.nominalMoment;
        p.motorSpeed = c.drive.nominalSpeed;
        p.motorSynchronous = c.drive.synchronousSpeed;
        p.startSpeed = c.startSpeed;
        const long double J = 0.75L + 0.25L;
        const TrueMotionView v = trueMotionView(p, nullptr, 0.05L, '.');
        ASSERT_TRUE(v.steady) << v.reason;
        const double w = static_cast<double>(c.steadySpeed);
        EXPECT_NEAR(figureNumber(v, "ω_min, рад/с"), w, 1e-4);
        EXPECT_NEAR(figureNumber(v, "ω_max, рад/с"), w, 1e-4);
        EXPECT_NEAR(figureNumber(v, "δ достигнутое"), 0, 1e-9);
        EXPECT_NEAR(figureNumber(v, "Время периода, с"), 2 * M_PI / w, 1e-7);
        ASSERT_FALSE(v.inertia.empty());
        for (const MotionSample& s : v.inertia)
            EXPECT_NEAR(static_cast<double>(s.omega), static_cast<double>(J), 1e-12);
        if (c.drive.kind == DriveKind::Constant) {
            EXPECT_TRUE(v.startUp.empty());
            EXPECT_NE(figureValue(v, "Разгона нет"), "");
            continue;
        }
        // J·dω/dt = Mn·(ω0 − ω)/(ω0 − ωn): ω(t) = ω0 − (ω0 − ω_s)·exp(−t/τ), τ = J·(ω0 − ωn)/Mn.
        const long double tau = J * (100 - 95) / 50;
        ASSERT_GT(v.startUp.size(), 10u) << figureValue(v, "Разгона нет");
        EXPECT_EQ(v.startUp.front().omega, c.startSpeed);
        for (const MotionSample& s : v.startUp) {
            const long double expected = 100 - (100 - c.startSpeed) * std::exp(-s.x / tau);
            EXPECT_NEAR(static_cast<double>(s.omega), static_cast<double>(expected), 1e-6)
                << "t = " << static_cast<double>(s.x);
        }
    }
}

TEST(TrueMotionView, FiguresAndBandAreTheCoresForALoadedMachine)
{
    const long double deltas[] = {0.01L, 0.05L, 0.2L};
    ParamSet p = motiontest::loadedSet();
    motiontest::driveByMotor(p);
    TrueMotionSetup setup;
    setup.drive = driveSpec(p);
    std::string why;
    const auto core = steadyRunning(ReducedMachine(p, 0.3L), setup, &why);
    ASSERT_TRUE(core) << why;
    for (long double delta : deltas) {
        SCOPED_TRACE(static_cast<double>(delta));
        const TrueMotionView v = trueMotionView(p, nullptr, delta, '.');
        ASSERT_TRUE(v.steady);
        EXPECT_FALSE(v.prescribed);
        const struct {
            const char* label;
            long double value;
        } figures[] = {
            {"ω_min, рад/с", core->omegaMin},
            {"ω_max, рад/с", core->omegaMax},
            {"ω_ср, рад/с", core->omegaMean},
            {"δ достигнутое", core->delta},
            {"δ заданное", delta},
            {"J маховика, кг·м²", 0.3L},
            {"Время периода, с", core->periodTime},
        };
        for (const auto& f : figures)
            EXPECT_EQ(figureValue(v, f.label), summaryFigure(f.value, '.')) << f.label;
        EXPECT_NE(figureValue(v, "Время разгона, с"), "");
        EXPECT_NE(figureValue(v, "Оборотов за разгон"), "");
        // The band of the asked δ about the mean: its width is δ·ω_mean, its middle ω_mean.
        EXPECT_NEAR(static_cast<double>(v.bandHigh - v.bandLow),
                    static_cast<double>(delta * core->omegaMean), 1e-9);
        EXPECT_NEAR(static_cast<double>((v.bandHigh + v.bandLow) / 2),
                    static_cast<double>(core->omegaMean), 1e-9);
        // The curves lie along the crank's own angle, the period from fi0 = 30°.
        EXPECT_EQ(v.speed.front().x, 30);
        EXPECT_NEAR(static_cast<double>(v.speed.back().x), 390, 1e-9);
        EXPECT_EQ(v.speed.front().omega, core->startSpeed);
    }
}

TEST(TrueMotionView, SaysWhyWhenThereIsNoSteadyRunning)
{
    const struct {
        const char* name;
        long double motorMoment;
        long double mode;
        const char* reason;
    } cases[] = {
        {"motor too weak", 0.5L, 0, "привод слишком слаб"},
        {"mode 720", 60, 1, "только в режиме 360"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParamSet p = motiontest::loadedSet();
        p.motion = MotionLaw::True;
        p.flywheel = 0.3L;
        p.drive = DriveKind::Motor;
        p.motorMoment = c.motorMoment;
        p.motorSpeed = 95;
        p.motorSynchronous = 105;
        p.mode = c.mode;
        const TrueMotionView v = trueMotionView(p, nullptr, 0.05L, ',');
        EXPECT_FALSE(v.steady);
        EXPECT_NE(v.reason.find(c.reason), std::string::npos) << v.reason;
        EXPECT_EQ(figureValue(v, "Установившегося движения нет"), v.reason);
        EXPECT_EQ(figureValue(v, "ω_ср, рад/с"), "");
        EXPECT_TRUE(v.speed.empty());
        EXPECT_FALSE(trueMotionAt(v, 45));
    }
}

TEST(TrueMotionView, ShowsTheRunsOwnMotionOnlyUnderTheTrueLaw)
{
    // A motion the core would never find, so that its use is seen.
    TrueMotionRun found;
    found.flywheel = 123;
    found.steady.emplace();
    found.steady->omegaMean = 7;
    found.steady->speed = {{0, 7}, {360, 7}};
    const struct {
        MotionLaw law;
        const TrueMotionRun* found;
        bool usesFound;
    } cases[] = {
        {MotionLaw::True, &found, true},
        {MotionLaw::True, nullptr, false},
        {MotionLaw::Prescribed, &found, false},
    };
    for (const auto& c : cases) {
        ParamSet p = inertiaOnly(0.5L, 0.5L);
        p.motion = c.law;
        const TrueMotionView v = trueMotionView(p, c.found, 0.05L, ',');
        EXPECT_EQ(v.prescribed, c.law == MotionLaw::Prescribed);
        EXPECT_EQ(v.flywheel, c.usesFound ? 123 : 0.5L);
        EXPECT_NEAR(static_cast<double>(v.omegaMean), c.usesFound ? 7 : 100, 1e-6);
    }
}

TEST(TrueMotionView, TheCursorIsTakenIntoThePeriodAndReadBetweenPoints)
{
    TrueMotionView v;
    v.steady = true;
    v.fi0 = 30;
    v.period = 360;
    v.speed = {{30, 10}, {120, 20}, {390, 10}};
    v.inertia = {{30, 1}, {210, 3}, {390, 1}};
    const struct {
        long double degrees;
        long double angle, omega, inertia;
    } cases[] = {
        {30, 30, 10, 1},
        {75, 75, 15, 1.5L},           // half-way between the first two points of ω
        {75 + 3 * 360, 75, 15, 1.5L}, // three turns later
        {75 - 360, 75, 15, 1.5L},     // a turn before the period
        {390, 30, 10, 1},             // the period's end is the next one's start
        {300, 300, 10 + 10 * 90.0L / 270, 1 + 2 * 90.0L / 180},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.degrees));
        const auto at = trueMotionAt(v, c.degrees);
        ASSERT_TRUE(at);
        EXPECT_NEAR(static_cast<double>(at->angle), static_cast<double>(c.angle), 1e-12);
        EXPECT_NEAR(static_cast<double>(at->omega), static_cast<double>(c.omega), 1e-12);
        EXPECT_NEAR(static_cast<double>(at->inertia), static_cast<double>(c.inertia), 1e-12);
    }
    EXPECT_FALSE(trueMotionAt(v, NAN));
}

} // namespace
