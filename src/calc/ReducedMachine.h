// SPDX-License-Identifier: GPL-3.0-or-later
// The machine reduced to its crank: the reduced moment of inertia J(φ), its derivative, and the
// reduced moment of the resistances M_c(φ), from the geometry alone. The mechanism is placed as
// the kinematic stage places it (A and the rod turned rigidly from their step-1 points), and
// every derivative is the analytic one of the kinematics at a unit crank speed, so that the
// velocity of a point at speed ω is ω times its velocity here.
#pragma once
#include "params/ParamSet.h"

// The reduced figures at one crank angle.
struct ReducedPoint {
    long double inertia = 0;     // J(φ) = J_fw + Σ (m·|dC/dφ|² + i·(dθ/dφ)²), kg·m²
    long double inertiaRate = 0; // dJ/dφ, kg·m²/rad
    long double resistance = 0;  // M_c(φ) = Σ m·g·dyC/dφ − q·dyB/dφ, N·m
};

class ReducedMachine {
public:
    // The mechanism of `p` with a flywheel of inertia `flywheel` (kg·m², ≥ 0) on the crank.
    // The mode must be 360 (the rod keeps its branch): the stages of mode 720 turn it over.
    ReducedMachine(const ParamSet& p, long double flywheel);

    // The figures at crank angle phi (radians, as fi: fi0 in radians plus the turn), for a crank
    // turning toward growing φ (the load by stroke reads the slider's heading from that).
    // Where the rod lies along the guide's normal (sin ψ = 0) the values are not finite.
    ReducedPoint at(long double phi) const;

    // J(φ) alone, of the same formula as at(), without the load.
    long double inertia(long double phi) const { return at(phi).inertia; }

    const ParamSet& params() const { return p_; }
    long double flywheel() const { return flywheel_; }

private:
    ParamSet p_;
    long double flywheel_;
    // Sine and cosine of the crank's and the rod's angles at step 1.
    long double sinStart_ = 0, cosStart_ = 1;
    long double sinPsiStart_ = 0, cosPsiStart_ = 1;
};
