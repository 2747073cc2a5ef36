#include "present/Report.h"

#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"

namespace {

// One header line's field: exactly one of the two pointers is set.
struct HeaderField {
    double* d = nullptr;
    long double* x = nullptr;
};

std::array<HeaderField, kReportHeaderLines> headerFields(ParamSet& p)
{
    return {{{&p.l1, nullptr},
             {&p.l2, nullptr},
             {&p.b, nullptr},
             {&p.fi0, nullptr},
             {nullptr, &p.aux},
             {&p.fit0, nullptr},
             {&p.fitt0, nullptr},
             {&p.fidtt, nullptr},
             {nullptr, &p.m1},
             {nullptr, &p.m2},
             {nullptr, &p.m3},
             {nullptr, &p.i1},
             {nullptr, &p.i2},
             {nullptr, &p.i3}}};
}

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

std::array<std::string, kReportHeaderLines> reportHeader(const ParamSet& p)
{
    // Same order as headerFields; the doubles are widened before rendering.
    const std::array<long double, kReportHeaderLines> values{p.l1,   p.l2,    p.b,     p.fi0, p.aux,
                                                             p.fit0, p.fitt0, p.fidtt, p.m1,  p.m2,
                                                             p.m3,   p.i1,    p.i2,    p.i3};
    std::array<std::string, kReportHeaderLines> lines;
    for (size_t k = 0; k < values.size(); ++k)
        lines[k] = FormatFixed(values[k], 4, 2);
    return lines;
}

void writeReport(TextWriter& out, const ParamSet& p, const GridText& grid)
{
    const auto header = reportHeader(p);
    checkHeaderReadable(header);
    for (const auto& line : header)
        out.writeLine(line);

    // Seven million short lines: one call per column instead of one per cell.
    std::string column;
    for (int c = 1; c <= p.N; ++c) {
        column.clear();
        for (int r = 0; r < GridText::kValueRows; ++r) {
            column += grid.cell(c, r);
            column += "\r\n";
        }
        out.writeRaw(column);
    }
}

void writeReport(const std::string& path, const ParamSet& p, const GridText& grid)
{
    TextWriter out(path);
    writeReport(out, p, grid);
    out.close();
}

void readReportHeader(const std::string& path, ParamSet& p)
{
    TextReader in(path);
    in.skipByteOrderMark(); // editors put it before the first line
    int lineNo = 0;
    for (const HeaderField& f : headerFields(p)) {
        const std::string line = in.readLine();
        ++lineNo;
        try {
            // A line longer than any number is refused as it stands, not as its cut start.
            // The quote ends in "…" to show that the line goes on.
            if (in.lineCut()) throw ConvertError(notRealMessage(line + "…"));
            // A report may come from another locale: either separator is read. Every value,
            // the extended ones too, lies within the range of a double.
            if (f.d) {
                *f.d = ParseDoubleAnySeparator(line);
            } else {
                ParseDoubleAnySeparator(line);
                *f.x = ParseRealAnySeparator(line);
            }
        } catch (const ConvertError&) {
            throw ConvertError(headerFault(lineNo, line, in.lineCut(), in.loneCr()));
        }
    }
}
