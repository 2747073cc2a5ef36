// SPDX-License-Identifier: GPL-3.0-or-later
// The result store as CSV text for scripts: a header of row names, then one line per step.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>

#include "base/TextFile.h"
#include "calc/ResultStore.h"

// The column name of row k: its catalogue name, or "R<k>" for a row without one ("R69").
std::string csvColumnName(int k);

// An extended value as text that reads back (strtold) to the same 80-bit value: "%.21Lg" with
// the period as decimal separator whatever the C locale.
std::string csvNumber(long double v);

// The steps a CSV writes for a run of N steps: N cut to the store's capacity, 0 for N <= 0.
inline int csvSteps(int32_t N)
{
    return N <= 0 ? 0 : N < ResultStore::kSteps ? N : ResultStore::kSteps;
}

// Appends the row of step i shared by both CSV forms: the step number, then for rows
// 0 .. rows - 1 the field separator and the value with every digit that reads back to it
// ("%.21Lg", `decimal` as the decimal separator; such a text never needs quoting).
void appendCsvStep(std::string& line, const ResultStore& R, int i, int rows, char fieldSeparator,
                   char decimal);
// Refuses a store that holds, in rows 0..rows-1 of steps 1..N (cut to the store's capacity), a
// finite value beyond the range of a double: the programs that read such files (spreadsheets,
// scripts) would take it for infinity. Throws UnreadableOutputError naming the first such value,
// its column and its step.
void checkCsvRange(const ResultStore& R, int32_t N, int rows);

// "step," and the 100 column names, then for each step 1..N the step number and rows 0..99;
// lines end in "\n". N above the store's capacity is cut to it; N <= 0 gives the header only.
// Throws InOutError when a write fails, and first checkCsvRange's error, before anything is
// written.
void writeResultCsv(const ResultStore& R, int32_t N, TextWriter& out);

// The same into a stream, flushed at the end; throws InOutError when the stream fails.
void writeResultCsv(const ResultStore& R, int32_t N, std::ostream& out);
