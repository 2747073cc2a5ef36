// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/ParamSet.h"

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
    p.load = LoadTable{};
}
