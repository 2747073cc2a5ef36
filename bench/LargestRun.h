// SPDX-License-Identifier: GPL-3.0-or-later
// The largest run the run settings allow (3749 cycles of 24 steps at 15°), at the defaults with
// the second set of point coordinates: the run the speed targets are set for.
#pragma once
#include "params/ParamSet.h"

inline ParamSet largestRun(bool mode720)
{
    ParamSet p;
    setDefaults(p);
    p.ac1 = 5;
    p.bc1 = 1;
    p.ac2 = 12.5L;
    p.bc2 = 12.25L;
    p.ac4 = 10;
    p.bc4 = 0;
    p.ac5 = 15;
    p.bc5 = 24.5L;
    p.cycles = 3749;
    p.N = 24 * p.cycles + 1; // 89977
    p.mode = mode720 ? 1 : 0;
    return p;
}
