// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Истинное движение" window shows, worked out without widgets: from the parameters a
// run was made with and the true motion it found, the curves ω(φ), J(φ) over the period and the
// start-up's ω(t), the mean speed with the band of the asked δ, the figures as label and value,
// and the values at the crank-angle cursor.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// One figure of the window: its label with the unit, and its value as the summary writes it.
struct TrueMotionFigure {
    std::string label;
    std::string value;
};

struct TrueMotionView {
    // The run was made under the prescribed law: the true motion shown is that of its
    // parameters, found here for comparison, and the results do not follow it.
    bool prescribed = false;
    long double flywheel = 0; // J_fw taken, kg·m²
    long double fi0 = 0;      // the period's first crank angle, °
    long double period = 360; // the period's span, °
    bool steady = false;      // a periodic solution exists; else `reason` says why not
    std::string reason;
    std::vector<MotionSample> speed;   // (crank angle °, ω in rad/s), the angle increasing
    std::vector<MotionSample> inertia; // (crank angle °, J in kg·m²), the angle increasing
    std::vector<MotionSample> startUp; // (t in s, ω in rad/s); empty without a start-up
    long double omegaMean = 0;
    long double deltaAsked = 0;
    long double bandLow = 0, bandHigh = 0; // ω_mean·(1 − δ_asked/2) and ω_mean·(1 + δ_asked/2)
    // ω_min, ω_max, ω_mean, δ achieved and asked, J_fw, the period's time, the start-up's time
    // and turns; in place of the missing ones, the reason there is no steady running or no
    // start-up.
    std::vector<TrueMotionFigure> figures;
};

// The view of the run made with `run`: the true motion the run found (`found`, the store's
// trueMotion()) when the run was made under the true law and found one, or else the true motion
// of `run` found now (findTrueMotion). `deltaAsked` is the δ the flywheel is sized for; numbers
// are written with `decimal`.
TrueMotionView trueMotionView(const ParamSet& run, const TrueMotionRun* found,
                              long double deltaAsked, char decimal);

// The curves at one crank angle.
struct TrueMotionPoint {
    long double angle = 0;   // the angle taken into the period: fi0 ≤ angle < fi0 + period, °
    long double omega = 0;   // ω there, rad/s
    long double inertia = 0; // J there, kg·m²
};

// The point of `view` at crank angle `degrees` (any number of periods away), ω and J
// interpolated linearly between the curves' points; nullopt without a steady running or for an
// angle that is not finite.
std::optional<TrueMotionPoint> trueMotionAt(const TrueMotionView& view, long double degrees);
