// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the summary and the balancing share: a value with where it is reached, the peak
// of a quantity's magnitude over a run, and what the frame feels with its counterweight.
#pragma once
#include <optional>

#include "calc/Quantities.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// Where a value is reached: the value, its step (1-based) and the crank angle there in degrees.
// step is 0 where the value comes from a period run made for the summary, whose steps are not
// those of the run on screen.
struct SummaryPoint {
    long double value = 0;
    int step = 0;
    long double angle = 0;
};

// What the frame feels, and the counterweight that tames it (computed in calc/Balancing.h).
struct ShakingFigures {
    SummaryPoint force;  // peak |F_sh|
    SummaryPoint moment; // peak |M_sh| about O
    struct Counterweight {
        long double massRadius = 0; // m_cw·r_cw, kg·m
        long double angle = 0;      // fi_cw, degrees from the crank pin
        long double fraction = 0;   // of the reciprocating mass balanced; NaN without one
        SummaryPoint forceWithout;  // peak |F_sh| had the crank no counterweight
    };
    std::optional<Counterweight> counterweight; // with m_cw not 0
    // A centric mechanism's unbalanced forces as the textbook series writes them, and the exact
    // inertia force of the reciprocating mass they approximate.
    std::optional<SummaryPoint> primary, secondary, reciprocating;
};

// The peak of |row| over steps 1..steps, with the first step reaching it.
SummaryPoint peakMagnitude(const ResultStore& store, const ParamSet& p, Quantity q, int steps);
