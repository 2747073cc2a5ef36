// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter table: every parameter of the mechanism and of the run, declared once with its
// key, caption, unit, the field that holds it, where the window shows it and which files carry
// it. The value boxes, the entry, the batch's --set keys and the report header all read it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/UiText.h"
#include "params/ParamSet.h"

// How a parameter's text becomes its value.
enum class ParamKind : uint8_t {
    Double,   // a real rounded to double; beyond the double range it is refused
    Extended, // a real kept in extended precision
    Step,     // the step in degrees, kept in radians
    Cycles,   // a whole number of 24-step cycles, which sets N as well
    Mode,     // 360 or 720, kept as 0 or 1
    Period,   // the period of a load by crank angle: 360 or 720 degrees
    Motion,   // the motion law: "prescribed" or "true"
    Drive,    // the drive of the true motion: "constant", "motor" or "table"
};

// Where the window shows a parameter: the motion, point and mass groups have a value row in
// the parameter panel (in the section paramSection gives, ParamSections.h); the run settings
// have their own controls, and a hidden parameter has none.
enum class ParamGroup : uint8_t { Motion, Point, Mass, Run, Hidden };

// Files that carry a parameter or a computed quantity (a bit set); the quantity catalogue
// (calc/Quantities.h) uses the last two and the report's.
enum CarrierFile : uint8_t {
    kInNoFile = 0,
    kInReport = 1,  // a parameter: the report's header, at reportLine; a quantity: a line of each
                    // step's block of the report
    kInProject = 2, // the project file, by key
    kInListing = 4, // a field of each step's line of the listing
    kInKinetic = 8, // a line of each step's block of the animation file (an angle in degrees)
};

struct ParamInfo {
    const char* key;     // "l1": the entry key, the --set key and the project key
    const char* caption; // "L1=": the value box's caption ("" without a box)
    const char* unit;    // "м", "кг", ...; "" for a count
    ParamKind kind;
    ParamGroup group;
    double ParamSet::*asDouble;        // the field, for ParamKind::Double
    long double ParamSet::*asExtended; // the field, for ParamKind::Extended
    uint8_t files;                     // CarrierFile bits
    int8_t reportLine;                 // 0-based line of the report header, or -1

    constexpr bool hasBox() const
    {
        return group == ParamGroup::Motion || group == ParamGroup::Point ||
               group == ParamGroup::Mass;
    }
};

