// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the entered points against the link lengths before a run: the kinematic stage
// turns A about O and the rod about A from the points as entered, so points that contradict the
// lengths give results of another mechanism. The check names each contradiction and its size;
// the user may still calculate.
#pragma once
#include <string>
#include <vector>

#include "params/ParamSet.h"

// One contradiction between the points and the lengths.
struct PointMismatch {
    enum class Kind {
        CrankLength, // |OA| differs from l1
        RodLength,   // |AB| differs from l2
        OffGuide,    // B does not lie on the guide x = b
        OtherBranch, // B lies on the other side of the crank line than the rod's branch at fi0
        CrankAngle,  // A does not lie at the angle fi0
    };
    Kind kind;
    long double by = 0; // metres for the lengths and the guide, degrees for the angle
};

// A difference counts when it exceeds 1e-9 of |l1| + |l2| + |b| (1e-9 rad for the angle): a
// point typed with ten digits or more, or placed by the autofill, passes. The centres of mass
// C1, C2 and C3 are the user's to place (off the links' lines too) and are not checked.
std::vector<PointMismatch> checkPoints(const ParamSet& p);

// One message naming every mismatch and its size in the order found ("|OA| короче L1 на
// 10,000000 м"), ending with the offer of the autofill; "" when there is none. Numbers
// FormatFixed(…, 18, 6) with `decimal`, lengths as magnitudes, the angle with its sign.
std::string pointMismatchText(const std::vector<PointMismatch>& mismatches, char decimal);
