// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Summary.h"

#include <algorithm>
#include <cmath>

#include "base/UiText.h"
#include "calc/Balancing.h"
#include "calc/Calculation.h"
#include "params/RunSettings.h"

using Q = Quantity;

namespace {

SummaryPoint at(const ParamSet& p, long double value, int step)
{
    return {value, step, crankAngleDegrees(p, step)};
}

// The rod's angle to the guide line x = b, in degrees: 0 when it lies along the guide.
long double pressureAngleAt(const ResultStore& store, int i)
{
    const long double dx = store(Q::xb, i) - store(Q::xa, i);
    const long double dy = store(Q::yb, i) - store(Q::ya, i);
    return deg(std::atan2(std::fabs(dx), std::fabs(dy)));
}

// Whether two values count as equal for the extremes: within 4 ulps of a double at the larger
// magnitude, the precision every output writes them in.
bool tied(long double a, long double b)
{
    return std::fabs(a - b) <= 4 * 0x1p-52L * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

QuantityExtremes rowExtremes(const ResultStore& store, const ParamSet& p, Quantity q, int steps)
{
    const long double* row = store.row(q);
    int lo = 1, hi = 1;
    // The extremes so far held in locals: a sweep summarises every row of every variant, and
    // reading them back from the row at each step costs as much as the comparisons.
    long double least = row[1], greatest = row[1];
    for (int i = 2; i <= steps; ++i) {
        const long double v = row[i];
        // A later value displaces the first only when it is beyond a tie: a periodic run
        // repeats its values to the last bits of the extended arithmetic, not exactly.
        if (v < least && !tied(v, least)) least = v, lo = i;
        if (v > greatest && !tied(v, greatest)) greatest = v, hi = i;
    }
    return {&quantityInfo(q), at(p, least, lo), at(p, greatest, hi)};
}

std::optional<long double> sliderStroke(const ParamSet& p)
{
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    if (!(std::fabs(b) <= l2 - l1)) return std::nullopt;
    return std::sqrt((l1 + l2) * (l1 + l2) - b * b) - std::sqrt((l2 - l1) * (l2 - l1) - b * b);
}

std::optional<FlywheelSizing> sizeFlywheel(const ResultStore& store, const ParamSet& p, int steps,
                                           const SummaryOptions& options, std::string* error)
{
    const auto refuse = [error](std::string why) -> std::optional<FlywheelSizing> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    const long double stepDegrees = deg(p.step);
    if (!(stepDegrees > 0)) return refuse(uiText("Flywheel", "для маховика нужен шаг больше нуля"));
    // The steps of a period must land on its end: K = T/step whole, to a relative 1e-9 that
    // forgives the rounding of the step to radians and back.
    const long double ratio = options.period / stepDegrees;
    const long double k = std::round(ratio);
    if (k < 1 || std::fabs(ratio - k) > 1e-9L * ratio)
        return refuse(fillIn(uiText("Flywheel", "для маховика шаг должен укладываться в период %1° "
                                                "целое число раз: выберите другой шаг"),
                             {std::to_string(static_cast<long long>(options.period))}));
    const int K = static_cast<int>(k);
    if (steps < K + 1) {
        const int cycles = (K + kStepsPerCycle - 1) / kStepsPerCycle;
        return refuse(fillIn(
            uiText("Flywheel", "для маховика нужен полный период: увеличьте число циклов до %1"),
            {std::to_string(cycles)}));
    }

    FlywheelSizing f;
    f.delta = options.delta;
    f.firstStep = 1;
    f.lastStep = K + 1;
    f.omegaVaries = p.fitt0 != 0 || p.fidtt != 0;
    const long double e1 = store(Q::e, 1);
    const long double work = store(Q::e, K + 1) - e1;
    f.meanMoment = work / (static_cast<long double>(K) * p.step);
    long double lo = 0, hi = 0, duration = 0;
    f.surplus.reserve(static_cast<size_t>(K) + 1);
    for (int i = 1; i <= K + 1; ++i) {
        const long double turned = static_cast<long double>(i - 1) * p.step;
        const long double surplus = f.meanMoment * turned - (store(Q::e, i) - e1);
        f.surplus.push_back(surplus);
        lo = std::min(lo, surplus);
        hi = std::max(hi, surplus);
        if (i > 1) duration += store(Q::dt, i);
    }
    f.energySwing = hi - lo;
    // The mean over time: the period's angle over its duration.
    f.omegaMean = static_cast<long double>(K) * p.step / duration;
    if (!std::isfinite(f.omegaMean) || f.omegaMean == 0)
        return refuse(
            uiText("Flywheel", "для маховика нужна ненулевая средняя угловая скорость кривошипа"));
    f.meanPower = f.meanMoment * f.omegaMean;
    f.requiredInertia = f.energySwing / (f.delta * f.omegaMean * f.omegaMean);
    const long double xc1 = store(Q::xc1, 1), yc1 = store(Q::yc1, 1);
    const CrankMass crank = crankMass(p); // with its counterweight, as the stages take it
    f.crankInertia = crank.i + crank.m * (xc1 * xc1 + yc1 * yc1);
    f.flywheelInertia = f.requiredInertia - f.crankInertia;
    return f;
}

RunSummary summarizeRun(const ResultStore& store, const ParamSet& p, int steps,
                        const SummaryOptions& options)
{
    RunSummary s;
    s.steps = std::clamp(steps, 0, ResultStore::kSteps);
    s.period = options.period;
    s.stepDegrees = deg(p.step);
    // Also of a run that stopped before its first step: the true motion says why it did.
    if (store.trueMotion()) s.trueMotion = *store.trueMotion();
    s.deltaAsked = options.delta;
    if (s.steps < 1) {
        s.flywheelError = uiText("Flywheel", "нет результатов расчёта");
        return s;
    }
    if (!options.extremesOf) {
        s.extremes.reserve(std::size(kQuantities));
        for (const QuantityInfo& q : kQuantities)
            s.extremes.push_back(rowExtremes(store, p, q.id, s.steps));
    } else {
        for (const Quantity q : *options.extremesOf)
            s.extremes.push_back(rowExtremes(store, p, q, s.steps));
    }
    if (const auto stroke = sliderStroke(p)) s.stroke = SummaryPoint{*stroke, 0, 0};
    long double gap = 0, moment = 0;
    for (int i = 1; i <= (options.figuresOnly ? 0 : s.steps); ++i) {
        gap = std::max(gap, std::fabs(store(Q::mb, i) - store(Q::mo, i)));
        moment = std::max(moment, std::fabs(store(Q::mo, i)));
    }
    s.momentCheck = moment > 0 ? gap / moment : 0;

    const FigureRun run(store, p, s.steps, options.period, options.scratch);
    s.basis = run.basis();
    const ResultStore& fs = run.store();
    const ParamSet& fp = run.params();
    const int n = run.steps();
    // A made run's step numbers would be read as the run on screen's: only its angle is kept.
    const auto figure = [&s](SummaryPoint point) {
        if (!s.basis.reused) point.step = 0;
        return point;
    };
    s.sliderSpeed = figure(peakMagnitude(fs, fp, Q::ybt, n));
    s.sliderAcceleration = figure(peakMagnitude(fs, fp, Q::ybtt, n));
    if (!options.figuresOnly) {
        int widest = 1;
        long double widestAngle = pressureAngleAt(fs, 1); // each step's angle found once
        for (int i = 2; i <= n; ++i)
            if (const long double angle = pressureAngleAt(fs, i); angle > widestAngle)
                widest = i, widestAngle = angle;
        s.pressureAngle = figure(at(fp, widestAngle, widest));
    }
    s.jointB = figure(peakMagnitude(fs, fp, Q::fbk, n));
    s.jointA = figure(peakMagnitude(fs, fp, Q::fak, n));
    s.jointO = figure(peakMagnitude(fs, fp, Q::fok, n));
    s.sideThrust = figure(peakMagnitude(fs, fp, Q::nb, n));
    s.crankMoment = figure(peakMagnitude(fs, fp, Q::mo, n));
    if (!options.figuresOnly) {
        ShakingFigures& sh = s.shaking = shakingFigures(fs, fp, n);
        for (SummaryPoint* point : {&sh.force, &sh.moment})
            *point = figure(*point);
        if (sh.counterweight)
            sh.counterweight->forceWithout = figure(sh.counterweight->forceWithout);
        for (std::optional<SummaryPoint>* point : {&sh.primary, &sh.secondary, &sh.reciprocating})
            if (*point) **point = figure(**point);
    }
    s.flywheel = sizeFlywheel(fs, fp, n, options, &s.flywheelError);
    s.branchJump = checkBranchJump(p);
    s.accelerationGrowsPerStep = p.fidtt != 0;
    if (p.load.active() && s.flywheel) {
        // The trapezoid rule in time, as the energy stage sums E.
        long double work = 0;
        for (int i = s.flywheel->firstStep + 1; i <= s.flywheel->lastStep; ++i)
            work += (fs(Q::pq, i - 1) + fs(Q::pq, i)) * fs(Q::dt, i) / 2;
        s.loadWork = work;
    }
    return s;
}
