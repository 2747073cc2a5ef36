#include "calc/ResultCsv.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string_view>

#include "base/Errors.h"
#include "base/TextFile.h"

namespace {

// Formats into buf and returns the length; the C locale's decimal point becomes a period.
size_t formatNumber(long double v, char* buf, size_t size, const char* localePoint)
{
    if (v == 0 && !std::signbit(v)) { // a third of the rows are never written: skip printf
        buf[0] = '0';
        return 1;
    }
    int n = std::snprintf(buf, size, "%.21Lg", v);
    if (n < 0) n = 0;
    std::string_view text(buf, std::min(static_cast<size_t>(n), size - 1));
    if (localePoint[0] != '.' && localePoint[0] != '\0') {
        const size_t at = text.find(localePoint);
        if (at != std::string_view::npos) {
            const size_t pointLen = std::strlen(localePoint);
            buf[at] = '.';
            std::memmove(buf + at + 1, buf + at + pointLen, text.size() - at - pointLen);
            return text.size() - pointLen + 1;
        }
    }
    return text.size();
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
    char buf[64];
    const size_t n = formatNumber(v, buf, sizeof buf, std::localeconv()->decimal_point);
    return std::string(buf, n);
}

void checkCsvRange(const ResultStore& R, int32_t N, int rows)
{
    // DBL_MAX plus half an ulp: the smallest magnitude that rounds to infinity as a double.
    constexpr long double kDoubleOverflow = 0x1.fffffffffffff8p1023L;
    const int steps = std::min<int32_t>(N, ResultStore::kSteps);
    for (int i = 1; i <= steps; ++i)
        for (int k = 0; k < rows; ++k) {
            const long double v = R(k, i);
            if (std::isfinite(v) && std::fabs(v) >= kDoubleOverflow)
                throw UnreadableOutputError("the value " + csvNumber(v) + " of " +
                                            csvColumnName(k) + " at step " + std::to_string(i) +
                                            " lies beyond the range of a double: a reader of the "
                                            "file would take it for infinity");
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

    const char* localePoint = std::localeconv()->decimal_point;
    const int steps = std::min<int32_t>(N, ResultStore::kSteps);
    char buf[64];
    for (int i = 1; i <= steps; ++i) {
        line = std::to_string(i);
        for (int k = 0; k < ResultStore::kRows; ++k) {
            line += ',';
            line.append(buf, formatNumber(R(k, i), buf, sizeof buf, localePoint));
        }
        line += '\n';
        out.writeRaw(line);
    }
}
