// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/Autofill.h"

#include <cmath>

#include "base/UiText.h"
#include "params/RodBranch.h"

namespace {

// Stores v only when it is a finite number: an invalid operation or a division by zero stops
// the autofill at the faulting step instead of storing a NaN or an infinity.
bool storeFinite(long double& field, long double v)
{
    if (!std::isfinite(v)) return false;
    field = v;
    return true;
}

// The cosine of the rod's angle at the crank angle phi0 (radians): (b - cos(phi0) l1) / l2.
long double rodCosine(const ParamSet& p, long double phi0)
{
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    return (b - cosl(phi0) * l1) / l2;
}

} // namespace

bool autofillPoints(ParamSet& p)
{
    const long double l1 = p.l1;
    const long double l2 = p.l2;
    const long double b = p.b;

    if (!storeFinite(p.phi0, p.fi0 * kRadPerDeg)) return false;
    if (!storeFinite(p.ac4, cosl(p.phi0) * l1)) return false;
    if (!storeFinite(p.ac1, cosl(p.phi0) * (l1 / 2))) return false;

    // arccos(u) = atan2(sqrt(1 - u*u), u): a rod too short for the guide gives a negative
    // radicand, a rod of length 0 a division by zero (or 0/0).
    if (l2 == 0) return false;
    const long double u = rodCosine(p, p.phi0);
    const long double radicand = 1 - u * u;
    if (!std::isfinite(u) || radicand < 0) return false;
    if (!storeFinite(p.psi0, atan2l(sqrtl(radicand), u))) return false;
    // In mode 720 the rod takes the branch the kinematic stage gives it at this angle: B placed
    // on the other one would be turned off the guide from the first step.
    if (p.mode != 0) {
        const RodBranch branch = rodBranchAtDegrees(deg(p.phi0));
        if (branch == RodBranch::Fault) return false;
        if (branch == RodBranch::Negative) p.psi0 = -p.psi0;
    }

    if (!storeFinite(p.ac5, cosl(p.psi0) * l2 + p.ac4)) return false;
    if (!storeFinite(p.bc4, sinl(p.phi0) * l1)) return false;
    if (!storeFinite(p.bc5, sinl(p.psi0) * l2 + p.bc4)) return false;
    if (!storeFinite(p.bc1, sinl(p.phi0) * (l1 / 2))) return false;
    if (!storeFinite(p.ac2, cosl(p.psi0) * (l2 / 2) + p.ac4)) return false;
    // C2 is the rod's centre of mass: its midpoint in y as in x.
    if (!storeFinite(p.bc2, sinl(p.psi0) * (l2 / 2) + p.bc4)) return false;
    if (!storeFinite(p.ac3, b)) return false;
    return storeFinite(p.bc3, sinl(p.phi0) * l1 + sinl(p.psi0) * l2);
}

std::string autofillFaultText(const ParamSet& p)
{
    // The same test as the autofill's own, on the angle it stored: a rod too short for the
    // guide is a fault of the mechanism, which no restart mends.
    const long double phi0 = p.fi0 * kRadPerDeg;
    if (!std::isfinite(phi0) || p.l2 == 0) return uiText("Autofill", kAutofillFault);
    const long double u = rodCosine(p, phi0);
    return std::isfinite(u) && 1 - u * u < 0 ? uiText("Autofill", kAutofillUnreachable)
                                             : uiText("Autofill", kAutofillFault);
}

Outcome autofill(ParamSet& p)
{
    Outcome out;
    if (autofillPoints(p))
        out.add(Effect::Kind::Refresh);
    else
        out.message(autofillFaultText(p));
    return out;
}
