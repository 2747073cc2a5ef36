// The force stage: joint forces at B, A and O and the moment about A (rows 67..76), summed from
// the slider inwards over the inertia loads of the energy stage and the weights.
#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/Calculation.h"
#include "calc/StageMath.h"

using stage::kGravity;
using stage::put;

bool forceStage(const ParamSet& p, ResultStore& R, int* faultStep)
{
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    std::array<long double*, 77> r{};
    for (int k = 0; k < 77; ++k)
        r[static_cast<size_t>(k)] = R.row(k);
    const long double m1 = p.m1, m2 = p.m2, m3 = p.m3;

    for (int i = 1; i <= n; ++i) {
        if (faultStep) *faultStep = i;
        const long double xa = r[12][i], ya = r[13][i], xb = r[20][i], yb = r[21][i];
        const long double fx2 = r[47][i], fy2 = r[48][i];

        const long double fbx = r[59][i];
        r[67][i] = fbx;
        const long double fby = r[60][i] + 0.0L + m3 * kGravity;
        if (!put(r[68][i], fby)) return false;
        const long double fax = fbx + fx2;
        if (!put(r[71][i], fax)) return false;
        const long double fay = fby + fy2 + m2 * kGravity;
        if (!put(r[72][i], fay)) return false;
        // The rod's own loads about A first; the force at B is added to the stored value, so a
        // fault there leaves this intermediate moment in place.
        if (!put(r[73][i],
                 (m2 * kGravity + fy2) * (r[40][i] - xa) + r[49][i] - (r[41][i] - ya) * fx2))
            return false;
        if (!put(r[73][i], (xb - xa) * fby + r[73][i] - (yb - ya) * fbx)) return false;
        if (!put(r[75][i], fax + r[35][i])) return false;
        if (!put(r[76][i], fay + r[36][i] + m1 * kGravity)) return false;
    }
    if (faultStep) *faultStep = 0;
    return true;
}
