// SPDX-License-Identifier: GPL-3.0-or-later
// A variant of a design: a name the user gave, the inputs of a run (parameters, run settings,
// load, period, δ) and that run's key figures. Variants are kept in the project and compared
// side by side; their curves are recomputed from the inputs whenever they are drawn.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "calc/KeyFigures.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The most variants a project keeps (a sweep's every point may be kept).
inline constexpr size_t kMaxVariants = 1000;

struct Variant {
    std::string name;
    ParamSet params;
    // One entry per keyFigures() row, in that order; nullopt where the run gives none.
    std::vector<std::optional<long double>> figures;
};

// The key figures of a run's summary, one per keyFigures() row.
std::vector<std::optional<long double>> keyFigureValues(const RunSummary& summary);

// For each keyFigures() row, the index of the variant with the best value of it (the first of
// equal ones), or -1 when no variant has the figure.
std::vector<int> bestVariantPerFigure(const std::vector<Variant>& variants);

// A curve: (crank angle in degrees, value) per step.
using Curve = std::vector<std::pair<long double, long double>>;

// Runs the calculation of `p` once in `scratch` and returns, for each store row of `rows`, its
// points over the steps computed (ResultStore::computedSteps: steps 1..N, or up to the step
// before the first fault of any stage). A row of no quantity gives what the calculation leaves
// there.
std::vector<Curve> variantCurves(const ParamSet& p, const std::vector<int>& rows,
                                 ResultStore& scratch);
