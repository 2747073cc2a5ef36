// SPDX-License-Identifier: GPL-3.0-or-later
// The kinematic stage: crank motion, rod angle and the motion of A, B and the slider.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "calc/Calculation.h"
#include "calc/Kinematic.h"
#include "calc/StageMath.h"

using stage::arccos;
using stage::cosx;
using stage::put;
using Q = Quantity;
using stage::sinx;

long double guideTolerance(const ParamSet& p)
{
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    const long double scale = (std::fabs(l1) + std::fabs(l2)) + std::fabs(b);
    const long double ax = p.ac4, ay = p.bc4;
    const long double abx = p.ac5 - p.ac4, aby = p.bc5 - p.bc4;
    // A turns rigidly about O and A->B rigidly about A, so B can only stray from the guide by
    // what the entered points already miss: a point off its circle, or off its angle.
    long double turn = std::atan2(ay, ax) - rad(static_cast<long double>(p.fi0));
    turn = std::remainder(turn, 2 * kPi);
    const long double disagreement = ((std::fabs(p.ac5 - b) + std::fabs(std::hypot(ax, ay) - l1)) +
                                      std::fabs(std::hypot(abx, aby) - l2)) +
                                     std::fabs(l1 * turn);
    const long double tolerance = 16 * 0x1p-52L * scale + 4 * disagreement;
    return std::isfinite(tolerance) ? tolerance : 0.0L;
}

void writeKinematicSeed(const ParamSet& p, ResultStore& R)
{
    const bool trueLaw = p.motion == MotionLaw::True;
    R(Q::dfi, 1) = 0.0L;
    R(Q::fitt, 1) = trueLaw ? R(Q::eps_true, 1) : p.fitt0;
    R(Q::dt, 1) = 0.0L;
    // The entered initial angular velocity drives step 1, or the true motion's at fi0.
    R(Q::fit, 1) = trueLaw ? R(Q::omega_true, 1) : p.fit0;
}

