// The energy stage: centres of mass, kinetic energies, inertia loads, powers, Mo and E
// (rows 28..66), from the kinematic rows.
#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/Calculation.h"
#include "calc/StageMath.h"

using stage::kGravity;
using stage::put;

bool energyStage(const ParamSet& p, ResultStore& R, int* faultStep)
{
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    std::array<long double*, 67> r{};
    for (int k = 0; k < 67; ++k)
        r[static_cast<size_t>(k)] = R.row(k);

    const long double ac1 = p.ac1, bc1 = p.bc1, m1 = p.m1, m2 = p.m2, m3 = p.m3;
    const long double i1 = p.i1, i2 = p.i2;
    // C2 keeps its step-1 offset from A, turned with the rod.
    const long double c2x = p.ac2 - p.ac4, c2y = p.bc2 - p.bc4;

    for (int i = 1; i <= n; ++i) {
        if (faultStep) *faultStep = i;
        const long double fitt = r[2][i], fit = r[4][i];
        const long double sdfi = r[6][i], cdfi = r[7][i];
        const long double sdpsi = r[10][i], cdpsi = r[11][i];
        const long double xa = r[12][i], ya = r[13][i], xat = r[14][i], yat = r[15][i];
        const long double xatt = r[16][i], yatt = r[17][i], psit = r[18][i], psitt = r[19][i];

        // Link 1, the crank: C1 turns with it about O.
        const long double xc1 = ac1 * cdfi - bc1 * sdfi;
        if (!put(r[28][i], xc1)) return false;
        const long double yc1 = ac1 * sdfi + bc1 * cdfi;
        if (!put(r[29][i], yc1)) return false;
        const long double xc1t = (-fit) * yc1;
        if (!put(r[30][i], xc1t)) return false;
        const long double yc1t = fit * xc1;
        if (!put(r[31][i], yc1t)) return false;
        const long double xc1tt = (-fitt) * yc1 - fit * yc1t;
        if (!put(r[32][i], xc1tt)) return false;
        const long double yc1tt = fitt * xc1 + fit * xc1t;
        if (!put(r[33][i], yc1tt)) return false;
        if (!put(r[34][i], (xc1t * xc1t + yc1t * yc1t) * m1 / 2 + i1 * fit * fit / 2)) return false;
        const long double fx1 = m1 * xc1tt;
        if (!put(r[35][i], fx1)) return false;
        const long double fy1 = m1 * yc1tt;
        if (!put(r[36][i], fy1)) return false;
        const long double mi1 = fitt * i1;
        if (!put(r[37][i], mi1)) return false;
        const long double pin1 = fx1 * xc1t + fy1 * yc1t + mi1 * fit;
        if (!put(r[38][i], pin1)) return false;
        const long double pgr1 = yc1t * m1 * kGravity;
        if (!put(r[39][i], pgr1)) return false;

        // Link 2, the rod. C2 comes from its formula at step 1 too, so it does not jump.
        const long double xc2 = c2x * cdpsi + xa - c2y * sdpsi;
        if (!put(r[40][i], xc2)) return false;
        const long double yc2 = c2x * sdpsi + ya + c2y * cdpsi;
        if (!put(r[41][i], yc2)) return false;
        const long double xc2t = xat - (yc2 - ya) * psit;
        if (!put(r[42][i], xc2t)) return false;
        const long double yc2t = (xc2 - xa) * psit + yat;
        if (!put(r[43][i], yc2t)) return false;
        const long double xc2tt = xatt - (yc2 - ya) * psitt - (yc2t - yat) * psit;
        if (!put(r[44][i], xc2tt)) return false;
        const long double yc2tt = (xc2 - xa) * psitt + yatt + (xc2t - xat) * psit;
        if (!put(r[45][i], yc2tt)) return false;
        if (!put(r[46][i], (xc2t * xc2t + yc2t * yc2t) * m2 / 2 + psit * psit * i2 / 2))
            return false;
        const long double fx2 = m2 * xc2tt;
        if (!put(r[47][i], fx2)) return false;
        const long double fy2 = m2 * yc2tt;
        if (!put(r[48][i], fy2)) return false;
        const long double mi2 = psitt * i2;
        if (!put(r[49][i], mi2)) return false;
        const long double pin2 = fx2 * xc2t + fy2 * yc2t + mi2 * psit;
        if (!put(r[50][i], pin2)) return false;
        const long double pgr2 = m2 * kGravity * yc2t;
        if (!put(r[51][i], pgr2)) return false;

        // Link 3, the slider: its centre of mass is B and it does not rotate.
        const long double xc3t = r[22][i], yc3t = r[23][i];
        const long double xc3tt = r[24][i], yc3tt = r[25][i];
        r[52][i] = r[20][i];
        r[53][i] = r[21][i];
        r[54][i] = xc3t;
        r[55][i] = yc3t;
        r[56][i] = xc3tt;
        r[57][i] = yc3tt;
        if (!put(r[58][i], (xc3t * xc3t + yc3t * yc3t) * m3 / 2)) return false;
        const long double fx3 = m3 * xc3tt;
        if (!put(r[59][i], fx3)) return false;
        const long double fy3 = m3 * yc3tt;
        if (!put(r[60][i], fy3)) return false;
        const long double mi3 = i2 * 0.0L;
        if (!put(r[61][i], mi3)) return false;
        const long double pin3 = fx3 * xc3t + fy3 * yc3t + mi3 * psit;
        if (!put(r[62][i], pin3)) return false;
        const long double pgr3 = m3 * kGravity * yc3t;
        if (!put(r[63][i], pgr3)) return false;

        // Each link's inertia power counts once.
        const long double psum = pin1 + pgr1 + pin2 + pgr2 + pin3 + pgr3;
        if (!put(r[64][i], psum)) return false;
        if (!put(r[65][i], psum / fit)) return false;
        // E accumulates by the trapezoid rule from 0; element 1 is never written.
        if (i > 1 && !put(r[66][i], (r[64][i - 1] + psum) * r[3][i] / 2 + r[66][i - 1]))
            return false;
    }
    if (faultStep) *faultStep = 0;
    return true;
}
