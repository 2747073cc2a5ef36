// SPDX-License-Identifier: GPL-3.0-or-later
// The true motion against what no code of ours can fake: the closed form of a machine of
// constant inertia, the balance of kinetic energy and work, the uniqueness of steady running,
// and the reasons given where there is no steady running.
#include <gtest/gtest.h>

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <cmath>
#include <string>
#include <vector>

#include "TrueMotionFixtures.h"
#include "calc/StageMath.h"
#include "calc/TrueMotion.h"

using motiontest::machineSet;

namespace {

constexpr long double kTurn = 2 * kPi;

// A machine whose only moving mass is the crank's (with a flywheel): J is constant and the
// crank's weight gives M_c = m1·g·x_C1(φ), a sinusoid.
ParamSet crankOnly()
{
    ParamSet p = machineSet();
    p.m2 = p.m3 = p.i2 = 0;
    p.m1 = 3;
    p.i1 = 0.05L;
    p.ac1 += 0.02L; // C1 off the crank's line too
    return p;
}

// y of C1 at crank angle phi, as the mechanism turns its step-1 point about O.
long double crankCentreY(const ParamSet& p, long double phi)
{
    const long double turn = phi - rad(static_cast<long double>(p.fi0));
    return p.ac1 * std::sin(turn) + p.bc1 * std::cos(turn);
}

std::vector<long double> turns(int n, long double span)
{
    std::vector<long double> out;
    for (int k = 0; k <= n; ++k)
        out.push_back(span * k / n);
    return out;
}

template <typename F> long double integral(F f, long double a, long double b)
{
    return boost::math::quadrature::gauss_kronrod<long double, 31>::integrate(f, a, b, 20,
                                                                              1e-15L);
}

struct ClosedFormCase {
    const char* name;
    DriveSpec drive;
    long double flywheel;
    long double startSpeed;
};

TEST(TrueMotion, ConstantInertiaFollowsTheClosedForm)
{
    const ClosedFormCase cases[] = {
        {"no drive moment", motiontest::steadyMoment(0), 1, 20},
        {"driving", motiontest::steadyMoment(3), 0.4L, 15},
        {"braking", motiontest::steadyMoment(-1.5L), 2, 30},
        {"light flywheel, slow", motiontest::steadyMoment(0.5L), 0.05L, 12},
    };
    const ParamSet p = crankOnly();
    const long double phi0 = rad(static_cast<long double>(p.fi0));
    for (const ClosedFormCase& c : cases) {
        const ReducedMachine machine(p, c.flywheel);
        const long double j = c.flywheel + p.i1 + p.m1 * (p.ac1 * p.ac1 + p.bc1 * p.bc1);
        const long double md = c.drive.table.front().moment;
        const auto squared = [&](long double s) {
            return c.startSpeed * c.startSpeed +
                   2 * (md * s - p.m1 * stage::kGravity *
                                     (crankCentreY(p, phi0 + s) - crankCentreY(p, phi0))) /
                       j;
        };
        TrueMotionSetup setup;
        setup.drive = c.drive;
        SteadyRunning from;
        from.startSpeed = c.startSpeed;
        std::vector<long double> omega, epsilon, time;
        // Within the period: sampleSteady takes the motion as periodic, and this one is not.
        std::vector<long double> at = turns(90, kTurn);
        at.pop_back();
        ASSERT_TRUE(sampleSteady(machine, setup, from, at, omega, epsilon, time)) << c.name;
        for (size_t k = 0; k < at.size(); ++k) {
            const long double expected = squared(at[k]);
            EXPECT_NEAR(static_cast<double>(omega[k] * omega[k] / expected), 1.0, 1e-9)
                << c.name << " at turn " << at[k];
            // ε = ω·dω/dφ = ½·d(ω²)/dφ, and t = ∫ dφ/ω.
            const long double slope =
                (md - p.m1 * stage::kGravity * (p.ac1 * std::cos(at[k]) - p.bc1 * std::sin(at[k]))) /
                j;
            EXPECT_NEAR(static_cast<double>(epsilon[k]), static_cast<double>(slope),
                        1e-9 * std::fabs(static_cast<double>(md) + 1))
                << c.name;
            const long double t =
                integral([&](long double s) { return 1 / std::sqrt(squared(s)); }, 0, at[k]);
            EXPECT_NEAR(static_cast<double>(time[k]), static_cast<double>(t),
                        1e-9 * static_cast<double>(t) + 1e-15)
                << c.name;
        }
    }
}

TEST(TrueMotion, SteadyRunningOfConstantInertiaMatchesTheClosedForm)
{
    const ParamSet p = crankOnly();
    const long double phi0 = rad(static_cast<long double>(p.fi0));
    const long double radius = std::hypot(p.ac1, p.bc1);
    const long double lift = p.m1 * stage::kGravity;
    for (const long double flywheel : {0.2L, 1.0L, 5.0L}) {
        const ReducedMachine machine(p, flywheel);
        const long double j = flywheel + p.i1 + p.m1 * radius * radius;
        TrueMotionSetup setup; // the constant drive: M_d is the resistances' mean, here 0
        setup.meanSpeed = 25;
        std::string why;
        const std::optional<SteadyRunning> s = steadyRunning(machine, setup, &why);
        ASSERT_TRUE(s) << why;
        EXPECT_NEAR(static_cast<double>(s->driveMoment), 0, 1e-12);
        EXPECT_NEAR(static_cast<double>(s->omegaMean), 25, 25e-10);
        // ω² = ω_s² − 2·m1·g·(y − y0)/J: the extremes where C1 is lowest and highest.
        const long double w2 = s->startSpeed * s->startSpeed;
        const long double y0 = crankCentreY(p, phi0);
        const long double most = std::sqrt(w2 - 2 * lift * (-radius - y0) / j);
        const long double least = std::sqrt(w2 - 2 * lift * (radius - y0) / j);
        EXPECT_NEAR(static_cast<double>(s->omegaMax / most), 1.0, 1e-10) << flywheel;
        EXPECT_NEAR(static_cast<double>(s->omegaMin / least), 1.0, 1e-10) << flywheel;
        EXPECT_NEAR(static_cast<double>(s->delta / ((most - least) / 25)), 1.0, 1e-8) << flywheel;
        // The period's time from the closed form's speed.
        const long double period = integral(
            [&](long double u) {
                return 1 / std::sqrt(w2 - 2 * lift * (crankCentreY(p, phi0 + u) - y0) / j);
            },
            0, kTurn);
        EXPECT_NEAR(static_cast<double>(s->periodTime / period), 1.0, 1e-10) << flywheel;
    }
}

struct EnergyCase {
    const char* name;
    ParamSet p;
    long double flywheel;
    long double speed;
};

TEST(TrueMotion, KineticEnergyChangesByTheWorkDone)
{
    const EnergyCase cases[] = {
        {"loaded, light flywheel", motiontest::loadedSet(), 0.3L, 60},
        {"loaded, heavy flywheel", motiontest::loadedSet(), 4, 100},
        {"weights only", machineSet(0.12, 0.3, -0.08, 200), 0.05L, 20},
        {"loaded by angle", motiontest::angleLoadedSet(), 0.5L, 80},
    };
    for (const EnergyCase& c : cases) {
        const ReducedMachine machine(c.p, c.flywheel);
        TrueMotionSetup setup;
        setup.meanSpeed = c.speed;
        std::string why;
        const std::optional<SteadyRunning> s = steadyRunning(machine, setup, &why);
        ASSERT_TRUE(s) << c.name << ": " << why;
        const long double phi0 = rad(static_cast<long double>(c.p.fi0));
        const auto resistance = [&](long double u) { return machine.at(phi0 + u).resistance; };
        // M_d is the resistances' mean, found here by quadrature instead of by the integrator.
        long double peak = 0;
        for (int k = 0; k < 360; ++k)
            peak = std::max(peak, std::fabs(resistance(rad(1.0L * k))));
        EXPECT_NEAR(static_cast<double>(s->driveMoment),
                    static_cast<double>(integral(resistance, 0, kTurn) / kTurn),
                    1e-10 * static_cast<double>(peak))
            << c.name;
        const std::vector<long double> at = turns(72, kTurn);
        std::vector<long double> omega, epsilon, time;
        ASSERT_TRUE(sampleSteady(machine, setup, *s, at, omega, epsilon, time));
        std::vector<long double> work(at.size()), energy(at.size());
        long double resisted = 0; // ∫ M_c dφ from 0, interval by interval
        for (size_t k = 0; k < at.size(); ++k) {
            if (k > 0) resisted += integral(resistance, at[k - 1], at[k]);
            work[k] = s->driveMoment * at[k] - resisted;
            energy[k] = 0.5L * machine.inertia(phi0 + at[k]) * omega[k] * omega[k];
        }
        // To 1e-9 of the kinetic energy, and the work itself is no rounding error of it.
        for (size_t a = 0; a < at.size(); a += 5)
            for (size_t b = a + 1; b < at.size(); b += 3) {
                const long double scale = std::max(energy[a], energy[b]);
                EXPECT_NEAR(static_cast<double>(energy[b] - energy[a]),
                            static_cast<double>(work[b] - work[a]), 1e-9 * static_cast<double>(scale))
                    << c.name << " between " << a << " and " << b;
            }
        long double swing = 0;
        for (const long double w : work)
            swing = std::max(swing, std::fabs(w));
        EXPECT_GT(swing, 1e-4L * energy[0]) << c.name;
    }
}

struct StartCase {
    const char* name;
    long double startFraction; // of the steady start speed
};

TEST(TrueMotion, StartUpsFromDifferentSpeedsReachTheSameSteadyRunning)
{
    const ReducedMachine machine(motiontest::loadedSet(), 0.2L);
    TrueMotionSetup setup;
    setup.drive = motiontest::motor(60, 95, 105);
    std::string why;
    const std::optional<SteadyRunning> s = steadyRunning(machine, setup, &why);
    ASSERT_TRUE(s) << why;
    ASSERT_GT(s->meanResistance, 10);
    ASSERT_GT(s->delta, 1e-3); // a swing worth the name, so that the speeds are not trivially equal
    const StartCase cases[] = {{"from rest", 0}, {"from half", 0.5L}, {"from above", 1.3L},
                               {"from far above", 3}};
    for (const StartCase& c : cases) {
        TrueMotionSetup from = setup;
        from.startSpeed = c.startFraction * s->startSpeed;
        const std::optional<long double> w = speedAfterPeriods(machine, from, 80);
        ASSERT_TRUE(w) << c.name;
        EXPECT_NEAR(static_cast<double>(*w / s->startSpeed), 1.0, 1e-7) << c.name;
    }
}

TEST(TrueMotion, StartUpEndsWhenTheSwingHasSettled)
{
    const ReducedMachine machine(motiontest::loadedSet(), 0.2L);
    TrueMotionSetup setup;
    setup.drive = motiontest::motor(60, 95, 105);
    std::string why;
    const std::optional<SteadyRunning> s = steadyRunning(machine, setup, &why);
    ASSERT_TRUE(s) << why;
    const std::optional<StartUp> up = startUp(machine, setup, &why);
    ASSERT_TRUE(up) << why;
    EXPECT_GT(up->time, 0);
    EXPECT_GE(up->turns, 2);
    EXPECT_NEAR(static_cast<double>(up->turns), std::round(static_cast<double>(up->turns)), 1e-9);
    // Settled: the last speed lies within a per cent of the steady swing from the steady one.
    const long double last = up->speed.back().omega;
    EXPECT_NEAR(static_cast<double>(last), static_cast<double>(s->startSpeed),
                0.02 * static_cast<double>(s->omegaMax - s->omegaMin));
    EXPECT_EQ(up->speed.front().omega, 0);
}

struct RefusalCase {
    const char* name;
    ParamSet p;
    long double flywheel;
    DriveSpec drive;
    long double meanSpeed;
    const char* reasonPart;
};

TEST(TrueMotion, WithoutSteadyRunningItGivesTheReason)
{
    const RefusalCase cases[] = {
        {"weak motor", motiontest::loadedSet(), 0.5L, motiontest::motor(0.5L, 95, 105), 0,
         "слаб"},
        {"table below the load", motiontest::loadedSet(), 0.5L, motiontest::steadyMoment(-1), 0,
         "слаб"},
        {"table above the load", motiontest::loadedSet(), 0.5L, motiontest::steadyMoment(500), 0,
         "без предела"},
        {"machine stalls", crankOnly(), 0, motiontest::motor(0.01L, 0.5L, 1), 0,
         "останавливается"},
        {"constant drive at rest", motiontest::loadedSet(), 0.5L, DriveSpec{}, 0, "Fit0"},
        {"bad motor", motiontest::loadedSet(), 0.5L, motiontest::motor(10, 105, 95), 0,
         "ωн < ω0"},
    };
    for (const RefusalCase& c : cases) {
        const ReducedMachine machine(c.p, c.flywheel);
        TrueMotionSetup setup;
        setup.drive = c.drive;
        setup.meanSpeed = c.meanSpeed;
        std::string why;
        const std::optional<SteadyRunning> s = steadyRunning(machine, setup, &why);
        EXPECT_FALSE(s) << c.name << ": δ " << (s ? static_cast<double>(s->delta) : 0) << " "
                        << (s ? static_cast<double>(s->meanResistance) : 0);
        EXPECT_NE(why.find(c.reasonPart), std::string::npos) << c.name << ": " << why;
    }
}

struct DriveMomentCase {
    const char* name;
    DriveSpec drive;
    long double omega;
    long double moment;
};

TEST(TrueMotion, DriveMomentFollowsItsCharacteristic)
{
    DriveSpec table;
    table.kind = DriveKind::Table;
    table.table = {{0, 40}, {50, 30}, {100, -10}};
    const DriveMomentCase cases[] = {
        {"motor at its nominal speed", motiontest::motor(20, 95, 100), 95, 20},
        {"motor at synchronous speed", motiontest::motor(20, 95, 100), 100, 0},
        {"motor at rest", motiontest::motor(20, 95, 100), 0, 400},
        {"motor above synchronous", motiontest::motor(20, 95, 100), 101, -4},
        {"table at a point", table, 50, 30},
        {"table between points", table, 75, 10},
        {"table below its first point", table, -5, 40},
        {"table beyond its last point", table, 300, -10},
        {"constant", DriveSpec{}, 77, 12.5L},
    };
    for (const DriveMomentCase& c : cases)
        EXPECT_NEAR(static_cast<double>(driveMoment(c.drive, 12.5L, c.omega)),
                    static_cast<double>(c.moment), 1e-12)
            << c.name;
}

} // namespace
