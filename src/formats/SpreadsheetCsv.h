// SPDX-License-Identifier: GPL-3.0-or-later
// The results as a spreadsheet file ("Экспорт CSV…"): one row per step, one column per quantity
// of the results grid, full precision, in the spreadsheet convention of the decimal separator.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/ResultStore.h"

// The quantities exported: R[0] (the crank angle, radians) and on, the rows the grid shows.
inline constexpr int kSpreadsheetQuantities = kGridValueRows;

// The field separator that goes with a decimal separator: ';' beside ',', else ','.
char spreadsheetFieldSeparator(char decimal);

// One field as RFC 4180 writes it: in double quotes, with each quote doubled, when it holds the
// field separator, a quote, CR or LF; as it is otherwise.
std::string spreadsheetField(std::string_view text, char fieldSeparator);

// The column headings: "Шаг", then for R[0] its row name, and for R[k], k >= 1, captions[k-1]
// (the grid caption of row k) when there is one and it is not empty, else the row name ("dfi",
// or "R77" for a row without a name).
std::vector<std::string> spreadsheetHeader(const std::vector<std::string>& captions);

// An extended value with every digit that reads back to the same value, "%.21Lg" as the batch
// CSV writes it, with `decimal` as the decimal separator.
std::string spreadsheetNumber(long double v, char decimal);

// The whole file: a UTF-8 byte-order mark, the header row, then for steps i = 1..N (cut to the
// store's capacity; none for N <= 0) the row "i;R[0][i];...", one field per exported quantity,
// fields separated by spreadsheetFieldSeparator(decimal) and quoted as needed, every row ending in
// CR LF. Written through the program's text file writer; throws InOutError as the report does,
// and checkCsvRange's error, before the file is opened.
void writeSpreadsheetCsv(const std::string& path, const ResultStore& R, int32_t N,
                         const std::vector<std::string>& captions, char decimal);
