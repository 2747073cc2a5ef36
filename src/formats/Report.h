// SPDX-License-Identifier: GPL-3.0-or-later
// The report file: fourteen mechanism parameters, then the results grid's text one cell a line.
// Written by "Сохранить Отчёт"; its fourteen parameters are read back by "Открыть".
#pragma once
#include <array>
#include <string>

#include "base/TextFile.h"
#include "formats/ResultsText.h"
#include "params/ParamSet.h"
#include "params/ParamTable.h"

// Header lines in file order (the parameter table's report lines: l1, l2, b, fi0, aux, fit0, fitt0,
// fidtt, m1, m2, m3, i1, i2, i3), FormatFixed(value, 4, 2) with
// `decimal` as the separator.
std::array<std::string, kReportHeaderLines> reportHeader(const ParamSet& p, char decimal);

// Writes the header lines (with `decimal`), each ending in CR LF. Throws InOutError, and
// UnreadableOutputError, before writing anything, for a header readReportHeader could not read
// back.
void writeReportHeader(TextWriter& out, const ParamSet& p, char decimal);

// Writes the header (with `decimal`), then for columns c = 1..p.N the grid cells (c, 0), ..., (c,
// kReportRows - 1), every line ending in CR LF (kReportHeaderLines + kReportRows * N lines; none
// after the header when N <= 0). Throws InOutError, and UnreadableOutputError, before writing
// anything, for a header readReportHeader could not read back.
void writeReport(TextWriter& out, const ParamSet& p, const GridText& grid, char decimal);

// The same as a file saved whole or not at all: on any failure ("File access denied",
// "Disk full", ...; InOutError) a file of that name keeps its previous content.
void writeReport(const std::string& path, const ParamSet& p, const GridText& grid, char decimal);

// Reads the first fourteen lines (empty text past the end; a UTF-8 byte-order mark before the
// first is skipped) and converts each with
// ParseRealAnySeparator ('.' or ',' whatever the locale), storing it into its field at once,
// rounded to double for the double fields. Throws InOutError when the file cannot be opened or is
// not a regular file, ConvertError at the first line that does not convert, is longer than
// kMaxLineBytes, or lies beyond the double range (for every field); its message starts
// "line <n>: ", says so when the lines end in CR alone, and is at most kQuoteBytes long; also at
// the first value its parameter cannot take ("line 9: " and paramValueFault's text). The
// fields stored before it keep their new values, the others are unchanged. Reads no more of the
// file than it needs.
void readReportHeader(const std::string& path, ParamSet& p);
