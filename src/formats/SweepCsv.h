// SPDX-License-Identifier: GPL-3.0-or-later
// A sweep's table as a spreadsheet file, in the convention of the results' "Экспорт CSV…": a
// UTF-8 byte-order mark, ';' between fields beside the decimal comma (',' otherwise), fields
// quoted as RFC 4180 asks, every number with all its digits, lines ending in CR LF.
#pragma once
#include <string>
#include <vector>

#include "calc/KeyFigures.h"
#include "calc/Sweep.h"

// The heading of a figure's column: "J маховика, кг·м²" (its caption and unit).
std::string sweepFigureHeading(const KeyFigure& figure);

// Writes `path` through the program's text file writer: the header row `keyHeading`,
// "Состояние" and sweepFigureHeading of each of `figures`; then per point its value, "готово" or
// its reason (for a variant that ran, why some figures are missing), and each figure (empty
// where absent), numbers as spreadsheetNumber(v, decimal) writes them. Throws InOutError as the
// other saves do.
void writeSweepCsv(const std::string& path, const std::string& keyHeading,
                   const std::vector<const KeyFigure*>& figures,
                   const std::vector<SweepPoint>& points, char decimal);
