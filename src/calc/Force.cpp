// SPDX-License-Identifier: GPL-3.0-or-later
// The force stage: joint forces at B, A and O and the moment about A, summed from the slider
// inwards over the inertia loads of the energy stage and the weights.
#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/Calculation.h"
#include "calc/Counterweight.h"
#include "calc/StageMath.h"

using stage::kGravity;
using stage::put;
using Q = Quantity;

bool forceStage(const ParamSet& p, ResultStore& R, int* faultStep)
{
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    const stage::Rows r(R);
    // The crank weighs with its counterweight, if any.
    const long double m1 = crankMass(p).m, m2 = p.m2, m3 = p.m3;

    for (int i = 1; i <= n; ++i) {
        if (R.stopRequested(i)) return false; // a newer run replaces this one
        if (faultStep) *faultStep = i;
        const long double xa = r[Q::xa][i], ya = r[Q::ya][i], xb = r[Q::xb][i], yb = r[Q::yb][i];
        const long double fx2 = r[Q::fx2][i], fy2 = r[Q::fy2][i];

        const long double fbx = r[Q::fx3][i];
        r[Q::fbx][i] = fbx;
        // The load's y component q acts on the slider beside its weight; without a load it is
        // +0, and x - (+0) is x bit for bit.
        const long double fby = r[Q::fy3][i] + 0.0L + m3 * kGravity - r[Q::q][i];
        if (!put(r[Q::fby][i], fby)) return false;
        const long double fax = fbx + fx2;
        if (!put(r[Q::fax][i], fax)) return false;
        const long double fay = fby + fy2 + m2 * kGravity;
        if (!put(r[Q::fay][i], fay)) return false;
        // The rod's own loads about A first; the force at B is added to the stored value, so a
        // fault there leaves this intermediate moment in place.
        if (!put(r[Q::ma][i], (m2 * kGravity + fy2) * (r[Q::xc2][i] - xa) + r[Q::mi2][i] -
                                  (r[Q::yc2][i] - ya) * fx2))
            return false;
        if (!put(r[Q::ma][i], (xb - xa) * fby + r[Q::ma][i] - (yb - ya) * fbx)) return false;
        if (!put(r[Q::fox][i], fax + r[Q::fx1][i])) return false;
        if (!put(r[Q::foy][i], fay + r[Q::fy1][i] + m1 * kGravity)) return false;
    }
    if (faultStep) *faultStep = 0;
    return true;
}
