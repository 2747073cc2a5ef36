// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SpreadsheetCsv.h"

#include <algorithm>

#include "base/FullPrecision.h"
#include "base/TextFile.h"
#include "formats/ResultCsv.h"

char spreadsheetFieldSeparator(char decimal)
{
    return decimal == ',' ? ';' : ',';
}

std::string spreadsheetField(std::string_view text, char fieldSeparator)
{
    const bool quoted =
        text.find_first_of(std::string{fieldSeparator, '"', '\r', '\n'}) != std::string_view::npos;
    if (!quoted) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::vector<std::string> spreadsheetHeader(const std::vector<std::string>& captions)
{
    std::vector<std::string> header{"Шаг", csvColumnName(0)};
    for (int k = 1; k < kSpreadsheetQuantities; ++k) {
        const size_t at = static_cast<size_t>(k - 1);
        header.push_back(at < captions.size() && !captions[at].empty() ? captions[at]
                                                                       : csvColumnName(k));
    }
    return header;
}

std::string spreadsheetNumber(long double v, char decimal)
{
    char buf[kFullPrecisionSize];
    return std::string(buf, writeFullPrecision(v, decimal, buf));
}

void writeSpreadsheetCsv(const std::string& path, const ResultStore& R, int32_t N,
                         const std::vector<std::string>& captions, char decimal)
{
    checkCsvRange(R, N, kSpreadsheetQuantities);
    const char separator = spreadsheetFieldSeparator(decimal);
    TextWriter out(path);
    out.writeRaw("\xEF\xBB\xBF"); // spreadsheets then read the Cyrillic headings as UTF-8

    std::string line;
    for (const std::string& heading : spreadsheetHeader(captions)) {
        if (!line.empty()) line += separator;
        line += spreadsheetField(heading, separator);
    }
    out.writeLine(line);

    for (int i = 1; i <= csvSteps(N); ++i) {
        line.clear();
        appendCsvStep(line, R, i, kSpreadsheetQuantities, separator, decimal);
        out.writeLine(line);
    }
    out.save();
}
