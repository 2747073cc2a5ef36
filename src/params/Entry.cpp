#include "params/Entry.h"

#include <cmath>
#include <exception>

#include "base/NumberText.h"

namespace {

constexpr int kRowL2 = 1;
constexpr int kLastDoubleRow = 6; // l1, l2, b, fi0, fit0, fitt0, fidtt are doubles

// Rounds to double as the field's storage does; an overflow to infinity is a fault, while an
// underflow to a denormal or zero passes silently.
bool toDouble(long double v, double& out)
{
    const double d = static_cast<double>(v);
    if (std::isinf(d)) return false;
    out = d;
    return true;
}

long double* extendedField(ParamSet& p, int row)
{
    switch (row) {
    case 7:
        return &p.ac1;
    case 8:
        return &p.bc1;
    case 9:
        return &p.ac2;
    case 10:
        return &p.bc2;
    case 11:
        return &p.ac3;
    case 12:
        return &p.bc3;
    case 13:
        return &p.ac4;
    case 14:
        return &p.bc4;
    case 15:
        return &p.ac5;
    case 16:
        return &p.bc5;
    case 17:
        return &p.m1;
    case 18:
        return &p.m2;
    case 19:
        return &p.m3;
    case 20:
        return &p.i1;
    case 21:
        return &p.i2;
    case 22:
        return &p.i3;
    default:
        return nullptr;
    }
}

double* doubleField(ParamSet& p, int row)
{
    switch (row) {
    case 0:
        return &p.l1;
    case 1:
        return &p.l2;
    case 2:
        return &p.b;
    case 3:
        return &p.fi0;
    case 4:
        return &p.fit0;
    case 5:
        return &p.fitt0;
    case 6:
        return &p.fidtt;
    default:
        return nullptr;
    }
}

// The guarded apply; returns false at the first fault, leaving earlier stores in place.
bool applyValue(ParamSet& p, int row, std::string_view text, Outcome& out)
{
    long double value = 0;
    try {
        value = ParseRealAnySeparator(text);
    } catch (const std::exception&) {
        return false;
    }
    if (row <= kLastDoubleRow) {
        if (!toDouble(value, *doubleField(p, row))) return false;
    } else {
        *extendedField(p, row) = value;
    }
    if (row != kRowL2) return true;

    // Lengths of either sign up to the double range can make the difference overflow a double.
    const long double diff = static_cast<long double>(p.l2) - p.l1;
    if (!toDouble(diff, p.b)) return false;
    if (p.b < 0) out.message(kNegativeBMessage);
    out.add(Effect::Kind::Refresh);
    return true;
}

} // namespace

Outcome openEntry(ParamSet& p, int row)
{
    Outcome out;
    out.add(Effect::Kind::ShowPanel);
    p.curkey = paramRow(row).key;
    return out;
}

bool entryTextAllowed(std::string_view text)
{
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        // A fraction may be typed with either separator, whatever the locale's.
        if (c < 32 || ch == '.' || ch == ',') continue;
        if (c <= 43 || c == 46 || c == 47 || c >= 58) return false;
    }
    return true;
}

Outcome confirmEntry(ParamSet& p, std::string_view text)
{
    Outcome out;
    out.add(Effect::Kind::HidePanel);
    const bool allowed = entryTextAllowed(text);

    if (p.l1 <= 0 || p.l2 <= 0) out.message(kLengthMessage);
    if (static_cast<long double>(p.l2) - p.l1 != static_cast<long double>(p.b)) out.memo(kSumMemo);

    if (!allowed) {
        // A typing slip must not cost the user the value the field held: only the entry text
        // is reset, and the panel stays open for another try.
        out.effects.push_back({Effect::Kind::EditText, "0"});
        out.add(Effect::Kind::ShowPanel);
        return out;
    }

    const int row = paramRowForKey(p.curkey);
    if (row < 0) return out;
    out.label(row, std::string(text));
    if (!applyValue(p, row, text, out)) out.message(kEntryFault);
    return out;
}
