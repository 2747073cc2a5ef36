// SPDX-License-Identifier: GPL-3.0-or-later
// Where reading stops: a Ctrl-Z ends the text even when more than one read's worth of bytes
// follows it, and a report line too long to be a number is refused, not read as its start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/TextFile.h"
#include "formats/Report.h"
#include "params/ParamSet.h"
#include "support/ScratchFiles.h"

TEST(ReadingStops, CtrlZEndsTheTextWhateverFollowsIt)
{
    // What lies after the mark: nothing, a short tail, and tails longer than any one read, so
    // that the reader has to fetch more of the file to see them.
    const std::string longTail = std::string(70000, 'x') + "\nhidden\n";
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"first\nsecond\n\x1A", {"first", "second"}},
        {"first\n\x1Ahidden\n", {"first"}},
        {"first\n\x1A" + longTail, {"first"}},
        {"first\nsec\x1A" + longTail + longTail, {"first", "sec"}},
        {std::string(100000, 'a') + "\n\x1A" + longTail, {std::string(kMaxLineBytes, 'a')}},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        writeBytes(dir.file("text.txt"), c.bytes);
        TextReader in(dir.file("text.txt"));
        std::vector<std::string> lines;
        while (!in.atEnd() && lines.size() < 10)
            lines.push_back(in.readLine());
        EXPECT_EQ(lines, c.lines) << c.bytes.substr(0, 20);
    }
}

TEST(ReadingStops, AReportLineTooLongForANumberIsRefusedNotReadAsItsStart)
{
    // Each line's first 64 KiB make a number the parameter takes; the whole line is no number
    // a report writes.
    const std::string zeros(kMaxLineBytes + 100, '0');
    const struct {
        const char* what;
        std::string second; // the report's second line
    } cases[] = {
        {"digits past the limit", "26." + zeros + "5"},
        {"a letter past the limit", "26." + zeros + "x"},
        {"blanks past the limit", "26" + std::string(kMaxLineBytes + 10, ' ') + "7"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(dir.file("r.txt"), "11.00\r\n" + c.second + "\r\n16.00\r\n");
        ParamSet p;
        setDefaults(p);
        const ParamSet before = p;
        EXPECT_THROW(readReportHeader(dir.file("r.txt"), p), ConvertError);
        // The long line's parameter and those after it keep their values.
        const auto now = reportHeader(p, '.'), then = reportHeader(before, '.');
        for (size_t k = 1; k < now.size(); ++k)
            EXPECT_EQ(now[k], then[k]) << "line " << k + 1;
    }
}
