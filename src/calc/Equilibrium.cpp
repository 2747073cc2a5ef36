// SPDX-License-Identifier: GPL-3.0-or-later
// The equilibrium stage: the rod and the slider as one group with the guide's reaction, then the
// crank with the moment that balances it. The force stage's rows stay as they are; this stage
// completes them beside them.
#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/Calculation.h"
#include "calc/Counterweight.h"
#include "calc/StageMath.h"

using stage::kGravity;
using stage::put;
using Q = Quantity;

bool equilibriumStage(const ParamSet& p, ResultStore& R, int* faultStep)
{
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    const stage::Rows r(R);
    // The crank weighs with its counterweight, if any.
    const long double m1 = crankMass(p).m, m2 = p.m2;
    // Points never placed leave B on A: there is no rod to balance, and the stages before this
    // one take such a set without complaint, so this one leaves its rows alone as well.
    if (p.ac5 == p.ac4 && p.bc5 == p.bc4) {
        if (faultStep) *faultStep = 0;
        return true;
    }

    for (int i = 1; i <= n; ++i) {
        if (R.stopRequested(i)) return false; // a newer run replaces this one
        if (faultStep) *faultStep = i;
        const long double xa = r[Q::xa][i], ya = r[Q::ya][i], xb = r[Q::xb][i], yb = r[Q::yb][i];
        const long double fx2 = r[Q::fx2][i], fy2 = r[Q::fy2][i];
        const long double fby = r[Q::fby][i], fay = r[Q::fay][i], foy = r[Q::foy][i];

        // The rod's own loads about A, as the force stage first forms its moment.
        const long double rest =
            (m2 * kGravity + fy2) * (r[Q::xc2][i] - xa) + r[Q::mi2][i] - (r[Q::yc2][i] - ya) * fx2;
        if (!stage::storable(rest)) return false;
        // The x force at B that leaves the rod no moment about A. It divides by yb - ya, which is
        // zero where the rod stands across the guide.
        const long double fbxk = ((xb - xa) * fby + rest) / (yb - ya);
        if (!put(r[Q::fbxk][i], fbxk)) return false;
        if (!put(r[Q::nb][i], r[Q::fx3][i] - fbxk)) return false;
        const long double faxk = fbxk + fx2;
        if (!put(r[Q::faxk][i], faxk)) return false;
        const long double foxk = faxk + r[Q::fx1][i];
        if (!put(r[Q::foxk][i], foxk)) return false;
        const long double mb =
            (xa * fay - ya * faxk) +
            (r[Q::xc1][i] * (r[Q::fy1][i] + m1 * kGravity) - r[Q::yc1][i] * r[Q::fx1][i]) +
            r[Q::mi1][i];
        if (!put(r[Q::mb][i], mb)) return false;
        if (!put(r[Q::fbk][i], sqrtl(fbxk * fbxk + fby * fby))) return false;
        if (!put(r[Q::fak][i], sqrtl(faxk * faxk + fay * fay))) return false;
        if (!put(r[Q::fok][i], sqrtl(foxk * foxk + foy * foy))) return false;
    }
    if (faultStep) *faultStep = 0;
    return true;
}
