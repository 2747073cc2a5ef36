// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/ParamSet.h"
#include "params/ParamSetCompare.h"
#include "params/ParamTable.h"

#include <cstring>

void setDefaults(ParamSet& p)
{
    p.mode = 0;
    p.l1 = 10;
    p.l2 = 25;
    p.b = 15;
    p.fi0 = 0.1;
    p.aux = 15;
    p.fit0 = 1;
    p.fitt0 = 0;
    p.fidtt = 0.01;
    p.m1 = 4;
    p.m2 = 10;
    p.m3 = 2;
    p.i1 = 4;
    p.i2 = 10;
    p.i3 = 2;
    p.step = 15 * kRadPerDeg;
    p.N = 25;
    p.period = 360;
    p.delta = 0.05L;
    p.load = LoadTable{};
    p.m_cw = 0;
    p.r_cw = 0;
    p.fi_cw = 180;
    // The true motion as a new set has it: the prescribed law, the summary's flywheel, the
    // constant drive, and a start-up from rest.
    const ParamSet fresh;
    p.motion = fresh.motion;
    p.flywheel = fresh.flywheel;
    p.drive = fresh.drive;
    p.motorMoment = fresh.motorMoment;
    p.motorSpeed = fresh.motorSpeed;
    p.motorSynchronous = fresh.motorSynchronous;
    p.driveTable = fresh.driveTable;
    p.startSpeed = fresh.startSpeed;
}

namespace {

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0; // the 80 bits of the value, not the padding
}

} // namespace

bool sameParams(const ParamSet& a, const ParamSet& b)
{
    // The inputs of a calculation (sameInputs reads every real of the parameter table, so a row
    // added there is compared without a word here; tests/app/ParamFieldsTest checks each row),
    // then what only the autofill and the cycle box keep.
    return sameInputs(a, b) && sameBits(a.phi0, b.phi0) && sameBits(a.psi0, b.psi0) &&
           sameBits(a.delta, b.delta) && a.cycles == b.cycles;
}
