// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Balancing.h"

#include <cmath>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "calc/CrankAngle.h"

using Q = Quantity;

namespace {

long double dot(PlanePoint a, PlanePoint b)
{
    return a.x * b.x + a.y * b.y;
}

PlanePoint crankPin(const ParamSet& p)
{
    return {p.ac4, p.bc4};
}

// The unbalance of the crank's rotating masses at step 1 (kg·m): its own, and the rod's share
// at A.
PlanePoint rotatingUnbalance(const ParamSet& p)
{
    const PlanePoint a = crankPin(p);
    const long double atA = rodSplit(p).atA;
    return {p.m1 * p.ac1 + atA * a.x, p.m1 * p.bc1 + atA * a.y};
}

SummaryPoint pointAt(const ParamSet& p, long double value, int step)
{
    return {value, step, crankAngleDegrees(p, step)};
}

// Keeps the greatest value and the first step reaching it: a later value within 4 ulps of a
// double is a tie, as the summary's extremes take it (a periodic run repeats its peaks to the
// last bits of the extended arithmetic, not exactly).
struct Peak {
    long double value = -1;
    int step = 1;
    void offer(long double v, int i)
    {
        if (v > value && !(v - value <= 4 * 0x1p-52L * v)) value = v, step = i;
    }
};

} // namespace

RodSplit rodSplit(const ParamSet& p)
{
    const PlanePoint ab{p.ac5 - p.ac4, p.bc5 - p.bc4};
    const long double length2 = dot(ab, ab);
    if (!(length2 > 0)) return {p.m2, 0};
    const long double t = dot({p.ac2 - p.ac4, p.bc2 - p.bc4}, ab) / length2;
    const long double atB = p.m2 * t;
    return {p.m2 - atB, atB};
}

long double reciprocatingMass(const ParamSet& p)
{
    return p.m3 + rodSplit(p).atB;
}

std::optional<CounterweightChoice> chooseCounterweight(const ParamSet& p, long double fraction)
{
    const PlanePoint a = crankPin(p);
    if (a.x == 0 && a.y == 0) return std::nullopt;
    const PlanePoint rotating = rotatingUnbalance(p);
    const long double share = fraction * reciprocatingMass(p);
    // The counterweight's m·r points against the whole unbalance it takes on.
    const PlanePoint against{-(rotating.x + share * a.x), -(rotating.y + share * a.y)};
    const long double massRadius = std::hypot(against.x, against.y);
    if (massRadius == 0) return CounterweightChoice{0, 180};
    const long double across = a.x * against.y - a.y * against.x;
    long double angle = deg(std::atan2(across, dot(a, against)));
    angle = std::fmod(angle, 360.0L);
    if (angle < 0) angle += 360;
    // A crank whose centre lies on its own line gets 180° in the last bits, not 180.0000000001.
    const long double whole = std::round(angle);
    if (std::fabs(angle - whole) < 1e-9L) angle = whole;
    if (angle >= 360) angle = 0;
    return CounterweightChoice{massRadius, angle};
}

ParamSet withCounterweight(const ParamSet& p, const CounterweightChoice& choice)
{
    ParamSet out = p;
    const long double radius = p.r_cw > 0 ? p.r_cw : std::hypot(p.ac4, p.bc4);
    out.r_cw = radius;
    out.fi_cw = choice.angleDegrees;
    out.m_cw = choice.massRadius > 0 && radius > 0 ? choice.massRadius / radius : 0;
    return out;
}

long double balancedFraction(const ParamSet& p)
{
    const PlanePoint a = crankPin(p);
    const long double reciprocating = reciprocatingMass(p);
    const long double pin2 = dot(a, a);
    if (!(reciprocating > 0) || !(pin2 > 0)) return NAN;
    const PlanePoint w = counterweightPoint(p);
    const PlanePoint rotating = rotatingUnbalance(p);
    const PlanePoint total{p.m_cw * w.x + rotating.x, p.m_cw * w.y + rotating.y};
    return -dot(total, a) / (pin2 * reciprocating);
}

std::optional<long double> parseFraction(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const size_t last = text.find_last_not_of(" \t");
    try {
        const long double v = ParseRealAnySeparator(text.substr(first, last - first + 1));
        if (v >= 0 && v <= 1) return v;
    } catch (const ConvertError&) {
    }
    return std::nullopt;
}

PlanePoint shakingForceWithoutCounterweight(const ResultStore& store, const ParamSet& p, int i)
{
    const PlanePoint f{store(Q::fshx, i), store(Q::fshy, i)};
    if (!hasCounterweight(p)) return f;
    // The counterweight turns with the crank: its inertia force is taken back out of F_sh.
    const PlanePoint w = counterweightPoint(p);
    const long double c = store(Q::cdfi, i), s = store(Q::sdfi, i);
    const long double x = w.x * c - w.y * s, y = w.x * s + w.y * c;
    const long double omega = store(Q::fit, i), epsilon = store(Q::fitt, i);
    const long double ax = -epsilon * y - omega * omega * x;
    const long double ay = epsilon * x - omega * omega * y;
    return {f.x + p.m_cw * ax, f.y + p.m_cw * ay};
}

ShakingFigures shakingFigures(const ResultStore& store, const ParamSet& p, int steps)
{
    ShakingFigures f;
    if (steps < 1) return f;
    f.force = peakMagnitude(store, p, Q::fsh, steps);
    f.moment = peakMagnitude(store, p, Q::msh, steps);
    if (hasCounterweight(p)) {
        Peak without;
        for (int i = 1; i <= steps; ++i) {
            const PlanePoint f = shakingForceWithoutCounterweight(store, p, i);
            without.offer(std::hypot(f.x, f.y), i);
        }
        f.counterweight = ShakingFigures::Counterweight{
            p.m_cw * p.r_cw, p.fi_cw, balancedFraction(p), pointAt(p, without.value, without.step)};
    }
    const long double l2 = p.l2;
    if (p.b == 0 && p.l1 > 0 && p.l2 > p.l1) {
        const long double m = reciprocatingMass(p);
        Peak primary, secondary, exact;
        for (int i = 1; i <= steps; ++i) {
            const long double xa = store(Q::xa, i), ya = store(Q::ya, i);
            const long double w2 = store(Q::fit, i) * store(Q::fit, i);
            primary.offer(m * w2 * std::fabs(ya), i);
            secondary.offer(m * w2 * std::fabs(ya * ya - xa * xa) / l2, i);
            exact.offer(m * std::fabs(store(Q::ybtt, i)), i);
        }
        f.primary = pointAt(p, primary.value, primary.step);
        f.secondary = pointAt(p, secondary.value, secondary.step);
        f.reciprocating = pointAt(p, exact.value, exact.step);
    }
    return f;
}
