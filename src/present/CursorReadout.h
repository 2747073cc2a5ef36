// SPDX-License-Identifier: GPL-3.0-or-later
// The readout beside the crank-angle cursor: chosen quantities of the catalogue at the cursor's
// step, one line each.
#pragma once
#include <string>
#include <vector>

#include "calc/ResultStore.h"

// The quantities shown until the user chooses others: the position, velocity and acceleration
// of B along the guide, |F_A|, |F_O|, the guide's reaction N_B and Mo.
std::vector<Quantity> defaultReadoutQuantities();

struct ReadoutLine {
    std::string name;    // the catalogue's short name
    std::string caption; // the catalogue's caption
    std::string value;   // FormatGeneral of the value at the step; "—" without results there
    std::string unit;
};

// One line per quantity, in the order given, at `step` of the results in R: a value only for
// a step among R's computed steps, "—" otherwise (before any calculation, past a stop).
std::vector<ReadoutLine> readoutLines(const ResultStore& R, int step,
                                      const std::vector<Quantity>& quantities, char decimal);
