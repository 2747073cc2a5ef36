// SPDX-License-Identifier: GPL-3.0-or-later
// The counterweight on the crank (m_cw, r_cw, fi_cw of the parameter set) joined to the crank:
// every stage reads the crank's mass, centre of mass and moment of inertia from here, so that the
// forces at O, Mo and E follow the counterweight's weight and inertia.
#pragma once
#include "params/ParamSet.h"

// A point of the mechanism's plane at step 1, in metres.
struct PlanePoint {
    long double x = 0, y = 0;
};

// The crank as the stages see it: its mass, its centre of mass at step 1 and its moment of
// inertia about that centre.
struct CrankMass {
    long double m = 0;
    PlanePoint centre;
    long double i = 0;
};

// The direction of the crank pin at step 1, in radians from +x: that of A (ac4, bc4), or fi0
// while A is not placed (on O).
long double crankPinAngle(const ParamSet& p);

// Where the counterweight sits at step 1: r_cw from O, fi_cw degrees past the crank pin's
// direction (crankPinAngle).
PlanePoint counterweightPoint(const ParamSet& p);

// Whether the set carries a counterweight: m_cw not 0.
bool hasCounterweight(const ParamSet& p);

// The crank with the counterweight, a point mass, joined to it: the masses summed, the centre of
// mass their weighted mean, the moment of inertia i1 carried to that centre plus the
// counterweight's m_cw·d². Without a counterweight it is m1, (ac1, bc1) and i1 themselves, bit
// for bit, so that a set without one computes as it always did.
CrankMass crankMass(const ParamSet& p);
