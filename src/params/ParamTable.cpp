// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/ParamTable.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "base/NumberText.h"
#include "base/UiText.h"

namespace {

// A row of the table cut short, or a real parameter without its field, would be found only when
// used; refuse to compile instead.
constexpr bool everyRealHasItsField()
{
    for (const ParamInfo& p : kParams) {
        if (p.kind == ParamKind::Double && p.asDouble == nullptr) return false;
        if (p.kind == ParamKind::Extended && p.asExtended == nullptr) return false;
        if (p.hasBox() && p.kind != ParamKind::Double && p.kind != ParamKind::Extended)
            return false;
    }
    return true;
}
static_assert(everyRealHasItsField());

constexpr bool reportLinesAreDistinctAndDense()
{
    for (int line = 0; line < kReportHeaderLines; ++line) {
        int found = 0;
        for (const ParamInfo& p : kParams)
            if ((p.files & kInReport) && p.reportLine == line) ++found;
        if (found != 1) return false;
    }
    return true;
}
static_assert(reportLinesAreDistinctAndDense());

constexpr bool findParamKey(std::string_view key)
{
    for (const ParamInfo& p : kParams)
        if (key == p.key) return true;
    return false;
}

// A note naming a key the table lacks would be shown nowhere; refuse to compile instead.
constexpr bool everyNoteNamesParameters()
{
    for (const ParamNote& note : kParamNotes)
        if (!eachWordKnown(note.keys, [](std::string_view key) { return findParamKey(key); }))
            return false;
    return true;
}
static_assert(everyNoteNamesParameters());

} // namespace

std::string paramNote(const ParamInfo& info)
{
    std::string text;
    for (const ParamNote& note : kParamNotes)
        if (listsWord(note.keys, info.key))
            text += (text.empty() ? "" : " ") + uiText("Note", note.text);
    return text;
}

std::string shownCaption(const ParamInfo& info)
{
    return *info.caption ? uiText("Parameter", info.caption) : std::string();
}

std::string paramCaptionTip(const ParamInfo& info)
{
    std::string tip = shownCaption(info);
    if (!tip.empty() && tip.back() == '=') tip.pop_back();
    if (tip.empty()) tip = info.key;
    if (*info.unit) tip += ", " + shownUnit(info.unit);
    const std::string note = paramNote(info);
    if (!note.empty()) tip += "\n" + note;
    return tip;
}

const ParamInfo* findParam(std::string_view key)
{
    for (const ParamInfo& p : kParams)
        if (key == p.key) return &p;
    return nullptr;
}

const ParamInfo& paramRow(int row)
{
    int r = 0;
    for (const ParamInfo& p : kParams) {
        if (!p.hasBox()) continue;
        if (r == row) return p;
        ++r;
    }
    throw std::out_of_range("parameter row");
}

int paramRowForKey(std::string_view key)
{
    int r = 0;
    for (const ParamInfo& p : kParams) {
        if (!p.hasBox()) continue;
        if (key == p.key) return r;
        ++r;
    }
    return -1;
}

const ParamInfo& reportHeaderParam(int line)
{
    for (const ParamInfo& p : kParams)
        if ((p.files & kInReport) && p.reportLine == line) return p;
    throw std::out_of_range("report header line");
}

