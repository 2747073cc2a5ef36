// SPDX-License-Identifier: GPL-3.0-or-later
// The crank angle of a step, as every stage, message and view names it.
#pragma once
#include "params/ParamSet.h"

// The crank angle of step i in degrees, as the kinematic stage forms it: fi0 + (i - 1) * step.
long double crankAngleDegrees(const ParamSet& p, int i);
