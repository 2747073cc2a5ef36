// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Kinetic.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/Errors.h"
#include "base/KineticLimits.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"
#include "base/UiText.h"

namespace {

// The total angle of the header, in degrees: it follows the current run settings, not the last
// calculation.
long double totalAngle(const ParamSet& p)
{
    return (static_cast<long double>(p.N) - 1) * p.step * kDegPerRad;
}

// Below this size every value's text reads back as a finite double and the drawing spreads less
// than a thousandth of kMaxKineticSpread, however the text rounds it.
constexpr long double kSurelyReadable = 1e140L;

[[noreturn]] void unreadable(const std::string& where, const std::string& what)
{
    throw UnreadableOutputError(
        fillIn(uiText("Kinetic", "Аниматор не прочтёт этот файл: %1: %2"), {where, what}));
}

// Refuses data that the animator's reader (present/KineticReader) would refuse, before a byte is
// written: a number beyond the range of a double, or a drawing wider than kMaxKineticSpread.
// The check reads each value from its text exactly as the reader will, but only for a run that
// comes anywhere near the limits.
void checkReadable(const ParamSet& p, const ResultStore& R, char decimal)
{
    bool near = false;
    auto look = [&near](long double v) {
        if (!(std::fabs(v) < kSurelyReadable)) near = true; // NaN and infinity included
    };
    const long double total = totalAngle(p);
    for (const long double v : {total, static_cast<long double>(p.l1),
                                static_cast<long double>(p.l2), static_cast<long double>(p.b)})
        look(v);
    for (int32_t i = 1; i <= p.N && !near; ++i) {
        for (Quantity k : kKineticAngleRows)
            look(R(k, i) * kDegPerRad);
        for (Quantity k : kKineticPositionRows)
            look(R(k, i));
    }
    if (!near) return;

    auto read = [](const std::string& where, const std::string& text) {
        const std::optional<double> v = kineticNumber(text);
        if (!v)
            unreadable(where,
                       fillIn(uiText("Kinetic", "\"%1\" вне диапазона double"), {quoteText(text)}));
        return *v;
    };
    KineticSpread spread;
    const std::string header = uiText("Kinetic", "заголовок");
    read(header, FormatGeneral(total, decimal));
    const double l1 = std::abs(read(header, FormatFixed(p.l1, 4, 2, decimal)));
    read(header, FormatFixed(p.l2, 4, 2, decimal));
    if (!spread.add(true, -l1) || !spread.add(true, l1) || !spread.add(false, -l1) ||
        !spread.add(false, l1))
        unreadable(header,
                   uiText("Kinetic", "кривошип выводит рисунок за допустимый размах 1E150 м"));
    if (!spread.add(true, read(header, FormatFixed(p.b, 4, 2, decimal))))
        unreadable(header,
                   uiText("Kinetic", "направляющая выводит рисунок за допустимый размах 1E150 м"));
    for (int32_t i = 1; i <= p.N; ++i) {
        const std::string where = fillIn(uiText("Kinetic", "шаг %1"), {std::to_string(i)});
        for (Quantity k : kKineticAngleRows)
            read(where, FormatFixed(R(k, i) * kDegPerRad, 4, 2, decimal));
        bool onX = true;
        for (Quantity k : kKineticPositionRows) {
            if (!spread.add(onX, read(where, FormatFixed(R(k, i), 4, 2, decimal))))
                unreadable(where, uiText("Kinetic", "положение выводит рисунок за допустимый "
                                                    "размах 1E150 м"));
            onX = !onX;
        }
    }
}

} // namespace

static_assert(kKineticAngleRows.size() + kKineticPositionRows.size() + 1 == kKineticBlockLines,
              "a step's block holds the carried quantities and its end line");

void writeKinetic(TextWriter& out, const ParamSet& p, const ResultStore& R, char decimal,
                  const KineticProgress& onStep)
{
    if (p.N > ResultStore::kSteps) throw std::invalid_argument("writeKinetic: N beyond store");
    checkReadable(p, R, decimal);

    out.writeLine(FormatGeneral(totalAngle(p), decimal));
    out.writeLine(FormatFixed(p.mode, 1, 0, decimal));
    out.writeLine(FormatFixed(p.l1, 4, 2, decimal));
    out.writeLine(FormatFixed(p.l2, 4, 2, decimal));
    out.writeLine(FormatFixed(p.b, 4, 2, decimal));
    out.writeLine(FormatInteger(p.N));
    out.writeLine(kKineticStart);

    for (int32_t i = 1; i <= p.N; ++i) {
        for (Quantity k : kKineticAngleRows)
            out.writeLine(FormatFixed(R(k, i) * kDegPerRad, 4, 2, decimal));
        for (Quantity k : kKineticPositionRows)
            out.writeLine(FormatFixed(R(k, i), 4, 2, decimal));
        out.writeLine(kKineticBlockEnd);
        if (onStep) onStep(i);
    }
    out.writeLine(kKineticEnd);
}

void writeKinetic(const std::string& path, const ParamSet& p, const ResultStore& R, char decimal,
                  const KineticProgress& onStep)
{
    if (p.N > ResultStore::kSteps) throw std::invalid_argument("writeKinetic: N beyond store");
    TextWriter out(path);
    writeKinetic(out, p, R, decimal, onStep);
    out.save();
}
