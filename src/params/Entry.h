// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of single parameters: the edit buttons open the entry panel and choose the key, the
// confirmation screens the typed text, checks the link lengths and stores the value.
#pragma once
#include <string>
#include <string_view>

#include "base/UiText.h"
#include "params/Outcome.h"
#include "params/ParamSet.h"

inline constexpr const char* kLengthMessage =
    UI_TEXT_NOOP("Entry", "Ошибка: Данный параметр должен быть целым и положительным.");
inline constexpr const char* kSumMemo =
    UI_TEXT_NOOP("Entry", "Ошибка: Сумма l1+b<>l2, что может привести к ошибкам... Исправлено.");
// An L2 below L1 would make b = l2 - l1 negative: the entry is refused instead.
inline constexpr const char* kNegativeBRefusal = UI_TEXT_NOOP(
    "Entry",
    "L2 не может быть меньше L1: смещение B = L2 − L1 стало бы отрицательным. Значение L2 не "
    "принято.");
inline constexpr const char* kEntryFault = UI_TEXT_NOOP("Entry", "Критическая ошибка!");
inline constexpr const char* kScreenedMemo =
    UI_TEXT_NOOP("Entry", "Допустимы только цифры, знак и десятичный разделитель");
inline constexpr const char* kEmptyEntryMemo =
    UI_TEXT_NOOP("Entry", "Значение не введено: параметр не изменён");

// The name the entry panel gives the field of row `row`: its caption without the '=', then " ="
// ("M1 =", "M2 =", "+Fitt =").
std::string entryCaptionText(int row);

// The value of row `row` as the entry field shows it: plain decimal digits with `decimal` as the
// separator, never an exponent (the screening would refuse one), in the fewest digits that read
// back to the stored value (a double field as a double).
std::string entryValueText(const ParamSet& p, int row, char decimal);

// The edit button of parameter row `row` (0..22): makes its key current, puts the row's value
// into the entry field (entryValueText) and shows the panel.
Outcome openEntry(ParamSet& p, int row, char decimal);

// Character screening: false if the text holds a byte of code 32..43, 47 or 58 and above, so
// digits, '-' and both decimal separators ('.' and ',', whatever the locale) pass. Bytes below
// 32 are not examined, and the syntax of the number is left to the conversion.
bool entryTextAllowed(std::string_view text);

// The confirmation of `text` for the parameter named by p.curkey (curkey is kept). Effects in
// order: panel hidden; the length message box when the stored l1 or l2 is <= 0; the sum memo
// when the stored l2 - l1 differs from b; then either (screened out, or empty) the memo
// kScreenedMemo (kEmptyEntryMemo), the entry text put back to the stored value (entryValueText)
// and the panel shown again, nothing stored; or the value stored (rounded to double for
// l1..fidtt), the row label set to the stored value (paramLabelText with `decimal`) and, for
// "l2", b := l2 - l1 with B's label and the full refresh; an L2 that would make b negative is
// refused with the message box kNegativeBRefusal, nothing stored. The conversion
// takes '.' or ',' as the separator (ParseRealAnySeparator). A text the conversion rejects, or a
// value beyond the range of a double (for every field, the extended ones too), ends the apply
// with the message box kEntryFault and leaves the label alone; what was stored before that
// point stays. A value the parameter cannot take (paramValueFault: a negative mass or inertia)
// shows its refusal in a message box instead, and neither the label nor the value changes.
Outcome confirmEntry(ParamSet& p, std::string_view text, char decimal);

// A value typed into row `row`'s own field, in place: confirmEntry's screening, checks, messages
// and memos for that row, in its order, with the entry key in force left as it was (the entry
// panel may stand open on another row) and no effect on the panel or its field. When the field
// is not given a new value by that (the text screened out, empty, refused or faulty), a Label
// effect last puts the row's stored value back into it.
Outcome editInPlace(ParamSet& p, int row, std::string_view text, char decimal);
