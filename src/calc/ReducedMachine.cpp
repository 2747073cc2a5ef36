// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ReducedMachine.h"

#include <cmath>

#include "calc/Load.h"
#include "calc/StageMath.h"

using stage::kGravity;

namespace {

struct Vec {
    long double x = 0, y = 0;
};

Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}
Vec operator*(long double k, Vec a)
{
    return {k * a.x, k * a.y};
}
long double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y;
}
// The vector turned a quarter turn toward +y: the velocity of its tip turning at unit rate.
Vec perp(Vec a)
{
    return {-a.y, a.x};
}
Vec turned(Vec a, long double s, long double c)
{
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

// Sine and cosine of x in extended precision. The library's sincosl costs some 500 ns, which the
// integrator pays thousands of times a period; the processor's own instruction gives the same
// values to within an ulp of 1 for the crank's angles in a few dozen, and takes any |x| < 2^63.
void sineCosine(long double x, long double* s, long double* c)
{
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(x) < 0x1p62L) {
        long double sv = 0, cv = 0;
        __asm__("fsincos" : "=t"(cv), "=u"(sv) : "0"(x));
        *s = sv;
        *c = cv;
        return;
    }
#endif
    sincosl(x, s, c);
}

} // namespace

ReducedMachine::ReducedMachine(const ParamSet& p, long double flywheel)
    : p_(p), flywheel_(flywheel)
{
    const long double fiStart = rad(static_cast<long double>(p.fi0));
    sineCosine(fiStart, &sinStart_, &cosStart_);
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    cosPsiStart_ = (b - cosStart_ * l1) / l2;
    sinPsiStart_ = std::sqrt(1 - cosPsiStart_ * cosPsiStart_);
}

ReducedPoint ReducedMachine::at(long double phi) const
{
    const ParamSet& p = p_;
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    const long double ratio = -l1 / l2;
    // One sine and cosine per call: the integrator asks for thousands of points a period, and
    // the turns from the step-1 position follow from the angle-difference formulas. The rod's
    // angle ψ = arccos((b − l1·cos φ)/l2) lies in [0, π], so its sine is the root.
    long double sfi = 0, cfi = 0;
    sineCosine(phi, &sfi, &cfi);
    const long double sd = sfi * cosStart_ - cfi * sinStart_;
    const long double cd = cfi * cosStart_ + sfi * sinStart_;
    const long double cpsi = (b - cfi * l1) / l2;
    const long double spsi = std::sqrt(1 - cpsi * cpsi);
    const long double sp = spsi * cosPsiStart_ - cpsi * sinPsiStart_;
    const long double cp = cpsi * cosPsiStart_ + spsi * sinPsiStart_;

    // Positions, as the kinematic and energy stages place them.
    const Vec a = turned({p.ac4, p.bc4}, sd, cd);
    const Vec ab = turned({p.ac5 - p.ac4, p.bc5 - p.bc4}, sp, cp);
    const Vec ac2 = turned({p.ac2 - p.ac4, p.bc2 - p.bc4}, sp, cp);
    const Vec c1 = turned({p.ac1, p.bc1}, sd, cd);

    // The rod's rates per unit crank angle, from l2·cos ψ = b − l1·cos φ.
    const long double w2 = (sfi * ratio) / spsi;
    const long double e2 = ((cfi / spsi) - (cpsi * (sfi * w2)) / (spsi * spsi)) * ratio;
    // First and second derivatives in φ: a point turning with a link at rate w and rate of rate
    // e about a point P moves as P' + w·perp(r) and P'' + e·perp(r) − w²·r.
    const Vec a1 = perp(a), a2 = -1.0L * a;
    const Vec b1 = a1 + w2 * perp(ab);
    const Vec b2 = (a2 + e2 * perp(ab)) - (w2 * w2) * ab;
    const Vec c21 = a1 + w2 * perp(ac2);
    const Vec c22 = (a2 + e2 * perp(ac2)) - (w2 * w2) * ac2;
    const Vec c11 = perp(c1);

    const long double m1 = p.m1, m2 = p.m2, m3 = p.m3, i1 = p.i1, i2 = p.i2;
    ReducedPoint r;
    r.inertia = flywheel_ + (m1 * dot(c11, c11) + i1) + (m2 * dot(c21, c21) + i2 * (w2 * w2)) +
                m3 * dot(b1, b1);
    // C1 turns on a circle about O: its velocity and acceleration at unit speed are orthogonal.
    r.inertiaRate = 2 * ((m2 * dot(c21, c22) + i2 * (w2 * e2)) + m3 * dot(b1, b2));
    const Vec bPos = a + ab;
    const long double q =
        loadForceY(p, {deg(phi), bPos.y, b1.y}); // the heading of the slider for ω > 0
    r.resistance = kGravity * ((m1 * c11.y + m2 * c21.y) + m3 * b1.y) - q * b1.y;
    return r;
}