std::string paramDisplayName(const ParamInfo& info)
{
    std::string name = shownCaption(info);
    if (!name.empty() && name.back() == '=') name.pop_back();
    if (!name.empty()) return name;
    // Keys are the files' names, not the user's: the parameters without a box are named here.
    // clang-format off
    static constexpr std::pair<std::string_view, const char*> kNames[] = {
        {"aux", UI_TEXT_NOOP("Parameter", "Резерв отчёта")},
        {"delta", UI_TEXT_NOOP("Parameter", "δ маховика")},
        {"step", UI_TEXT_NOOP("Parameter", "Шаг расчёта")},
        {"cycles", UI_TEXT_NOOP("Parameter", "Циклов")},
        {"mode", UI_TEXT_NOOP("Parameter", "Режим")},
        {"period", UI_TEXT_NOOP("Parameter", "Период нагрузки")},
        {"motion", UI_TEXT_NOOP("Parameter", "Закон движения")},
        {"drive", UI_TEXT_NOOP("Parameter", "Привод")},
        {"jfw", UI_TEXT_NOOP("Parameter", "J маховика")},
        {"mn", UI_TEXT_NOOP("Parameter", "Mн двигателя")},
        {"wn", UI_TEXT_NOOP("Parameter", "ωн двигателя")},
        {"w0", UI_TEXT_NOOP("Parameter", "ω0 двигателя")},
        {"w_start", UI_TEXT_NOOP("Parameter", "ω пуска")},
    };
    // clang-format on
    for (const auto& [key, shown] : kNames)
        if (key == info.key) return uiText("Parameter", shown);
    return info.key;
}

long double paramValue(const ParamSet& p, const ParamInfo& info)
{
    if (info.asDouble) return p.*(info.asDouble);
    if (info.asExtended) return p.*(info.asExtended);
    return 0;
}

long double paramValue(const ParamSet& p, int row)
{
    if (row < 0 || row >= kParamRowCount) return 0;
    return paramValue(p, paramRow(row));
}

bool storeParam(ParamSet& p, const ParamInfo& info, long double value)
{
    if (info.asDouble) {
        const double d = static_cast<double>(value);
        if (std::isinf(d)) return false;
        p.*(info.asDouble) = d;
        return true;
    }
    if (info.asExtended) {
        // An extended field keeps the whole value, but within the range of a double as well: a
        // report holding more could not be read back.
        if (std::isinf(static_cast<double>(value))) return false;
        p.*(info.asExtended) = value;
        return true;
    }
    return false;
}

std::string paramValueFault(const ParamInfo& info, long double value)
{
    if (info.asExtended == &ParamSet::delta && !(value > 0 && value < 1))
        return uiText("Parameter",
                      "delta: коэффициент неравномерности δ должен лежать между 0 и 1");
    if (info.asExtended == &ParamSet::startSpeed && value < 0)
        return uiText("Parameter", "w_start: ω пуска не может быть отрицательной");
    // The counterweight's angle may turn it any way round.
    if (info.group != ParamGroup::Mass || info.asExtended == &ParamSet::fi_cw || !(value < 0))
        return {};
    std::string name = info.key;
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (info.asExtended == &ParamSet::r_cw)
        return fillIn(uiText("Parameter", "%1: радиус не может быть отрицательным"), {name});
    return fillIn(name[0] == 'M'
                      ? uiText("Parameter", "%1: масса не может быть отрицательной")
                      : uiText("Parameter", "%1: момент инерции не может быть отрицательным"),
                  {name});
}

namespace {

// Equal values of equal sign: bit for bit for every value but a NaN, without reading the
// padding bytes of an extended real.
bool sameValue(long double x, long double y)
{
    if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
    return x == y && std::signbit(x) == std::signbit(y);
}

} // namespace

bool sameInputs(const ParamSet& a, const ParamSet& b)
{
    for (const ParamInfo& info : kParams)
        // δ sizes the flywheel from the results; it is not an input of the calculation.
        if ((info.asDouble || info.asExtended) && info.asExtended != &ParamSet::delta &&
            !sameValue(paramValue(a, info), paramValue(b, info)))
            return false;
    return sameValue(a.step, b.step) && sameValue(a.mode, b.mode) && a.N == b.N &&
           a.period == b.period && a.load == b.load && a.motion == b.motion &&
           a.drive == b.drive && a.driveTable == b.driveTable;
}

std::string paramLabelText(const ParamSet& p, int row, char decimal)
{
    return FormatFixed(paramValue(p, row), 4, 3, decimal);
}
