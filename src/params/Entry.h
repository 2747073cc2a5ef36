// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of single parameters: the edit buttons open the entry panel and choose the key, the
// confirmation screens the typed text, checks the link lengths and stores the value.
#pragma once
#include <string>
#include <string_view>

#include "params/Outcome.h"
#include "params/ParamSet.h"

inline constexpr const char* kLengthMessage =
    "Ошибка: Данный параметр должен быть целым и положительным.";
inline constexpr const char* kSumMemo =
    "Ошибка: Сумма l1+b<>l2, что может привести к ошибкам... Исправлено.";
inline constexpr const char* kNegativeBMessage =
    "Параметр B отридцателен! Это недопустимо! Исправьте!";
inline constexpr const char* kEntryFault = "Критическая ошибка!";

// The edit button of parameter row `row` (0..22): shows the panel and makes its key current.
Outcome openEntry(ParamSet& p, int row);

// Character screening: false if the text holds a byte of code 32..43, 47 or 58 and above, so
// digits, '-' and both decimal separators ('.' and ',', whatever the locale) pass. Bytes below
// 32 are not examined, and the syntax of the number is left to the conversion.
bool entryTextAllowed(std::string_view text);

// The confirmation of `text` for the parameter named by p.curkey (curkey is kept). Effects in
// order: panel hidden; the length message box when the stored l1 or l2 is <= 0; the sum memo
// when the stored l2 - l1 differs from b; then either (screened out) the entry text reset to "0"
// and the panel shown again, nothing stored; or the row label set to `text`, the value stored
// (rounded to double for l1..fidtt) and, for "l2", b := l2 - l1, the negative-b message box when
// b < 0 and the full refresh. The conversion takes '.' or ',' as the separator
// (ParseRealAnySeparator). A text the conversion rejects, or a value beyond the range of a
// double (for every field, the extended ones too), ends the apply with the message box
// kEntryFault; what was stored before that point stays. A value the parameter cannot take
// (paramValueFault: a negative mass or inertia) shows its refusal in a message box instead, and
// neither the label nor the value changes.
Outcome confirmEntry(ParamSet& p, std::string_view text);
