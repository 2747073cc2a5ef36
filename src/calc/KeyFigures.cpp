// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/KeyFigures.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/UiText.h"

namespace {

// The joint and slider peaks are only meaningful once some step was summarised.
std::optional<long double> whenRun(const RunSummary& s, long double v)
{
    if (s.steps < 1) return std::nullopt;
    return v;
}

std::optional<long double> flywheelFigure(const RunSummary& s, long double FlywheelSizing::*field)
{
    if (!s.flywheel) return std::nullopt;
    return (*s.flywheel).*field;
}

const KeyFigure kFigures[] = {
    {"md", UI_TEXT_NOOP("Figure", "M_d"), UI_TEXT_NOOP("Unit", "Н·м"), Better::SmallerMagnitude,
     [](const RunSummary& s) { return flywheelFigure(s, &FlywheelSizing::meanMoment); }},
    {"pmean", UI_TEXT_NOOP("Figure", "P_ср"), UI_TEXT_NOOP("Unit", "Вт"), Better::SmallerMagnitude,
     [](const RunSummary& s) { return flywheelFigure(s, &FlywheelSizing::meanPower); }},
    {"flywheel", UI_TEXT_NOOP("Figure", "J маховика"), UI_TEXT_NOOP("Unit", "кг·м²"),
     Better::Smaller,
     [](const RunSummary& s) { return flywheelFigure(s, &FlywheelSizing::flywheelInertia); }},
    {"fa", UI_TEXT_NOOP("Figure", "|F_A| макс."), UI_TEXT_NOOP("Unit", "Н"), Better::Smaller,
     [](const RunSummary& s) { return whenRun(s, s.jointA.value); }},
    {"fo", UI_TEXT_NOOP("Figure", "|F_O| макс."), UI_TEXT_NOOP("Unit", "Н"), Better::Smaller,
     [](const RunSummary& s) { return whenRun(s, s.jointO.value); }},
    {"fb", UI_TEXT_NOOP("Figure", "|F_B| макс."), UI_TEXT_NOOP("Unit", "Н"), Better::Smaller,
     [](const RunSummary& s) { return whenRun(s, s.jointB.value); }},
    {"mo", UI_TEXT_NOOP("Figure", "|Mo| макс."), UI_TEXT_NOOP("Unit", "Н·м"), Better::Smaller,
     [](const RunSummary& s) { return whenRun(s, s.crankMoment.value); }},
    {"stroke", UI_TEXT_NOOP("Figure", "ход ползуна"), UI_TEXT_NOOP("Unit", "м"), Better::Larger,
     [](const RunSummary& s) -> std::optional<long double> {
         if (!s.stroke) return std::nullopt;
         return s.stroke->value;
     }},
    {"speed", UI_TEXT_NOOP("Figure", "|v_B| макс."), UI_TEXT_NOOP("Unit", "м/с"), Better::Smaller,
     [](const RunSummary& s) { return whenRun(s, s.sliderSpeed.value); }},
    {"acceleration", UI_TEXT_NOOP("Figure", "|a_B| макс."), UI_TEXT_NOOP("Unit", "м/с²"),
     Better::Smaller, [](const RunSummary& s) { return whenRun(s, s.sliderAcceleration.value); }},
};

const char* const kDefaultSweep[] = {"flywheel", "fa", "md"};

} // namespace

std::span<const KeyFigure> keyFigures()
{
    return kFigures;
}

const KeyFigure* findKeyFigure(const char* key)
{
    for (const KeyFigure& f : kFigures)
        if (std::strcmp(f.key, key) == 0) return &f;
    return nullptr;
}

std::span<const Quantity> keyFigureExtremes()
{
    return {}; // every figure reads the summary's period run, none the run's extremes
}

std::span<const char* const> defaultSweepFigures()
{
    return kDefaultSweep;
}

std::string shownCaption(const KeyFigure& f)
{
    return uiText("Figure", f.caption);
}

bool betterThan(const KeyFigure& f, long double a, long double b)
{
    switch (f.better) {
    case Better::Smaller:
        return a < b;
    case Better::SmallerMagnitude:
        return std::fabs(a) < std::fabs(b);
    case Better::Larger:
        return a > b;
    }
    return false;
}
