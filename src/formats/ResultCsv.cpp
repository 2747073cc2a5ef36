#include "calc/ResultCsv.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "base/FullPrecision.h"
#include "base/TextFile.h"

namespace {

// Formats into buf (kFullPrecisionSize bytes) and returns the length; "%.21Lg" with a period.
size_t formatNumber(long double v, char* buf)
{
    if (v == 0 && !std::signbit(v)) { // a third of the rows are never written
        buf[0] = '0';
        return 1;
    }
    return writeFullPrecision(v, '.', buf);
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
    const size_t n = formatNumber(v, buf);
    return std::string(buf, n);
}

void writeResultCsv(const ResultStore& R, int32_t N, std::ostream& out)
{
    TextWriter writer(out);
    writeResultCsv(R, N, writer);
    writer.finish();
}

void writeResultCsv(const ResultStore& R, int32_t N, TextWriter& out)
{
    std::string line = "step";
    for (int k = 0; k < ResultStore::kRows; ++k) {
        line += ',';
        line += csvColumnName(k);
    }
    line += '\n';
    out.writeRaw(line);

    const int steps = std::min<int32_t>(N, ResultStore::kSteps);
    char buf[kFullPrecisionSize];
    for (int i = 1; i <= steps; ++i) {
        line = std::to_string(i);
        for (int k = 0; k < ResultStore::kRows; ++k) {
            line += ',';
            line.append(buf, formatNumber(R(k, i), buf));
        }
        line += '\n';
        out.writeRaw(line);
    }
}
