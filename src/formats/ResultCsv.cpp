// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ResultCsv.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "base/Errors.h"
#include "base/FullPrecision.h"
#include "base/TextFile.h"

namespace {

// Formats into buf (kFullPrecisionSize bytes) and returns the length: "%.21Lg" with `decimal`.
size_t formatNumber(long double v, char decimal, char* buf)
{
    if (v == 0 && !std::signbit(v)) { // a third of the rows are never written
        buf[0] = '0';
        return 1;
    }
    return writeFullPrecision(v, decimal, buf);
}

} // namespace

std::string csvColumnName(int k)
{
    const char* name = rowName(k);
    if (name[0] != '\0') return name;
    // Appending rather than "R" + to_string(k): GCC 12 at -O2 warns falsely (-Wrestrict) about
    // the inlined operator+.
    std::string column = "R";
    column += std::to_string(k);
    return column;
}

std::string csvNumber(long double v)
{
    char buf[kFullPrecisionSize];
    const size_t n = formatNumber(v, '.', buf);
    return std::string(buf, n);
}

void checkCsvRange(const ResultStore& R, int32_t N, int rows)
{
    // DBL_MAX plus half an ulp: the smallest magnitude that rounds to infinity as a double.
    constexpr long double kDoubleOverflow = 0x1.fffffffffffff8p1023L;
    for (int i = 1; i <= csvSteps(N); ++i)
        for (int k = 0; k < rows; ++k) {
            const long double v = R(k, i);
            if (std::isfinite(v) && std::fabs(v) >= kDoubleOverflow)
                throw UnreadableOutputError("the value " + csvNumber(v) + " of " +
                                            csvColumnName(k) + " at step " + std::to_string(i) +
                                            " lies beyond the range of a double: a reader of the "
                                            "file would take it for infinity");
        }
}

void appendCsvStep(std::string& line, const ResultStore& R, int i, int rows, char fieldSeparator,
                   char decimal)
{
    char buf[kFullPrecisionSize];
    line += std::to_string(i);
    for (int k = 0; k < rows; ++k) {
        line += fieldSeparator;
        line.append(buf, formatNumber(R(k, i), decimal, buf));
    }
}

void writeResultCsv(const ResultStore& R, int32_t N, std::ostream& out)
{
    TextWriter writer(out);
    writeResultCsv(R, N, writer);
    writer.finish();
}

void writeResultCsv(const ResultStore& R, int32_t N, TextWriter& out)
{
    checkCsvRange(R, N, ResultStore::kRows);
    std::string line = "step";
    for (int k = 0; k < ResultStore::kRows; ++k) {
        line += ',';
        line += csvColumnName(k);
    }
    line += '\n';
    out.writeRaw(line);

    for (int i = 1; i <= csvSteps(N); ++i) {
        line.clear();
        appendCsvStep(line, R, i, ResultStore::kRows, ',', '.');
        line += '\n';
        out.writeRaw(line);
    }
}
