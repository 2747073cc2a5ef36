// SPDX-License-Identifier: GPL-3.0-or-later
// The run's summary as JSON, for scripts: the batch's --summary. Numbers are written as JSON
// numbers with every digit of a double (the shortest text that reads back to the same double),
// independent of any locale; a value that is no number (not applicable) is written as null, and
// one beyond the range of a double is refused, as the CSV refuses it.
#pragma once
#include <optional>
#include <string>

#include "calc/Calculation.h"
#include "calc/Summary.h"

// The whole document, ending in a newline:
// {"steps", "step" (the run's, degrees), "period", "extremes": {name: {min, min_step, min_angle,
//  max, max_step, max_angle}} (over the run's steps), "figures_from": {source ("period" or
//  "run_steps"), step, span (null for run_steps), steps, run_step, reused, step_adjusted, and
//  period_run_fault: {step, angle} when the period run faulted} (what the peaks, the load's work
//  and the flywheel were read from), "peaks": {fb, fa, fo, nb, stroke, slider_speed,
//  slider_acceleration, pressure_angle, mo: {value, angle}}, "moment_check", "shaking_force_peak"
//  and "shaking_moment_peak" ({value, angle}), "counterweight": {mass_radius, angle, fraction,
//  shaking_force_peak_without} (with a counterweight), "primary_peak", "secondary_peak" and
//  "reciprocating_peak" (a centric mechanism), "load_work" (with a
//  load), "flywheel": {...} or null (its first_step and last_step are steps of the figures' run),
//  and "flywheel_error" when it is null, and "stopped": {"stage", "step", "angle",
//  "computed_steps", "requested_steps", "message"} when `stop` is given (a run that stopped
//  part-way: the summary is of its computed steps)}.
// Throws UnreadableOutputError, naming the key, for a value beyond the range of a double.
std::string summaryJson(const RunSummary& s, const std::optional<RunStop>& stop = std::nullopt);
