// SPDX-License-Identifier: GPL-3.0-or-later
// Full-precision text of an extended value: every digit that reads back to the same 80-bit value,
// as the CSV files write them.
#pragma once
#include <cstddef>

// The bytes writeFullPrecision may write; no text it writes is longer.
inline constexpr size_t kFullPrecisionSize = 32;

// Writes into out (kFullPrecisionSize bytes) exactly the bytes snprintf(buf, n, "%.21Lg", v)
// writes in the C locale under the default rounding mode (signs, zeros, denormals, "inf" and
// "nan" included), but with `decimal` for the decimal point, and returns their count; no NUL.
// Values from about 1e-35 to 3e38 in magnitude are reduced by integer arithmetic alone; the rest
// go through the C library.
size_t writeFullPrecision(long double v, char decimal, char* out);
