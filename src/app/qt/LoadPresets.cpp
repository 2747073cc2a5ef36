// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/LoadPresets.h"

#include <numbers>

std::vector<PressurePoint> defaultIndicatorDiagram()
{
    // Intake, compression, combustion just after the top dead centre at 360, expansion, exhaust.
    return {{0, 0},    {60, -0.2L}, {120, -0.2L}, {180, -0.1L}, {240, 1},  {300, 4},
            {330, 10}, {360, 35},   {375, 50},    {390, 40},    {420, 22}, {480, 8},
            {540, 3},  {600, 0.5L}, {660, 0.2L},  {690, 0.1L}};
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
