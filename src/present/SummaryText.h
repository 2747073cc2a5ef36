// SPDX-License-Identifier: GPL-3.0-or-later
// The summary as lines of text, as the summary window shows them and a printed document writes
// them, in the user's language: sections, each with lines of a label, a value and, where a value is
// reached at a step, that step and its crank angle. Figures have six significant digits in the
// given separator.
#pragma once
#include <string>
#include <vector>

#include "base/UiText.h"
#include "calc/Summary.h"

struct SummaryLine {
    std::string label; // a section's title when it is a heading
    std::string value; // "" for a heading or a note
    std::string step;  // "" where no step of the run on screen applies
    std::string angle; // the crank angle in degrees, "" where none applies
    bool heading = false;
};

// A figure as the summary shows it: six significant digits ("%.6Lg"), `decimal` as the decimal
// separator ("1,23457e+06", "-0,5"); a value that is not finite shows as "—".
std::string summaryFigure(long double value, char decimal);

// The check of the crank's moment, |mb − mo| / max|mo|, in words: "проверка: моменты сходятся
// до 3e-19" (one significant digit), "… совпадают" for 0.
std::string momentCheckText(long double check, char decimal);

// The note of a run whose acceleration grows by +Fitt at every step.
// A source text of context "Summary": look it up with uiText before showing it.
inline constexpr const char* kGrowingAccelerationNote =
    UI_TEXT_NOOP("Summary", "+Fitt не 0: угловое ускорение растёт на +Fitt на каждом шаге (рад/с² "
                            "за шаг), поэтому результаты зависят от шага расчёта");

// Which run the peaks and the flywheel were read from, in one line: "Пиковые значения и маховик —
// по 360° от начального угла с шагом 1°", with why the step differs from the run's when it was
// adjusted, or "… — по шагам расчёта (шаг 15°): расчёт периода с шагом 1° прерван при φ = 90°"
// when the period run faulted.
std::string figureBasisText(const RunSummary& s, char decimal);

// The lines of a summary, in order: "Предупреждения" when the run has any (a branch jump in mode
// 720, a growing acceleration), "Пиковые значения" (first the line of figureBasisText),
// "Уравновешенность (силы на стойку)" (the shaking figures), "Маховик" (its figures or why
// there is none, and its warnings), then "Экстремумы" (first the
// step of the run on screen) with a minimum and a maximum line per quantity.
std::vector<SummaryLine> summaryLines(const RunSummary& s, char decimal);
