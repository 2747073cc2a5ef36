// SPDX-License-Identifier: GPL-3.0-or-later
// What each quantity of the catalogue means for the reader of the user guide: a sentence on what
// it is, how its sign reads and, for a force or a moment, the body it acts on. One entry per
// quantity of kQuantities, in the same order (checked at compile time), so that a new quantity
// cannot reach the guide without its meaning.
//
// The texts are Russian, marked with guideText for lupdate (context "QuantityGuide", collected
// into translations/kinovar_guide_en.ts); the functions below give them through uiText, in the
// user's language. Derived from the stages: the rod acts on the slider at B with (fbx, fby), the
// crank on the rod at A with (fax, fay), the frame on the crank at O with (fox, foy); the
// inertia rows are +m·a and +I·α; the weights point to -y.
#pragma once
#include <cstdint>
#include <iterator>
#include <string>

#include "calc/Quantities.h"

// Marks `text` for translation in `context` and gives it back unchanged; lupdate reads it as
// QT_TRANSLATE_NOOP (scripts/update-translations.sh).
constexpr const char* guideText(const char* context, const char* text)
{
    return (void)context, text;
}

inline constexpr char kQuantityGuideContext[] = "QuantityGuide";

// The body a force or moment acts on, and what acts on it; None for a quantity that is neither.
enum class ForceBody : uint8_t {
    None,
    SliderByRod,   // the rod on the slider, at B
    RodByCrank,    // the crank on the rod, at A
    CrankByFrame,  // the frame on the crank, at O
    SliderByGuide, // the guide on the slider
    SliderByLoad,  // the working load on the slider
    CrankByDrive,  // the drive on the crank
    RodAboutA,     // the loads of the rod about A
    FrameByLinks,  // the moving links on the frame
    Link1,         // the sum of the loads on the crank (its m·a, I·α)
    Link2,         // the same for the rod
    Link3,         // the same for the slider
};

struct QuantityGuideEntry {
    Quantity id;
    const char* meaning; // what the quantity is
    const char* sign;    // how its sign (or its range) reads
    ForceBody body;
};

namespace quantity_guide {
// Sign conventions shared by many quantities.
inline constexpr const char* kAngle =
    guideText("QuantityGuide", "Отсчитывается от оси +x в сторону оси +y.");
inline constexpr const char* kTurn =
    guideText("QuantityGuide", "Знак «+» — в сторону роста угла (от оси +x к оси +y).");
inline constexpr const char* kAlongX = guideText("QuantityGuide", "Знак «+» — в сторону оси +x.");
inline constexpr const char* kAlongY =
    guideText("QuantityGuide", "Знак «+» — в сторону оси +y, вдоль направляющей ползуна.");
inline constexpr const char* kUnitRange = guideText("QuantityGuide", "Безразмерна, от −1 до 1.");
inline constexpr const char* kPositive = guideText("QuantityGuide", "Не отрицательна.");
inline constexpr const char* kMagnitude = guideText("QuantityGuide", "Модуль: не отрицателен.");
inline constexpr const char* kInertiaX = guideText(
    "QuantityGuide",
    "Это +m·a: знак «+» — ускорение центра масс к +x; даламберова сила инерции равна −m·a.");
inline constexpr const char* kInertiaY = guideText(
    "QuantityGuide",
    "Это +m·a: знак «+» — ускорение центра масс к +y; даламберова сила инерции равна −m·a.");
inline constexpr const char* kInertiaTurn =
    guideText("QuantityGuide", "Это +I·α: знак «+» — угловое ускорение звена в сторону роста угла; "
                               "даламберов момент инерции равен −I·α.");
inline constexpr const char* kInertiaPower =
    guideText("QuantityGuide", "Положительна, когда кинетическая энергия звена растёт.");
inline constexpr const char* kWeightPower = guideText(
    "QuantityGuide", "Положительна, когда центр масс звена поднимается к +y (вес направлен к −y).");
inline constexpr const char* kDriveMoment = guideText(
    "QuantityGuide", "Знак «+» — в сторону роста угла; при fit > 0 отрицателен, когда машина "
                     "отдаёт работу (двигатель).");
} // namespace quantity_guide

