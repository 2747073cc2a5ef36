#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Worked values for the slider-crank with A off the x axis: the start-up defaults with
fi0 = 40 degrees and the points filled in from the lengths.

Computed from the geometry alone, not from the program: A and B are placed on the crank circle
and the guide x = b directly, C2 is the midpoint of A and B, and the velocities come from
differentiating l2*cos(psi) = b - l1*cos(fi). The crank's motion is the law of uniformly
accelerated rotation within each step, for the acceleration at the step's start (it grows by
fidtt at each step): w^2 = w0^2 + 2*alpha*dphi and dt = (w - w0) / alpha. Prints the C++ table
rows used by the calculation tests; with "defaults" it prints the start-up defaults' crank and
rod table (fi0 = 0.1) and the energies of their first worked set instead.
"""
import sys
from math import acos, cos, pi, sin, sqrt

DEFAULTS = len(sys.argv) > 1 and sys.argv[1] == "defaults"
L1, L2, B = 10.0, 25.0, 15.0
M2, I2 = 10.0, 10.0
FI0_DEG, STEP_DEG, N = (0.1 if DEFAULTS else 40.0), 15.0, 25
FIT0, FITT0, FIDTT = 1.0, 0.0, 0.01

step = STEP_DEG * pi / 180
fi = [None] + [FI0_DEG * pi / 180 + (i - 1) * step for i in range(1, N + 1)]

# Crank rates: fitt grows by fidtt each step; within step i the acceleration fitt[i-1] holds,
# so w^2 = w0^2 + 2*alpha*dphi and the step lasts (w - w0) / alpha (dphi / w0 at alpha = 0).
fitt, fit, dt = [None, FITT0], [None, FIT0], [None, 0.0]
for i in range(2, N + 1):
    alpha, w0, turn = fitt[i - 1], fit[i - 1], fi[i] - fi[i - 1]
    fitt.append(alpha + FIDTT)
    w = sqrt(w0 * w0 + 2 * alpha * turn) if alpha else w0
    fit.append(w)
    dt.append((w - w0) / alpha if alpha else turn / w0)
# The angle reached by the time integration, as fis.
fis = [None, fi[1]]
for i in range(2, N + 1):
    fis.append(fis[i - 1] + fit[i - 1] * dt[i] + fitt[i - 1] * dt[i] ** 2 / 2)


def state(i):
    f, w = fi[i], fit[i]
    xa, ya = L1 * cos(f), L1 * sin(f)
    psi = acos((B - L1 * cos(f)) / L2)  # the branch with B above A (360 mode)
    xb, yb = xa + L2 * cos(psi), ya + L2 * sin(psi)
    xat, yat = -w * ya, w * xa
    # d/dt [l2 cos psi] = d/dt [b - l1 cos fi]  =>  -l2 sin(psi) psit = l1 sin(fi) fit
    psit = -L1 * sin(f) * w / (L2 * sin(psi))
    # Differentiating psit once more, with d(fit)/dt = fitt and d(psi)/dt = psit.
    a = fitt[i]
    psitt = -L1 * (cos(f) * w * w + sin(f) * a) / (L2 * sin(psi)) + \
        L1 * sin(f) * w * cos(psi) * psit / (L2 * sin(psi) ** 2)
    xbt, ybt = xat - (yb - ya) * psit, yat + (xb - xa) * psit
    xc2, yc2 = (xa + xb) / 2, (ya + yb) / 2
    xc2t, yc2t = xat - (yc2 - ya) * psit, yat + (xc2 - xa) * psit
    t2 = M2 * (xc2t ** 2 + yc2t ** 2) / 2 + I2 * psit ** 2 / 2
    return {
        0: f, 2: fitt[i], 3: dt[i], 4: w, 5: fis[i], 8: psi, 12: xa, 13: ya, 18: psit, 20: xb, 21: yb, 22: xbt, 23: ybt,
        40: xc2, 41: yc2, 42: xc2t, 43: yc2t, 46: t2, "psitt": psitt,
    }


def table(columns, steps):
    print("columns", columns)
    for i in steps:
        s = state(i)
        print("    {%d, {%s}}," % (i, ", ".join("%.6f" % s[k] for k in columns)))


def first_set(i):
    """The defaults' first worked set: every point at O, so only the links' turning remains:
    the crank's i1*w^2/2 and i1*alpha*w, the rod's i2*psit^2/2 and i2*psitt*psit."""
    s, w, a = state(i), fit[i], fitt[i]
    psit, psitt = s[18], s["psitt"]
    return {34: 4.0 * w * w / 2, 46: I2 * psit * psit / 2, 38: 4.0 * a * w,
            50: I2 * psitt * psit}


if DEFAULTS:
    steps = (1, 2, 3, 4, 25)
    table([0, 2, 3, 4, 5, 8, 18], steps)
    # psum = pin1 + pin2, mo = psum / w, and E by the trapezoid rule in time.
    e = 0.0
    previous = None
    print("columns [34, 46, 38, 50, 64, 65, 66]")
    for i in range(1, N + 1):
        f = first_set(i)
        psum = f[38] + f[50]
        if previous is not None:
            e += (previous + psum) * dt[i] / 2
        previous = psum
        if i in (1, 2, 3, 25):
            row = [f[34], f[46], f[38], f[50], psum, psum / fit[i], e]
            print("    {%d, {%s}}," % (i, ", ".join("%.6f" % v for v in row)))
else:
    steps = (1, 2, 3, 10, 25)
    table([0, 4, 8, 12, 13, 18], steps)
    table([20, 21, 22, 23], steps)
    table([40, 41, 42, 43, 46], steps)
