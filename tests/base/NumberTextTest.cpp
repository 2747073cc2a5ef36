// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/NumberText.h"

namespace {

// Renders with each separator: the expected texts below are written with the period.
class NumberTextSeparator : public ::testing::TestWithParam<char> {
protected:
    std::string local(std::string text) const
    {
        for (char& c : text)
            if (c == '.') c = GetParam();
        return text;
    }
};

struct FixedCase {
    long double x;
    int precision;
    int digits;
    const char* text;
};

const FixedCase kFixed[] = {
    // The program's own table.
    {0, 4, 2, "0.00"},
    {-0.004L, 4, 2, "0.00"},
    {-0.005L, 4, 2, "-0.01"},
    {0.125L, 4, 2, "0.13"},
    {0.999L, 4, 2, "1.00"},
    {3.14159L, 4, 2, "3.14"},
    {123.456L, 4, 2, "123.50"},
    {1234.5678L, 4, 2, "1235.00"},
    {9999.4L, 4, 2, "9999.00"},
    {9999.5L, 4, 2, "1E04"},
    {12345.678L, 4, 2, "1.235E04"},
    {-250000, 4, 2, "-2.5E05"},
    {12.3456L, 4, 3, "12.350"},
    {0.1L, 4, 3, "0.100"},
    {1, 1, 0, "1"},
    // Carries, cuts and signs.
    {-0.0L, 4, 2, "0.00"},
    {-9.999L, 4, 2, "-10.00"},
    {0.0005L, 4, 3, "0.001"},
    {-0.0004L, 4, 3, "0.000"},
    {1e-7L, 4, 2, "0.00"},
    {0.05L, 4, 2, "0.05"},
    {99999, 4, 2, "1E05"},
    {99994, 4, 2, "9.999E04"},
    {1e20L, 4, 2, "1E20"},
    {-1.5e300L, 4, 2, "-1.5E300"},
    {1e-300L, 4, 2, "0.00"},
    {LDBL_TRUE_MIN, 4, 2, "0.00"},
    {0.5L, 1, 0, "1"},
    {0.4L, 1, 0, "0"},
    {2, 1, 0, "2"},
    // Exponent digits follow the digit count up to four, then have no minimum.
    {12345.678L, 4, 3, "1.235E004"},
    {12345.678L, 4, 4, "1.235E0004"},
    {12345.678L, 4, 5, "1.235E4"},
    {12345.678L, 4, 0, "1.235E4"},
    // Precision and digits are clamped; 18 digits at most.
    {123.456L, 1, 2, "1.2E02"},
    {1.0L / 3, 30, 20, "0.333333333333333333"},
    {2.0L / 3, 18, 18, "0.666666666666666667"},
    {123456789012345678.0L, 18, 0, "123456789012345678"},
    {1234.5L, 4, -2, "1200"},
    {4, 4, -1, "0"},
    {4, 4, INT32_MIN, "0"},
};

TEST_P(NumberTextSeparator, FormatFixedTable)
{
    for (const FixedCase& c : kFixed) {
        EXPECT_EQ(FormatFixed(c.x, c.precision, c.digits, GetParam()), local(c.text))
            << double(c.x) << " p=" << c.precision << " d=" << c.digits;
    }
}

TEST_P(NumberTextSeparator, DoublesWidenToTheSameTexts)
{
    // A double field is widened before rendering; the 18-digit reduction hides the difference.
    for (const FixedCase& c : kFixed) {
        if (c.precision > 4 || std::fabs(c.x) > DBL_MAX || (c.x != 0 && std::fabs(c.x) < DBL_MIN))
            continue;
        EXPECT_EQ(FormatFixed(double(c.x), c.precision, c.digits, GetParam()), local(c.text))
            << double(c.x);
    }
}

struct GeneralCase {
    long double x;
    const char* text;
};

const GeneralCase kGeneral[] = {
    {360, "360"},
    {7.5L, "7.5"},
    {1.0L / 3, "0.333333333333333"},
    {0.0001L, "0.0001"},
    {0.00001L, "1E-5"},
    {1e20L, "1E20"},
    {-0.0L, "0"},
    {0, "0"},
    {-7.5L, "-7.5"},
    {-2.0L / 3, "-0.666666666666667"},
    {0.00015L, "0.00015"},
    {0.001L, "0.001"},
    {999999999999999.0L, "999999999999999"},
    {1e15L, "1E15"},
    {9999999999999999.0L, "1E16"},
    {123456789012345678.0L, "1.23456789012346E17"},
    {100, "100"},
    {1e-300L, "1E-300"},
    {-1.7e-4900L, "-1.7E-4900"},
    {LDBL_MAX, "1.18973149535723E4932"},
    {LDBL_TRUE_MIN, "0"},
    {0.3L, "0.3"},
    {0.3, "0.3"}, // the double nearest 0.3 still shows as 0.3
};

TEST_P(NumberTextSeparator, FormatGeneralTable)
{
    for (const GeneralCase& c : kGeneral)
        EXPECT_EQ(FormatGeneral(c.x, GetParam()), local(c.text)) << double(c.x);
}

TEST_P(NumberTextSeparator, ParseRealAcceptsTheGrammar)
{
    const struct {
        const char* text;
        long double value;
    } accepted[] = {
        {"  12.5  ", 12.5L},
        {"-3", -3},
        {"+.5", 0.5L},
        {"1e3", 1000},
        {"1E", 1},
        {".", 0},
        {"5.", 5},
        {"-.25e+2", -25},
        {"1E-2", 0.01L},
        {"0.1", 0.1L},
        {"123.456", 123.456L},
        {".e", 0},
        {"1e500", 1e500L},       // 500 itself is still taken
        {"1e0000000000001", 10}, // leading zeros never reach the exponent limit
        {"1e4932", 1e4932L},
        {"1e-4999", 0},
        {"2.5e-4950", 2.5e-4950L},
        {"000000000000000000000000000000012.5", 12.5L},
    };
    for (const auto& c : accepted) {
        const std::string text = local(c.text);
        EXPECT_EQ(ParseReal(text, GetParam()), c.value) << text;
    }
    EXPECT_TRUE(std::signbit(ParseReal(local("-."), GetParam())));
}

TEST_P(NumberTextSeparator, ParseRealRejectsWithTheWholeText)
{
    const char* rejected[] = {
        "",      "   ", "1 000",  "12abc",  "1\t",    "\t1",  "+",   "-",   "e5",   "1e5x", "1..2",
        "1e+-2", "++1", "1e4999", "2e4932", "1e5000", "0x10", "INF", "NAN", "1 e5", "1e 5", "-e",
    };
    for (const char* raw : rejected) {
        const std::string text = local(raw);
        try {
            ParseReal(text, GetParam());
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError& e) {
            // The message quotes the text with its tab made visible.
            std::string shown = text;
            if (const auto tab = shown.find('\t'); tab != std::string::npos)
                shown.replace(tab, 1, "\\x09");
            EXPECT_EQ(std::string(e.what()), "'" + shown + "' is not a valid floating point value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, NumberTextSeparator, ::testing::Values('.', ','));

TEST(NumberText, CommaSeparatorRejectsThePeriod)
{
    EXPECT_EQ(FormatFixed(12.3456L, 4, 3, ','), "12,350");
    EXPECT_THROW(ParseReal("12.5", ','), ConvertError);
    EXPECT_EQ(ParseReal("12,5", ','), 12.5L);
    EXPECT_THROW(ParseReal("1,5", '.'), ConvertError);
}

// The reader for texts of another locale: '.' and ',' alike, whatever the current separator.
TEST_P(NumberTextSeparator, ParseRealAnySeparatorTakesEitherButOnlyOne)
{
    const struct {
        const char* text;
        long double value;
    } accepted[] = {
        {"12.5", 12.5L}, {"12,5", 12.5L}, {" -0,25e1 ", -2.5L}, {",5", 0.5L},
        {"7.", 7},       {"1E3", 1000},   {"-3", -3},           {"10,00", 10},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(ParseRealAnySeparator(c.text), c.value) << c.text;

    for (const char* text :
         {"1.2.3", "1,2,3", "1,2.3", "1.2,3", ".,", "1,,5", "", "1 000", "12abc", "1,5e2,0"}) {
        try {
            ParseRealAnySeparator(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
    // The current separator still rules ParseReal itself.
    EXPECT_THROW(ParseReal(GetParam() == '.' ? "1,5" : "1.5", GetParam()), ConvertError);
}

TEST(NumberText, ParseRealExponentStopsAt500)
{
    // 4990 is taken whole (it passes 500 only with its last digit) and overflows; 5000 is cut
    // after 500 and the digit left over fails the text.
    EXPECT_THROW(ParseReal("1e4990", '.'), ConvertError);
    EXPECT_THROW(ParseReal("0e5000", '.'), ConvertError);
    EXPECT_EQ(ParseReal("0e4990", '.'), 0);
    EXPECT_EQ(ParseReal("1e499", '.'), 1e499L);
    EXPECT_EQ(ParseReal("1e-499", '.'), 1e-499L);
}

TEST(NumberText, ParseRealLongTexts)
{
    EXPECT_EQ(ParseReal("1" + std::string(1000, '0'), '.'), 1e1000L);
    EXPECT_EQ(ParseReal("0." + std::string(999, '0') + "1", '.'), 1e-1000L);
    EXPECT_EQ(ParseReal(std::string(100000, '0') + "7." + std::string(100000, '0') + "5", '.'), 7);
    EXPECT_THROW(ParseReal(std::string(5000, '9'), '.'), ConvertError);
    EXPECT_EQ(ParseReal("0." + std::string(6000, '0') + "1", '.'), 0);
    // 1 + 2^-64 is the midpoint between 1 and the next value: exactly there it goes to the even
    // neighbour 1, a digit far behind makes it round up.
    const std::string midpoint =
        "1.0000000000000000000542101086242752217003726400434970855712890625";
    EXPECT_EQ(ParseReal(midpoint, '.'), 1);
    EXPECT_EQ(ParseReal(midpoint + std::string(3000, '0') + "1", '.'), std::nextafter(1.0L, 2.0L));
}

// A double field takes a text up to the last value that rounds to DBL_MAX: DBL_MAX plus half a
// unit, exactly an extended value (the C library prints it), already rounds to infinity.
TEST(NumberText, ParseDoubleRefusesFromHalfAUnitPastTheLargestDouble)
{
    char boundary[64];
    std::snprintf(boundary, sizeof boundary, "%.21Le", (long double)DBL_MAX + 0x1p970L);
    ASSERT_EQ(std::string(boundary), "1.797693134862315807937e+308");
    const struct {
        std::string text;
        bool taken;
    } cases[] = {
        {"1.7976931348623157e308", true},
        {"1.7976931348623158078e308", true},  // rounds below the boundary in extended
        {"1.7976931348623158079e308", false}, // rounds onto it
        {"-1.7976931348623158079e308", false},
        {boundary, false},
        {"4E444", false},
        {"1e-400", true}, // an underflow passes as zero
    };
    for (const auto& c : cases) {
        const auto period = [](std::string_view t) { return ParseDouble(t, '.'); };
        for (double (*parse)(std::string_view) : {+period, &ParseDoubleAnySeparator}) {
            if (c.taken) {
                EXPECT_NO_THROW(parse(c.text)) << c.text;
            } else {
                EXPECT_THROW(parse(c.text), ConvertError) << c.text;
            }
        }
    }
    EXPECT_EQ(ParseDouble("1.7976931348623158078e308", '.'), DBL_MAX);
}

TEST(NumberText, ParseRealIsCorrectlyRounded)
{
    std::mt19937_64 rng(7);
    char buf[64];
    for (int i = 0; i < 20000; ++i) {
        const long double x =
            std::ldexp((long double)(rng() | (1ull << 63)), int(rng() % 200) - 160);
        std::snprintf(buf, sizeof buf, "%.21Lg", x); // 21 digits identify every extended value
        ASSERT_EQ(ParseReal(buf, '.'), x) << buf;
    }
}

TEST(NumberText, NoTrapReachesTheCaller)
{
    // The calculation may run with overflow trapping on; a rejected text must still just fail,
    // and extreme values must still render.
    std::feclearexcept(FE_ALL_EXCEPT); // a flag left raised would trap at once
    feenableexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    bool threw = false;
    try {
        ParseReal("1e4999", '.');
    } catch (const ConvertError&) {
        threw = true;
    }
    const long double big = ParseReal("3.5e4000", '.');
    const std::string texts[] = {FormatGeneral(LDBL_MAX, '.'), FormatFixed(-LDBL_MAX, 4, 2, '.'),
                                 FormatGeneral(LDBL_MIN, '.'),
                                 FormatFixed(LDBL_TRUE_MIN, 4, 2, '.')};
    fedisableexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    EXPECT_TRUE(threw);
    EXPECT_EQ(big, 3.5e4000L);
    EXPECT_EQ(texts[0], "1.18973149535723E4932");
    EXPECT_EQ(texts[1], "-1.19E4932");
    EXPECT_EQ(texts[2], "3.36210314311209E-4932");
    EXPECT_EQ(texts[3], "0.00");
}

TEST(NumberText, ParseInteger)
{
    const struct {
        const char* text;
        int32_t value;
    } accepted[] = {
        {" 42", 42},
        {"-7", -7},
        {"$1F", 31},
        {"0x10", 16},
        {"+5", 5},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"x7fffffff", INT32_MAX},
        {"0XaB", 171},
        {"-$10", -16},
        {"$80000000", INT32_MIN},
        {"$000000000001", 1},
        {"0", 0},
        {"-0", 0},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;

    const char* rejected[] = {"42 ",         "",           "2147483648", "1.0",
                              "-2147483649", "$100000000", "$",          "0x",
                              "- 5",         "\t5",        "5a",         "$G",
                              "1e3",         "+",          "0x-1",       "99999999999999999999999"};
    for (const char* text : rejected) {
        try {
            ParseInteger(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError& e) {
            std::string shown = text; // a tab is quoted visibly
            if (const auto tab = shown.find('\t'); tab != std::string::npos)
                shown.replace(tab, 1, "\\x09");
            EXPECT_EQ(std::string(e.what()), "'" + shown + "' is not a valid integer value");
        }
    }
}

TEST(NumberText, FormatIntegerAndSpecialValues)
{
    EXPECT_EQ(FormatInteger(-47), "-47");
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(INT32_MIN), "-2147483648");
    EXPECT_EQ(FormatInteger(INT32_MAX), "2147483647");

    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    for (const auto& [x, text] : std::vector<std::pair<long double, std::string>>{
             {inf, "INF"}, {-inf, "-INF"}, {nan, "NAN"}, {-nan, "NAN"}}) {
        EXPECT_EQ(FormatFixed(x, 4, 2, '.'), text);
        EXPECT_EQ(FormatGeneral(x, '.'), text);
    }
}

// The reduction: the integer fast path against the C library's exact printing, and both against
// known answers.
class NumberTextExact : public ::testing::Test {
protected:
    // Compares one value; the first few mismatches are reported, all are counted.
    bool check(long double x)
    {
        Decimal18 fast;
        if (!decimal18Fast(x, fast)) return false;
        const Decimal18 ref = decimal18Exact(x);
        if (fast.digits != ref.digits || fast.exponent != ref.exponent) {
            if (++mismatches <= 5) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.25Le", x);
                ADD_FAILURE() << buf << ": fast " << fast.digits << "e" << fast.exponent
                              << ", exact " << ref.digits << "e" << ref.exponent;
            }
        }
        return true;
    }

    std::mt19937_64 rng{20240601};
    int mismatches = 0;
};

TEST_F(NumberTextExact, FastPathMatchesTheReferenceOnRandomValues)
{
    long fast = 0;
    const int count = 2'000'000;
    for (int i = 0; i < count; ++i) {
        const long double x =
            std::ldexp((long double)(rng() | (1ull << 63)), int(rng() % 104) - 104);
        fast += check(i % 2 ? -x : x);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(fast, count / 2); // most of -40..63 binary exponents lie in the fast range

    // Every magnitude the results show takes the fast path.
    std::uniform_real_distribution<double> decade(-9.0, 17.0);
    for (int i = 0; i < 200'000; ++i) {
        const long double x = std::pow(10.0L, (long double)decade(rng));
        ASSERT_TRUE(check(x)) << double(x);
        ASSERT_TRUE(check((long double)(double)x)) << double(x);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(NumberTextExact, PowersOfTenAndTheirNeighbours)
{
    for (int k = -12; k <= 20; ++k) {
        const long double p = ParseReal("1e" + std::to_string(k), '.');
        long double up = p, down = p;
        for (int j = 0; j < 8; ++j) {
            check(up);
            check(down);
            if (k >= -9 && k <= 17) {
                EXPECT_TRUE(check(up)) << k;
            }
            up = std::nextafter(up, 1e30L);
            down = std::nextafter(down, 0.0L);
        }
        Decimal18 d;
        if (decimal18Fast(p, d)) {
            EXPECT_EQ(d.digits, 100000000000000000ull) << k;
        }
        EXPECT_EQ(decimal18Exact(p).digits, 100000000000000000ull) << k;
        EXPECT_EQ(decimal18Exact(p).exponent, k + 1);
    }
    for (long double x : {9999.5L, 9999.4L, 0.125L, 0.5L, 1.0L, 0.1L, 0.999L, 1e-10L, 9.99e17L})
        check(x);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(NumberTextExact, KnownAnswersForIntegersAndTies)
{
    auto expect = [&](long double x, uint64_t digits, int exponent) {
        Decimal18 d;
        if (decimal18Fast(x, d)) {
            EXPECT_EQ(d.digits, digits) << double(x);
            EXPECT_EQ(d.exponent, exponent) << double(x);
        }
        const Decimal18 ref = decimal18Exact(x);
        EXPECT_EQ(ref.digits, digits) << double(x);
        EXPECT_EQ(ref.exponent, exponent) << double(x);
    };
    const uint64_t e17 = 100000000000000000ull;
    std::uniform_int_distribution<uint64_t> eighteen(e17, 10 * e17 - 1);
    for (int i = 0; i < 20000; ++i) {
        // An integer of up to 18 digits is its own digit string.
        const uint64_t v = rng() % (10 * e17 - 1) + 1;
        int len = 1;
        uint64_t scaled = v;
        while (scaled < e17) {
            scaled *= 10;
            ++len;
        }
        expect((long double)v, scaled, 19 - len);
        // D + 1/2 (fast range) and 10·D + 5 (reference only) are exact ties: even D stays.
        const uint64_t D = eighteen(rng);
        const uint64_t even = D + (D & 1);
        const uint64_t digits = even == 10 * e17 ? e17 : even;
        const int exponent = even == 10 * e17 ? 19 : 18;
        expect((long double)D + 0.5L, digits, exponent);
        expect((long double)(10 * D + 5), digits, exponent + 1);
    }
    expect(999999999999999999.5L, e17, 19);
    expect(123456789012345678.5L, 123456789012345678ull, 18);
    expect(123456789012345677.5L, 123456789012345678ull, 18);
}

TEST(NumberTextExactEdges, NoFastPathOutsideNormalValues)
{
    Decimal18 d{};
    for (long double x : {0.0L, -0.0L, LDBL_TRUE_MIN, LDBL_MIN / 2, LDBL_MAX,
                          std::numeric_limits<long double>::infinity(),
                          std::numeric_limits<long double>::quiet_NaN(), 1e-12L, 1e19L})
        EXPECT_FALSE(decimal18Fast(x, d)) << double(x);
}

TEST(NumberTextExactEdges, EighteenDigitsFirstThenHalfUp)
{
    // Just below 0.1245 the value still reads 0.124500000000000000 in 18 digits, and that 5
    // rounds up: a single rounding straight to three digits would give 0.124.
    const long double below = std::nextafter(0.1245L, 0.0L);
    EXPECT_LT(below, ParseReal("0.1245", '.'));
    EXPECT_EQ(FormatFixed(below, 4, 3, '.'), "0.125");
    EXPECT_EQ(FormatFixed(-below, 4, 3, '.'), "-0.125");
}

} // namespace
