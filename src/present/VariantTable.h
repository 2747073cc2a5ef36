// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison of variants as text: a header of the key figures with their units, one row per
// variant (the current run first when given), every figure as the summary writes it, and which
// cells hold the best value of their column. The "Варианты" window and the printed document
// both show this table.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "base/UiText.h"
#include "calc/Variant.h"
#include "present/DocumentPlan.h"

// The name of the current run's row, a source text of context "Variants" (shown through uiText).
inline constexpr const char* kCurrentRunRow = UI_TEXT_NOOP("Variants", "Текущий расчёт");

// Header: "Вариант", then "<caption>, <unit>" per key figure. Each row: the name, then each
// figure (summaryFigure with `decimal`, "—" where absent). best[r][1 + f] is true for every row
// holding the best value of figure f (betterThan), and false throughout a column of one value.
DocumentTable variantTable(const std::vector<Variant>& variants,
                           const std::optional<std::vector<std::optional<long double>>>& current,
                           char decimal);
