// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NumberText.h"

#include <algorithm>
#include <cfenv>
#include <cfloat>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/Errors.h"
#include "base/MessageText.h"

static_assert(LDBL_MANT_DIG == 64, "the number text needs the 80-bit extended long double");

namespace {

using u128 = unsigned __int128;

constexpr uint64_t kPow10[20] = {1ull,
                                 10ull,
                                 100ull,
                                 1000ull,
                                 10000ull,
                                 100000ull,
                                 1000000ull,
                                 10000000ull,
                                 100000000ull,
                                 1000000000ull,
                                 10000000000ull,
                                 100000000000ull,
                                 1000000000000ull,
                                 10000000000000ull,
                                 100000000000000ull,
                                 1000000000000000ull,
                                 10000000000000000ull,
                                 100000000000000000ull,
                                 1000000000000000000ull,
                                 10000000000000000000ull};

constexpr auto kPow5 = [] {
    struct Table {
        uint64_t v[28];
    } t{};
    t.v[0] = 1;
    for (int i = 1; i < 28; ++i)
        t.v[i] = t.v[i - 1] * 5; // 5^27 still fits in 64 bits
    return t;
}();

using Extended = ExtendedFields;

Extended fieldsOf(long double x)
{
    return extendedFields(x);
}

enum class Kind { Empty, Normal, Infinite, NotANumber };

Kind kindOf(const Extended& f)
{
    if (f.exponent == 0) return Kind::Empty; // zero, denormal or pseudo-denormal
    if (f.exponent == 0x7fff) return (f.significand << 1) == 0 ? Kind::Infinite : Kind::NotANumber;
    // An unnormal (no leading bit) is an invalid operand to the FPU itself.
    return (f.significand >> 63) ? Kind::Normal : Kind::NotANumber;
}

// The digit string D with its exponent e (value ~ 0.D × 10^e) and sign, after the rounding at
// the kept digit. `count` is 0 when D is empty.
struct Reduced {
    char digits[20];
    int count;
    int exponent;
    bool negative;
};

constexpr int kNoLimit = 1 << 20;

Reduced reduce(const Extended& f, long double x, int precision, int fractionDigits)
{
    Reduced r{};
    Decimal18 dec;
    if (!decimal18Fast(x, dec)) dec = decimal18Exact(x);

    int keep = dec.exponent + fractionDigits;
    if (keep < 0) return r;
    keep = std::min({keep, precision, 18});

    uint64_t kept = dec.digits;
    int exponent = dec.exponent;
    if (keep < 18) {
        const uint64_t head = dec.digits / kPow10[17 - keep]; // kept digits and the first dropped
        kept = head / 10;
        if (head % 10 >= 5 && ++kept == kPow10[keep]) {
            kept = 1; // a carry out of the first digit
            ++exponent;
        }
    }
    r.exponent = exponent;
    if (kept == 0) return r; // everything was cut: a positive empty value
    while (kept % 10 == 0)
        kept /= 10;
    r.count = int(std::to_chars(r.digits, r.digits + sizeof r.digits, kept).ptr - r.digits);
    r.negative = f.negative;
    return r;
}

// Writes |v| with at least minDigits digits; returns the end.
char* writeExponent(char* out, int v, int minDigits)
{
    if (v < 0) {
        *out++ = '-';
        v = -v;
    }
    char tmp[12];
    const int len = int(std::to_chars(tmp, tmp + sizeof tmp, v).ptr - tmp);
    for (int i = len; i < minDigits; ++i)
        *out++ = '0';
    std::memcpy(out, tmp, size_t(len));
    return out + len;
}

std::string scientific(const Reduced& r, int minExponentDigits, char separator)
{
    char buf[48];
    char* out = buf;
    if (r.negative) *out++ = '-';
    *out++ = r.digits[0];
    if (r.count > 1) {
        *out++ = separator;
        std::memcpy(out, r.digits + 1, size_t(r.count - 1));
        out += r.count - 1;
    }
    *out++ = 'E';
    out = writeExponent(out, r.exponent - 1, minExponentDigits);
    return std::string(buf, out);
}

const char* specialText(const Extended& f, Kind kind)
{
    if (kind == Kind::NotANumber) return "NAN";
    return f.negative ? "-INF" : "INF";
}

[[noreturn]] void rejectReal(std::string_view text)
{
    throw ConvertError(notRealMessage(text));
}

[[noreturn]] void rejectInteger(std::string_view text)
{
    throw ConvertError("'" + quoteText(text) + "' is not a valid integer value");
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

ExtendedFields extendedFields(long double x)
{
    unsigned char raw[sizeof(long double)];
    std::memcpy(raw, &x, sizeof raw);
    ExtendedFields f;
    std::memcpy(&f.significand, raw, 8);
    const unsigned se = raw[8] | (unsigned(raw[9]) << 8);
    f.exponent = int(se & 0x7fff);
    f.negative = (se & 0x8000) != 0;
    return f;
}

bool decimal18Fast(long double x, Decimal18& out)
{
    const Extended f = fieldsOf(x);
    if (kindOf(f) != Kind::Normal) return false;
    const int binary = f.exponent - 16383;         // 2^binary <= |x| < 2^(binary+1)
    if (binary < -40 || binary > 62) return false; // far outside 1e-10..1e18
    // floor(binary·log10 2) + 1 is the decimal exponent or one less; a wrong guess only costs
    // the slow path below.
    const int guess = ((binary * 315653) >> 20) + 1;
    const int scale = 18 - guess;
    if (scale < 0 || scale > 27) return false;

    // |x|·10^scale = significand · 5^scale · 2^(binary − 63 + scale), exact in 128 bits.
    const u128 product = u128(f.significand) * kPow5.v[scale];
    const int shift = 63 - binary - scale;
    if (shift <= 0 || shift >= 128) return false;
    const u128 whole = product >> shift;
    if ((whole >> 64) != 0) return false;
    uint64_t n = uint64_t(whole);
    const u128 rest = product & ((u128(1) << shift) - 1);
    const u128 half = u128(1) << (shift - 1);

    int exponent = guess;
    bool up;
    if (n >= kPow10[18]) {
        if (n >= kPow10[19]) return false;
        // One digit too many: the dropped digit and the binary rest decide together.
        const unsigned dropped = unsigned(n % 10);
        n /= 10;
        ++exponent;
        up = dropped > 5 || (dropped == 5 && (rest != 0 || (n & 1)));
    } else {
        if (n < kPow10[17]) return false;
        up = rest > half || (rest == half && (n & 1));
    }
    if (up && ++n == kPow10[18]) {
        n = kPow10[17];
        ++exponent;
    }
    out = {n, exponent};
    return true;
}

Decimal18 decimal18Exact(long double x)
{
    // The C library prints every digit exactly and rounds the last one to nearest, ties to even.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", x);
    uint64_t digits = 0;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (isDigit(*p)) digits = digits * 10 + uint64_t(*p - '0');
    const int exponent = *p ? std::atoi(p + 1) : 0;
    return {digits, exponent + 1};
}

std::string FormatFixed(long double x, int precision, int digits, char separator)
{
    const Extended f = fieldsOf(x);
    const Kind kind = kindOf(f);
    if (kind == Kind::Infinite || kind == Kind::NotANumber) return specialText(f, kind);
    precision = std::clamp(precision, 2, 18);
    // Far below -5000 every value renders as "0" already; the floor keeps the sums in range.
    digits = std::clamp(digits, -10000, 18);

    Reduced r{};
    if (kind == Kind::Normal) r = reduce(f, x, precision, digits);
    if (r.count > 0 && r.exponent > precision)
        return scientific(r, digits <= 4 ? digits : 0, separator);

    char buf[48];
    char* out = buf;
    if (r.negative) *out++ = '-';
    int used = 0; // digits of D written so far
    if (r.exponent <= 0 || r.count == 0) {
        *out++ = '0';
    } else {
        used = std::min(r.exponent, r.count);
        std::memcpy(out, r.digits, size_t(used));
        out += used;
        for (int i = used; i < r.exponent; ++i)
            *out++ = '0';
    }
    if (digits > 0) {
        *out++ = separator;
        char* const end = out + digits;
        for (int i = r.exponent; i < 0 && out < end; ++i)
            *out++ = '0';
        for (int i = used; i < r.count && out < end; ++i)
            *out++ = r.digits[i];
        while (out < end)
            *out++ = '0';
    }
    return std::string(buf, out);
}

std::string FormatGeneral(long double x, char separator)
{
    constexpr int kPrecision = 15;
    const Extended f = fieldsOf(x);
    const Kind kind = kindOf(f);
    if (kind == Kind::Infinite || kind == Kind::NotANumber) return specialText(f, kind);
    if (kind == Kind::Empty) return "0";
    const Reduced r = reduce(f, x, kPrecision, kNoLimit);
    if (r.count == 0) return "0";
    if (r.exponent > kPrecision || r.exponent < -3) return scientific(r, 0, separator);

    char buf[48];
    char* out = buf;
    if (r.negative) *out++ = '-';
    if (r.exponent > 0) {
        const int used = std::min(r.exponent, r.count);
        std::memcpy(out, r.digits, size_t(used));
        out += used;
        for (int i = used; i < r.exponent; ++i)
            *out++ = '0';
        if (r.count > used) {
            *out++ = separator;
            std::memcpy(out, r.digits + used, size_t(r.count - used));
            out += r.count - used;
        }
    } else {
        *out++ = '0';
        *out++ = separator;
        for (int i = r.exponent; i < 0; ++i)
            *out++ = '0';
        std::memcpy(out, r.digits, size_t(r.count));
        out += r.count;
    }
    return std::string(buf, out);
}

std::string FormatInteger(int32_t n)
{
    char buf[16];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

namespace {

// Takes one optional sign at i; true for "-".
bool takeSign(std::string_view text, size_t& i)
{
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
    return false;
}

// Skips the leading spaces both parsers allow, then takes one optional sign.
bool takeLeadingSign(std::string_view text, size_t& i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    return takeSign(text, i);
}

// The grammar of both readers; `isSeparator` says which characters may stand for the decimal
// separator (at most one of them is taken, so a second one is left over and fails the text).
template <typename IsSeparator>
long double parseReal(std::string_view text, IsSeparator isSeparator)
{
    const size_t size = text.size();
    size_t i = 0;
    const bool negative = takeLeadingSign(text, i);

    // The mantissa digits, integer part then fraction, as one digit string.
    std::string mantissa;
    long long fraction = 0;
    bool accepted = false;
    while (i < size && isDigit(text[i])) {
        mantissa += text[i++];
        accepted = true;
    }
    if (i < size && isSeparator(text[i])) {
        ++i;
        accepted = true;
        for (; i < size && isDigit(text[i]); ++i, ++fraction)
            mantissa += text[i];
    }
    if (!accepted) rejectReal(text);

    long long exponent = 0;
    if (i < size && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        const bool negativeExponent = takeSign(text, i);
        // Digits stop counting at 500; a digit left over fails below with the other leftovers.
        while (i < size && isDigit(text[i]) && exponent < 500)
            exponent = exponent * 10 + (text[i++] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    while (i < size && text[i] == ' ')
        ++i;
    if (i != size) rejectReal(text);

    // value = mantissa × 10^(exponent − fraction): strip zeros on both ends, then let the C
    // library round it correctly. The string carries no decimal point, so its locale is moot.
    const size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) return negative ? -0.0L : 0.0L;
    const size_t last = mantissa.find_last_not_of('0');
    const long long significant = (long long)(last - first + 1);
    const long long power = exponent - fraction + (long long)(mantissa.size() - 1 - last);
    const long long magnitude = significant + power;       // value = 0.digits × 10^magnitude
    if (magnitude > 4933) rejectReal(text);                // beyond the largest extended value
    if (magnitude < -4960) return negative ? -0.0L : 0.0L; // far below the smallest denormal

    std::string normal = mantissa.substr(first, size_t(significant));
    normal += 'e';
    normal += std::to_string(power);
    // Overflow must come back as a failure, never as a trap of the caller's FPU settings.
    std::fenv_t env;
    std::feholdexcept(&env);
    const long double value = std::strtold(normal.c_str(), nullptr);
    std::fesetenv(&env);
    if (kindOf(fieldsOf(value)) == Kind::Infinite) rejectReal(text);
    return negative ? -value : value;
}

// A real rounded to double for the fields stored as doubles; beyond the double range it is
// refused as the text would be, so no infinity is ever stored.
double toDouble(long double v, std::string_view text)
{
    // DBL_MAX plus half an ulp: the smallest magnitude that rounds to infinity as a double.
    constexpr long double kDoubleOverflow = 0x1.fffffffffffff8p1023L;
    if (v >= kDoubleOverflow || v <= -kDoubleOverflow) rejectReal(text);
    return static_cast<double>(v);
}

} // namespace

std::string notRealMessage(std::string_view text)
{
    // Appended piece by piece: "'" + std::string trips GCC 12's false -Wrestrict at -O3.
    std::string message = "'";
    message += quoteText(text);
    message += "' is not a valid floating point value";
    return message;
}

long double ParseReal(std::string_view text, char separator)
{
    return parseReal(text, [separator](char c) { return c == separator; });
}

long double ParseRealAnySeparator(std::string_view text)
{
    return parseReal(text, [](char c) { return c == '.' || c == ','; });
}

double ParseDouble(std::string_view text, char separator)
{
    return toDouble(ParseReal(text, separator), text);
}

double ParseDoubleAnySeparator(std::string_view text)
{
    return toDouble(ParseRealAnySeparator(text), text);
}

int32_t ParseInteger(std::string_view text)
{
    const size_t size = text.size();
    size_t i = 0;
    const bool negative = takeLeadingSign(text, i);

    bool hex = false;
    if (i < size && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < size && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    uint64_t value = 0;
    size_t digitCount = 0;
    for (; i < size; ++i, ++digitCount) {
        const char c = text[i];
        unsigned d;
        if (isDigit(c))
            d = unsigned(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            d = unsigned(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            d = unsigned(c - 'A' + 10);
        else
            break;
        value = value * (hex ? 16 : 10) + d;
        if (value > limit) rejectInteger(text);
    }
    if (digitCount == 0 || i != size) rejectInteger(text);

    // Hexadecimal is a 32-bit pattern read as two's complement, then negated after a "-".
    uint32_t bits = uint32_t(value);
    if (negative) bits = 0u - bits;
    return int32_t(bits);
}
