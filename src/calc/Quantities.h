// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of computed quantities: every row of the result store that a stage writes, with
// its short name, caption and unit, and the stage that writes it. Everything that shows, exports
// or checks results reads rows and counts from here.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "params/ParamTable.h"

// A quantity names its row of the result store. The mechanism's own symbols are kept.
// Rows 69, 70, 74, 77 and 78 belong to no quantity and stay 0; new quantities take rows from 79.
enum class Quantity : uint8_t {
    // clang-format off
    fi, dfi, fitt, dt, fit, fis, sdfi, cdfi, psi, dpsi, sdpsi, cdpsi,
    xa, ya, xat, yat, xatt, yatt, psit, psitt,
    xb, yb, xbt, ybt, xbtt, ybtt, xs, ys,
    xc1, yc1, xc1t, yc1t, xc1tt, yc1tt, ek1, fx1, fy1, mi1, pin1, pgr1,
    xc2, yc2, xc2t, yc2t, xc2tt, yc2tt, ek2, fx2, fy2, mi2, pin2, pgr2,
    xc3, yc3, xc3t, yc3t, xc3tt, yc3tt, ek3, fx3, fy3, mi3, pin3, pgr3,
    psum, mo, e,
    fbx, fby, fax = 71, fay, ma, fox = 75, foy,
    q = 79, pq,
    fbxk, nb, faxk, foxk, mb, fbk, fak, fok,
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

struct QuantityInfo {
    Quantity id;
    const char* name;    // "fi", "mo", ...: the column name of the batch CSV
    const char* caption; // "приведённый момент Mo на кривошипе"
    const char* unit;    // "Н·м"; "безразм." for a ratio
    Stage stage;
};

// Every quantity, in row order. To add one: an entry here, its formula in its stage, its test.
inline constexpr QuantityInfo kQuantities[] = {
    // clang-format off
    {Quantity::fi, "fi", "угол кривошипа", "рад", Stage::Kinematic},
    {Quantity::dfi, "dfi", "поворот кривошипа от шага 1", "рад", Stage::Kinematic},
    {Quantity::fitt, "fitt", "угловое ускорение кривошипа", "рад/с²", Stage::Kinematic},
    {Quantity::dt, "dt", "длительность шага", "с", Stage::Kinematic},
    {Quantity::fit, "fit", "угловая скорость кривошипа", "рад/с", Stage::Kinematic},
    {Quantity::fis, "fis", "угол кривошипа по длительностям шагов", "рад", Stage::Kinematic},
    {Quantity::sdfi, "sdfi", "синус поворота кривошипа dfi", "безразм.", Stage::Kinematic},
    {Quantity::cdfi, "cdfi", "косинус поворота кривошипа dfi", "безразм.", Stage::Kinematic},
    {Quantity::psi, "psi", "угол шатуна", "рад", Stage::Kinematic},
    {Quantity::dpsi, "dpsi", "поворот шатуна от шага 1", "рад", Stage::Kinematic},
    {Quantity::sdpsi, "sdpsi", "синус поворота шатуна dpsi", "безразм.", Stage::Kinematic},
    {Quantity::cdpsi, "cdpsi", "косинус поворота шатуна dpsi", "безразм.", Stage::Kinematic},
    {Quantity::xa, "xa", "координата x точки A (палец кривошипа)", "м", Stage::Kinematic},
    {Quantity::ya, "ya", "координата y точки A", "м", Stage::Kinematic},
    {Quantity::xat, "xat", "скорость точки A по x", "м/с", Stage::Kinematic},
    {Quantity::yat, "yat", "скорость точки A по y", "м/с", Stage::Kinematic},
    {Quantity::xatt, "xatt", "ускорение точки A по x", "м/с²", Stage::Kinematic},
    {Quantity::yatt, "yatt", "ускорение точки A по y", "м/с²", Stage::Kinematic},
    {Quantity::psit, "psit", "угловая скорость шатуна", "рад/с", Stage::Kinematic},
    {Quantity::psitt, "psitt", "угловое ускорение шатуна", "рад/с²", Stage::Kinematic},
    {Quantity::xb, "xb", "координата x точки B (шарнир шатун–ползун)", "м", Stage::Kinematic},
    {Quantity::yb, "yb", "координата y точки B", "м", Stage::Kinematic},
    {Quantity::xbt, "xbt", "скорость точки B по x", "м/с", Stage::Kinematic},
    {Quantity::ybt, "ybt", "скорость точки B по y", "м/с", Stage::Kinematic},
    {Quantity::xbtt, "xbtt", "ускорение точки B по x", "м/с²", Stage::Kinematic},
    {Quantity::ybtt, "ybtt", "ускорение точки B по y", "м/с²", Stage::Kinematic},
    {Quantity::xs, "xs", "координата x ползуна (равна b)", "м", Stage::Kinematic},
    {Quantity::ys, "ys", "координата y ползуна (равна yb)", "м", Stage::Kinematic},
    {Quantity::xc1, "xc1", "координата x центра масс C1 кривошипа", "м", Stage::Energy},
    {Quantity::yc1, "yc1", "координата y центра масс C1", "м", Stage::Energy},
    {Quantity::xc1t, "xc1t", "скорость C1 по x", "м/с", Stage::Energy},
    {Quantity::yc1t, "yc1t", "скорость C1 по y", "м/с", Stage::Energy},
    {Quantity::xc1tt, "xc1tt", "ускорение C1 по x", "м/с²", Stage::Energy},
    {Quantity::yc1tt, "yc1tt", "ускорение C1 по y", "м/с²", Stage::Energy},
    {Quantity::ek1, "ek1", "кинетическая энергия кривошипа (звено 1)", "Дж", Stage::Energy},
    {Quantity::fx1, "fx1", "сила инерции звена 1 по x", "Н", Stage::Energy},
    {Quantity::fy1, "fy1", "сила инерции звена 1 по y", "Н", Stage::Energy},
    {Quantity::mi1, "mi1", "момент сил инерции звена 1", "Н·м", Stage::Energy},
    {Quantity::pin1, "pin1", "мощность сил инерции звена 1", "Вт", Stage::Energy},
    {Quantity::pgr1, "pgr1", "мощность силы тяжести звена 1", "Вт", Stage::Energy},
    {Quantity::xc2, "xc2", "координата x центра масс C2 шатуна", "м", Stage::Energy},
    {Quantity::yc2, "yc2", "координата y центра масс C2", "м", Stage::Energy},
    {Quantity::xc2t, "xc2t", "скорость C2 по x", "м/с", Stage::Energy},
    {Quantity::yc2t, "yc2t", "скорость C2 по y", "м/с", Stage::Energy},
    {Quantity::xc2tt, "xc2tt", "ускорение C2 по x", "м/с²", Stage::Energy},
    {Quantity::yc2tt, "yc2tt", "ускорение C2 по y", "м/с²", Stage::Energy},
    {Quantity::ek2, "ek2", "кинетическая энергия шатуна (звено 2)", "Дж", Stage::Energy},
    {Quantity::fx2, "fx2", "сила инерции звена 2 по x", "Н", Stage::Energy},
    {Quantity::fy2, "fy2", "сила инерции звена 2 по y", "Н", Stage::Energy},
    {Quantity::mi2, "mi2", "момент сил инерции звена 2", "Н·м", Stage::Energy},
    {Quantity::pin2, "pin2", "мощность сил инерции звена 2", "Вт", Stage::Energy},
    {Quantity::pgr2, "pgr2", "мощность силы тяжести звена 2", "Вт", Stage::Energy},
    {Quantity::xc3, "xc3", "координата x центра масс C3 ползуна (равна xb)", "м", Stage::Energy},
    {Quantity::yc3, "yc3", "координата y центра масс C3 (равна yb)", "м", Stage::Energy},
    {Quantity::xc3t, "xc3t", "скорость C3 по x (равна xbt)", "м/с", Stage::Energy},
    {Quantity::yc3t, "yc3t", "скорость C3 по y (равна ybt)", "м/с", Stage::Energy},
    {Quantity::xc3tt, "xc3tt", "ускорение C3 по x (равно xbtt)", "м/с²", Stage::Energy},
    {Quantity::yc3tt, "yc3tt", "ускорение C3 по y (равно ybtt)", "м/с²", Stage::Energy},
    {Quantity::ek3, "ek3", "кинетическая энергия ползуна (звено 3)", "Дж", Stage::Energy},
    {Quantity::fx3, "fx3", "сила инерции звена 3 по x", "Н", Stage::Energy},
    {Quantity::fy3, "fy3", "сила инерции звена 3 по y", "Н", Stage::Energy},
    {Quantity::mi3, "mi3", "момент сил инерции звена 3 (всегда 0)", "Н·м", Stage::Energy},
    {Quantity::pin3, "pin3", "мощность сил инерции звена 3", "Вт", Stage::Energy},
    {Quantity::pgr3, "pgr3", "мощность силы тяжести звена 3", "Вт", Stage::Energy},
    {Quantity::psum, "psum", "суммарная мощность", "Вт", Stage::Energy},
    {Quantity::mo, "mo", "приведённый момент Mo на кривошипе", "Н·м", Stage::Energy},
    {Quantity::e, "e", "накопленная работа E", "Дж", Stage::Energy},
    {Quantity::fbx, "fbx", "сила в шарнире B по x", "Н", Stage::Force},
    {Quantity::fby, "fby", "сила в шарнире B по y", "Н", Stage::Force},
    {Quantity::fax, "fax", "сила в шарнире A по x", "Н", Stage::Force},
    {Quantity::fay, "fay", "сила в шарнире A по y", "Н", Stage::Force},
    {Quantity::ma, "ma", "момент относительно A сил на шатуне и силы в B", "Н·м", Stage::Force},
    {Quantity::fox, "fox", "сила в опоре O кривошипа по x", "Н", Stage::Force},
    {Quantity::foy, "foy", "сила в опоре O кривошипа по y", "Н", Stage::Force},
    {Quantity::q, "q", "рабочая нагрузка на ползун по y", "Н", Stage::Energy},
    {Quantity::pq, "pq", "мощность рабочей нагрузки", "Вт", Stage::Energy},
    {Quantity::fbxk, "fbxk", "сила в шарнире B по x с реакцией направляющей", "Н", Stage::Equilibrium},
    {Quantity::nb, "nb", "реакция направляющей на ползун по x (боковое давление)", "Н", Stage::Equilibrium},
    {Quantity::faxk, "faxk", "сила в шарнире A по x с реакцией направляющей", "Н", Stage::Equilibrium},
    {Quantity::foxk, "foxk", "сила в опоре O по x с реакцией направляющей", "Н", Stage::Equilibrium},
    {Quantity::mb, "mb", "уравновешивающий момент на кривошипе по силам", "Н·м", Stage::Equilibrium},
    {Quantity::fbk, "fbk", "полная сила в шарнире B", "Н", Stage::Equilibrium},
    {Quantity::fak, "fak", "полная сила в шарнире A", "Н", Stage::Equilibrium},
    {Quantity::fok, "fok", "полная сила в опоре O", "Н", Stage::Equilibrium},
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
     "Это +m·a (масса звена на ускорение его центра масс) и +I·α, а не даламберовы сила и момент "
     "инерции −m·a и −I·α."},
    {"mo mb",
     "Момент привода на кривошипе, положительный в сторону роста угла; при fit > 0 он "
     "отрицателен, когда машина отдаёт работу (двигатель)."},
    {"e",
     "Работа привода на кривошипе с шага 1 (на шаге 1 равна 0); отрицательна, когда машина "
     "отдаёт работу."},
    {"fbx fby fbxk fbk", "Сила, с которой шатун действует на ползун в шарнире B."},
    {"fax fay faxk fak", "Сила, с которой кривошип действует на шатун в шарнире A."},
    {"fox foy foxk fok", "Сила, с которой стойка действует на кривошип в опоре O."},
    {"fbx fax fox",
     "Прежняя строка: без реакции направляющей на ползун. Полные силы — fbxk, faxk, foxk по x "
     "и модули fbk, fak, fok."},
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

// The notes of a quantity in kQuantityNotes order, joined by a space; "" when none covers it.
std::string quantityNote(const QuantityInfo& q);

// The quantity of store row k, or nullptr for a row that no stage writes (or k out of range).
const QuantityInfo* quantityAtRow(int k);
const QuantityInfo& quantityInfo(Quantity q);

// The short name of row k, or "" for a row no stage writes.
const char* rowName(int k);

// The grid's caption of a quantity when the caption file gives none for its row:
// "name: caption, unit", as the shipped caption file writes it.
std::string defaultCaption(const QuantityInfo& q);

// The rows each fixed-layout file carries. These layouts never grow: a quantity added later
// joins the grid, the CSV exports and the charts, but neither the report nor the listing.
// - The report writes, per step, the grid cells of rows 0 .. kReportRows - 1 (row 0 in degrees).
// - The listing writes, per step, rows 0 .. kListingRows - 1 (row 0 in radians).
// - The animation file writes the rows of kKineticAngleRows (in degrees) and kKineticPositionRows.
inline constexpr int kReportRows = 79;
inline constexpr int kListingRows = 77;
inline constexpr std::array<Quantity, 2> kKineticAngleRows{Quantity::fi, Quantity::psi};
inline constexpr std::array<Quantity, 6> kKineticPositionRows{
    Quantity::xa, Quantity::ya, Quantity::xb, Quantity::yb, Quantity::xs, Quantity::ys};

// Rows the results grid and the spreadsheet export show values for: the report's rows, then each
// later row up to the last quantity's.
constexpr int gridValueRows()
{
    int rows = kReportRows;
    for (const QuantityInfo& q : kQuantities)
        if (rowOf(q.id) >= rows) rows = rowOf(q.id) + 1;
    return rows;
}
inline constexpr int kGridValueRows = gridValueRows();
