// SPDX-License-Identifier: GPL-3.0-or-later
// The rod's branch rule of the kinematic stage, exposed for tests, and the tolerance of the
// stage's check that the slider stays on its guide.
#pragma once
#include "params/ParamSet.h"
#include "params/RodBranch.h"

// How far B may lie from the guide x = b at any step before the kinematic stage stops: 16 ulps
// of a double at the mechanism's scale |l1| + |l2| + |b|, plus four times what the entered
// points themselves disagree with the lengths at step 1 (|xB - b|, ||OA| - l1|, ||AB| - l2| and
// |l1| times the angle between OA and fi0). Points placed by the autofill allow only the
// roundings; a rod turned on the other branch than B was placed on leaves the guide by a
// length of the order of l2 and is caught.
long double guideTolerance(const ParamSet& p);
