// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Variant.h"

#include <algorithm>

#include "calc/Calculation.h"
#include "calc/CrankAngle.h"

std::vector<std::optional<long double>> keyFigureValues(const RunSummary& summary)
{
    std::vector<std::optional<long double>> values;
    for (const KeyFigure& f : keyFigures())
        values.push_back(f.read(summary));
    return values;
}

std::vector<int> bestVariantPerFigure(const std::vector<Variant>& variants)
{
    const auto figures = keyFigures();
    std::vector<int> best(figures.size(), -1);
    for (size_t f = 0; f < figures.size(); ++f)
        for (size_t v = 0; v < variants.size(); ++v) {
            if (variants[v].figures.size() <= f || !variants[v].figures[f]) continue;
            const long double value = *variants[v].figures[f];
            if (best[f] < 0 || betterThan(figures[f], value, *variants[best[f]].figures[f]))
                best[f] = static_cast<int>(v);
        }
    return best;
}

std::vector<Curve> variantCurves(const ParamSet& p, const std::vector<int>& rows,
                                 ResultStore& scratch)
{
    const CalcOutcome outcome = runCalculation(p, scratch);
    // The stages write only steps 1..N, and a stage that faults stops before its fault step; the
    // scratch store's older steps belong to other runs and are never shown.
    const std::vector<StageFault> faults = stageFaults(outcome);
    std::vector<Curve> curves;
    for (int row : rows) {
        int steps = std::clamp(p.N, 0, ResultStore::kSteps);
        if (const QuantityInfo* info = quantityAtRow(row))
            for (const StageFault& fault : faults)
                if (fault.stage == info->stage) steps = std::min(steps, fault.step - 1);
        Curve& curve = curves.emplace_back();
        curve.reserve(static_cast<size_t>(std::max(steps, 0)));
        for (int i = 1; i <= steps; ++i)
            curve.emplace_back(crankAngleDegrees(p, i), scratch(row, i));
    }
    return curves;
}
