// SPDX-License-Identifier: GPL-3.0-or-later
// The working load at a step: the y component q of the load table's force on the slider, from
// the crank angle, the slider's position and its velocity. A pure function of its inputs.
#pragma once
#include "params/ParamSet.h"

// What a step gives the load: the crank angle in degrees as the messages name it
// (crankAngleDegrees), the slider's y and its velocity along the guide.
struct LoadStep {
    long double crankDegrees = 0;
    long double yb = 0;
    long double ybt = 0;
};

// The |y| of the two dead centres, where the crank and the rod line up: outer = sqrt((l1 + l2)^2
// - b^2), inner = sqrt((l2 - l1)^2 - b^2). Meaningful only when loadFitsMechanism(p).
struct DeadCentres {
    long double outer = 0;
    long double inner = 0;
};
DeadCentres deadCentres(const ParamSet& p);

// A load by the slider's position needs a crank that turns fully: l1 > 0 and |b| <= l2 - l1.
// Every other load (and no load) fits any mechanism.
bool loadFitsMechanism(const ParamSet& p);

// The load's y component q on the slider at a step, in N; p.load must pass checkLoadTable for
// p.period. No load gives +0.
// - ByAngle: the angle reduced into [0, T) (negative angles wrap upward), Q interpolated
//   linearly between neighbouring points, the segment after the last point running to the first
//   point plus T; a single point is a constant force.
// - ByStroke: s = (outer - |yb|) / (outer - inner), Q interpolated linearly in s and held at the
//   table's end values outside it; the toward column while sigma * ybt < 0 (moving toward the
//   x axis), the away column while it is > 0, their mean at ybt = 0. A mechanism that does not
//   fit the load gives NaN, so the stage storing it faults.
// - Direction: toward the crank q = -sigma * Q with sigma = +1 for yb >= 0 and -1 otherwise;
//   along y q = Q.
long double loadForceY(const ParamSet& p, const LoadStep& s);
