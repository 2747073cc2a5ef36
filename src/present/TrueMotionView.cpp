// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TrueMotionView.h"

#include <algorithm>
#include <cmath>

#include "base/UiText.h"
#include "calc/TrueMotionStage.h"
#include "present/SummaryText.h"

namespace {

constexpr const char* kContext = "TrueMotionView";

// The core keeps the curves' angles from fi0; the window's axis is the crank angle itself, as
// every other chart's.
std::vector<MotionSample> fromAngle(const std::vector<MotionSample>& curve, long double fi0)
{
    std::vector<MotionSample> out = curve;
    for (MotionSample& s : out)
        s.x += fi0;
    return out;
}

// The curve's value at x by straight lines between its points, held at its ends.
long double along(const std::vector<MotionSample>& curve, long double x)
{
    if (curve.empty()) return 0;
    const auto after =
        std::lower_bound(curve.begin(), curve.end(), x,
                         [](const MotionSample& s, long double v) { return s.x < v; });
    if (after == curve.begin()) return curve.front().omega;
    if (after == curve.end()) return curve.back().omega;
    const MotionSample& b = *after;
    const MotionSample& a = *(after - 1);
    if (!(b.x > a.x)) return b.omega;
    return a.omega + (b.omega - a.omega) * (x - a.x) / (b.x - a.x);
}

} // namespace

TrueMotionView trueMotionView(const ParamSet& run, const TrueMotionRun* found,
                              long double deltaAsked, char decimal)
{
    TrueMotionView v;
    v.prescribed = run.motion != MotionLaw::True;
    // A run under the true law found its motion already; under the prescribed law, or before
    // any, the motion of the same parameters is what the user compares the results with.
    const TrueMotionRun motion = !v.prescribed && found ? *found : findTrueMotion(run);
    v.flywheel = motion.flywheel;
    v.fi0 = run.fi0;
    v.period = static_cast<long double>(run.period);
    v.deltaAsked = deltaAsked;
    const auto figure = [&v, decimal](const char* label, long double value) {
        v.figures.push_back({uiText(kContext, label), summaryFigure(value, decimal)});
    };
    if (!motion.steady) {
        v.reason = motion.error;
        v.figures.push_back({uiText("TrueMotionView", "Установившегося движения нет"), motion.error});
        figure(UI_TEXT_NOOP("TrueMotionView", "δ заданное"), deltaAsked);
        return v;
    }
    const SteadyRunning& s = *motion.steady;
    v.steady = true;
    v.speed = fromAngle(s.speed, v.fi0);
    v.inertia = fromAngle(s.inertia, v.fi0);
    v.omegaMean = s.omegaMean;
    v.bandLow = s.omegaMean * (1 - deltaAsked / 2);
    v.bandHigh = s.omegaMean * (1 + deltaAsked / 2);
    figure(UI_TEXT_NOOP("TrueMotionView", "ω_min, рад/с"), s.omegaMin);
    figure(UI_TEXT_NOOP("TrueMotionView", "ω_max, рад/с"), s.omegaMax);
    figure(UI_TEXT_NOOP("TrueMotionView", "ω_ср, рад/с"), s.omegaMean);
    figure(UI_TEXT_NOOP("TrueMotionView", "δ достигнутое"), s.delta);
    figure(UI_TEXT_NOOP("TrueMotionView", "δ заданное"), deltaAsked);
    figure(UI_TEXT_NOOP("TrueMotionView", "J маховика, кг·м²"), motion.flywheel);
    figure(UI_TEXT_NOOP("TrueMotionView", "Время периода, с"), s.periodTime);
    if (motion.startUp) {
        v.startUp = motion.startUp->speed;
        figure(UI_TEXT_NOOP("TrueMotionView", "Время разгона, с"), motion.startUp->time);
        figure(UI_TEXT_NOOP("TrueMotionView", "Оборотов за разгон"), motion.startUp->turns);
    } else {
        v.figures.push_back({uiText("TrueMotionView", "Разгона нет"), motion.startUpError});
    }
    return v;
}

std::optional<TrueMotionPoint> trueMotionAt(const TrueMotionView& view, long double degrees)
{
    if (!view.steady || view.speed.empty() || !std::isfinite(degrees) || !(view.period > 0))
        return std::nullopt;
    long double into = std::fmod(degrees - view.fi0, view.period);
    if (into < 0) into += view.period;
    TrueMotionPoint p;
    p.angle = view.fi0 + into;
    p.omega = along(view.speed, p.angle);
    p.inertia = along(view.inertia, p.angle);
    return p;
}
