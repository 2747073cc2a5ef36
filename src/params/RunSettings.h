// SPDX-License-Identifier: GPL-3.0-or-later
// Run settings: the crank angle step (the step box), the cycle count giving the step count N
// (the count field with its "Изменить" / "Применить" button) and the branch mode (the mode box).
// Each applied change is confirmed by a memo line.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/UiText.h"
#include "params/Outcome.h"
#include "params/ParamSet.h"

// The steps the step box offers, in degrees (extended constants), with the number as written
// with a point; the box shows it with the locale's separator and a degree sign (stepItemText).
struct TuneItem {
    const char* text;
    long double degrees;
};
inline constexpr std::array<TuneItem, 11> kTuneItems{{
    {"1", 1.0L},
    {"5", 5.0L},
    {"10", 10.0L},
    {"15", 15.0L},
    {"30", 30.0L},
    {"60", 60.0L},
    {"0.5", 0.5L},
    {"0.2", 0.2L},
    {"0.1", 0.1L},
    {"0.05", 0.05L},
    {"0.01", 0.01L},
}};
// The items of the mode box: index 0 is the "360" mode, the other the "720" mode.
inline constexpr std::array<const char*, 2> kModeItems{"360", "720"};

inline constexpr int32_t kMaxSteps = 90000; // the capacity of the result store
inline constexpr int32_t kStepsPerCycle = 24;

inline constexpr const char* kFineStepWarning = UI_TEXT_NOOP(
    "RunSettings",
    "Данную точность строго рекомендуется использовать только для небольших значений L1 и L2.");
inline constexpr const char* kCountFault =
    UI_TEXT_NOOP("RunSettings", "Операция прервана. В поле должно быть введено натуральное число!");
// The largest cycle count whose steps fit the store, as the limit message quotes it.
inline constexpr int32_t kMaxCycles = (kMaxSteps - 1) / kStepsPerCycle;
static_assert(kMaxSteps == 90000 && kMaxCycles == 3749, "the limit message quotes these figures");
inline constexpr const char* kCountLimitMessage = UI_TEXT_NOOP(
    "RunSettings",
    "Ошибка: Максимально допустимое кол-во шаг-циклов заданное разработчиком: 90000 шагов "
    "(3749 циклов)\r\n"
    "Решение 1> Введите меньше циклов и рассмотрите несколько участков отдельно\r\n"
    "Решение 2> Введите меньше циклов и увеличьте шаг");
inline constexpr const char* kModeMemo = UI_TEXT_NOOP("RunSettings", "Изменение принято.");

// The step box's item `index` as shown: "15°", "0,1°" with `decimal` ','.
std::string stepItemText(int index, char decimal);

// The item a typed step names: its number with either separator, with or without a trailing
// degree sign and surrounding blanks (the legacy "ext 0.1" form too); -1 when it names none.
int stepItemForText(std::string_view text);

// A step chosen: the selected index of the step box (-1 when typed text selects no item): index
// 0..10 sets step = degrees * pi/180, any other keeps it; index > 6 shows kFineStepWarning; then
// the memo "Шаг <step in degrees, FormatGeneral with `decimal`> градусов принят".
Outcome selectStep(ParamSet& p, int index, char decimal);

// The typed text `typed` of the step box, confirmed, that names no item: the step is kept, and
// the memo "Шаг «<typed>» не из списка: действует шаг <step in degrees, FormatGeneral with
// `decimal`>°" says which one the calculation uses.
Outcome refuseTypedStep(const ParamSet& p, std::string_view typed, char decimal);

// The index of the step box item whose step is exactly `degrees`, -1 when no item has it.
int tuneItemIndex(long double degrees);

// The apply half of "Применить" for the text of the count field: a text that is not a decimal or
// hexadecimal 32-bit integer, or a negative count, shows kCountFault and changes nothing. A count
// whose N = 24 * count + 1 exceeds 90000 shows kCountLimitMessage and leaves N and cycles as they
// were; any other sets cycles to the count and N to 24 * count + 1. Then, in either case, the
// memo "Принято: циклов <cycles>, шагов <N-1>, поворот кривошипа <(N-1)*step in degrees>°".
Outcome applyCycleCount(ParamSet& p, std::string_view text, char decimal);

// A mode chosen: the selected index of the mode box: mode 0 for index 0, else 1 (-1, no item
// selected, included); memo kModeMemo.
Outcome selectMode(ParamSet& p, int index);
