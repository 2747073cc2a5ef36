// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/KineticLimits.h"

#include <algorithm>
#include <cmath>

#include "base/Errors.h"
#include "base/NumberText.h"

bool KineticSpread::add(bool onX, double v)
{
    double& lo = onX ? minX_ : minY_;
    double& hi = onX ? maxX_ : maxY_;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
    return hi - lo <= kMaxKineticSpread; // an overflow to infinity fails too
}

std::optional<double> kineticNumber(std::string_view text)
{
    try {
        const double value = static_cast<double>(ParseRealAnySeparator(text));
        if (std::isfinite(value)) return value;
    } catch (const ConvertError&) {
    }
    return std::nullopt;
}
