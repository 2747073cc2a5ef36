// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/GuideFigures.h"

#include <cctype>

#include "base/Errors.h"
#include "base/TextFile.h"

namespace {

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

// A plain decimal: an optional '-', digits, and at most one '.' with digits after it.
bool isPlainDecimal(const std::string& text)
{
    size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    const size_t digitsFrom = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i == digitsFrom) return false;
    if (i == text.size()) return true;
    if (text[i] != '.' || i + 1 == text.size()) return false;
    for (++i; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

bool isKeyChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

std::string shown(const std::string& value, char decimal)
{
    std::string text;
    for (const char c : value)
        text += c == '.'   ? std::string(1, decimal)
                : c == '-' ? std::string("−")
                           : std::string(1, c);
    return text;
}

} // namespace

std::vector<GuideFigure> readGuideFigures(const std::string& path)
{
    TextReader reader(path);
    std::vector<GuideFigure> figures;
    for (int lineNo = 1; !reader.atEnd(); ++lineNo) {
        const std::string line = reader.readLine();
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> f = splitTabs(line);
        const std::string where = path + ":" + std::to_string(lineNo) + ": ";
        if (f.size() < 4 || f[0].empty() || f[2].empty() || f[3].empty())
            throw KinovarError(where + "key, value, arguments and place expected");
        if (!isPlainDecimal(f[1])) throw KinovarError(where + "not a plain number: " + f[1]);
        for (const GuideFigure& g : figures)
            if (g.key == f[0]) throw KinovarError(where + "key given twice: " + f[0]);
        for (const char c : f[0])
            if (!isKeyChar(c)) throw KinovarError(where + "bad key: " + f[0]);
        figures.push_back({f[0], f[1], f[2], f[3]});
    }
    return figures;
}

std::string fillFigures(const std::string& html, const std::vector<GuideFigure>& figures,
                        char decimal)
{
    std::string out;
    out.reserve(html.size());
    for (size_t i = 0; i < html.size();) {
        size_t end = i + 1;
        while (html[i] == '@' && end < html.size() && isKeyChar(html[end]))
            ++end;
        if (html[i] != '@' || end == i + 1 || end == html.size() || html[end] != '@') {
            out += html[i++];
            continue;
        }
        const std::string key = html.substr(i + 1, end - i - 1);
        const GuideFigure* found = nullptr;
        for (const GuideFigure& g : figures)
            if (g.key == key) found = &g;
        if (!found) throw KinovarError("the guide quotes an unknown figure: @" + key + "@");
        out += shown(found->value, decimal);
        i = end + 1;
    }
    return out;
}
