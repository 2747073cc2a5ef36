// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/LoadPresets.h"

#include <numbers>

std::vector<PressurePoint> defaultIndicatorDiagram()
{
    // Angles run from +x, across the line of stroke: a centric piston stands at its top dead
    // centre at 90° (and 450°), at the bottom one at 270° and 630°. Combustion peaks 15° after
    // the top dead centre at 450; the other strokes follow it round the 720° cycle.
    return {{30, 0.2L}, {60, 0.1L}, {90, 0},   {150, -0.2L}, {210, -0.2L}, {270, -0.1L},
            {330, 1},   {390, 4},   {420, 10}, {450, 35},    {465, 50},    {480, 40},
            {510, 22},  {570, 8},   {630, 3},  {690, 0.5L}};
}

LoadTable indicatorLoad(const std::vector<PressurePoint>& diagram, long double diameterMm,
                        PressureUnit unit)
{
    const long double pascal = unit == PressureUnit::MPa ? 1e6L : 1e5L;
    const long double d = diameterMm / 1000;
    const long double area = std::numbers::pi_v<long double> * d * d / 4;
    LoadTable table{LoadKind::ByAngle, LoadDirection::TowardCrank, {}};
    for (const PressurePoint& p : diagram)
        table.points.push_back({p.angle, p.pressure * pascal * area, 0});
    return table;
}

PresetLoad presetLoad(LoadPreset preset)
{
    switch (preset) {
    case LoadPreset::None:
        return {};
    case LoadPreset::ConstantForce:
        return {{LoadKind::ByAngle, LoadDirection::TowardCrank, {{0, 1000, 0}}}, 360};
    case LoadPreset::PressResistance:
        return {{LoadKind::ByStroke,
                 LoadDirection::TowardCrank,
                 {{0, 0, 10000}, {0.2L, 0, 10000}, {0.25L, 0, 0}, {1, 0, 0}}},
                360};
    case LoadPreset::IndicatorDiagram:
        return {
            indicatorLoad(defaultIndicatorDiagram(), kDefaultPistonDiameterMm, PressureUnit::Bar),
            720};
    }
    return {};
}
