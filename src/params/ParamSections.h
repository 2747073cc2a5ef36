// SPDX-License-Identifier: GPL-3.0-or-later
// The sections of the window's parameter panel: which parameters with a value box stand together,
// under what title. The sections follow from the parameter table; adding a parameter to a group
// adds its row to that group's section.
#pragma once
#include <cstdint>
#include <iterator>

#include "base/UiText.h"
#include "params/ParamTable.h"

enum class ParamSection : uint8_t { Lengths, Motion, Points, Masses };

struct ParamSectionInfo {
    const char* name;  // "lengths": the section box's object name is name + "Box"
    const char* title; // the box's title, a source text of context "ParamSection"
};

// In ParamSection order, which is also the order the panel shows them in.
inline constexpr ParamSectionInfo kParamSections[] = {
    {"lengths", UI_TEXT_NOOP("ParamSection", "Длины")},
    {"motion", UI_TEXT_NOOP("ParamSection", "Движение кривошипа")},
    {"points", UI_TEXT_NOOP("ParamSection", "Координаты точек")},
    {"masses", UI_TEXT_NOOP("ParamSection", "Массы и моменты инерции")},
};
inline constexpr int kParamSectionCount = static_cast<int>(std::size(kParamSections));

// The section of a parameter with a value box: among the motion parameters those in metres are
// the lengths, the rest the crank's motion; the point rows are the coordinates, the masses and
// inertias their own. Throws std::invalid_argument for a parameter without a box.
ParamSection paramSection(const ParamInfo& info);

// The number of display rows (paramRow) in section `s`.
int paramSectionRowCount(ParamSection s);
