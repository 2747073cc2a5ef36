// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/RodBranch.h"

#include <cmath>
#include <cstdint>

RodBranch rodBranchAtDegrees(long double d)
{
    if (!std::isfinite(d)) return RodBranch::Fault;
    long double r = d;
    if (!(d < 720.0L)) {
        const long double q = d / 720.0L;
        if (q >= 0x1p63L) return RodBranch::Fault;
        const auto t = static_cast<int64_t>(q);
        // The product is a 64-bit integer product; far beyond any real run it wraps around
        // rather than trapping, which only picks a branch for a meaningless angle.
        const auto whole = static_cast<int64_t>(720u * static_cast<uint64_t>(t));
        r = d - static_cast<long double>(whole);
    }
    return (180.0L < r && r < 540.0L) ? RodBranch::Negative : RodBranch::Positive;
}
