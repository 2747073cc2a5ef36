// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "base/FullPrecision.h"

namespace {

// The value with these raw fields (significand with its explicit leading bit).
long double extended(uint64_t significand, unsigned signAndExponent)
{
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, &significand, 8);
    raw[8] = static_cast<unsigned char>(signAndExponent);
    raw[9] = static_cast<unsigned char>(signAndExponent >> 8);
    long double v;
    std::memcpy(&v, raw, sizeof v);
    return v;
}

// The C library's "%.21Lg" (the tests run in the C locale), its '.' made `decimal`.
std::string reference(long double v, char decimal)
{
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.21Lg", v);
    std::string text(buf, static_cast<size_t>(n));
    for (char& c : text)
        if (c == '.') c = decimal;
    return text;
}

std::string written(long double v, char decimal)
{
    char buf[kFullPrecisionSize];
    return std::string(buf, writeFullPrecision(v, decimal, buf));
}

// Counts the values written unlike the library (reporting the first few), value i with ',' for
// the decimal point when i is odd.
int mismatches(const std::vector<long double>& values)
{
    int failures = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        const char decimal = i % 2 ? ',' : '.';
        const std::string want = reference(values[i], decimal);
        const std::string got = written(values[i], decimal);
        if (got != want && ++failures <= 20)
            ADD_FAILURE() << std::hexfloat << values[i] << ": \"" << got << "\", library \"" << want
                          << '"';
    }
    return failures;
}

TEST(FullPrecision, EdgeValuesAsTheLibraryWritesThem)
{
    std::vector<long double> values = {
        0.0L,
        -0.0L,
        LDBL_TRUE_MIN,
        LDBL_MIN,
        std::nextafterl(LDBL_MIN, 0.0L), // the largest denormal
        LDBL_MAX,
        HUGE_VALL,
        std::nanl(""),
        -std::nanl(""),
        extended(0x4000000000000000ull, 0x3fff), // an unnormal
        extended(0x8000000000000000ull, 0),      // a pseudo-denormal
        // The ends of the integer-only range, and past them.
        0x1p-116L,
        0x1p-117L,
        0x1.fffffffffffffffep-116L,
        0x1p127L,
        0x1p128L,
        0x1.fffffffffffffffep127L,
        0x1p62L,
        0x1p63L,
        0x1p64L,
        0x1p69L,
        0x1p70L,
        18446744073709551615.0L,
        // Familiar values and carries into the next decade.
        1.0L,
        15.0L,
        0.1L,
        0.04L,
        1.0L / 3,
        2.0L / 3,
        9.99999999999999999999e20L,
        9.999999999999999999995e20L,
        9.9999999999999999999949e20L,
        999999999999999999999.5L,
        9.999999999999999999995e-5L,
        9.9999999999999999999951e-6L,
        0.000099999999999999999999999L,
        123456789012345678901234.0L,
        // Just below a power of ten, rounding up to it (none lies that close between 1e-40 and
        // 1e40): 9.99999999999999999999909e122 and 9.99999999999999999999986e-4862.
        0xc.1a12d2fc3978937p+405L,
        0x8.9e7accf8cd9cf61p-16151L,
    };
    // Powers of ten (each as strtold rounds it) where %g changes form and beyond.
    for (int k = -40; k <= 40; ++k)
        values.push_back(std::strtold(("1e" + std::to_string(k)).c_str(), nullptr));
    // Exact ties: v = j / 2^(22 − k) with j odd and 10^(k−1) <= v < 10^k has 22 significant
    // digits, the last a 5, so it lies halfway between two 21-digit decimals.
    std::mt19937_64 rng(2024);
    for (int k = -6; k <= 19; ++k) {
        const long double low = std::ceil(std::ldexp(std::pow(10.0L, k - 1), 22 - k));
        const long double high = std::ldexp(std::pow(10.0L, k), 22 - k);
        for (int i = 0; i < 20; ++i) {
            const long double span = std::min(high, 0x1p64L) - low;
            uint64_t j = static_cast<uint64_t>(low + std::floor(span * (rng() >> 11) * 0x1p-53L));
            j |= 1;
            values.push_back(std::ldexp(static_cast<long double>(j), k - 22));
        }
    }
    // Each with its negation and its neighbours, under either separator.
    std::vector<long double> all;
    for (long double x : values)
        for (long double v : {x, -x, std::nextafterl(x, 0.0L), std::nextafterl(x, HUGE_VALL)})
            all.insert(all.end(), {v, v});
    EXPECT_EQ(mismatches(all), 0);
}

TEST(FullPrecision, RandomBitPatternsAsTheLibraryWritesThem)
{
    std::mt19937_64 rng(0x4b696e6f);
    std::vector<long double> values;
    // Normal values over the integer-only range and a little past either end.
    for (int i = 0; i < 2000000; ++i) {
        const unsigned exponent = 16383 - 120 + unsigned(rng() % 252);
        values.push_back(extended(rng() | (1ull << 63), exponent | unsigned(rng() & 1) << 15));
    }
    // Any pattern at all: denormals, unnormals, infinities, not-a-numbers, the far exponents.
    for (int i = 0; i < 20000; ++i)
        values.push_back(extended(rng(), unsigned(rng() & 0xffff)));
    EXPECT_EQ(mismatches(values), 0);
}

} // namespace
