// SPDX-License-Identifier: GPL-3.0-or-later
// The number parsers and renderings: whatever a rendering prints reads back, and reading it
// again renders the same text; the fast decimal reduction agrees with the exact one.
#include <cmath>
#include <string>
#include <string_view>

#include "FuzzFile.h"
#include "base/Errors.h"
#include "base/NumberText.h"

namespace {

// A rendering of a finite value must parse, and rendering that value again gives the same text.
template <class Render>
void roundTrip(long double x, char separator, Render render, const char* name)
{
    const std::string text = render(x);
    long double back = 0;
    try {
        back = ParseReal(text, separator);
    } catch (const ConvertError&) {
        std::fprintf(stderr, "%s printed \"%s\"\n", name, text.c_str());
        fuzz::fail("a rendering does not read back");
    }
    if (render(back) != text) {
        std::fprintf(stderr, "%s printed \"%s\", then \"%s\"\n", name, text.c_str(),
                     render(back).c_str());
        fuzz::fail("a rendering read back renders differently");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    // The first byte picks the separator and a FormatFixed precision; the rest is the text.
    const char separator = (data[0] & 1) ? ',' : '.';
    const int precision = 2 + (data[0] >> 1) % 17, digits = (data[1]) % 19;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    try {
        const long double x = ParseReal(text, separator);
        if (std::isfinite(x)) {
            roundTrip(
                x, separator, [&](long double v) { return FormatGeneral(v, separator); },
                "FormatGeneral");
            roundTrip(
                x, separator,
                [&](long double v) { return FormatFixed(v, precision, digits, separator); },
                "FormatFixed");
            Decimal18 fast{};
            if (decimal18Fast(x, fast)) {
                const Decimal18 exact = decimal18Exact(x);
                if (fast.digits != exact.digits || fast.exponent != exact.exponent)
                    fuzz::fail("fast and exact decimal reductions differ");
            }
        }
    } catch (const ConvertError&) {
    }

    try {
        const int32_t n = ParseInteger(text);
        if (ParseInteger(FormatInteger(n)) != n) fuzz::fail("an integer does not read back");
    } catch (const ConvertError&) {
    }
    return 0;
}
