// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/Entry.h"

#include <array>
#include <charconv>
#include <cmath>
#include <exception>
#include <string_view>
#include <utility>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "params/ParamTable.h"

namespace {

// The guarded apply; returns false at the first fault, leaving earlier stores in place.
bool applyValue(ParamSet& p, int row, std::string_view text, char decimal, Outcome& out)
{
    const ParamInfo& e = paramRow(row);
    long double value = 0;
    try {
        value = ParseRealAnySeparator(text);
    } catch (const std::exception&) {
        return false;
    }
    const bool rod = std::string_view(e.key) == "l2";
    if (rod) {
        // An L2 entry sets b = l2 - l1. A negative offset would be refused by the next run: the
        // entry is refused now, and neither L2 nor B changes. (An overflowing difference is a
        // fault of the apply, below.)
        const double b =
            static_cast<double>(static_cast<double>(value) - static_cast<long double>(p.l1));
        if (b < 0 && !std::isinf(b)) {
            out.message(uiText("Entry", kNegativeBRefusal));
            return true;
        }
    }
    if (!storeParam(p, e, value)) return false;
    // The label shows what is stored, not what was typed: "2.5" for L1 reads "2.500" at once, as
    // it would after a refresh.
    out.label(row, paramLabelText(p, row, decimal));
    if (!rod) return true;
    // Lengths of either sign up to the double range can make the difference overflow a double.
    const double b = static_cast<double>(static_cast<long double>(p.l2) - p.l1);
    if (std::isinf(b)) return false;
    p.b = b;
    // The corrected B is shown at once, in the same command (and so the same undo step).
    const int bRow = paramRowForKey("b");
    out.label(bRow, paramLabelText(p, bRow, decimal));
    out.add(Effect::Kind::Refresh);
    return true;
}

// Shortest fixed-notation text of `value` that reads back to it; '.' replaced by `decimal`.
template <class T> std::string shortestFixed(T value, char decimal)
{
    // A double field is at most 309 integer digits, an extended one (kept within the double
    // range, or below it) at most about 4970 characters in all.
    std::array<char, 5200> buf{};
    const auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    if (ec != std::errc()) return FormatGeneral(value, decimal);
    std::string text(buf.data(), end);
    for (char& c : text)
        if (c == '.') c = decimal;
    return text;
}

// Puts the stored value back into the field and reopens the panel for another try.
void reopenWithStoredValue(const ParamSet& p, int row, char decimal, Outcome& out)
{
    if (row >= 0) out.effects.push_back({Effect::Kind::EditText, entryValueText(p, row, decimal)});
    out.add(Effect::Kind::ShowPanel);
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

std::string entryCaptionText(int row)
{
    std::string name = shownCaption(paramRow(row));
    if (!name.empty() && name.back() == '=') name.pop_back();
    return name + " =";
}

std::string entryValueText(const ParamSet& p, int row, char decimal)
{
    const ParamInfo& info = paramRow(row);
    // A double field reads back through a double: its shortest text is the double's, not that
    // of the double widened to extended ("0.1", not "0.1000000000000000055511151231257827").
    if (info.asDouble) return shortestFixed(p.*(info.asDouble), decimal);
    return shortestFixed(paramValue(p, info), decimal);
}

Outcome openEntry(ParamSet& p, int row, char decimal)
{
    Outcome out;
    p.curkey = paramRow(row).key;
    out.effects.push_back({Effect::Kind::EditText, entryValueText(p, row, decimal)});
    out.add(Effect::Kind::ShowPanel);
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

Outcome confirmEntry(ParamSet& p, std::string_view text, char decimal)
{
    Outcome out;
    out.add(Effect::Kind::HidePanel);
    const bool allowed = entryTextAllowed(text);

    if (p.l1 <= 0 || p.l2 <= 0) out.message(uiText("Entry", kLengthMessage));
    if (static_cast<long double>(p.l2) - p.l1 != static_cast<long double>(p.b))
        out.memo(uiText("Entry", kSumMemo));

    const int row = paramRowForKey(p.curkey);
    if (!allowed || text.empty()) {
        // A typing slip must not cost the user the value the field held: the field gets the
        // stored value back, the memo says why, and the panel stays open for another try.
        out.memo(allowed ? uiText("Entry", kEmptyEntryMemo) : uiText("Entry", kScreenedMemo));
        reopenWithStoredValue(p, row, decimal, out);
        return out;
    }

    if (row < 0) return out;
    // A value the parameter cannot take is refused before anything is stored or shown.
    if (const std::string fault = rangeFault(paramRow(row), text); !fault.empty()) {
        out.message(fault);
        return out;
    }
    if (!applyValue(p, row, text, decimal, out)) out.message(uiText("Entry", kEntryFault));
    return out;
}

Outcome editInPlace(ParamSet& p, int row, std::string_view text, char decimal)
{
    // The panel's key is borrowed for the confirmation and handed back: a panel left open on
    // another row must still store into that row when it is confirmed.
    const std::string panelKey = std::exchange(p.curkey, paramRow(row).key);
    Outcome confirmed;
    try {
        confirmed = confirmEntry(p, text, decimal);
    } catch (...) {
        p.curkey = panelKey;
        throw;
    }
    p.curkey = panelKey;
    Outcome out;
    bool shown = false;
    for (Effect& e : confirmed.effects) {
        if (e.kind == Effect::Kind::ShowPanel || e.kind == Effect::Kind::HidePanel ||
            e.kind == Effect::Kind::EditText)
            continue;
        shown = shown || (e.kind == Effect::Kind::Label && e.row == row);
        out.effects.push_back(std::move(e));
    }
    if (!shown) out.label(row, paramLabelText(p, row, decimal));
    return out;
}
