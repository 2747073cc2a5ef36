// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanism from its requirements: l1, l2 and the guide's offset b from the stroke H, the
// time ratio K of the working and the return strokes, and either the ratio λ = l1/l2 or the
// largest pressure angle the guide may take. The classical construction: the crank's two dead
// positions lie θ = 180°·(K − 1)/(K + 1) apart, and the triangle of O and the slider's extreme
// positions B1 (|OB1| = l1 + l2) and B2 (|OB2| = l2 − l1), with the stroke H = |B1B2| opposite
// θ, gives the lengths; b is the distance from O to the line B1B2.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "params/ParamSet.h"

// The requirements. One of rodRatio and pressureAngle is read, as `by` says.
struct SynthesisRequest {
    enum class By : uint8_t { RodRatio, PressureAngle };
    long double stroke = 0;    // H, metres, > 0
    long double timeRatio = 1; // K, 1 ≤ K < 3; 1 gives a centric mechanism (b = 0)
    By by = By::RodRatio;
    long double rodRatio = 0;      // λ = l1/l2, between tan²(θ/2) and 1, both excluded
    long double pressureAngle = 0; // degrees, the largest allowed, between 0 and 90 excluded
};

// A design that meets the requirements. b ≥ 0: the guide lies on the +x side of O.
struct SynthesisDesign {
    long double l1 = 0, l2 = 0, b = 0; // metres
    long double theta = 0;             // degrees between the crank's dead positions
    long double rodRatio = 0;          // λ = l1/l2 of the design
    long double pressureAngle = 0;     // its largest pressure angle, arcsin((l1 + b)/l2), degrees
};

// What the synthesis gives: a design, or why there is none and, where some change of one
// requirement would give one, that requirement's nearest feasible value.
struct SynthesisOutcome {
    std::optional<SynthesisDesign> design;
    std::string fault; // "" with a design
    // The requirement to change ("H", "K", "lambda", "pressure") and its nearest feasible
    // value; for a bound that is excluded (λ > tan²(θ/2), K < 3) the bound itself.
    std::string nearestKey;
    std::optional<long double> nearest;
};

// The design for `request`. With λ: l2 = H / √((1+λ)² + (1−λ)² − 2(1−λ²)cos θ), l1 = λ·l2,
// b = (l1+l2)(l2−l1) sin θ / H. With the pressure angle α: of the designs whose largest
// pressure angle stays within α, the most compact (the shortest rod): its angle equals α. The
// refusals, in this order: H not a finite number > 0; K not finite or below 1 (nearest 1);
// K ≥ 3 (θ ≥ 90°: no slider-crank reaches it; nearest 3, excluded); λ outside
// (tan²(θ/2), 1) (the crank cannot turn fully; nearest: the bound passed); α outside (0°, 90°);
// α below the least largest pressure angle any design of this K has (nearest: that least
// angle, which does not depend on H). `decimal` is the separator of the numbers in the fault.
SynthesisOutcome synthesise(const SynthesisRequest& request, char decimal);

// The least largest pressure angle, degrees, of the designs with time ratio K (1 ≤ K < 3):
// min over λ of arcsin(λ + (1 − λ²) sin θ / √(2(1 − cos θ) + 2λ²(1 + cos θ))); 0 for K = 1.
long double leastPressureAngle(long double timeRatio);

// The design in one line for the window: "L1 = 0,05 м, L2 = 0,2 м, B = 0,03 м; θ = 16,3636°,
// λ = 0,25, наибольший угол давления 40°", each number rounded to six significant digits and
// written FormatGeneral with `decimal`.
std::string designText(const SynthesisDesign& design, char decimal);

// Stores the design's l1, l2 and b into p (rounded to double, as the entry stores them).
void applyDesign(ParamSet& p, const SynthesisDesign& design);
