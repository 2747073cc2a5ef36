// SPDX-License-Identifier: GPL-3.0-or-later
// Mechanisms and drives the true-motion tests share.
#pragma once
#include <gtest/gtest.h>

#include "calc/TrueMotion.h"
#include "params/Autofill.h"
#include "params/ParamSet.h"

namespace motiontest {

// A mechanism that turns fully and never lines its rod up with the guide's normal, its points
// placed by the autofill, run at 1° for one turn at a constant 100 rad/s.
inline ParamSet machineSet(double l1 = 0.1, double l2 = 0.4, double b = 0.05, double fi0 = 30)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = l1;
    p.l2 = l2;
    p.b = b;
    p.fi0 = fi0;
    p.m1 = 2;
    p.m2 = 1.5L;
    p.m3 = 3;
    p.i1 = 0.01L;
    p.i2 = 0.02L;
    p.fit0 = 100;
    p.fitt0 = 0;
    p.fidtt = 0;
    p.step = 1 * kRadPerDeg;
    p.N = 361;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

// The same working as a press: a load by stroke that resists the slider's stroke away from the
// crank, growing along it (mean reduced moment about 50 N·m), and a load by crank angle.
inline ParamSet loadedSet()
{
    ParamSet p = machineSet();
    p.load.kind = LoadKind::ByStroke;
    p.load.points = {{0, 0, 500}, {0.5L, 0, 1000}, {1, 0, 2500}};
    return p;
}

inline ParamSet angleLoadedSet()
{
    ParamSet p = machineSet();
    p.load.kind = LoadKind::ByAngle;
    p.load.direction = LoadDirection::AlongY;
    p.load.points = {{0, -500, 0}, {90, -2000, 0}, {200, 100, 0}, {300, 50, 0}};
    return p;
}

inline DriveSpec motor(long double mn, long double wn, long double w0)
{
    DriveSpec d;
    d.kind = DriveKind::Motor;
    d.nominalMoment = mn;
    d.nominalSpeed = wn;
    d.synchronousSpeed = w0;
    return d;
}

// A table drive whose moment is `moment` at every speed.
inline DriveSpec steadyMoment(long double moment)
{
    DriveSpec d;
    d.kind = DriveKind::Table;
    d.table = {{0, moment}, {1000, moment}};
    return d;
}

// `p` under the true motion with a light flywheel and a motor that carries the loaded set:
// M_n = 60 N·m at ω_n = 95 rad/s, synchronous at 105 rad/s.
inline void driveByMotor(ParamSet& p)
{
    p.motion = MotionLaw::True;
    p.flywheel = 0.3L;
    p.drive = DriveKind::Motor;
    p.motorMoment = 60;
    p.motorSpeed = 95;
    p.motorSynchronous = 105;
}

} // namespace motiontest
