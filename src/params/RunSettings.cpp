// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/RunSettings.h"

#include <exception>

#include "base/NumberText.h"

Outcome selectStep(ParamSet& p, int index, char decimal)
{
    Outcome out;
    if (index >= 0 && index < static_cast<int>(kTuneItems.size()))
        p.step = kTuneItems[static_cast<size_t>(index)].degrees * kRadPerDeg;
    if (index > 6) out.message(kFineStepWarning);
    out.memo("Шаг " + FormatGeneral(deg(p.step), decimal) + " градусов принят");
    return out;
}

Outcome refuseTypedStep(const ParamSet& p, std::string_view typed, char decimal)
{
    Outcome out;
    out.memo("Шаг «" + std::string(typed) + "» не из списка: действует шаг " +
             FormatGeneral(deg(p.step), decimal) + "°");
    return out;
}

int tuneItemIndex(long double degrees)
{
    for (size_t i = 0; i < kTuneItems.size(); ++i)
        if (kTuneItems[i].degrees == degrees) return static_cast<int>(i);
    return -1;
}

Outcome applyCycleCount(ParamSet& p, std::string_view text, char decimal)
{
    Outcome out;
    int32_t count = 0;
    try {
        count = ParseInteger(text);
    } catch (const std::exception&) {
        out.message(kCountFault);
        return out;
    }
    // A negative count is no natural number, and would give a negative step count.
    if (count < 0) {
        out.message(kCountFault);
        return out;
    }
    const int64_t steps = int64_t{kStepsPerCycle} * count + 1;
    if (steps > kMaxSteps) {
        // The count refused is not the one in force: cycles must keep agreeing with N.
        out.message(kCountLimitMessage);
    } else {
        p.cycles = count;
        p.N = static_cast<int32_t>(steps);
    }
    const long double covered = static_cast<long double>(int64_t{p.N} - 1) * p.step;
    out.memo("Цикл " + FormatGeneral(deg(covered), decimal) + " градусов принят");
    return out;
}

Outcome selectMode(ParamSet& p, int index)
{
    Outcome out;
    p.mode = index == 0 ? 0 : 1;
    out.memo(kModeMemo);
    return out;
}
