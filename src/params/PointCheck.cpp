// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/PointCheck.h"

#include <cmath>
#include <string>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "params/RodBranch.h"

std::vector<PointMismatch> checkPoints(const ParamSet& p)
{
    using Kind = PointMismatch::Kind;
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    const long double scale = (std::fabs(l1) + std::fabs(l2)) + std::fabs(b);
    const long double tolerance = 1e-9L * scale;
    const long double abx = p.ac5 - p.ac4, aby = p.bc5 - p.bc4;
    std::vector<PointMismatch> found;
    const auto note = [&found](Kind kind, long double by, long double limit) {
        // A NaN difference (an overflowing point) is a mismatch too.
        if (!(std::fabs(by) <= limit)) found.push_back({kind, by});
    };
    note(Kind::CrankLength, std::hypot(p.ac4, p.bc4) - l1, tolerance);
    note(Kind::RodLength, std::hypot(abx, aby) - l2, tolerance);
    note(Kind::OffGuide, p.ac5 - b, tolerance);
    // A at the crank angle: only meaningful once A is off O.
    const long double phi0 = rad(static_cast<long double>(p.fi0));
    if (std::hypot(p.ac4, p.bc4) > tolerance) {
        const long double turn = std::remainder(std::atan2(p.bc4, p.ac4) - phi0, 2 * kPi);
        note(Kind::CrankAngle, deg(turn), deg(1e-9L));
    }
    // The side of the crank line B lies on, against the rod's branch at fi0: y of A->B has the
    // sign of sin ψ, positive on the branch of mode 360.
    const bool negative = p.mode != 0 && rodBranchAtDegrees(deg(phi0)) == RodBranch::Negative;
    if (std::fabs(aby) > tolerance && (aby < 0) != negative)
        found.push_back({Kind::OtherBranch, 0});
    return found;
}

std::string pointMismatchText(const std::vector<PointMismatch>& mismatches, char decimal)
{
    if (mismatches.empty()) return {};
    const auto size = [decimal](long double v) {
        return FormatFixed(std::fabs(v), 18, 6, decimal);
    };
    std::string text = uiText("PointCheck", "Координаты точек не согласуются с длинами звеньев:");
    for (const PointMismatch& m : mismatches) {
        text += "\n";
        switch (m.kind) {
        case PointMismatch::Kind::CrankLength:
            text += fillIn(m.by > 0 ? uiText("PointCheck", "— |OA| длиннее L1 на %1 м")
                                    : uiText("PointCheck", "— |OA| короче L1 на %1 м"),
                           {size(m.by)});
            break;
        case PointMismatch::Kind::RodLength:
            text += fillIn(m.by > 0 ? uiText("PointCheck", "— |AB| длиннее L2 на %1 м")
                                    : uiText("PointCheck", "— |AB| короче L2 на %1 м"),
                           {size(m.by)});
            break;
        case PointMismatch::Kind::OffGuide:
            text += fillIn(uiText("PointCheck", "— точка B лежит в %1 м от направляющей x = B"),
                           {size(m.by)});
            break;
        case PointMismatch::Kind::CrankAngle:
            text += fillIn(uiText("PointCheck", "— точка A повёрнута от угла Fi0 на %1°"),
                           {FormatFixed(m.by, 18, 6, decimal)});
            break;
        case PointMismatch::Kind::OtherBranch:
            text += uiText("PointCheck",
                           "— точка B лежит на другой ветви шатуна, чем задаёт режим при Fi0");
            break;
        }
    }
    return text + "\n" +
           uiText("PointCheck", "Результаты будут относиться к другому механизму. Выполните "
                                "«Автозаполнение» (F4), чтобы расставить точки по длинам.");
}
