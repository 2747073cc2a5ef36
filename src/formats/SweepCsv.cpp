// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SweepCsv.h"

#include "base/TextFile.h"
#include "formats/SpreadsheetCsv.h"

std::string sweepFigureHeading(const KeyFigure& figure)
{
    return std::string(figure.caption) + ", " + figure.unit;
}

void writeSweepCsv(const std::string& path, const std::string& keyHeading,
                   const std::vector<const KeyFigure*>& figures,
                   const std::vector<SweepPoint>& points, char decimal)
{
    const char separator = spreadsheetFieldSeparator(decimal);
    TextWriter out(path);
    out.writeRaw("\xEF\xBB\xBF"); // spreadsheets then read the Cyrillic headings as UTF-8
    std::string line = spreadsheetField(keyHeading, separator);
    line += separator;
    line += spreadsheetField("Состояние", separator);
    for (const KeyFigure* figure : figures) {
        line += separator;
        line += spreadsheetField(sweepFigureHeading(*figure), separator);
    }
    out.writeLine(line);
    const auto all = keyFigures();
    for (const SweepPoint& point : points) {
        line = spreadsheetNumber(point.value, decimal);
        line += separator;
        line += point.ok && point.reason.empty() ? std::string("готово")
                                                 : spreadsheetField(point.reason, separator);
        for (const KeyFigure* figure : figures) {
            line += separator;
            const auto at = static_cast<size_t>(figure - all.data());
            if (at < point.figures.size() && point.figures[at])
                line += spreadsheetNumber(*point.figures[at], decimal);
        }
        out.writeLine(line);
    }
    out.save();
}