bool kinematicStage(const ParamSet& p, ResultStore& R, int* faultStep, const char** reason)
{
    const int n = std::min<int32_t>(p.N, ResultStore::kSteps);
    const stage::Rows r(R);

    const long double l1 = p.l1, l2 = p.l2, b = p.b, fidtt = p.fidtt, step = p.step;
    const long double fiStart = rad(static_cast<long double>(p.fi0));
    const long double ratio = -l1 / l2; // (-l1 / l2) of the rod's rates
    // A and the vector A->B turn rigidly from their step-1 coordinates.
    const long double ax = p.ac4, ay = p.bc4;
    const long double abx = p.ac5 - p.ac4, aby = p.bc5 - p.bc4;
    const bool mode720 = p.mode != 0.0L;
    // Under the true law the speed, acceleration and time of every step are the true motion's,
    // written before this stage; under the prescribed law this stage writes them there.
    const bool trueLaw = p.motion == MotionLaw::True;
    const long double offGuide = guideTolerance(p);
    if (reason) *reason = kKinematicFault;

    for (int i = 1; i <= n; ++i) {
        if (R.stopRequested(i)) return false; // a newer run replaces this one
        // The step in work is the one a fault stops at.
        if (faultStep) *faultStep = i;
        const long double fi = fiStart + static_cast<long double>(i - 1) * step;
        if (!put(r[Q::fi][i], fi)) return false;
        long double fis = fi;
        if (i > 1 && trueLaw) {
            if (!put(r[Q::dfi][i], fi - r[Q::fi][1])) return false;
            if (!put(r[Q::fitt][i], r[Q::eps_true][i])) return false;
            if (!put(r[Q::dt][i], r[Q::t_true][i] - r[Q::t_true][i - 1])) return false;
            if (!put(r[Q::fit][i], r[Q::omega_true][i])) return false;
            // The true motion is integrated in the crank angle itself.
            fis = fi;
        } else if (i > 1) {
            if (!put(r[Q::dfi][i], fi - r[Q::fi][1])) return false;
            if (!put(r[Q::fitt][i], r[Q::fitt][i - 1] + fidtt)) return false;
            // The acceleration in force during the step is the one reached at its start; the
            // step is integrated exactly for it: w^2 = w0^2 + 2*alpha*dphi.
            const long double alpha = r[Q::fitt][i - 1], w0 = r[Q::fit][i - 1];
            const long double turn = fi - r[Q::fi][i - 1];
            long double w = w0;
            long double dt = 0;
            if (alpha == 0) {
                if (!put(dt, turn / w0)) return false;
            } else {
                const long double square = w0 * w0 + (2 * alpha) * turn;
                if (!stage::storable(square)) return false;
                if (!(square > 0)) { // the crank stops, or turns back, before this angle
                    if (reason) *reason = kCrankStopsFault;
                    return false;
                }
                // The speed keeps its sign through the step; from rest it takes the sign the
                // acceleration gives the turn.
                w = w0 < 0 ? -std::sqrt(square) : std::sqrt(square);
                // (w - w0) / alpha, written without the cancellation of w - w0 at a small alpha.
                if (!put(dt, (2 * turn) / (w0 + w))) return false;
            }
            if (!put(r[Q::dt][i], dt)) return false;
            if (!put(r[Q::fit][i], w)) return false;
            fis = (w0 * dt + r[Q::fis][i - 1]) + ((alpha * 0.5L) * dt) * dt;
        }
        if (!put(r[Q::fis][i], fis)) return false;
        const long double fitt = r[Q::fitt][i], fit = r[Q::fit][i];
        if (!trueLaw) {
            r[Q::omega_true][i] = fit;
            r[Q::eps_true][i] = fitt;
            if (!put(r[Q::t_true][i], i > 1 ? r[Q::t_true][i - 1] + r[Q::dt][i] : 0.0L))
                return false;
        }

        const long double sdfi = sinx(r[Q::dfi][i]), cdfi = cosx(r[Q::dfi][i]);
        if (!put(r[Q::sdfi][i], sdfi) || !put(r[Q::cdfi][i], cdfi)) return false;

        const long double sfi = sinx(fi), cfi = cosx(fi);
        long double psi = arccos((b - cfi * l1) / l2);
        if (mode720) {
            const RodBranch branch = rodBranchAtDegrees(deg(fi));
            if (branch == RodBranch::Fault) return false;
            if (branch == RodBranch::Negative) psi = -psi;
        }
        if (!put(r[Q::psi][i], psi)) return false;
        const long double dpsi = psi - r[Q::psi][1];
        if (!put(r[Q::dpsi][i], dpsi)) return false;
        const long double sdpsi = sinx(dpsi), cdpsi = cosx(dpsi);
        if (!put(r[Q::sdpsi][i], sdpsi) || !put(r[Q::cdpsi][i], cdpsi)) return false;

        const long double xa = ax * cdfi - ay * sdfi;
        if (!put(r[Q::xa][i], xa)) return false;
        const long double ya = ax * sdfi + ay * cdfi;
        if (!put(r[Q::ya][i], ya)) return false;
        const long double xat = (-fit) * ya;
        if (!put(r[Q::xat][i], xat)) return false;
        const long double yat = fit * xa;
        if (!put(r[Q::yat][i], yat)) return false;
        const long double xatt = (-fitt) * ya - fit * yat;
        if (!put(r[Q::xatt][i], xatt)) return false;
        const long double yatt = fitt * xa + fit * xat;
        if (!put(r[Q::yatt][i], yatt)) return false;

        // Derivatives of psi from l2*cos(psi) = b - l1*cos(fi); they divide by sin(psi), which
        // is zero where the rod lies along the x axis.
        const long double spsi = sinx(psi), cpsi = cosx(psi);
        const long double psit = (sfi * (ratio * fit)) / spsi;
        if (!put(r[Q::psit][i], psit)) return false;
        const long double pTerm = (cfi * (fit * fit)) / spsi;
        const long double qTerm = (sfi * fitt) / spsi;
        const long double sTerm = (cpsi * (sfi * (fit * psit))) / (spsi * spsi);
        const long double psitt = ((pTerm + qTerm) - sTerm) * ratio;
        if (!put(r[Q::psitt][i], psitt)) return false;

        const long double xb = (abx * cdpsi + xa) - aby * sdpsi;
        if (!put(r[Q::xb][i], xb)) return false;
        const long double yb = (abx * sdpsi + ya) + aby * cdpsi;
        if (!put(r[Q::yb][i], yb)) return false;
        const long double xbt = xat - (yb - ya) * psit;
        if (!put(r[Q::xbt][i], xbt)) return false;
        const long double ybt = (xb - xa) * psit + yat;
        if (!put(r[Q::ybt][i], ybt)) return false;
        if (!put(r[Q::xbtt][i], (xatt - (yb - ya) * psitt) - (ybt - yat) * psit)) return false;
        if (!put(r[Q::ybtt][i], ((xb - xa) * psitt + yatt) + (xbt - xat) * psit)) return false;
        if (!(std::fabs(xb - b) <= offGuide)) {
            if (reason) *reason = kOffGuideFault;
            return false;
        }
        r[Q::xs][i] = b;
        r[Q::ys][i] = yb;
    }
    if (faultStep) *faultStep = 0;
    return true;
}
