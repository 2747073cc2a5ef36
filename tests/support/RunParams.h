// SPDX-License-Identifier: GPL-3.0-or-later
// Parameter sets for calculation tests: a mechanism's points placed by the autofill and the run
// set to a step and a number of cycles, as the window would leave them.
#pragma once
#include <gtest/gtest.h>

#include "params/Autofill.h"
#include "params/ParamSet.h"
#include "params/RunSettings.h"

// `p` with its points autofilled (a failure is a test failure), its step `stepDegrees` and
// `cycles` cycles of 24 steps: N = 24·cycles + 1.
inline ParamSet withRun(ParamSet p, long double stepDegrees, int32_t cycles)
{
    EXPECT_TRUE(autofillPoints(p));
    p.step = rad(stepDegrees);
    p.cycles = cycles;
    p.N = kStepsPerCycle * cycles + 1;
    return p;
}