// clang-format off
inline constexpr QuantityGuideEntry kQuantityGuide[] = {
    {Quantity::fi, guideText("QuantityGuide", "Угол поворота кривошипа O–A на шаге."), quantity_guide::kAngle, ForceBody::None},
    {Quantity::dfi, guideText("QuantityGuide", "На сколько кривошип повернулся от шага 1."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::fitt, guideText("QuantityGuide", "Угловое ускорение кривошипа по заданному закону (или по истинному движению)."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::dt, guideText("QuantityGuide", "Время, за которое кривошип проходит этот шаг."), quantity_guide::kPositive, ForceBody::None},
    {Quantity::fit, guideText("QuantityGuide", "Угловая скорость кривошипа на шаге."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::fis, guideText("QuantityGuide", "Угол кривошипа, пересчитанный по длительностям шагов: проверка закона движения."), quantity_guide::kAngle, ForceBody::None},
    {Quantity::sdfi, guideText("QuantityGuide", "Синус поворота кривошипа dfi."), quantity_guide::kUnitRange, ForceBody::None},
    {Quantity::cdfi, guideText("QuantityGuide", "Косинус поворота кривошипа dfi."), quantity_guide::kUnitRange, ForceBody::None},
    {Quantity::psi, guideText("QuantityGuide", "Угол шатуна: направление от точки A к точке B."), quantity_guide::kAngle, ForceBody::None},
    {Quantity::dpsi, guideText("QuantityGuide", "На сколько шатун повернулся от шага 1."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::sdpsi, guideText("QuantityGuide", "Синус поворота шатуна dpsi."), quantity_guide::kUnitRange, ForceBody::None},
    {Quantity::cdpsi, guideText("QuantityGuide", "Косинус поворота шатуна dpsi."), quantity_guide::kUnitRange, ForceBody::None},
    {Quantity::xa, guideText("QuantityGuide", "Положение пальца кривошипа A по оси x; начало координат — ось кривошипа O."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::ya, guideText("QuantityGuide", "Положение пальца кривошипа A по оси y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xat, guideText("QuantityGuide", "Проекция скорости точки A на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yat, guideText("QuantityGuide", "Проекция скорости точки A на ось y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xatt, guideText("QuantityGuide", "Проекция ускорения точки A на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yatt, guideText("QuantityGuide", "Проекция ускорения точки A на ось y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::psit, guideText("QuantityGuide", "Угловая скорость шатуна."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::psitt, guideText("QuantityGuide", "Угловое ускорение шатуна."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::xb, guideText("QuantityGuide", "Положение шарнира B (шатун–ползун) по оси x; на направляющей равно b."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yb, guideText("QuantityGuide", "Положение шарнира B по оси y: ход ползуна читается по этой строке."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xbt, guideText("QuantityGuide", "Проекция скорости точки B на ось x (0 на направляющей)."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::ybt, guideText("QuantityGuide", "Скорость ползуна вдоль направляющей."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xbtt, guideText("QuantityGuide", "Проекция ускорения точки B на ось x (0 на направляющей)."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::ybtt, guideText("QuantityGuide", "Ускорение ползуна вдоль направляющей."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xs, guideText("QuantityGuide", "Положение ползуна по оси x: линия хода x = b."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::ys, guideText("QuantityGuide", "Положение ползуна по оси y (как yb)."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc1, guideText("QuantityGuide", "Положение центра масс C1 кривошипа по оси x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc1, guideText("QuantityGuide", "Положение центра масс C1 кривошипа по оси y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc1t, guideText("QuantityGuide", "Проекция скорости центра масс C1 на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc1t, guideText("QuantityGuide", "Проекция скорости центра масс C1 на ось y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc1tt, guideText("QuantityGuide", "Проекция ускорения центра масс C1 на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc1tt, guideText("QuantityGuide", "Проекция ускорения центра масс C1 на ось y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::ek1, guideText("QuantityGuide", "Кинетическая энергия кривошипа: m·v²/2 центра масс и I·ω²/2 вращения."), quantity_guide::kPositive, ForceBody::None},
    {Quantity::fx1, guideText("QuantityGuide", "Масса кривошипа на ускорение его центра масс, по оси x."), quantity_guide::kInertiaX, ForceBody::Link1},
    {Quantity::fy1, guideText("QuantityGuide", "Масса кривошипа на ускорение его центра масс, по оси y."), quantity_guide::kInertiaY, ForceBody::Link1},
    {Quantity::mi1, guideText("QuantityGuide", "Момент инерции кривошипа на его угловое ускорение."), quantity_guide::kInertiaTurn, ForceBody::Link1},
    {Quantity::pin1, guideText("QuantityGuide", "Скорость изменения кинетической энергии кривошипа."), quantity_guide::kInertiaPower, ForceBody::None},
    {Quantity::pgr1, guideText("QuantityGuide", "Скорость изменения потенциальной энергии кривошипа в поле тяжести."), quantity_guide::kWeightPower, ForceBody::None},
    {Quantity::xc2, guideText("QuantityGuide", "Положение центра масс C2 шатуна по оси x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc2, guideText("QuantityGuide", "Положение центра масс C2 шатуна по оси y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc2t, guideText("QuantityGuide", "Проекция скорости центра масс C2 на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc2t, guideText("QuantityGuide", "Проекция скорости центра масс C2 на ось y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc2tt, guideText("QuantityGuide", "Проекция ускорения центра масс C2 на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc2tt, guideText("QuantityGuide", "Проекция ускорения центра масс C2 на ось y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::ek2, guideText("QuantityGuide", "Кинетическая энергия шатуна: поступательная центра масс и вращательная."), quantity_guide::kPositive, ForceBody::None},
    {Quantity::fx2, guideText("QuantityGuide", "Масса шатуна на ускорение его центра масс, по оси x."), quantity_guide::kInertiaX, ForceBody::Link2},
    {Quantity::fy2, guideText("QuantityGuide", "Масса шатуна на ускорение его центра масс, по оси y."), quantity_guide::kInertiaY, ForceBody::Link2},
    {Quantity::mi2, guideText("QuantityGuide", "Момент инерции шатуна на его угловое ускорение."), quantity_guide::kInertiaTurn, ForceBody::Link2},
    {Quantity::pin2, guideText("QuantityGuide", "Скорость изменения кинетической энергии шатуна."), quantity_guide::kInertiaPower, ForceBody::None},
    {Quantity::pgr2, guideText("QuantityGuide", "Скорость изменения потенциальной энергии шатуна в поле тяжести."), quantity_guide::kWeightPower, ForceBody::None},
    {Quantity::xc3, guideText("QuantityGuide", "Центр масс ползуна — шарнир B: его положение по оси x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc3, guideText("QuantityGuide", "Центр масс ползуна — шарнир B: его положение по оси y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc3t, guideText("QuantityGuide", "Проекция скорости ползуна на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc3t, guideText("QuantityGuide", "Скорость ползуна по оси y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::xc3tt, guideText("QuantityGuide", "Проекция ускорения ползуна на ось x."), quantity_guide::kAlongX, ForceBody::None},
    {Quantity::yc3tt, guideText("QuantityGuide", "Ускорение ползуна по оси y."), quantity_guide::kAlongY, ForceBody::None},
    {Quantity::ek3, guideText("QuantityGuide", "Кинетическая энергия ползуна: он движется поступательно."), quantity_guide::kPositive, ForceBody::None},
    {Quantity::fx3, guideText("QuantityGuide", "Масса ползуна на его ускорение, по оси x."), quantity_guide::kInertiaX, ForceBody::Link3},
    {Quantity::fy3, guideText("QuantityGuide", "Масса ползуна на его ускорение, по оси y."), quantity_guide::kInertiaY, ForceBody::Link3},
    {Quantity::mi3, guideText("QuantityGuide", "Ползун не вращается: строка всегда равна нулю."), quantity_guide::kInertiaTurn, ForceBody::Link3},
    {Quantity::pin3, guideText("QuantityGuide", "Скорость изменения кинетической энергии ползуна."), quantity_guide::kInertiaPower, ForceBody::None},
    {Quantity::pgr3, guideText("QuantityGuide", "Скорость изменения потенциальной энергии ползуна в поле тяжести."), quantity_guide::kWeightPower, ForceBody::None},
    {Quantity::psum, guideText("QuantityGuide", "Мощность, которую привод должен подвести к кривошипу: изменение энергии звеньев за вычетом мощности нагрузки."), guideText("QuantityGuide", "Положительна, когда привод отдаёт работу механизму; отрицательна, когда механизм возвращает её приводу."), ForceBody::None},
    {Quantity::mo, guideText("QuantityGuide", "Приведённый момент: суммарная мощность, делённая на угловую скорость кривошипа."), quantity_guide::kDriveMoment, ForceBody::CrankByDrive},
    {Quantity::e, guideText("QuantityGuide", "Работа привода на кривошипе с шага 1 (на шаге 1 равна 0), по правилу трапеций."), guideText("QuantityGuide", "Положительна, когда привод отдал механизму больше работы, чем получил; отрицательна, когда машина отдаёт работу."), ForceBody::None},
    {Quantity::fbx, guideText("QuantityGuide", "Сила шатуна на ползун по x, как её считает прежняя строка отчёта: без реакции направляющей. Полная сила — fbxk."), quantity_guide::kAlongX, ForceBody::SliderByRod},
    {Quantity::fby, guideText("QuantityGuide", "Сила шатуна на ползун вдоль направляющей: m·a ползуна, его вес и рабочая нагрузка."), quantity_guide::kAlongY, ForceBody::SliderByRod},
    {Quantity::fax, guideText("QuantityGuide", "Сила кривошипа на шатун по x, без реакции направляющей (прежняя строка). Полная сила — faxk."), quantity_guide::kAlongX, ForceBody::RodByCrank},
    {Quantity::fay, guideText("QuantityGuide", "Сила кривошипа на шатун по y."), quantity_guide::kAlongY, ForceBody::RodByCrank},
    {Quantity::ma, guideText("QuantityGuide", "Момент относительно A нагрузок шатуна (m·a, I·α, вес) и силы в B по прежней строке; равен нулю, только когда реакция направляющей nb равна нулю."), quantity_guide::kTurn, ForceBody::RodAboutA},
    {Quantity::fox, guideText("QuantityGuide", "Сила стойки на кривошип в опоре O по x, без реакции направляющей (прежняя строка). Полная сила — foxk."), quantity_guide::kAlongX, ForceBody::CrankByFrame},
    {Quantity::foy, guideText("QuantityGuide", "Сила стойки на кривошип в опоре O по y."), quantity_guide::kAlongY, ForceBody::CrankByFrame},
    {Quantity::q, guideText("QuantityGuide", "Рабочая нагрузка на ползун (сила технологического сопротивления или давления газа) из таблицы нагрузки."), quantity_guide::kAlongY, ForceBody::SliderByLoad},
    {Quantity::pq, guideText("QuantityGuide", "Мощность рабочей нагрузки: q на скорость ползуна."), guideText("QuantityGuide", "Положительна, когда нагрузка помогает движению ползуна; отрицательна, когда противится ему (рабочий ход)."), ForceBody::None},
    {Quantity::fbxk, guideText("QuantityGuide", "Полная сила шатуна на ползун по x, с реакцией направляющей: шатун тогда в равновесии моментов."), quantity_guide::kAlongX, ForceBody::SliderByRod},
    {Quantity::nb, guideText("QuantityGuide", "Боковое давление: реакция направляющей на ползун поперёк хода."), quantity_guide::kAlongX, ForceBody::SliderByGuide},
    {Quantity::faxk, guideText("QuantityGuide", "Полная сила кривошипа на шатун по x, с реакцией направляющей."), quantity_guide::kAlongX, ForceBody::RodByCrank},
    {Quantity::foxk, guideText("QuantityGuide", "Полная сила стойки на кривошип в опоре O по x, с реакцией направляющей."), quantity_guide::kAlongX, ForceBody::CrankByFrame},
    {Quantity::mb, guideText("QuantityGuide", "Уравновешивающий момент: момент привода, найденный из равновесия кривошипа по силам (Mo — тот же момент, найденный по мощностям)."), quantity_guide::kDriveMoment, ForceBody::CrankByDrive},
    {Quantity::fbk, guideText("QuantityGuide", "Модуль полной силы в шарнире B (fbxk, fby)."), quantity_guide::kMagnitude, ForceBody::SliderByRod},
    {Quantity::fak, guideText("QuantityGuide", "Модуль полной силы в шарнире A (faxk, fay)."), quantity_guide::kMagnitude, ForceBody::RodByCrank},
    {Quantity::fok, guideText("QuantityGuide", "Модуль полной силы в опоре O (foxk, foy)."), quantity_guide::kMagnitude, ForceBody::CrankByFrame},
    {Quantity::fshx, guideText("QuantityGuide", "Сотрясающая сила по x: −Σm·a всех звеньев, то, что передаётся на фундамент сверх весов и нагрузки."), quantity_guide::kAlongX, ForceBody::FrameByLinks},
    {Quantity::fshy, guideText("QuantityGuide", "Сотрясающая сила по y: −Σm·a всех звеньев."), quantity_guide::kAlongY, ForceBody::FrameByLinks},
    {Quantity::fsh, guideText("QuantityGuide", "Модуль сотрясающей силы; уравновешивание противовесом уменьшает его."), quantity_guide::kMagnitude, ForceBody::FrameByLinks},
    {Quantity::msh, guideText("QuantityGuide", "Сотрясающий момент относительно O: −Σ(r×m·a + I·α) всех звеньев."), quantity_guide::kTurn, ForceBody::FrameByLinks},
    {Quantity::omega_true, guideText("QuantityGuide", "Угловая скорость кривошипа в установившемся движении машины с маховиком; при заданном законе — fit."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::eps_true, guideText("QuantityGuide", "Угловое ускорение кривошипа в установившемся движении; при заданном законе — fitt."), quantity_guide::kTurn, ForceBody::None},
    {Quantity::t_true, guideText("QuantityGuide", "Время от шага 1 в установившемся движении; при заданном законе — по заданным скоростям."), guideText("QuantityGuide", "Растёт от 0 на шаге 1."), ForceBody::None},
};
// clang-format on

namespace quantity_guide {
constexpr bool oneEntryPerQuantity()
{
    if (std::size(kQuantityGuide) != std::size(kQuantities)) return false;
    for (size_t k = 0; k < std::size(kQuantities); ++k) {
        const QuantityGuideEntry& g = kQuantityGuide[k];
        if (g.id != kQuantities[k].id || !*g.meaning || !*g.sign) return false;
    }
    return true;
}
static_assert(oneEntryPerQuantity(),
              "every quantity of kQuantities has its guide entry, in the same order");
} // namespace quantity_guide

// The guide's entry of a quantity (every quantity has one).
const QuantityGuideEntry& quantityGuide(Quantity q);

// The entry's meaning, sign convention and body in the user's language (uiText); the body is
// "" for ForceBody::None.
std::string guideMeaning(const QuantityGuideEntry& g);
std::string guideSign(const QuantityGuideEntry& g);
std::string forceBodyText(ForceBody body);
