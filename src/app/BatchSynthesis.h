// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --synthesise: the requirements' text, and their design applied to the
// parameters as --set would apply l1, l2 and b.
#pragma once
#include <string>

#include "params/ParamSet.h"
#include "params/Synthesis.h"

// "H=…,K=…[,lambda=…|,pressure=…]" (blanks around the parts allowed, numbers with the period
// as decimal separator, keys in any order, each at most once) as requirements; without lambda
// or pressure the ratio l1/l2 of `current` is kept. Throws BatchBadInput naming the option.
SynthesisRequest parseSynthesisOption(const std::string& text, const ParamSet& current);

// The design for the option's requirements stored into p (l1, l2, b), then the points placed
// by the autofill. Returns the line the batch tells on standard error: "synthesised: l1=…,
// l2=…, b=…, theta=…, lambda=…, pressure angle=…" (numbers with the period). Throws
// BatchBadInput with the synthesis's reason (and its nearest feasible value) when there is no
// design, or the autofill's message when it fails.
std::string applySynthesisOption(ParamSet& p, const std::string& text);
