// The animation data file "Kinetic.ini": the link lengths and, per step, the crank and rod
// angles and the positions of A, B and the slider, for the external animator to play.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "base/TextFile.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The file's name; it lives in the folder of the running executable.
inline constexpr const char* kKineticFileName = "Kinetic.ini";
// Fixed lines of the file.
inline constexpr const char* kKineticStart = "START:";
inline constexpr const char* kKineticBlockEnd = "---";
inline constexpr const char* kKineticEnd = "END";
// Lines before the first step block, and lines per block.
inline constexpr int kKineticHeaderLines = 7;
inline constexpr int kKineticBlockLines = 9;

// Called after step i (1..N) has been written, e.g. to move a progress bar.
using KineticProgress = std::function<void(int32_t step)>;

// Writes the header (total angle, mode, l1, l2, b, N, "START:"), one nine-line block per step
// i = 1..N from rows 0, 8, 12, 13, 20, 21, 26, 27 of R, then "END"; CR LF line ends, the current
// decimal separator. N <= 0 writes no blocks (N must not exceed ResultStore::kSteps). Throws
// InOutError when a write fails, and UnreadableOutputError, before writing anything, when the
// animator's reader would refuse the file (a number beyond the range of a double, a drawing
// wider than kMaxKineticSpread).
void writeKinetic(TextWriter& out, const ParamSet& p, const ResultStore& R,
                  const KineticProgress& onStep = {});

// The same as a file saved whole or not at all: the animator never meets a half-written file,
// and on failure (InOutError) a file of that name keeps its previous content.
void writeKinetic(const std::string& path, const ParamSet& p, const ResultStore& R,
                  const KineticProgress& onStep = {});
