// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/DriveCsv.h"

#include <string_view>

#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"

namespace {

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

[[noreturn]] void fault(int lineNo, const std::string& why, const std::string& russian)
{
    throw DriveFileError("line " + std::to_string(lineNo) + ": " + why,
                         "строка " + std::to_string(lineNo) + ": " + russian);
}

} // namespace

std::vector<DrivePoint> readDriveCsv(const std::string& path)
{
    TextReader in(path);
    in.skipByteOrderMark();
    const std::string header = in.readLine();
    if (in.lineCut()) fault(1, "line too long", "строка слишком длинная");
    // The header picks the field separator: ';' leaves ',' free for decimal commas.
    const char separator = header.find(';') != std::string::npos ? ';' : ',';
    const size_t split = header.find(separator);
    if (split == std::string::npos || trimmed(std::string_view(header).substr(0, split)) != "omega" ||
        trimmed(std::string_view(header).substr(split + 1)) != "moment")
        fault(1, "expected the columns omega,moment, not '" + quoteText(header, 80) + "'",
              "ожидались столбцы omega,moment, а не «" + quoteText(header, 80) + "»");

    std::vector<DrivePoint> points;
    int lineNo = 1;
    while (!in.atEnd()) {
        const std::string line = in.readLine();
        ++lineNo;
        if (in.lineCut()) fault(lineNo, "line too long", "строка слишком длинная");
        if (trimmed(line).empty()) continue;
        if (points.size() == kMaxDrivePoints)
            fault(lineNo, "more than 10000 rows", "больше 10000 строк");
        const size_t at = line.find(separator);
        if (at == std::string::npos || line.find(separator, at + 1) != std::string::npos)
            fault(lineNo, "expected 2 fields, not '" + quoteText(line, 80) + "'",
                  "ожидалось полей: 2, а не «" + quoteText(line, 80) + "»");
        const std::string_view fields[2] = {trimmed(std::string_view(line).substr(0, at)),
                                            trimmed(std::string_view(line).substr(at + 1))};
        long double v[2] = {0, 0};
        for (int c = 0; c < 2; ++c) {
            try {
                v[c] = separator == ';' ? ParseRealAnySeparator(fields[c])
                                        : ParseReal(fields[c], '.');
            } catch (const ConvertError& e) {
                fault(lineNo, e.what(), "«" + quoteText(fields[c], 80) + "» не число");
            }
        }
        const DrivePoint point{v[0], v[1]};
        // Checked as it comes, so the first bad row is the one named.
        if (auto why = drivePointFault(point, points.empty() ? nullptr : &points.back()))
            fault(lineNo, why->why, why->russian);
        points.push_back(point);
    }
    if (points.size() < 2)
        fault(lineNo, "the table needs at least two points", "в таблице нужно не менее двух точек");
    return points;
}
