// SPDX-License-Identifier: GPL-3.0-or-later
// The one parameter set of the mechanism: geometry, motion law, points, masses, run settings.
#pragma once
#include <cstdint>
#include <string>

#include "params/Drive.h"
#include "params/LoadTable.h"

struct ParamSet {
    double l1 = 0, l2 = 0, b = 0; // crank, rod, guide offset x = b
    double fi0 = 0;               // initial crank angle, degrees
    double fit0 = 0, fitt0 = 0, fidtt = 0;
    long double ac1 = 0, ac2 = 0, ac3 = 0, ac4 = 0, ac5 = 0; // x of C1, C2, C3, A, B
    long double bc1 = 0, bc2 = 0, bc3 = 0, bc4 = 0, bc5 = 0; // y of C1, C2, C3, A, B
    long double m1 = 0, m2 = 0, m3 = 0;
    long double i1 = 0, i2 = 0, i3 = 0;
    long double phi0 = 0, psi0 = 0; // written by the autofill only
    long double aux = 0;
    long double mode = 0; // 0: "360", 1: "720"
    long double step = 0; // radians
    int32_t N = 0;
    int32_t cycles = 0;
    std::string curkey;
    // The period of a load table by crank angle, in degrees: 360 or 720 (an engine's four-stroke
    // cycle). Not the mode, which picks the rod's branch.
    int32_t period = 360;
    // The coefficient of speed fluctuation the flywheel is sized for; the calculation does not
    // read it, only the summary.
    long double delta = 0.05L;
    LoadTable load; // the working load on the slider; none by default
    // The counterweight on the crank: a point mass m_cw at r_cw from O, turned fi_cw degrees
    // from the crank pin A toward growing angles (180: opposite the pin). A mass of 0 is none.
    long double m_cw = 0, r_cw = 0, fi_cw = 180;
    // The true motion: the law in force, the flywheel's inertia J_fw in kg·m² (negative: the
    // summary's J_flywheel of the prescribed motion), and the drive with the motor's nominal
    // moment (N·m), nominal and synchronous speeds (rad/s) and the drive table. The defaults
    // leave them alone.
    MotionLaw motion = MotionLaw::Prescribed;
    long double flywheel = -1;
    DriveKind drive = DriveKind::Constant;
    long double motorMoment = 0, motorSpeed = 0, motorSynchronous = 0;
    std::vector<DrivePoint> driveTable;
    // The crank's speed at the start of the true motion's start-up, rad/s (0: from rest).
    long double startSpeed = 0;
};

// The drive of p as the true motion takes it.
inline DriveSpec driveSpec(const ParamSet& p)
{
    return {p.drive, p.motorMoment, p.motorSpeed, p.motorSynchronous, p.driveTable};
}

// The angle constants in extended precision, for every stage and view that turns degrees into
// radians or back.
inline constexpr long double kPi = 3.141592653589793238462643383279502884L;
inline constexpr long double kRadPerDeg = kPi / 180.0L; // pi/180 rounded to extended
inline constexpr long double kDegPerRad = 180.0L / kPi; // 180/pi rounded to extended
inline long double rad(long double x)
{
    return x * kRadPerDeg;
}
inline long double deg(long double x)
{
    return x * kDegPerRad;
}

// The defaults operation: writes mode, l1, l2, b, fi0, aux, fit0, fitt0, fidtt, m1..m3,
// i1..i3, step and N, puts the period back to 360, clears the load and takes the counterweight
// off (m_cw and r_cw 0, fi_cw 180); leaves the coordinates, phi0, psi0, cycles and curkey alone.
void setDefaults(ParamSet& p);
