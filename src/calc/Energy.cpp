// SPDX-License-Identifier: GPL-3.0-or-later
// The energy stage: centres of mass, kinetic energies, inertia loads, the working load, powers,
// Mo and E, and the shaking force and moment on the frame, from the kinematic quantities.
#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/Calculation.h"
#include "calc/Counterweight.h"
#include "calc/CrankAngle.h"
#include "calc/Load.h"
#include "calc/StageMath.h"

using stage::kGravity;
using stage::put;
using Q = Quantity;

bool energyStage(const ParamSet& p, ResultStore& R, int* faultStep)
{
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    const stage::Rows r(R);

    // The crank carries its counterweight, if any, in its mass, centre and inertia.
    const CrankMass crank = crankMass(p);
    const long double ac1 = crank.centre.x, bc1 = crank.centre.y, m1 = crank.m, m2 = p.m2,
                      m3 = p.m3;
    const long double i1 = crank.i, i2 = p.i2;
    // C2 keeps its step-1 offset from A, turned with the rod.
    const long double c2x = p.ac2 - p.ac4, c2y = p.bc2 - p.bc4;

    for (int i = 1; i <= n; ++i) {
        if (R.stopRequested(i)) return false; // a newer run replaces this one
        if (faultStep) *faultStep = i;
        const long double fitt = r[Q::fitt][i], fit = r[Q::fit][i];
        const long double sdfi = r[Q::sdfi][i], cdfi = r[Q::cdfi][i];
        const long double sdpsi = r[Q::sdpsi][i], cdpsi = r[Q::cdpsi][i];
        const long double xa = r[Q::xa][i], ya = r[Q::ya][i], xat = r[Q::xat][i],
                          yat = r[Q::yat][i];
        const long double xatt = r[Q::xatt][i], yatt = r[Q::yatt][i], psit = r[Q::psit][i],
                          psitt = r[Q::psitt][i];

        // Link 1, the crank: C1 turns with it about O.
        const long double xc1 = ac1 * cdfi - bc1 * sdfi;
        if (!put(r[Q::xc1][i], xc1)) return false;
        const long double yc1 = ac1 * sdfi + bc1 * cdfi;
        if (!put(r[Q::yc1][i], yc1)) return false;
        const long double xc1t = (-fit) * yc1;
        if (!put(r[Q::xc1t][i], xc1t)) return false;
        const long double yc1t = fit * xc1;
        if (!put(r[Q::yc1t][i], yc1t)) return false;
        const long double xc1tt = (-fitt) * yc1 - fit * yc1t;
        if (!put(r[Q::xc1tt][i], xc1tt)) return false;
        const long double yc1tt = fitt * xc1 + fit * xc1t;
        if (!put(r[Q::yc1tt][i], yc1tt)) return false;
        if (!put(r[Q::ek1][i], (xc1t * xc1t + yc1t * yc1t) * m1 / 2 + i1 * fit * fit / 2))
            return false;
        const long double fx1 = m1 * xc1tt;
        if (!put(r[Q::fx1][i], fx1)) return false;
        const long double fy1 = m1 * yc1tt;
        if (!put(r[Q::fy1][i], fy1)) return false;
        const long double mi1 = fitt * i1;
        if (!put(r[Q::mi1][i], mi1)) return false;
        const long double pin1 = fx1 * xc1t + fy1 * yc1t + mi1 * fit;
        if (!put(r[Q::pin1][i], pin1)) return false;
        const long double pgr1 = yc1t * m1 * kGravity;
        if (!put(r[Q::pgr1][i], pgr1)) return false;

        // Link 2, the rod. C2 comes from its formula at step 1 too, so it does not jump.
        const long double xc2 = c2x * cdpsi + xa - c2y * sdpsi;
        if (!put(r[Q::xc2][i], xc2)) return false;
        const long double yc2 = c2x * sdpsi + ya + c2y * cdpsi;
        if (!put(r[Q::yc2][i], yc2)) return false;
        const long double xc2t = xat - (yc2 - ya) * psit;
        if (!put(r[Q::xc2t][i], xc2t)) return false;
        const long double yc2t = (xc2 - xa) * psit + yat;
        if (!put(r[Q::yc2t][i], yc2t)) return false;
        const long double xc2tt = xatt - (yc2 - ya) * psitt - (yc2t - yat) * psit;
        if (!put(r[Q::xc2tt][i], xc2tt)) return false;
        const long double yc2tt = (xc2 - xa) * psitt + yatt + (xc2t - xat) * psit;
        if (!put(r[Q::yc2tt][i], yc2tt)) return false;
        if (!put(r[Q::ek2][i], (xc2t * xc2t + yc2t * yc2t) * m2 / 2 + psit * psit * i2 / 2))
            return false;
        const long double fx2 = m2 * xc2tt;
        if (!put(r[Q::fx2][i], fx2)) return false;
        const long double fy2 = m2 * yc2tt;
        if (!put(r[Q::fy2][i], fy2)) return false;
        const long double mi2 = psitt * i2;
        if (!put(r[Q::mi2][i], mi2)) return false;
        const long double pin2 = fx2 * xc2t + fy2 * yc2t + mi2 * psit;
        if (!put(r[Q::pin2][i], pin2)) return false;
        const long double pgr2 = m2 * kGravity * yc2t;
        if (!put(r[Q::pgr2][i], pgr2)) return false;

        // Link 3, the slider: its centre of mass is B and it does not rotate.
        const long double xc3t = r[Q::xbt][i], yc3t = r[Q::ybt][i];
        const long double xc3tt = r[Q::xbtt][i], yc3tt = r[Q::ybtt][i];
        r[Q::xc3][i] = r[Q::xb][i];
        r[Q::yc3][i] = r[Q::yb][i];
        r[Q::xc3t][i] = xc3t;
        r[Q::yc3t][i] = yc3t;
        r[Q::xc3tt][i] = xc3tt;
        r[Q::yc3tt][i] = yc3tt;
        if (!put(r[Q::ek3][i], (xc3t * xc3t + yc3t * yc3t) * m3 / 2)) return false;
        const long double fx3 = m3 * xc3tt;
        if (!put(r[Q::fx3][i], fx3)) return false;
        const long double fy3 = m3 * yc3tt;
        if (!put(r[Q::fy3][i], fy3)) return false;
        const long double mi3 = i2 * 0.0L;
        if (!put(r[Q::mi3][i], mi3)) return false;
        const long double pin3 = fx3 * xc3t + fy3 * yc3t + mi3 * psit;
        if (!put(r[Q::pin3][i], pin3)) return false;
        const long double pgr3 = m3 * kGravity * yc3t;
        if (!put(r[Q::pgr3][i], pgr3)) return false;

        // The working load on the slider. Without one, pq is +0 itself rather than +0 * ybt,
        // which is -0 for a negative ybt: psum - (+0) is psum bit for bit, -0 included.
        const long double q = loadForceY(p, {crankAngleDegrees(p, i), r[Q::yb][i], yc3t});
        const long double pq = p.load.active() ? q * yc3t : 0.0L;
        // A zero load comes out of -σ·Q and Q·ybt as -0 as often as +0, and would be shown and
        // exported as "-0": +0 is stored instead (x + 0 turns -0 into +0 and leaves any other
        // value as it is). psum takes pq as computed, so that no row of the report changes by
        // a bit; fby subtracts the stored q from a sum that is never -0, which gives the same
        // bits for either zero.
        if (!put(r[Q::q][i], q + 0.0L)) return false;
        if (!put(r[Q::pq][i], pq + 0.0L)) return false;

        // Each link's inertia power counts once; the crank delivers what the load does not.
        const long double psum = pin1 + pgr1 + pin2 + pgr2 + pin3 + pgr3 - pq;
        if (!put(r[Q::psum][i], psum)) return false;
        if (!put(r[Q::mo][i], psum / fit)) return false;
        // E accumulates by the trapezoid rule from 0; element 1 is never written.
        if (i > 1 &&
            !put(r[Q::e][i], (r[Q::psum][i - 1] + psum) * r[Q::dt][i] / 2 + r[Q::e][i - 1]))
            return false;

        // What the frame feels of the links' inertia: written after every row the legacy
        // files carry, so that nothing of theirs waits on these.
        const long double fshx = -((fx1 + fx2) + fx3);
        if (!put(r[Q::fshx][i], fshx)) return false;
        const long double fshy = -((fy1 + fy2) + fy3);
        if (!put(r[Q::fshy][i], fshy)) return false;
        if (!put(r[Q::fsh][i], sqrtl(fshx * fshx + fshy * fshy))) return false;
        // The rate of the links' moment of momentum about O, the slider's own turn being none.
        const long double turn1 = (xc1 * fy1 - yc1 * fx1) + mi1;
        const long double turn2 = (xc2 * fy2 - yc2 * fx2) + mi2;
        const long double turn3 = r[Q::xc3][i] * fy3 - r[Q::yc3][i] * fx3;
        if (!put(r[Q::msh][i], -((turn1 + turn2) + turn3))) return false;
    }
    if (faultStep) *faultStep = 0;
    return true;
}
