// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Counterweight.h"

#include <cmath>

long double crankPinAngle(const ParamSet& p)
{
    if (p.ac4 == 0 && p.bc4 == 0) return rad(static_cast<long double>(p.fi0));
    return std::atan2(p.bc4, p.ac4);
}

PlanePoint counterweightPoint(const ParamSet& p)
{
    const long double angle = crankPinAngle(p) + rad(p.fi_cw);
    return {p.r_cw * std::cos(angle), p.r_cw * std::sin(angle)};
}

bool hasCounterweight(const ParamSet& p)
{
    return p.m_cw != 0;
}

CrankMass crankMass(const ParamSet& p)
{
    // No arithmetic at all without a counterweight: a crank of no mass would otherwise get a
    // centre of 0/0, and every other set the roundings of a mean it does not need.
    if (!hasCounterweight(p)) return {p.m1, {p.ac1, p.bc1}, p.i1};
    const PlanePoint w = counterweightPoint(p);
    const long double m = p.m1 + p.m_cw;
    const PlanePoint c{(p.m1 * p.ac1 + p.m_cw * w.x) / m, (p.m1 * p.bc1 + p.m_cw * w.y) / m};
    const auto square = [](long double dx, long double dy) { return dx * dx + dy * dy; };
    const long double i =
        p.i1 + p.m1 * square(p.ac1 - c.x, p.bc1 - c.y) + p.m_cw * square(w.x - c.x, w.y - c.y);
    return {m, c, i};
}
