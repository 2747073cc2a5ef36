#include "params/Entry.h"

#include <array>
#include <cmath>
#include <exception>
#include <string_view>
#include <variant>

#include "base/NumberText.h"

namespace {

// Each entry key with the field it stores into. A double field rounds the value (and faults on
// an overflow); an extended field takes it whole.
struct EntryField {
    std::string_view key;
    std::variant<double ParamSet::*, long double ParamSet::*> field;
};

constexpr std::array<EntryField, kParamRowCount> kEntryFields{{
    {"l1", &ParamSet::l1},       {"l2", &ParamSet::l2},     {"b", &ParamSet::b},
    {"fi0", &ParamSet::fi0},     {"fit0", &ParamSet::fit0}, {"fitt0", &ParamSet::fitt0},
    {"fidtt", &ParamSet::fidtt}, {"ac1", &ParamSet::ac1},   {"bc1", &ParamSet::bc1},
    {"ac2", &ParamSet::ac2},     {"bc2", &ParamSet::bc2},   {"ac3", &ParamSet::ac3},
    {"bc3", &ParamSet::bc3},     {"ac4", &ParamSet::ac4},   {"bc4", &ParamSet::bc4},
    {"ac5", &ParamSet::ac5},     {"bc5", &ParamSet::bc5},   {"m1", &ParamSet::m1},
    {"m2", &ParamSet::m2},       {"m3", &ParamSet::m3},     {"i1", &ParamSet::i1},
    {"i2", &ParamSet::i2},       {"i3", &ParamSet::i3},
}};

// A table cut short would leave an entry without a key and a null field; refuse to compile.
constexpr bool everyEntryHasAField()
{
    for (const EntryField& e : kEntryFields) {
        const bool none = std::visit([](auto member) { return member == nullptr; }, e.field);
        if (e.key.empty() || none) return false;
    }
    return true;
}
static_assert(everyEntryHasAField());

const EntryField* entryField(std::string_view key)
{
    for (const EntryField& e : kEntryFields)
        if (e.key == key) return &e;
    return nullptr;
}

// Rounds to double as the field's storage does; an overflow to infinity is a fault, while an
// underflow to a denormal or zero passes silently.
bool toDouble(long double v, double& out)
{
    const double d = static_cast<double>(v);
    if (std::isinf(d)) return false;
    out = d;
    return true;
}

// Stores `value` into the field; false when it lies beyond the range of a double.
bool store(ParamSet& p, const EntryField& e, long double value)
{
    if (const auto* member = std::get_if<double ParamSet::*>(&e.field))
        return toDouble(value, p.**member);
    // An extended field keeps the whole value, but within the range of a double as well: a
    // report holding more could not be read back.
    double inRange = 0;
    if (!toDouble(value, inRange)) return false;
    p.*std::get<long double ParamSet::*>(e.field) = value;
    return true;
}

// The guarded apply; returns false at the first fault, leaving earlier stores in place.
bool applyValue(ParamSet& p, const EntryField& e, std::string_view text, Outcome& out)
{
    long double value = 0;
    try {
        value = ParseRealAnySeparator(text);
    } catch (const std::exception&) {
        return false;
    }
    if (!store(p, e, value)) return false;
    if (e.key != "l2") return true;

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
    const EntryField* field = entryField(p.curkey);
    if (field == nullptr || !applyValue(p, *field, text, out)) out.message(kEntryFault);
    return out;
}
