// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RodReach.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "calc/ResultStore.h"
#include "calc/StageMath.h"

RodReach checkRodReach(const ParamSet& p)
{
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    const long double tolerance =
        kRodReachTolerance * ((std::fabs(l1) + std::fabs(l2)) + std::fabs(b));
    const long double fiStart = rad(static_cast<long double>(p.fi0));
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    for (int i = 1; i <= n; ++i) {
        // The angle and its cosine as the kinematic stage forms them, so that the steps found
        // are the ones the stage meets.
        const long double fi = fiStart + static_cast<long double>(i - 1) * p.step;
        const long double gap = std::fabs(l2) - std::fabs(b - stage::cosx(fi) * l1);
        RodReach::Kind kind = RodReach::Kind::Clear;
        if (gap < -tolerance)
            kind = RodReach::Kind::Unreachable;
        else if (!(gap > tolerance))
            kind = RodReach::Kind::Perpendicular; // a NaN gap falls here too: the stage faults
        if (kind != RodReach::Kind::Clear) return {kind, i, crankAngleDegrees(p, i)};
    }
    return {};
}

std::string rodReachText(const RodReach& reach, char decimal)
{
    if (reach.kind == RodReach::Kind::Clear) return {};
    const std::string where = "При φ = " + FormatFixed(reach.angleDegrees, 18, 2, decimal) + "°";
    if (reach.kind == RodReach::Kind::Perpendicular)
        return where + " шатун перпендикулярен направляющей: механизм не проходит это положение. "
                       "Увеличьте L2 или уменьшите B.";
    return where + " шатун не достаёт до направляющей: механизм не собирается в этом положении. "
                   "Увеличьте L2 или уменьшите L1.";
}
