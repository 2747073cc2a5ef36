// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/RunSettings.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "base/NumberText.h"
#include "base/UiText.h"

Outcome selectStep(ParamSet& p, int index, char decimal)
{
    Outcome out;
    if (index >= 0 && index < static_cast<int>(kTuneItems.size()))
        p.step = kTuneItems[static_cast<size_t>(index)].degrees * kRadPerDeg;
    if (index > 6) out.message(uiText("RunSettings", kFineStepWarning));
    out.memo(fillIn(uiText("RunSettings", "Шаг %1 градусов принят"),
                    {FormatGeneral(deg(p.step), decimal)}));
    return out;
}

Outcome refuseTypedStep(const ParamSet& p, std::string_view typed, char decimal)
{
    Outcome out;
    out.memo(fillIn(uiText("RunSettings", "Шаг «%1» не из списка: действует шаг %2°"),
                    {typed, FormatGeneral(deg(p.step), decimal)}));
    return out;
}

int tuneItemIndex(long double degrees)
{
    for (size_t i = 0; i < kTuneItems.size(); ++i)
        if (kTuneItems[i].degrees == degrees) return static_cast<int>(i);
    return -1;
}

std::string stepItemText(int index, char decimal)
{
    std::string text = kTuneItems.at(static_cast<size_t>(index)).text;
    std::replace(text.begin(), text.end(), '.', decimal);
    return text + "°";
}

int stepItemForText(std::string_view text)
{
    std::string t(text);
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!t.empty() && blank(static_cast<unsigned char>(t.back())))
        t.pop_back();
    while (!t.empty() && blank(static_cast<unsigned char>(t.front())))
        t.erase(0, 1);
    if (t.starts_with("ext ")) t.erase(0, 4);
    if (t.ends_with("°")) t.resize(t.size() - std::string_view("°").size());
    std::replace(t.begin(), t.end(), ',', '.');
    // Only the items' own spellings: "15.0" or "1e1" name no item as they never did.
    for (size_t i = 0; i < kTuneItems.size(); ++i)
        if (t == kTuneItems[i].text) return static_cast<int>(i);
    return -1;
}

Outcome applyCycleCount(ParamSet& p, std::string_view text, char decimal)
{
    Outcome out;
    int32_t count = 0;
    try {
        count = ParseInteger(text);
    } catch (const std::exception&) {
        out.message(uiText("RunSettings", kCountFault));
        return out;
    }
    // A negative count is no natural number, and would give a negative step count.
    if (count < 0) {
        out.message(uiText("RunSettings", kCountFault));
        return out;
    }
    const int64_t steps = int64_t{kStepsPerCycle} * count + 1;
    if (steps > kMaxSteps) {
        // The count refused is not the one in force: cycles must keep agreeing with N.
        out.message(uiText("RunSettings", kCountLimitMessage));
    } else {
        p.cycles = count;
        p.N = static_cast<int32_t>(steps);
    }
    // Steps and degrees both named: at 1° the two numbers agree and one alone reads as either.
    const int64_t stepsRun = int64_t{p.N} - 1;
    const long double covered = static_cast<long double>(stepsRun) * p.step;
    out.memo(fillIn(
        uiText("RunSettings", "Принято: циклов %1, шагов %2, поворот кривошипа %3°"),
        {FormatInteger(p.cycles), std::to_string(stepsRun), FormatGeneral(deg(covered), decimal)}));
    return out;
}

Outcome selectMode(ParamSet& p, int index)
{
    Outcome out;
    p.mode = index == 0 ? 0 : 1;
    out.memo(uiText("RunSettings", kModeMemo));
    return out;
}
