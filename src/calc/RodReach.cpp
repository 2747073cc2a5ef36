// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RodReach.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "calc/ResultStore.h"
#include "calc/StageMath.h"
#include "params/RodBranch.h"

namespace {

// How many steps on from one whose gap exceeds twice the tolerance by `room` are sure to be
// clear too, at least 1. The gap moves with |b − l1 cos φ|, and |cos(φ + Δ) − cos φ| ≤
// |sin φ|·Δ + Δ²/2, so every step within Δ, where |l1|·(|sin φ|·Δ + Δ²/2) = room / 2, keeps a
// true gap above twice the tolerance; the few roundings of a computed gap stay far inside the
// tolerance, so each of those steps would have been found clear. A run of 90000 steps is then
// walked in a few hundred evaluations while the user types a length.
int stepsSurelyClear(long double room, long double crank, long double sinFi, long double step)
{
    if (!(step > 0) || !(room > 0)) return 1;
    const long double s = std::fabs(sinFi);
    const long double reach = std::sqrt(s * s + room / crank) - s; // Δ of the bound above
    const long double steps = std::floor(reach / step);
    if (!(steps >= 1)) return 1;
    // An infinite reach (a crank of zero length) leaves the gap the same at every step.
    return steps > ResultStore::kSteps ? ResultStore::kSteps + 1 : static_cast<int>(steps) + 1;
}

} // namespace

RodReach checkRodReach(const ParamSet& p)
{
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    const long double tolerance =
        kRodReachTolerance * ((std::fabs(l1) + std::fabs(l2)) + std::fabs(b));
    const long double fiStart = rad(static_cast<long double>(p.fi0));
    // |b − l1 cos φ| is at most |b| + |l1|: a rod longer than that by more than twice the
    // tolerance reaches the guide at every angle, however many turns the run makes.
    if (std::fabs(l2) - (std::fabs(b) + std::fabs(l1)) > 2 * tolerance) return {};
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    const long double step = p.step, crank = std::fabs(l1);
    for (int i = 1; i <= n;) {
        const long double fi = fiStart + static_cast<long double>(i - 1) * step;
        const long double gap = std::fabs(l2) - std::fabs(b - stage::cosx(fi) * l1);
        RodReach::Kind kind = RodReach::Kind::Clear;
        if (gap < -tolerance)
            kind = RodReach::Kind::Unreachable;
        else if (!(gap > tolerance))
            kind = RodReach::Kind::Perpendicular; // a NaN gap falls here too: the stage faults
        if (kind != RodReach::Kind::Clear) return {kind, i, crankAngleDegrees(p, i)};
        i += stepsSurelyClear(gap - 2 * tolerance, crank, stage::sinx(fi), step);
    }
    return {};
}

std::string rodReachText(const RodReach& reach, char decimal)
{
    if (reach.kind == RodReach::Kind::Clear) return {};
    const std::string angle = FormatFixed(reach.angleDegrees, 18, 2, decimal);
    if (reach.kind == RodReach::Kind::Perpendicular)
        return fillIn(uiText("Mechanism", "При φ = %1° шатун перпендикулярен направляющей: "
                                          "механизм не проходит это положение. Увеличьте L2 или "
                                          "уменьшите B."),
                      {angle});
    return fillIn(uiText("Mechanism",
                         "При φ = %1° шатун не достаёт до направляющей: механизм не "
                         "собирается в этом положении. Увеличьте L2 или уменьшите L1."),
                  {angle});
}

std::optional<BranchJump> checkBranchJump(const ParamSet& p)
{
    if (p.mode == 0) return std::nullopt;
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    // Both branches meet only where the rod lies across the guide; elsewhere B jumps between the
    // mirror images of the rod about the crank line, 2·l2·sin ψ apart.
    const long double u = (b + l1) / l2;
    const long double jump = 2 * std::fabs(l2) * std::sqrt(1 - u * u);
    const long double scale = (std::fabs(l1) + std::fabs(l2)) + std::fabs(b);
    if (!(jump > 1e-6L * scale)) return std::nullopt; // smooth, or no position there at all
    const long double fiStart = rad(static_cast<long double>(p.fi0));
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    RodBranch previous = rodBranchAtDegrees(deg(fiStart));
    for (int i = 2; i <= n; ++i) {
        const long double fi = fiStart + static_cast<long double>(i - 1) * p.step;
        const RodBranch branch = rodBranchAtDegrees(deg(fi));
        if (branch == RodBranch::Fault) return std::nullopt; // the stage reports it
        if (branch != previous) return BranchJump{i, crankAngleDegrees(p, i), jump};
        previous = branch;
    }
    return std::nullopt;
}

std::string branchJumpText(const BranchJump& jump, char decimal)
{
    return fillIn(
        uiText("Mechanism", "Режим 720: при φ = %1° шатун переходит на другую ветвь, и ползун "
                            "скачком смещается на %2 м. Скорости и ускорения там не имеют смысла, "
                            "а E перестаёт быть работой. Выберите режим 360."),
        {FormatFixed(jump.angleDegrees, 18, 2, decimal), FormatFixed(jump.jump, 18, 4, decimal)});
}
