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
    runCalculation(p, scratch);
    // Past the first fault of any stage the scratch store holds no result of this run (older
    // steps belong to other runs, and a later stage may have run on over them): never shown.
    const int steps = scratch.computedSteps();
    std::vector<Curve> curves;
    for (int row : rows) {
        Curve& curve = curves.emplace_back();
        curve.reserve(static_cast<size_t>(std::max(steps, 0)));
        for (int i = 1; i <= steps; ++i)
            curve.emplace_back(crankAngleDegrees(p, i), scratch(row, i));
    }
    return curves;
}
