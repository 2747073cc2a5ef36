// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LoadCsv.h"

#include <string_view>
#include <vector>

#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"

namespace {

constexpr const char* kHeaders = "angle,force or angle,force_y or stroke,force_toward,force_away";

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> fields(std::string_view line, char separator)
{
    std::vector<std::string_view> out;
    for (size_t start = 0;;) {
        const size_t end = line.find(separator, start);
        out.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos) return out;
        start = end + 1;
    }
}

[[noreturn]] void fault(int lineNo, const std::string& why, const std::string& russian)
{
    throw LoadFileError("line " + std::to_string(lineNo) + ": " + why,
                        "строка " + std::to_string(lineNo) + ": " + russian);
}

[[noreturn]] void fault(int lineNo, const std::string& why)
{
    fault(lineNo, why, russianLoadFault(why));
}

} // namespace

LoadTable readLoadCsv(const std::string& path, int32_t period)
{
    TextReader in(path);
    in.skipByteOrderMark();
    const std::string header = in.readLine();
    if (in.lineCut()) fault(1, "line too long", "строка слишком длинная");
    // The header picks the field separator: ';' leaves ',' free for decimal commas.
    const char separator = header.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> names;
    for (std::string_view f : fields(header, separator))
        names.emplace_back(f);
    LoadTable table;
    if (names == std::vector<std::string>{"angle", "force"}) {
        table.kind = LoadKind::ByAngle;
    } else if (names == std::vector<std::string>{"angle", "force_y"}) {
        table.kind = LoadKind::ByAngle;
        table.direction = LoadDirection::AlongY;
    } else if (names == std::vector<std::string>{"stroke", "force_toward", "force_away"}) {
        table.kind = LoadKind::ByStroke;
    } else {
        fault(1,
              "expected the columns " + std::string(kHeaders) + ", not '" + quoteText(header, 80) +
                  "'",
              "ожидались столбцы " + std::string(kHeaders) + ", а не «" + quoteText(header, 80) +
                  "»");
    }

    int lineNo = 1;
    while (!in.atEnd()) {
        const std::string line = in.readLine();
        ++lineNo;
        if (in.lineCut()) fault(lineNo, "line too long", "строка слишком длинная");
        if (trimmed(line).empty()) continue;
        if (table.points.size() == kMaxLoadPoints) fault(lineNo, "more than 100000 rows");
        const auto values = fields(line, separator);
        if (values.size() != names.size())
            fault(lineNo,
                  "expected " + std::to_string(names.size()) + " fields, not '" +
                      quoteText(line, 80) + "'",
                  "ожидалось полей: " + std::to_string(names.size()) + ", а не «" +
                      quoteText(line, 80) + "»");
        long double v[3] = {0, 0, 0};
        for (size_t c = 0; c < values.size(); ++c) {
            try {
                v[c] =
                    separator == ';' ? ParseRealAnySeparator(values[c]) : ParseReal(values[c], '.');
            } catch (const ConvertError& e) {
                fault(lineNo, e.what(), "«" + quoteText(values[c], 80) + "» не число");
            }
        }
        const LoadPoint point{v[0], v[1], v[2]};
        // Checked as it comes, so the first bad row is the one named.
        const LoadPoint* previous = table.points.empty() ? nullptr : &table.points.back();
        if (auto why = checkLoadPoint(table.kind, period, previous, point)) fault(lineNo, *why);
        table.points.push_back(point);
    }
    if (table.points.empty()) fault(lineNo, "the table is empty");
    return table;
}
