// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/SummaryPoint.h"

#include <cmath>

#include "calc/CrankAngle.h"

SummaryPoint peakMagnitude(const ResultStore& store, const ParamSet& p, Quantity q, int steps)
{
    const long double* row = store.row(q);
    int best = 1;
    long double peak = std::fabs(row[1]);
    for (int i = 2; i <= steps; ++i)
        if (const long double v = std::fabs(row[i]); v > peak) best = i, peak = v;
    return {peak, best, crankAngleDegrees(p, best)};
}
