#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Worked values for the slider-crank with A off the x axis: the start-up defaults with
fi0 = 40 degrees and the points filled in from the lengths.

Computed from the geometry alone, not from the program: A and B are placed on the crank circle
and the guide x = b directly, C2 is the midpoint of A and B, and the velocities come from
differentiating l2*cos(psi) = b - l1*cos(fi). Only the crank's time stepping (the duration of a
step uses the previous velocity, the velocity lags a step) follows the program's rule, because
it is a rule and not geometry. Prints the C++ table rows used by the calculation tests.
"""
from math import acos, cos, pi, sin

L1, L2, B = 10.0, 25.0, 15.0
M2, I2 = 10.0, 10.0
FI0_DEG, STEP_DEG, N = 40.0, 15.0, 25
FIT0, FITT0, FIDTT = 1.0, 0.0, 0.01

step = STEP_DEG * pi / 180
fi = [None] + [FI0_DEG * pi / 180 + (i - 1) * step for i in range(1, N + 1)]

# Crank rates by the stepping rule: fitt grows by fidtt each step; the duration of step i is
# the angle travelled over the previous step's velocity; that velocity grows by the previous
# acceleration times the previous duration (the duration of step 1 is 0).
fitt, fit, dt = [None, FITT0], [None, FIT0], [None, 0.0]
for i in range(2, N + 1):
    fitt.append(fitt[i - 1] + FIDTT)
    dt.append((fi[i] - fi[i - 1]) / fit[i - 1])
    fit.append(fitt[i - 1] * dt[i - 1] + fit[i - 1])


def state(i):
    f, w = fi[i], fit[i]
    xa, ya = L1 * cos(f), L1 * sin(f)
    psi = acos((B - L1 * cos(f)) / L2)  # the branch with B above A (360 mode)
    xb, yb = xa + L2 * cos(psi), ya + L2 * sin(psi)
    xat, yat = -w * ya, w * xa
    # d/dt [l2 cos psi] = d/dt [b - l1 cos fi]  =>  -l2 sin(psi) psit = l1 sin(fi) fit
    psit = -L1 * sin(f) * w / (L2 * sin(psi))
    xbt, ybt = xat - (yb - ya) * psit, yat + (xb - xa) * psit
    xc2, yc2 = (xa + xb) / 2, (ya + yb) / 2
    xc2t, yc2t = xat - (yc2 - ya) * psit, yat + (xc2 - xa) * psit
    t2 = M2 * (xc2t ** 2 + yc2t ** 2) / 2 + I2 * psit ** 2 / 2
    return {
        0: f, 4: w, 8: psi, 12: xa, 13: ya, 18: psit, 20: xb, 21: yb, 22: xbt, 23: ybt,
        40: xc2, 41: yc2, 42: xc2t, 43: yc2t, 46: t2,
    }


def table(columns, steps):
    print("columns", columns)
    for i in steps:
        s = state(i)
        print("    {%d, {%s}}," % (i, ", ".join("%.6f" % s[k] for k in columns)))


steps = (1, 2, 3, 10, 25)
table([0, 4, 8, 12, 13, 18], steps)
table([20, 21, 22, 23], steps)
table([40, 41, 42, 43, 46], steps)
