// SPDX-License-Identifier: GPL-3.0-or-later
// The animation data file "Kinetic.ini": the link lengths and, per step, the crank and rod
// angles and the positions of A, B and the slider, for the external animator to play.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "base/KineticLayout.h"
#include "base/TextFile.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// Called after step i (1..N) has been written, e.g. to move a progress bar.
using KineticProgress = std::function<void(int32_t step)>;

// Writes the header (total angle, mode, l1, l2, b, N, "START:"), one nine-line block per step
// i = 1..N from the catalogue's animation rows (fi, psi in degrees; xa, ya, xb, yb, xs, ys), then
// "END"; CR LF line ends, `decimal` as the decimal separator. N <= 0 writes no blocks (N must not
// exceed ResultStore::kSteps). Throws InOutError when a write fails, and UnreadableOutputError,
// before writing anything, when the animator's reader would refuse the file (a number beyond the
// range of a double, a drawing wider than kMaxKineticSpread).
void writeKinetic(TextWriter& out, const ParamSet& p, const ResultStore& R, char decimal,
                  const KineticProgress& onStep = {});

// The same as a file saved whole or not at all: the animator never meets a half-written file,
// and on failure (InOutError) a file of that name keeps its previous content.
void writeKinetic(const std::string& path, const ParamSet& p, const ResultStore& R, char decimal,
                  const KineticProgress& onStep = {});
