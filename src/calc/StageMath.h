// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic shared by the calculation stages: the angle functions with the program's rules and
// the store guard that keeps infinities and NaNs out of the result store.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>

#include "calc/ResultStore.h"

namespace stage {

// The extended value nearest to 9.8 (not a double 9.8 widened).
inline constexpr long double kGravity = 9.8L;

// Sine and cosine in extended precision; an argument of magnitude 2^63 or more gives 0.
inline long double sinx(long double x)
{
    return std::fabs(x) >= 0x1p63L ? 0.0L : sinl(x);
}
inline long double cosx(long double x)
{
    return std::fabs(x) >= 0x1p63L ? 0.0L : cosl(x);
}

// arccos(u) = atan2(sqrt(1 - u*u), u), in [0, pi]; NaN (an invalid operation) when |u| > 1.
inline long double arccos(long double u)
{
    return atan2l(sqrtl(1.0L - u * u), u);
}

// A result may be stored only when finite: with invalid operation, division by zero and overflow
// treated as faults, an infinity or NaN can only come from one of them (the store never holds
// one, so no input of a formula is infinite and no fault can be hidden by a later operation).
inline bool storable(long double v)
{
    return std::isfinite(v);
}

// Stores v into dst when it is storable; false (dst untouched) marks the faulting operation.
inline bool put(long double& dst, long double v)
{
    if (!storable(v)) [[unlikely]]
        return false;
    dst = v;
    return true;
}

// The store's rows by quantity, looked up once per stage: r[Q::xa][i] is xa at step i.
class Rows {
public:
    explicit Rows(ResultStore& R)
    {
        for (int k = 0; k < ResultStore::kRows; ++k)
            rows_[static_cast<size_t>(k)] = R.row(k);
    }
    long double* operator[](Quantity q) const { return rows_[static_cast<size_t>(rowOf(q))]; }

private:
    std::array<long double*, ResultStore::kRows> rows_{};
};

} // namespace stage
