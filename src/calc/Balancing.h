// SPDX-License-Identifier: GPL-3.0-or-later
// Balancing the crank: the two-mass split of the rod, the counterweight that balances the
// rotating masses and a fraction of the reciprocating ones, and the shaking figures of a run
// (the summary's): the peaks of the shaking force and moment, the peak without the
// counterweight, and for a centric mechanism the primary and secondary unbalanced forces.
#pragma once
#include <optional>
#include <string>

#include "calc/Counterweight.h"
#include "calc/ResultStore.h"
#include "calc/SummaryPoint.h"

// The rod's mass split statically between A and B: with C2 projected on AB at t = |AC2|/|AB|,
// m2·(1 − t) at A and m2·t at B (all at A when B is not placed apart from A).
struct RodSplit {
    long double atA = 0;
    long double atB = 0;
};
RodSplit rodSplit(const ParamSet& p);

// The reciprocating mass: the slider and the rod's share at B.
long double reciprocatingMass(const ParamSet& p);

// The counterweight that balances the crank's own unbalance m1·OC1, the rod's share at A and the
// fraction c of the reciprocating mass placed at A: its mass times radius (kg·m) and its angle
// from the crank pin in degrees, in [0, 360), an angle within 1e-9° of a whole degree taken as
// that degree. nullopt when the crank pin lies on O (no crank to put it on).
struct CounterweightChoice {
    long double massRadius = 0;
    long double angleDegrees = 180;
};
std::optional<CounterweightChoice> chooseCounterweight(const ParamSet& p, long double fraction);

// `p` carrying the chosen counterweight: r_cw kept when it is above 0, else |OA|; m_cw the
// mass times radius over it; fi_cw the angle. A choice of no mass times radius takes the
// counterweight off (m_cw 0).
ParamSet withCounterweight(const ParamSet& p, const CounterweightChoice& choice);

// The fraction c of the reciprocating mass that the counterweight of `p` balances along the crank
// line, the crank's and the rod's rotating unbalance counted first: NaN without a reciprocating
// mass or a crank.
long double balancedFraction(const ParamSet& p);

// Reads a fraction as the user types it ("0,5" or "0.5", blanks around it allowed): a number from
// 0 to 1, else nullopt.
std::optional<long double> parseFraction(const std::string& text);

// The shaking force (F_sh,x, F_sh,y) at step i of `store`, computed with `p`, had the crank no
// counterweight: the counterweight's own inertia force, −m_cw·a, taken back out; F_sh itself
// without one.
PlanePoint shakingForceWithoutCounterweight(const ResultStore& store, const ParamSet& p, int i);

// The shaking figures of steps 1..steps of `store`, computed with `p` (the summary passes its
// figures' run): the peaks of |F_sh| (fsh) and |M_sh| (msh); with a counterweight its figures
// and the peak of |F_sh| with its own inertia force taken back out; for a centric mechanism
// (b = 0, l2 > l1 > 0) the peaks over the steps of the primary force m_rec·ω²·r·cos θ
// (= m_rec·fit²·ya), of the secondary m_rec·ω²·r·cos 2θ / n (= m_rec·fit²·(ya² − xa²) / l2),
// both in magnitude, and of the exact reciprocating inertia force |m_rec·ybtt|.
ShakingFigures shakingFigures(const ResultStore& store, const ParamSet& p, int steps);
