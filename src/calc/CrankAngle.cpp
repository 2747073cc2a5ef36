// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CrankAngle.h"

long double crankAngleDegrees(const ParamSet& p, int i)
{
    return deg(rad(static_cast<long double>(p.fi0)) + static_cast<long double>(i - 1) * p.step);
}
