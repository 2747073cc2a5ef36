// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FullPrecision.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/NumberText.h"

namespace {

using u128 = unsigned __int128;

constexpr int kDigits = 21;      // significant digits of "%.21Lg"
constexpr int kMaxScale = 55;    // 5^55 < 2^128
constexpr int kMinBinary = -116; // 2^-116 (about 1.2e-35): the scale stays <= kMaxScale
constexpr int kMaxBinary = 127;  // below 2^128 the value's integer fits 128 bits

constexpr auto kPow5 = [] {
    struct Table {
        u128 v[kMaxScale + 1];
    } t{};
    t.v[0] = 1;
    for (int i = 1; i <= kMaxScale; ++i)
        t.v[i] = t.v[i - 1] * 5;
    return t;
}();

constexpr u128 kPow10To20 = u128(10000000000000000000ull) * 10;
constexpr u128 kPow10To21 = kPow10To20 * 10;
constexpr uint64_t kPow5To19 = 19073486328125ull;
constexpr uint64_t kPow10To19 = 10000000000000000000ull;

// The part of a scaled value below its integer, against one half.
enum class Rest { Zero, Below, Half, Above };

// The integer part of a scaled value and what was cut from it.
struct Scaled {
    u128 whole;
    Rest rest;
};

Rest restOf(bool halfBit, bool lowerBits)
{
    if (halfBit) return lowerBits ? Rest::Above : Rest::Half;
    return lowerBits ? Rest::Below : Rest::Zero;
}

Rest restAgainst(u128 rest, u128 half)
{
    if (rest == 0) return Rest::Zero;
    return rest < half ? Rest::Below : rest == half ? Rest::Half : Rest::Above;
}

// significand × 5^scale / 2^shift for 0 < shift < 192, the product taken in 192 bits; false when
// the integer part does not fit 128 bits.
bool shiftedProduct(uint64_t significand, u128 pow5, int shift, Scaled& out)
{
    const u128 low = u128(significand) * uint64_t(pow5);
    const u128 high = u128(significand) * uint64_t(pow5 >> 64);
    const u128 middle = (low >> 64) + uint64_t(high);
    const uint64_t w[5] = {uint64_t(low), uint64_t(middle),
                           uint64_t(high >> 64) + uint64_t(middle >> 64), 0, 0};
    const int q = shift >> 6;
    const int r = shift & 63;
    auto limb = [&](int i) { return r ? (w[i + q] >> r) | (w[i + q + 1] << (64 - r)) : w[i + q]; };
    bool above = (w[q + 2] >> r) != 0; // bits beyond the 128 kept
    for (int i = q + 3; i < 5; ++i)
        above = above || w[i] != 0;
    if (above) return false;
    const int b = shift - 1; // the half bit
    bool lower = (w[b >> 6] & ((uint64_t(1) << (b & 63)) - 1)) != 0;
    for (int i = 0; i < (b >> 6); ++i)
        lower = lower || w[i] != 0;
    out = {u128(limb(0)) | (u128(limb(1)) << 64), restOf((w[b >> 6] >> (b & 63)) & 1, lower)};
    return true;
}

// |x| × 10^scale split as above, for x = significand × 2^(binary − 63); false when it cannot be
// done exactly in 128 bits here.
bool scaledBy(uint64_t significand, int binary, int scale, Scaled& out)
{
    if (scale >= 0) {
        if (scale > kMaxScale) return false;
        const u128 pow5 = kPow5.v[scale];
        const int twos = binary - 63 + scale; // the power of two left over
        if (twos >= 0) {
            // An integer already: only just below 2^70, with a small scale.
            if ((pow5 >> 64) != 0 || twos > 16) return false;
            const u128 product = u128(significand) * uint64_t(pow5);
            if ((product >> (127 - twos)) != 0) return false;
            out = {product << twos, Rest::Zero};
            return true;
        }
        const int shift = -twos;
        if ((pow5 >> 64) == 0 && shift < 128) {
            const u128 product = u128(significand) * uint64_t(pow5);
            const u128 half = u128(1) << (shift - 1);
            out = {product >> shift, restAgainst(product & ((half << 1) - 1), half)};
            return true;
        }
        if (shift >= 192) return false;
        return shiftedProduct(significand, pow5, shift, out);
    }
    // A value of 2^63 or more is an integer; it is divided by a power of ten.
    if (binary < 63 || binary > kMaxBinary || -scale > 19) return false;
    const u128 whole = u128(significand) << (binary - 63);
    uint64_t divisor = 1;
    for (int i = 0; i < -scale; ++i)
        divisor *= 10;
    const u128 quotient = whole / divisor;
    // The divisor is even: its half is exact.
    out = {quotient, restAgainst(whole - quotient * divisor, divisor / 2)};
    return true;
}

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void writePair(char* out, unsigned v)
{
    std::memcpy(out, kPairs + 2 * v, 2);
}

void writeEight(char* out, uint32_t v)
{
    const uint32_t high = v / 10000;
    const uint32_t low = v % 10000;
    writePair(out, high / 100);
    writePair(out + 2, high % 100);
    writePair(out + 4, low / 100);
    writePair(out + 6, low % 100);
}

// The 21 digits of 10^20 <= d < 10^21.
void writeDigits(char* out, u128 d)
{
    // d / 10^19 = (d / 2^19) / 5^19, and d / 2^19 fits 64 bits.
    const uint64_t top = uint64_t(d >> 19) / kPow5To19; // 10..99
    const uint64_t rest = uint64_t(d - u128(top) * kPow10To19);
    const uint64_t head = rest / 10000000000000000ull; // 0..999
    const uint64_t tail = rest % 10000000000000000ull;
    writePair(out, unsigned(top));
    out[2] = char('0' + head / 100);
    writePair(out + 3, unsigned(head % 100));
    writeEight(out + 5, uint32_t(tail / 100000000));
    writeEight(out + 13, uint32_t(tail % 100000000));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The C library's text, its decimal point (whatever the locale makes of it) replaced.
size_t viaLibrary(long double v, char decimal, char* out)
{
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%.21Lg", v);
    const size_t size = n < 0 ? 0 : std::min(size_t(n), sizeof text - 1);
    size_t i = 0;
    size_t o = 0;
    auto put = [&](char c) {
        if (o < kFullPrecisionSize) out[o++] = c;
    };
    if (i < size && text[i] == '-') put(text[i++]);
    if (i < size && isDigit(text[i])) {
        while (i < size && isDigit(text[i]))
            put(text[i++]);
        // The point stands between the leading digits and the next digit or the exponent.
        if (i < size && text[i] != 'e') {
            put(decimal);
            while (i < size && !isDigit(text[i]) && text[i] != 'e')
                ++i;
        }
    }
    while (i < size)
        put(text[i++]);
    return o;
}

} // namespace

size_t writeFullPrecision(long double v, char decimal, char* out)
{
    const ExtendedFields f = extendedFields(v);
    char* p = out;
    if (f.exponent == 0 && f.significand == 0) {
        if (f.negative) *p++ = '-';
        *p++ = '0';
        return size_t(p - out);
    }
    // Denormals, infinities, not-a-numbers, unnormals and the far ends of the range.
    const int binary = f.exponent - 16383; // 2^binary <= |v| < 2^(binary+1)
    if (f.exponent == 0x7fff || (f.significand >> 63) == 0 || binary < kMinBinary ||
        binary > kMaxBinary)
        return viaLibrary(v, decimal, out);

    // floor(binary·log10 2) + 1 is the decimal exponent of 2^binary: |v| has that many integer
    // digits or one more.
    int exponent = ((binary * 315653) >> 20) + 1;
    Scaled s;
    if (!scaledBy(f.significand, binary, kDigits - exponent, s)) return viaLibrary(v, decimal, out);
    if (s.whole >= kPow10To21) {
        ++exponent;
        if (!scaledBy(f.significand, binary, kDigits - exponent, s))
            return viaLibrary(v, decimal, out);
    }
    if (s.whole < kPow10To20 || s.whole >= kPow10To21) return viaLibrary(v, decimal, out);
    // Round to nearest, ties to even, on the exact value. (A carry into the next decade needs a
    // value closer below a power of ten than any extended value in this range comes; it is kept
    // for safety.)
    u128 digits = s.whole;
    if (s.rest == Rest::Above || (s.rest == Rest::Half && (digits & 1))) {
        if (++digits == kPow10To21) {
            digits = kPow10To20;
            ++exponent;
        }
    }

    char d[kDigits];
    writeDigits(d, digits);
    int count = kDigits;
    while (d[count - 1] == '0')
        --count;
    const int x = exponent - 1; // the exponent of the leading digit, as %e shows it

    if (f.negative) *p++ = '-';
    if (x < -4 || x >= kDigits) {
        *p++ = d[0];
        if (count > 1) {
            *p++ = decimal;
            std::memcpy(p, d + 1, size_t(count - 1));
            p += count - 1;
        }
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        const unsigned e = unsigned(x < 0 ? -x : x); // below 100 in this range
        writePair(p, e);
        p += 2;
    } else if (x >= 0) {
        std::memcpy(p, d, size_t(x + 1));
        p += x + 1;
        if (count > x + 1) {
            *p++ = decimal;
            std::memcpy(p, d + x + 1, size_t(count - x - 1));
            p += count - x - 1;
        }
    } else {
        *p++ = '0';
        *p++ = decimal;
        for (int i = x; i < -1; ++i)
            *p++ = '0';
        std::memcpy(p, d, size_t(count));
        p += count;
    }
    return size_t(p - out);
}
