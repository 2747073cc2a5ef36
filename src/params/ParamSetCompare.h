// SPDX-License-Identifier: GPL-3.0-or-later
// Whether two parameter sets hold the same values, as the undo history asks after every command.
#pragma once
#include "params/ParamSet.h"

// True when every field but the entry key (curkey) holds the same bits in both sets: -0 and +0
// differ, as they do in the files. (Defined beside setDefaults, where a new field is added.)
bool sameParams(const ParamSet& a, const ParamSet& b);
