// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/ParamSections.h"

#include <stdexcept>
#include <string>
#include <string_view>

ParamSection paramSection(const ParamInfo& info)
{
    switch (info.group) {
    case ParamGroup::Motion:
        // The lengths share the motion group in the table (the entry treats them alike); the
        // panel tells them apart by their unit, so a new length joins its section by itself.
        return std::string_view(info.unit) == "м" ? ParamSection::Lengths : ParamSection::Motion;
    case ParamGroup::Point:
        return ParamSection::Points;
    case ParamGroup::Mass:
        return ParamSection::Masses;
    case ParamGroup::Run:
    case ParamGroup::Hidden:
        break;
    }
    throw std::invalid_argument(std::string("no value box for ") + info.key);
}

int paramSectionRowCount(ParamSection s)
{
    int n = 0;
    for (int r = 0; r < kParamRowCount; ++r)
        n += paramSection(paramRow(r)) == s ? 1 : 0;
    return n;
}
