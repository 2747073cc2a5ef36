// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the mechanism's geometry before a run: whether the rod can reach the slider's
// guide x = b at every step, and whether a step puts the rod perpendicular to the guide, where
// the rod's rates divide by zero. Both are found from the link lengths alone, before any stage.
#pragma once
#include <optional>
#include <string>

#include "params/ParamSet.h"

// What stops the mechanism first in the run, and where.
struct RodReach {
    enum class Kind { Clear, Perpendicular, Unreachable };
    Kind kind = Kind::Clear;
    int step = 0;                 // the step (1-based) it happens at; 0 when clear
    long double angleDegrees = 0; // crankAngleDegrees of that step
};

// The tolerance of the check: the gap l2 - |b - l1 cos(fi)| counts as zero within
// kRodReachTolerance * (|l1| + |l2| + |b|), a few dozen roundings of its terms.
inline constexpr long double kRodReachTolerance = 64 * 0x1p-63L;

// Walks steps i = 1..N (N capped at the store's capacity) with the crank angle the kinematic
// stage forms, fi = fi0 + (i - 1) * step in radians, and the gap g = |l2| - |b - l1 cos(fi)|:
// the first step with g below minus the tolerance is Unreachable (the rod cannot reach the
// guide: the run crossed out of reach between the steps before), the first with |g| within the
// tolerance is Perpendicular (the rod lies along the x axis). Clear when neither happens.
RodReach checkRodReach(const ParamSet& p);

// The message for a problem found, with the angle FormatFixed(angle, 18, 2) and `decimal` as the
// separator, saying what to change; "" when clear.
std::string rodReachText(const RodReach& reach, char decimal);

// Where a run in mode 720 first changes the rod's branch (at 180° or 540° of the crank) and by
// how far B jumps there: 2·l2·sin ψ at the dead position φ = 180°, where cos ψ = (b + l1) / l2.
// The change is smooth only when the rod then stands perpendicular to the guide (b = l2 − l1).
struct BranchJump {
    int step = 0;                 // the first step on the new branch
    long double angleDegrees = 0; // crankAngleDegrees of that step
    long double jump = 0;         // metres
};

// The first branch change of a run in mode 720 whose jump exceeds 1e-6 of |l1| + |l2| + |b|;
// nullopt in mode 360, for a run that changes no branch, or for a smooth change.
std::optional<BranchJump> checkBranchJump(const ParamSet& p);

// The warning for a jump, with the angle FormatFixed(angle, 18, 2) and the jump
// FormatFixed(jump, 18, 4), saying what to do.
std::string branchJumpText(const BranchJump& jump, char decimal);
