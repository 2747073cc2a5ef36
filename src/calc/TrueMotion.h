// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's true motion: the crank's speed under its drive with the machine's reduced
// inertia, from the equation of motion of a machine reduced to its crank,
//     J(φ)·ω·dω/dφ + ½·J′(φ)·ω² = M_drive(ω) − M_c(φ),
// integrated in the form d(½·J·ω²)/dφ = M_drive(ω) − M_c(φ), which stays regular as ω falls.
// Steady running is the periodic solution, found by shooting on the speed at the period's start;
// the start-up is integrated in time from a given speed until the speed's swing has settled.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "calc/ReducedMachine.h"
#include "params/Drive.h"

// The drive's moment at crank speed omega, in N·m: `constant` for the constant drive; the motor
// by its line Mn·(ω0 − ω)/(ω0 − ωn), past ω0 too; the table interpolated linearly between its
// points and held at its end values beyond them. The drive must pass driveFault.
long double driveMoment(const DriveSpec& drive, long double constant, long double omega);

// What the true motion is computed for.
struct TrueMotionSetup {
    DriveSpec drive;
    // The mean speed the constant drive runs at, rad/s (the prescribed speed): with a constant
    // moment equal to the resistances' mean every speed repeats itself, so the level is given.
    long double meanSpeed = 0;
    long double startSpeed = 0; // the start-up's initial speed, rad/s (0: from rest)
    long double span = 2 * 3.141592653589793238462643383279502884L; // the period, radians
};

// A point of a chart: x (crank angle in degrees or time in s) and the crank's speed.
struct MotionSample {
    long double x = 0;
    long double omega = 0;
};

// The periodic solution over one period from φ = fi0 (in radians, the kinematic stage's fi).
struct SteadyRunning {
    long double startSpeed = 0; // ω at the period's start and end
    long double omegaMin = 0, omegaMax = 0;
    long double omegaMean = 0;  // the period's angle over its time
    long double delta = 0;      // (ω_max − ω_min) / ω_mean
    long double periodTime = 0; // s
    long double driveMoment = 0; // the constant drive's M_d (the resistances' mean); else 0
    long double meanResistance = 0; // the mean of M_c over the period, N·m
    std::vector<MotionSample> speed; // ω against φ in degrees from fi0, for the chart
    std::vector<MotionSample> inertia; // J against φ in degrees from fi0 (omega holds J)
};

// The run-up in time from the setup's start speed.
struct StartUp {
    long double time = 0;  // s, to the end of the first settled period
    long double turns = 0; // crank turns in that time
    std::vector<MotionSample> speed; // ω against t, for the chart
};

// The steady running of `machine` under setup.drive, or nullopt with *why saying in Russian why
// there is none (a motor too weak for the load, a flywheel too light to carry the machine
// through its period, a drive that outruns the load at every speed).
std::optional<SteadyRunning> steadyRunning(const ReducedMachine& machine,
                                           const TrueMotionSetup& setup, std::string* why);

// The start-up from setup.startSpeed at φ = fi0 until δ settles: the first period whose δ is
// within 1 % (or 1e-9) of the previous period's and whose mean speed moved by at most 1 % of its
// swing (0.01·(ω_max − ω_min), or 1e-9 of the mean) from the previous period's. nullopt with *why when the drive cannot
// start the machine, the machine stops or turns back, the drive is the constant moment (whose
// mean balances the load, so it never runs up), or it has not settled within 20000 periods.
std::optional<StartUp> startUp(const ReducedMachine& machine, const TrueMotionSetup& setup,
                               std::string* why);

// The speed reached after `periods` whole periods of the time integration from
// setup.startSpeed (nullopt when the machine stops on the way): start-ups from different speeds
// reach the same periodic motion.
std::optional<long double> speedAfterPeriods(const ReducedMachine& machine,
                                             const TrueMotionSetup& setup, int periods);

// The steady motion at crank angles fi0 + turn[k], turn[k] ≥ 0 in radians, any order: the speed
// ω, the angular acceleration ε = dω/dt and the time t since fi0 (growing by the period's time
// each period). The vectors are resized to turn.size(). False when the integration fails.
bool sampleSteady(const ReducedMachine& machine, const TrueMotionSetup& setup,
                  const SteadyRunning& steady, const std::vector<long double>& turn,
                  std::vector<long double>& omega, std::vector<long double>& epsilon,
                  std::vector<long double>& time);
