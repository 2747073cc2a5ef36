// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Report.h"

#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"

namespace {

// Refuses a header that readReportHeader could not read back (a value rounded past the range of
// a double, say), before anything is written.
void checkHeaderReadable(const std::array<std::string, kReportHeaderLines>& header)
{
    for (size_t k = 0; k < header.size(); ++k) {
        try {
            ParseDoubleAnySeparator(header[k]);
        } catch (const ConvertError&) {
            throw UnreadableOutputError("line " + std::to_string(k + 1) + " of the report, '" +
                                        quoteText(header[k]) +
                                        "', could not be read back: it lies beyond the range "
                                        "of a double");
        }
    }
}

// The message of a header line that does not convert, at most kQuoteBytes long: its number and
// the line quoted (a cut line ends in "…"), or, for a file whose lines end in CR alone (which
// run together), the text before the first CR and what is wrong with it.
std::string headerFault(int lineNo, const std::string& line, bool cut, size_t loneCr)
{
    const std::string where = "line " + std::to_string(lineNo) + ": '";
    const std::string why = loneCr != std::string::npos
                                ? "' is followed by a CR without LF: lines must end in CR LF or LF"
                                : "' is not a valid floating point value";
    const std::string text = loneCr != std::string::npos ? line.substr(0, loneCr)
                             : cut                       ? line + "…"
                                                         : line;
    return where + quoteText(text, kQuoteBytes - where.size() - why.size()) + why;
}

} // namespace

std::array<std::string, kReportHeaderLines> reportHeader(const ParamSet& p, char decimal)
{
    // The doubles are widened before rendering.
    std::array<std::string, kReportHeaderLines> lines;
    for (int k = 0; k < kReportHeaderLines; ++k)
        lines[size_t(k)] = FormatFixed(paramValue(p, reportHeaderParam(k)), 4, 2, decimal);
    return lines;
}

void writeReportHeader(TextWriter& out, const ParamSet& p, char decimal)
{
    const auto header = reportHeader(p, decimal);
    checkHeaderReadable(header);
    for (const auto& line : header)
        out.writeLine(line);
}

void writeReport(TextWriter& out, const ParamSet& p, const GridText& grid, char decimal)
{
    writeReportHeader(out, p, decimal);

    // Seven million short lines: one call per column instead of one per cell.
    std::string column;
    for (int c = 1; c <= p.N; ++c) {
        column.clear();
        for (Quantity q : kReportLayout) {
            column += grid.cell(c, rowOf(q));
            column += "\r\n";
        }
        out.writeRaw(column);
    }
}

void writeReport(const std::string& path, const ParamSet& p, const GridText& grid, char decimal)
{
    TextWriter out(path);
    writeReport(out, p, grid, decimal);
    out.save();
}

void readReportHeader(const std::string& path, ParamSet& p)
{
    TextReader in(path);
    in.skipByteOrderMark(); // editors put it before the first line
    for (int k = 0; k < kReportHeaderLines; ++k) {
        const ParamInfo& f = reportHeaderParam(k);
        const std::string line = in.readLine();
        long double value = 0;
        try {
            // A line longer than any number is refused as it stands, not as its cut start.
            // The quote ends in "…" to show that the line goes on.
            if (in.lineCut()) throw ConvertError(notRealMessage(line + "…"));
            // A report may come from another locale: either separator is read. Every value,
            // the extended ones too, lies within the range of a double.
            const double asDouble = ParseDoubleAnySeparator(line);
            value = f.asDouble ? asDouble : ParseRealAnySeparator(line);
        } catch (const ConvertError&) {
            throw ConvertError(headerFault(k + 1, line, in.lineCut(), in.loneCr()));
        }
        if (const std::string fault = paramValueFault(f, value); !fault.empty())
            throw ConvertError("line " + std::to_string(k + 1) + ": " + fault);
        if (f.asDouble)
            p.*(f.asDouble) = static_cast<double>(value);
        else
            p.*(f.asExtended) = value;
    }
}