// clang-format off
inline constexpr ParamInfo kParams[] = {
    //key      caption    unit        kind                 group               double field      extended field     files                    report line
    {"l1",    "L1=",    "м",       ParamKind::Double,   ParamGroup::Motion, &ParamSet::l1,    nullptr,           kInReport | kInProject,  0},
    {"l2",    "L2=",    "м",       ParamKind::Double,   ParamGroup::Motion, &ParamSet::l2,    nullptr,           kInReport | kInProject,  1},
    {"b",     "B=",     "м",       ParamKind::Double,   ParamGroup::Motion, &ParamSet::b,     nullptr,           kInReport | kInProject,  2},
    {"fi0",   "Fi0=",   "°",       ParamKind::Double,   ParamGroup::Motion, &ParamSet::fi0,   nullptr,           kInReport | kInProject,  3},
    {"fit0",  "Fit0=",  "рад/с",   ParamKind::Double,   ParamGroup::Motion, &ParamSet::fit0,  nullptr,           kInReport | kInProject,  5},
    {"fitt0", "Fitt0=", "рад/с²",  ParamKind::Double,   ParamGroup::Motion, &ParamSet::fitt0, nullptr,           kInReport | kInProject,  6},
    {"fidtt", "+Fitt=", "рад/с² за шаг", ParamKind::Double, ParamGroup::Motion, &ParamSet::fidtt, nullptr,     kInReport | kInProject,  7},
    {"ac1",   "A(C1)=", "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::ac1,    kInProject,             -1},
    {"bc1",   "B(C1)=", "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::bc1,    kInProject,             -1},
    {"ac2",   "A(C2)=", "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::ac2,    kInProject,             -1},
    {"bc2",   "B(C2)=", "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::bc2,    kInProject,             -1},
    {"ac3",   "A(C3)=", "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::ac3,    kInProject,             -1},
    {"bc3",   "B(C3)=", "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::bc3,    kInProject,             -1},
    {"ac4",   "A(A)=",  "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::ac4,    kInProject,             -1},
    {"bc4",   "B(A)=",  "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::bc4,    kInProject,             -1},
    {"ac5",   "A(B)=",  "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::ac5,    kInProject,             -1},
    {"bc5",   "B(B)=",  "м",       ParamKind::Extended, ParamGroup::Point,  nullptr,          &ParamSet::bc5,    kInProject,             -1},
    {"m1",    "M1=",    "кг",      ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::m1,     kInReport | kInProject,  8},
    {"m2",    "M2=",    "кг",      ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::m2,     kInReport | kInProject,  9},
    {"m3",    "M3=",    "кг",      ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::m3,     kInReport | kInProject, 10},
    {"i1",    "I1=",    "кг·м²",   ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::i1,     kInReport | kInProject, 11},
    {"i2",    "I2=",    "кг·м²",   ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::i2,     kInReport | kInProject, 12},
    {"i3",    "I3=",    "кг·м²",   ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::i3,     kInReport | kInProject, 13},
    {"aux",   "",       "",        ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::aux,    kInReport | kInProject,  4},
    {"delta", "",       "",        ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::delta,  kInProject,             -1},
    {"m_cw",  "Mпв=",   "кг",      ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::m_cw,   kInProject,             -1},
    {"r_cw",  "Rпв=",   "м",       ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::r_cw,   kInProject,             -1},
    {"fi_cw", "Fiпв=",  "°",       ParamKind::Extended, ParamGroup::Mass,   nullptr,          &ParamSet::fi_cw,  kInProject,             -1},
    {"jfw",   "",       "кг·м²",   ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::flywheel, kInProject,           -1},
    {"mn",    "",       "Н·м",     ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::motorMoment, kInProject,        -1},
    {"wn",    "",       "рад/с",   ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::motorSpeed, kInProject,         -1},
    {"w0",    "",       "рад/с",   ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::motorSynchronous, kInProject,   -1},
    {"w_start","",      "рад/с",   ParamKind::Extended, ParamGroup::Hidden, nullptr,          &ParamSet::startSpeed, kInProject,         -1},
    {"motion","",       "",        ParamKind::Motion,   ParamGroup::Run,    nullptr,          nullptr,           kInProject,             -1},
    {"drive", "",       "",        ParamKind::Drive,    ParamGroup::Run,    nullptr,          nullptr,           kInProject,             -1},
    {"step",  "",       "°",       ParamKind::Step,     ParamGroup::Run,    nullptr,          nullptr,           kInProject,             -1},
    {"cycles","",       "",        ParamKind::Cycles,   ParamGroup::Run,    nullptr,          nullptr,           kInProject,             -1},
    {"mode",  "",       "°",       ParamKind::Mode,     ParamGroup::Run,    nullptr,          nullptr,           kInProject,             -1},
    {"period","",       "°",       ParamKind::Period,   ParamGroup::Run,    nullptr,          nullptr,           kInProject,             -1},
};
// clang-format on

// Whether `word` is one of the space-separated words of `words` ("i1 i2" holds "i2", not "i").
constexpr bool listsWord(std::string_view words, std::string_view word)
{
    while (!words.empty()) {
        const size_t end = words.find(' ');
        if (words.substr(0, end) == word) return true;
        if (end == std::string_view::npos) break;
        words.remove_prefix(end + 1);
    }
    return false;
}

// Whether `words` is one or more words, each followed by a single space but the last, and
// known(word) holds for each of them. The notes' compile-time checks use it.
template <typename Known> constexpr bool eachWordKnown(std::string_view words, Known known)
{
    if (words.empty() || words.front() == ' ' || words.back() == ' ') return false;
    while (!words.empty()) {
        const size_t end = words.find(' ');
        if (!known(words.substr(0, end))) return false;
        words.remove_prefix(end == std::string_view::npos ? words.size() : end + 1);
    }
    return true;
}

// What the angles of the mechanism mean: its crank angle fi0 here, and the computed angles.
inline constexpr char kAngleNote[] =
    UI_TEXT_NOOP("Note", "Углы отсчитываются от оси +x, перпендикулярной линии хода ползуна, в "
                         "сторону оси +y; мёртвые точки центрального механизма (b = 0) лежат при "
                         "90° и 270°.");

// What parameters mean where their caption and unit cannot say it: each sentence once, with the
// keys it covers. The caption tips of the value boxes, the document's inputs and the manual pages
// give these texts.
struct ParamNote {
    const char* keys; // space-separated keys of kParams: "i1 i2"
    const char* text;
};

// clang-format off
inline constexpr ParamNote kParamNotes[] = {
    {"fi0", kAngleNote},
    {"fidtt", UI_TEXT_NOOP("Note",
      "Угловое ускорение кривошипа растёт на эту величину на каждом шаге расчёта, а не за "
      "секунду: при ненулевом значении результаты зависят от шага.")},
    {"m1 m2 m3", UI_TEXT_NOOP("Note",
      "Вес m·g, g = 9,8 м/с², направлен вдоль направляющей ползуна, к −y.")},
    {"i1 i2", UI_TEXT_NOOP("Note",
      "Момент инерции относительно центра масс звена (C1 кривошипа, C2 шатуна), а не "
      "относительно шарнира.")},
    {"i3 aux", UI_TEXT_NOOP("Note",
      "Не входит ни в один результат: значение лишь записывается в отчёт и проект.")},
    {"m_cw r_cw fi_cw",
     UI_TEXT_NOOP("Note",
      "Противовес на кривошипе: точечная масса Mпв на расстоянии Rпв от O, повёрнутая на угол "
      "Fiпв от пальца кривошипа A в сторону роста угла (180° — напротив пальца). Входит в "
      "массу, центр масс и момент инерции кривошипа; при Mпв = 0 противовеса нет.")},
    {"motion", UI_TEXT_NOOP("Note",
      "prescribed — заданный закон (Fit0, Fitt0, +Fitt); true — истинное движение машины под "
      "действием привода с маховиком.")},
    {"jfw", UI_TEXT_NOOP("Note",
      "Момент инерции маховика для истинного движения; отрицательное значение — J маховика из "
      "сводки (метод постоянного момента).")},
    {"drive mn wn w0", UI_TEXT_NOOP("Note",
      "Привод истинного движения: constant — постоянный момент Mд, motor — характеристика "
      "двигателя M = Mн·(ω0 − ω)/(ω0 − ωн), table — таблица M(ω).")},
    {"w_start", UI_TEXT_NOOP("Note",
      "Угловая скорость кривошипа в начале разгона истинного движения; 0 — разгон из покоя.")},
};
// clang-format on

// The notes of a parameter in kParamNotes order, in the user's language, joined by a space;
// "" when none covers it.
std::string paramNote(const ParamInfo& info);

// The caption of a value box in the user's language (context "Parameter"): "L1=", "Mcw=".
std::string shownCaption(const ParamInfo& info);

// The tip of a value box's caption: the caption without its "=", a comma and the unit (none
// without a unit), then the parameter's note on a line of its own when it has one:
// "+Fitt, рад/с² за шаг\nУгловое ускорение ...", in the user's language.
std::string paramCaptionTip(const ParamInfo& info);

// The parameter of a key (case-sensitive), or nullptr.
const ParamInfo* findParam(std::string_view key);

// The parameters with a value box, in display order ("L1=" ... "B(B)=", then "M1=" ... "I3=").
inline constexpr int kParamRowCount = [] {
    int n = 0;
    for (const ParamInfo& p : kParams)
        n += p.hasBox() ? 1 : 0;
    return n;
}();
const ParamInfo& paramRow(int row); // 0 <= row < kParamRowCount (std::out_of_range otherwise)
// The display row of an entry key, or -1.
int paramRowForKey(std::string_view key);

// The report header's parameters, in file order.
inline constexpr int kReportHeaderLines = [] {
    int n = 0;
    for (const ParamInfo& p : kParams)
        n += (p.files & kInReport) ? 1 : 0;
    return n;
}();
const ParamInfo& reportHeaderParam(int line); // 0 <= line < kReportHeaderLines

// The parameter's name as the interface and the document print it: its caption without the box's
// "=" ("M2"), or for a parameter without a box a name of its own ("Шаг расчёта", "δ маховика"),
// in the user's language.
std::string paramDisplayName(const ParamInfo& info);

// The value of a real parameter (Double or Extended), widened to extended.
long double paramValue(const ParamSet& p, const ParamInfo& info);
long double paramValue(const ParamSet& p, int row);

// The text of a value label, FormatFixed(value, 4, 3), for display row `row`.
std::string paramLabelText(const ParamSet& p, int row, char decimal);

// Why `value` is refused for the parameter, or "" when it is allowed: a mass or a moment of
// inertia (the group Mass) below zero is refused, naming it ("M1: масса не может быть
// отрицательной", "I1: момент инерции не может быть отрицательным"), and so is the
// counterweight's radius ("R_CW: радиус не может быть отрицательным"), while its angle may be any;
// zero passes; δ must lie strictly between 0 and 1; the start-up's speed w_start must not be
// negative ("w_start: ω пуска не может быть отрицательной"). Every reader
// of a parameter's value (the entry, the batch, the report, the project file) asks it.
std::string paramValueFault(const ParamInfo& info, long double value);

// Whether two parameter sets give the same calculation: every real of the table, the step, N
// and the mode hold the same values with the same signs (0 and -0 differ; a NaN equals a NaN),
// and the period, the load, the motion law, the drive's kind and its table are equal. δ is not
// compared: only the summary reads it.
// The point coordinates written by the autofill alone (phi0, psi0), the cycle count (N counts
// the steps) and curkey are not compared.
bool sameInputs(const ParamSet& a, const ParamSet& b);

// Stores a real into a Double or Extended parameter: false, nothing stored, when the value lies
// beyond the range of a double, for either kind (an underflow to a denormal or zero passes).
bool storeParam(ParamSet& p, const ParamInfo& info, long double value);
