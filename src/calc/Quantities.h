// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of computed quantities: every row of the result store that a stage writes, with
// its short name, caption and unit, the stage that writes it and the fixed-layout files that carry
// it. Everything that shows, exports or checks results reads rows, counts and layouts from here.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/UiText.h"
#include "params/ParamTable.h"

// A quantity names its row of the result store. The mechanism's own symbols are kept.
// The gap rows (gap69 ...) belong to no quantity and stay 0: the report and the listing keep them
// where their layouts always had them (kLayoutGaps). New quantities take rows from 79 on.
enum class Quantity : uint8_t {
    // clang-format off
    fi, dfi, fitt, dt, fit, fis, sdfi, cdfi, psi, dpsi, sdpsi, cdpsi,
    xa, ya, xat, yat, xatt, yatt, psit, psitt,
    xb, yb, xbt, ybt, xbtt, ybtt, xs, ys,
    xc1, yc1, xc1t, yc1t, xc1tt, yc1tt, ek1, fx1, fy1, mi1, pin1, pgr1,
    xc2, yc2, xc2t, yc2t, xc2tt, yc2tt, ek2, fx2, fy2, mi2, pin2, pgr2,
    xc3, yc3, xc3t, yc3t, xc3tt, yc3tt, ek3, fx3, fy3, mi3, pin3, pgr3,
    psum, mo, e,
    fbx, fby, gap69, gap70, fax, fay, ma, gap74, fox, foy, gap77, gap78,
    q, pq,
    fbxk, nb, faxk, foxk, mb, fbk, fak, fok,
    fshx, fshy, fsh, msh,
    omega_true, eps_true, t_true,
    // clang-format on
};

// The store row of a quantity.
constexpr int rowOf(Quantity q)
{
    return static_cast<int>(q);
}

// The calculation stage that writes a quantity (each stage runs under a fault guard of its own).
enum class Stage : uint8_t { Kinematic, Energy, Force, Equilibrium };

// Rows of the store; every quantity's row is below it.
inline constexpr int kStoreRows = 100;

// The files of a fixed layout that carry a quantity are CarrierFile bits (params/ParamTable.h):
// kInReport, kInListing, kInKinetic. The grid, the CSV exports and the charts carry every
// quantity and need no bit.
struct QuantityInfo {
    Quantity id;
    const char* name;    // "fi", "mo", ...: the column name of the batch CSV
    const char* caption; // "приведённый момент Mo на кривошипе"
    const char* unit;    // "Н·м"; "безразм." for a ratio
    Stage stage;
    uint8_t files; // kInReport, kInListing, kInKinetic bits: the fixed layouts that carry it
};

