// SPDX-License-Identifier: GPL-3.0-or-later
// The run's summary as JSON, for scripts: the batch's --summary. Numbers are written as JSON
// numbers with every digit of a double (the shortest text that reads back to the same double),
// independent of any locale; a value that is no number (not applicable) is written as null, and
// one beyond the range of a double is refused, as the CSV refuses it.
#pragma once
#include <string>

#include "calc/Summary.h"

// The whole document, ending in a newline:
// {"steps", "period", "extremes": {name: {min, min_step, min_angle, max, max_step, max_angle}},
//  "peaks": {fb, fa, fo, nb, stroke, slider_speed, slider_acceleration, pressure_angle: {value,
//  angle}}, "moment_check", "load_work" (with a load), "flywheel": {...} or null, and
//  "flywheel_error" when it is null}.
// Throws UnreadableOutputError, naming the key, for a value beyond the range of a double.
std::string summaryJson(const RunSummary& s);
