#include "formats/Report.h"

#include "base/NumberText.h"
#include "base/TextFile.h"

std::array<std::string, kReportHeaderLines> reportHeader(const ParamSet& p, char decimal)
{
    // The doubles are widened before rendering.
    std::array<std::string, kReportHeaderLines> lines;
    for (int k = 0; k < kReportHeaderLines; ++k)
        lines[size_t(k)] = FormatFixed(paramValue(p, reportHeaderParam(k)), 4, 2, decimal);
    return lines;
}

void writeReport(TextWriter& out, const ParamSet& p, const GridText& grid, char decimal)
{
    for (const auto& line : reportHeader(p, decimal))
        out.writeLine(line);

    // Seven million short lines: one call per column instead of one per cell.
    std::string column;
    for (int c = 1; c <= p.N; ++c) {
        column.clear();
        for (int r = 0; r < kReportRows; ++r) {
            column += grid.cell(c, r);
            column += "\r\n";
        }
        out.writeRaw(column);
    }
}

void writeReport(const std::string& path, const ParamSet& p, const GridText& grid, char decimal)
{
    TextWriter out(path);
    writeReport(out, p, grid, decimal);
    out.close();
}

void readReportHeader(const std::string& path, ParamSet& p)
{
    TextReader in(path);
    in.skipByteOrderMark(); // editors put it before the first line
    for (int k = 0; k < kReportHeaderLines; ++k) {
        const ParamInfo& f = reportHeaderParam(k);
        const std::string line = in.readLine();
        // A line longer than any number is refused as it stands, not as its cut start.
        // The quote ends in "…" to show that the line goes on.
        if (in.lineCut()) throw ConvertError(notRealMessage(line + "…"));
        // A report may come from another locale: either separator is read.
        if (f.asDouble)
            p.*(f.asDouble) = ParseDoubleAnySeparator(line);
        else
            p.*(f.asExtended) = ParseRealAnySeparator(line);
    }
}
