// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/Entry.h"

#include <cmath>
#include <exception>
#include <string_view>

#include "base/NumberText.h"
#include "params/ParamTable.h"

namespace {

// The guarded apply; returns false at the first fault, leaving earlier stores in place.
bool applyValue(ParamSet& p, const ParamInfo& e, std::string_view text, Outcome& out)
{
    long double value = 0;
    try {
        value = ParseRealAnySeparator(text);
    } catch (const std::exception&) {
        return false;
    }
    if (!storeParam(p, e, value)) return false;
    if (std::string_view(e.key) != "l2") return true;

    // Lengths of either sign up to the double range can make the difference overflow a double.
    const long double diff = static_cast<long double>(p.l2) - p.l1;
    const double b = static_cast<double>(diff);
    if (std::isinf(b)) return false;
    p.b = b;
    if (p.b < 0) out.message(kNegativeBMessage);
    out.add(Effect::Kind::Refresh);
    return true;
}

// The refusal of a text that converts to a value the parameter cannot take, or "" (a text that
// does not convert is left to the apply, which reports it).
std::string rangeFault(const ParamInfo& e, std::string_view text)
{
    try {
        return paramValueFault(e, ParseRealAnySeparator(text));
    } catch (const std::exception&) {
        return {};
    }
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
    // A value out of the parameter's range is refused before the label shows it.
    if (const std::string fault = rangeFault(paramRow(row), text); !fault.empty()) {
        out.message(fault);
        return out;
    }
    out.label(row, std::string(text));
    if (!applyValue(p, paramRow(row), text, out)) out.message(kEntryFault);
    return out;
}
