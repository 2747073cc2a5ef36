// SPDX-License-Identifier: GPL-3.0-or-later
// The rod's branch in mode 720: which side of the crank line the rod takes at a crank angle. The
// autofill places B and the kinematic stage turns the rod by the same rule, so both agree on the
// branch for every initial angle.
#pragma once

enum class RodBranch { Positive, Negative, Fault };

// 720 mode: for a crank angle of d degrees, r = d below 720, else d - 720*trunc(d/720) with the
// product formed as a 64-bit integer; the rod takes the negative branch when 180 < r < 540.
// Fault when d is not finite or trunc(d/720) does not fit in 64 bits (an invalid operation).
RodBranch rodBranchAtDegrees(long double d);
