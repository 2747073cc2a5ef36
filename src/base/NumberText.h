// SPDX-License-Identifier: GPL-3.0-or-later
// Number text rules: how every number the program shows, writes or reads becomes text and back.
// All reals are 80-bit long double. Each call that writes or reads a fraction takes the decimal
// separator it should use: the window takes it from the platform, the batch from its option or
// the environment; '.' is the separator of texts meant for other programs.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The number format of a window or a run: the decimal separator its texts are written and read
// with.
struct NumberFormat {
    char decimal = '.';
};

// Fixed rendering: precision clamped to 2..18, digits to at most 18; scientific form when the
// value has more integer digits than the precision ("1.235E04"). Exact: the 80-bit value is
// rounded correctly to 18 digits (ties to even), then half-up at the kept digit.
std::string FormatFixed(long double x, int precision, int digits, char separator);

// General rendering with precision 15, no trailing zeros ("360", "7.5", "1E-5").
std::string FormatGeneral(long double x, char separator);

// Decimal digits of n, "-" before a negative value.
std::string FormatInteger(int32_t n);

// Reads a real with `separator` as the decimal separator; throws ConvertError
// "'<text>' is not a valid floating point value" on any rejection. The text is quoted as
// quoteText shows it (at most about 200 bytes, control characters visible).
long double ParseReal(std::string_view text, char separator);

// ParseReal rounded to double, for the fields stored as doubles: a value beyond the double range
// ("4E444") is refused with the same conversion error, so no infinity is ever stored. An
// underflow to a denormal or to zero passes.
double ParseDouble(std::string_view text, char separator);

// The conversion error's text for a real: "'<quoted text>' is not a valid floating point value".
std::string notRealMessage(std::string_view text);

// Reads a real as ParseReal does, but takes '.' or ',' as the decimal separator (for texts that
// may come from another locale). A text holding both, or either
// one twice, is rejected with the same ConvertError.
long double ParseRealAnySeparator(std::string_view text);

// ParseRealAnySeparator rounded to double, refused beyond the double range as ParseDouble is.
double ParseDoubleAnySeparator(std::string_view text);

// Reads a 32-bit integer (decimal, or hexadecimal after "$", "x", "0x"); throws ConvertError
// "'<text>' is not a valid integer value" on any rejection (the text quoted as for ParseReal).
int32_t ParseInteger(std::string_view text);

// The raw fields of an x87 extended value: the 64-bit significand with its explicit leading bit,
// the 15-bit biased exponent and the sign.
struct ExtendedFields {
    uint64_t significand;
    int exponent;
    bool negative;
};
ExtendedFields extendedFields(long double x);

// The exact decimal reduction under the renderings, exposed so that its two paths can be checked
// against each other: a finite, normal |x| equals digits × 10^(exponent − 18) rounded to nearest,
// ties to even, with digits in [10^17, 10^18) (so 10^(exponent−1) <= |x| < 10^exponent).
struct Decimal18 {
    uint64_t digits;
    int exponent;
};

// Integer-only reduction for 1e-10 <= |x| < 1e18 (about); false, out untouched, when it does not
// apply (outside that range, zero, denormal, infinity, not-a-number).
bool decimal18Fast(long double x, Decimal18& out);

// The reference reduction through the C library's exact printing; x finite and normal.
Decimal18 decimal18Exact(long double x);
