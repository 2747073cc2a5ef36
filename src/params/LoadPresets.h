// SPDX-License-Identifier: GPL-3.0-or-later
// Ready-made working loads the load editor offers, each a table checkLoadTable accepts for the
// period it comes with, and the conversion of an indicator diagram (pressure by crank angle) into
// the force on a piston.
#pragma once
#include <cstdint>
#include <vector>

#include "params/LoadTable.h"

enum class LoadPreset : uint8_t { None, ConstantForce, PressResistance, IndicatorDiagram };

// A preset's table and the period it is meant for (360, or 720 for the four-stroke diagram).
struct PresetLoad {
    LoadTable table;
    int32_t period = 360;
};

// The pressure unit of an indicator diagram.
enum class PressureUnit : uint8_t { MPa, Bar };

// One point of an indicator diagram: crank angle in degrees and gauge pressure in its unit.
struct PressurePoint {
    long double angle = 0;
    long double pressure = 0;
};

// The default indicator diagram: a four-stroke cycle over 720 degrees, gauge pressure in bar,
// with its piston diameter in mm.
inline constexpr long double kDefaultPistonDiameterMm = 100;
std::vector<PressurePoint> defaultIndicatorDiagram();

// Q = p * pi * d^2 / 4 at each point, in N, toward the crank, by angle; `diameterMm` in mm and
// each pressure in `unit` (1 MPa = 1e6 Pa, 1 bar = 1e5 Pa).
LoadTable indicatorLoad(const std::vector<PressurePoint>& diagram, long double diameterMm,
                        PressureUnit unit);

// The preset's table: None empty; ConstantForce one point of 1000 N toward the crank; by stroke
// PressResistance 10 kN while the slider moves away from the crank over the last fifth of its
// way out (s from 0.2 down to 0), falling to 0 at s = 0.25, and 0 moving back; the indicator
// diagram is the default one at the default diameter in bar.
PresetLoad presetLoad(LoadPreset preset);