// Every quantity, in row order. To add one: an entry here, its formula in its stage, its test.
// The legacy files' layouts are fixed: a new quantity carries kInNoFile.
inline constexpr QuantityInfo kQuantities[] = {
    // clang-format off
    {Quantity::fi, "fi", "угол кривошипа", "рад", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::dfi, "dfi", "поворот кривошипа от шага 1", "рад", Stage::Kinematic, kInReport | kInListing},
    {Quantity::fitt, "fitt", "угловое ускорение кривошипа", "рад/с²", Stage::Kinematic, kInReport | kInListing},
    {Quantity::dt, "dt", "длительность шага", "с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::fit, "fit", "угловая скорость кривошипа", "рад/с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::fis, "fis", "угол кривошипа по длительностям шагов", "рад", Stage::Kinematic, kInReport | kInListing},
    {Quantity::sdfi, "sdfi", "синус поворота кривошипа dfi", "безразм.", Stage::Kinematic, kInReport | kInListing},
    {Quantity::cdfi, "cdfi", "косинус поворота кривошипа dfi", "безразм.", Stage::Kinematic, kInReport | kInListing},
    {Quantity::psi, "psi", "угол шатуна", "рад", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::dpsi, "dpsi", "поворот шатуна от шага 1", "рад", Stage::Kinematic, kInReport | kInListing},
    {Quantity::sdpsi, "sdpsi", "синус поворота шатуна dpsi", "безразм.", Stage::Kinematic, kInReport | kInListing},
    {Quantity::cdpsi, "cdpsi", "косинус поворота шатуна dpsi", "безразм.", Stage::Kinematic, kInReport | kInListing},
    {Quantity::xa, "xa", "координата x точки A (палец кривошипа)", "м", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::ya, "ya", "координата y точки A", "м", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::xat, "xat", "скорость точки A по x", "м/с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::yat, "yat", "скорость точки A по y", "м/с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::xatt, "xatt", "ускорение точки A по x", "м/с²", Stage::Kinematic, kInReport | kInListing},
    {Quantity::yatt, "yatt", "ускорение точки A по y", "м/с²", Stage::Kinematic, kInReport | kInListing},
    {Quantity::psit, "psit", "угловая скорость шатуна", "рад/с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::psitt, "psitt", "угловое ускорение шатуна", "рад/с²", Stage::Kinematic, kInReport | kInListing},
    {Quantity::xb, "xb", "координата x точки B (шарнир шатун–ползун)", "м", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::yb, "yb", "координата y точки B", "м", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::xbt, "xbt", "скорость точки B по x", "м/с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::ybt, "ybt", "скорость точки B по y", "м/с", Stage::Kinematic, kInReport | kInListing},
    {Quantity::xbtt, "xbtt", "ускорение точки B по x", "м/с²", Stage::Kinematic, kInReport | kInListing},
    {Quantity::ybtt, "ybtt", "ускорение точки B по y", "м/с²", Stage::Kinematic, kInReport | kInListing},
    {Quantity::xs, "xs", "координата x ползуна (равна b)", "м", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::ys, "ys", "координата y ползуна (равна yb)", "м", Stage::Kinematic, kInReport | kInListing | kInKinetic},
    {Quantity::xc1, "xc1", "координата x центра масс C1 кривошипа", "м", Stage::Energy, kInReport | kInListing},
    {Quantity::yc1, "yc1", "координата y центра масс C1", "м", Stage::Energy, kInReport | kInListing},
    {Quantity::xc1t, "xc1t", "скорость C1 по x", "м/с", Stage::Energy, kInReport | kInListing},
    {Quantity::yc1t, "yc1t", "скорость C1 по y", "м/с", Stage::Energy, kInReport | kInListing},
    {Quantity::xc1tt, "xc1tt", "ускорение C1 по x", "м/с²", Stage::Energy, kInReport | kInListing},
    {Quantity::yc1tt, "yc1tt", "ускорение C1 по y", "м/с²", Stage::Energy, kInReport | kInListing},
    {Quantity::ek1, "ek1", "кинетическая энергия кривошипа (звено 1)", "Дж", Stage::Energy, kInReport | kInListing},
    {Quantity::fx1, "fx1", "сила инерции звена 1 по x", "Н", Stage::Energy, kInReport | kInListing},
    {Quantity::fy1, "fy1", "сила инерции звена 1 по y", "Н", Stage::Energy, kInReport | kInListing},
    {Quantity::mi1, "mi1", "момент сил инерции звена 1", "Н·м", Stage::Energy, kInReport | kInListing},
    {Quantity::pin1, "pin1", "мощность сил инерции звена 1", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::pgr1, "pgr1", "мощность силы тяжести звена 1", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::xc2, "xc2", "координата x центра масс C2 шатуна", "м", Stage::Energy, kInReport | kInListing},
    {Quantity::yc2, "yc2", "координата y центра масс C2", "м", Stage::Energy, kInReport | kInListing},
    {Quantity::xc2t, "xc2t", "скорость C2 по x", "м/с", Stage::Energy, kInReport | kInListing},
    {Quantity::yc2t, "yc2t", "скорость C2 по y", "м/с", Stage::Energy, kInReport | kInListing},
    {Quantity::xc2tt, "xc2tt", "ускорение C2 по x", "м/с²", Stage::Energy, kInReport | kInListing},
    {Quantity::yc2tt, "yc2tt", "ускорение C2 по y", "м/с²", Stage::Energy, kInReport | kInListing},
    {Quantity::ek2, "ek2", "кинетическая энергия шатуна (звено 2)", "Дж", Stage::Energy, kInReport | kInListing},
    {Quantity::fx2, "fx2", "сила инерции звена 2 по x", "Н", Stage::Energy, kInReport | kInListing},
    {Quantity::fy2, "fy2", "сила инерции звена 2 по y", "Н", Stage::Energy, kInReport | kInListing},
    {Quantity::mi2, "mi2", "момент сил инерции звена 2", "Н·м", Stage::Energy, kInReport | kInListing},
    {Quantity::pin2, "pin2", "мощность сил инерции звена 2", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::pgr2, "pgr2", "мощность силы тяжести звена 2", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::xc3, "xc3", "координата x центра масс C3 ползуна (равна xb)", "м", Stage::Energy, kInReport | kInListing},
    {Quantity::yc3, "yc3", "координата y центра масс C3 (равна yb)", "м", Stage::Energy, kInReport | kInListing},
    {Quantity::xc3t, "xc3t", "скорость C3 по x (равна xbt)", "м/с", Stage::Energy, kInReport | kInListing},
    {Quantity::yc3t, "yc3t", "скорость C3 по y (равна ybt)", "м/с", Stage::Energy, kInReport | kInListing},
    {Quantity::xc3tt, "xc3tt", "ускорение C3 по x (равно xbtt)", "м/с²", Stage::Energy, kInReport | kInListing},
    {Quantity::yc3tt, "yc3tt", "ускорение C3 по y (равно ybtt)", "м/с²", Stage::Energy, kInReport | kInListing},
    {Quantity::ek3, "ek3", "кинетическая энергия ползуна (звено 3)", "Дж", Stage::Energy, kInReport | kInListing},
    {Quantity::fx3, "fx3", "сила инерции звена 3 по x", "Н", Stage::Energy, kInReport | kInListing},
    {Quantity::fy3, "fy3", "сила инерции звена 3 по y", "Н", Stage::Energy, kInReport | kInListing},
    {Quantity::mi3, "mi3", "момент сил инерции звена 3 (всегда 0)", "Н·м", Stage::Energy, kInReport | kInListing},
    {Quantity::pin3, "pin3", "мощность сил инерции звена 3", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::pgr3, "pgr3", "мощность силы тяжести звена 3", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::psum, "psum", "суммарная мощность", "Вт", Stage::Energy, kInReport | kInListing},
    {Quantity::mo, "mo", "приведённый момент Mo на кривошипе", "Н·м", Stage::Energy, kInReport | kInListing},
    {Quantity::e, "e", "накопленная работа E", "Дж", Stage::Energy, kInReport | kInListing},
    {Quantity::fbx, "fbx", "сила в шарнире B по x", "Н", Stage::Force, kInReport | kInListing},
    {Quantity::fby, "fby", "сила в шарнире B по y", "Н", Stage::Force, kInReport | kInListing},
    {Quantity::fax, "fax", "сила в шарнире A по x", "Н", Stage::Force, kInReport | kInListing},
    {Quantity::fay, "fay", "сила в шарнире A по y", "Н", Stage::Force, kInReport | kInListing},
    {Quantity::ma, "ma", "момент относительно A сил на шатуне и силы в B", "Н·м", Stage::Force, kInReport | kInListing},
    {Quantity::fox, "fox", "сила в опоре O кривошипа по x", "Н", Stage::Force, kInReport | kInListing},
    {Quantity::foy, "foy", "сила в опоре O кривошипа по y", "Н", Stage::Force, kInReport | kInListing},
    {Quantity::q, "q", "рабочая нагрузка на ползун по y", "Н", Stage::Energy, kInNoFile},
    {Quantity::pq, "pq", "мощность рабочей нагрузки", "Вт", Stage::Energy, kInNoFile},
    {Quantity::fbxk, "fbxk", "сила в шарнире B по x с реакцией направляющей", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::nb, "nb", "реакция направляющей на ползун по x (боковое давление)", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::faxk, "faxk", "сила в шарнире A по x с реакцией направляющей", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::foxk, "foxk", "сила в опоре O по x с реакцией направляющей", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::mb, "mb", "уравновешивающий момент на кривошипе по силам", "Н·м", Stage::Equilibrium, kInNoFile},
    {Quantity::fbk, "fbk", "полная сила в шарнире B", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::fak, "fak", "полная сила в шарнире A", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::fok, "fok", "полная сила в опоре O", "Н", Stage::Equilibrium, kInNoFile},
    {Quantity::fshx, "fshx", "сотрясающая сила на стойку по x", "Н", Stage::Energy, kInNoFile},
    {Quantity::fshy, "fshy", "сотрясающая сила на стойку по y", "Н", Stage::Energy, kInNoFile},
    {Quantity::fsh, "fsh", "сотрясающая сила на стойку, модуль", "Н", Stage::Energy, kInNoFile},
    {Quantity::msh, "msh", "сотрясающий момент на стойку относительно O", "Н·м", Stage::Energy, kInNoFile},
    {Quantity::omega_true, "omega_true", "угловая скорость кривошипа в действующем законе движения", "рад/с", Stage::Kinematic, kInNoFile},
    {Quantity::eps_true, "eps_true", "угловое ускорение кривошипа в действующем законе движения", "рад/с²", Stage::Kinematic, kInNoFile},
    {Quantity::t_true, "t_true", "время от шага 1 в действующем законе движения", "с", Stage::Kinematic, kInNoFile},
    // clang-format on
};

namespace quantity_detail {
constexpr bool inRowOrder()
{
    int last = -1;
    for (const QuantityInfo& q : kQuantities) {
        if (rowOf(q.id) <= last || rowOf(q.id) >= kStoreRows) return false;
        last = rowOf(q.id);
    }
    return true;
}
static_assert(inRowOrder(), "the catalogue lists each quantity once, in row order");
} // namespace quantity_detail

// What quantities mean where their caption and unit cannot say it: each sentence once, with the
// quantities it covers. The grid's tips and the manual pages give these texts. Derived from the
// stages: the rod acts on the slider at B with (fbx, fby), the crank on the rod at A with
// (fax, fay), the frame on the crank at O with (fox, foy); the weights point to -y.
struct QuantityNote {
    const char* names; // space-separated short names of kQuantities: "mo mb"
    const char* text;
};

inline constexpr QuantityNote kQuantityNotes[] = {
    // clang-format off
    {"fi fis psi", kAngleNote},
    {"fx1 fy1 mi1 fx2 fy2 mi2 fx3 fy3 mi3",
     UI_TEXT_NOOP("Note",
      "Это +m·a (масса звена на ускорение его центра масс) и +I·α, а не даламберовы сила и "
      "момент инерции −m·a и −I·α.")},
    {"mo mb",
     UI_TEXT_NOOP("Note",
      "Момент привода на кривошипе, положительный в сторону роста угла; при fit > 0 он "
      "отрицателен, когда машина отдаёт работу (двигатель).")},
    {"e",
     UI_TEXT_NOOP("Note",
      "Работа привода на кривошипе с шага 1 (на шаге 1 равна 0); отрицательна, когда машина "
      "отдаёт работу.")},
    {"fbx fby fbxk fbk", UI_TEXT_NOOP("Note",
      "Сила, с которой шатун действует на ползун в шарнире B.")},
    {"fax fay faxk fak", UI_TEXT_NOOP("Note",
      "Сила, с которой кривошип действует на шатун в шарнире A.")},
    {"fox foy foxk fok", UI_TEXT_NOOP("Note",
      "Сила, с которой стойка действует на кривошип в опоре O.")},
    {"omega_true eps_true t_true",
     UI_TEXT_NOOP("Note",
      "При истинном движении — скорость, ускорение и время установившегося движения машины под "
      "действием привода с маховиком; при заданном законе — заданные fit, fitt и их время.")},
    {"fbx fax fox",
     UI_TEXT_NOOP("Note",
      "Прежняя строка: без реакции направляющей на ползун. Полные силы — fbxk, faxk, foxk по x "
      "и модули fbk, fak, fok.")},
    {"fshx fshy fsh msh",
     UI_TEXT_NOOP("Note",
      "Сила −Σm·a и момент −Σ(r×m·a + I·α) относительно O по всем звеньям: то, что стойка "
      "воспринимает в опоре O, на направляющей и от привода сверх весов и рабочей нагрузки.")},
    // clang-format on
};

namespace quantity_detail {
constexpr bool isQuantityName(std::string_view name)
{
    for (const QuantityInfo& q : kQuantities)
        if (name == q.name) return true;
    return false;
}
constexpr bool everyNoteNamesQuantities()
{
    for (const QuantityNote& note : kQuantityNotes)
        if (!eachWordKnown(note.names, isQuantityName)) return false;
    return true;
}
static_assert(everyNoteNamesQuantities(), "a note names only quantities of the catalogue");
} // namespace quantity_detail

// The notes of a quantity in kQuantityNotes order, in the user's language, joined by a space;
// "" when none covers it.
std::string quantityNote(const QuantityInfo& q);

// The caption of a quantity as the windows, the summary and the document show it: the
// catalogue's caption in the user's language (context "Quantity").
std::string shownCaption(const QuantityInfo& q);

// The quantity of store row k, or nullptr for a row that no stage writes (or k out of range).
const QuantityInfo* quantityAtRow(int k);
const QuantityInfo& quantityInfo(Quantity q);

// The short name of row k, or "" for a row no stage writes.
const char* rowName(int k);

// The grid's caption of a quantity when the caption file gives none for its row:
// "name: caption, unit", as the shipped caption file writes it, in the user's language.
std::string defaultCaption(const QuantityInfo& q);

// A row of a fixed layout that belongs to no quantity, and the files that keep it (always 0).
struct LayoutGap {
    Quantity row;
    uint8_t files;
};
inline constexpr LayoutGap kLayoutGaps[] = {
    {Quantity::gap69, kInReport | kInListing},
    {Quantity::gap70, kInReport | kInListing},
    {Quantity::gap74, kInReport | kInListing},
    {Quantity::gap77, kInReport},
    {Quantity::gap78, kInReport},
};

namespace quantity_detail {
// The files that carry store row `row`: its quantity's, or its gap's; 0 for neither.
constexpr uint8_t rowFiles(int row)
{
    for (const QuantityInfo& q : kQuantities)
        if (rowOf(q.id) == row) return q.files;
    for (const LayoutGap& g : kLayoutGaps)
        if (rowOf(g.row) == row) return g.files;
    return 0;
}
constexpr bool gapsOwnNoQuantity()
{
    for (const LayoutGap& g : kLayoutGaps)
        for (const QuantityInfo& q : kQuantities)
            if (g.row == q.id) return false;
    return true;
}
static_assert(gapsOwnNoQuantity(), "a gap of a layout is a row no quantity owns");

// Whether store row `row` holds an angle in radians, which the animation file writes in degrees.
constexpr bool rowIsAngle(int row)
{
    for (const QuantityInfo& q : kQuantities)
        if (rowOf(q.id) == row) return std::string_view(q.unit) == "рад";
    return false;
}
// Whether row `row` belongs to the layout of `file`; with `angles` 0 or 1, only the rows that
// hold no angle, or only those that do.
constexpr bool inLayout(int row, uint8_t file, int angles)
{
    return (rowFiles(row) & file) && (angles < 0 || rowIsAngle(row) == (angles == 1));
}
constexpr size_t layoutSize(uint8_t file, int angles)
{
    size_t n = 0;
    for (int r = 0; r < kStoreRows; ++r)
        n += inLayout(r, file, angles) ? 1 : 0;
    return n;
}
// The rows of a layout, in row order.
template <uint8_t File, int Angles = -1> constexpr auto layoutOf()
{
    std::array<Quantity, layoutSize(File, Angles)> rows{};
    size_t n = 0;
    for (int r = 0; r < kStoreRows; ++r)
        if (inLayout(r, File, Angles)) rows[n++] = static_cast<Quantity>(r);
    return rows;
}
} // namespace quantity_detail

// The fixed layouts, read from the carriers of the catalogue and its gaps, in row order. A
// quantity added later carries none of them, so the legacy files never change:
// - the report writes, per step, the grid cells of kReportLayout (row 0 in degrees);
// - the listing writes, per step, the fields of kListingLayout (row 0 in radians);
// - the animation file writes, per step, kKineticAngleRows (the quantities it carries in radians,
//   written in degrees), then kKineticPositionRows (x and y of each point in turn).
inline constexpr auto kReportLayout = quantity_detail::layoutOf<kInReport>();
inline constexpr auto kListingLayout = quantity_detail::layoutOf<kInListing>();
inline constexpr auto kKineticAngleRows = quantity_detail::layoutOf<kInKinetic, 1>();
inline constexpr auto kKineticPositionRows = quantity_detail::layoutOf<kInKinetic, 0>();
static_assert(kKineticPositionRows.size() % 2 == 0, "the animation file's points are x, y pairs");

// Lines of a step's block in the report, and fields of a step's line in the listing.
inline constexpr int kReportRows = static_cast<int>(kReportLayout.size());
inline constexpr int kListingRows = static_cast<int>(kListingLayout.size());

// The listing field of store row `row`, or -1 when the listing does not carry it.
constexpr int listingField(int row)
{
    for (size_t f = 0; f < kListingLayout.size(); ++f)
        if (rowOf(kListingLayout[f]) == row) return static_cast<int>(f);
    return -1;
}

// Rows the results grid and the spreadsheet export show values for: every row up to the last
// one that a fixed layout or a quantity uses.
constexpr int gridValueRows()
{
    int rows = 0;
    for (int r = 0; r < kStoreRows; ++r)
        if (quantity_detail::rowFiles(r) != 0) rows = r + 1;
    for (const QuantityInfo& q : kQuantities)
        if (rowOf(q.id) >= rows) rows = rowOf(q.id) + 1;
    return rows;
}
inline constexpr int kGridValueRows = gridValueRows();
