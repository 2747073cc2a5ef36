// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "formats/Report.h"
#include "formats/ResultsTestFiles.h"
#include "params/ParamTable.h"

namespace {

ParamSet defaults()
{
    ParamSet p;
    setDefaults(p);
    return p;
}

// The 14 header fields widened to extended, in file order.
std::vector<long double> header(const ParamSet& p)
{
    return {p.l1,    p.l2, p.b,  p.fi0, p.aux, p.fit0, p.fitt0,
            p.fidtt, p.m1, p.m2, p.m3,  p.i1,  p.i2,   p.i3};
}

std::string convertMessage(const std::string& text)
{
    return "'" + text + "' is not a valid floating point value";
}

} // namespace

TEST(Report, HeaderAtTheDefaults)
{
    const std::array<std::string, 14> expected{"10.00", "25.00", "15.00", "0.10", "15.00",
                                               "1.00",  "0.00",  "0.01",  "4.00", "10.00",
                                               "2.00",  "4.00",  "10.00", "2.00"};
    EXPECT_EQ(reportHeader(defaults(), '.'), expected);
}

TEST(Report, StepDataIsTheGridTextColumnByColumn)
{
    ScratchDir dir;
    ParamSet p = defaults();
    GridText g;
    for (int c = 1; c <= 25; ++c)
        for (int r = 0; r < kReportRows; ++r)
            g.setCell(c, r, std::to_string(c) + "/" + std::to_string(r));
    g.setCell(26, 0, "beyond N");
    g.setCell(0, 1, "caption");
    writeReport(dir.file("r.txt"), p, g, '.');

    const std::string bytes = readBytes(dir.file("r.txt"));
    const auto lines = splitCrLf(bytes);
    ASSERT_EQ(lines.size(), 1989u);
    EXPECT_TRUE(bytes.ends_with("25/78\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1989); // no bare LF anywhere
    EXPECT_EQ(lines[0], "10.00");
    EXPECT_EQ(lines[13], "2.00");
    for (int c = 1; c <= 25; ++c)
        for (int r = 0; r <= 78; ++r)
            EXPECT_EQ(lines[size_t(kReportHeaderLines + kReportRows * (c - 1) + r)], g.cell(c, r));
}

TEST(Report, BeforeAnyRefreshTheStepLinesAreEmpty)
{
    ScratchDir dir;
    ParamSet p = defaults();
    writeReport(dir.file("r.txt"), p, GridText{}, '.');
    const std::string bytes = readBytes(dir.file("r.txt"));
    const auto lines = splitCrLf(bytes);
    ASSERT_EQ(lines.size(), 1989u);
    for (size_t k = kReportHeaderLines; k < lines.size(); ++k)
        ASSERT_EQ(lines[k], "") << k;

    p.N = 0;
    writeReport(dir.file("r.txt"), p, GridText{}, '.');
    EXPECT_EQ(splitCrLf(readBytes(dir.file("r.txt"))).size(), 14u);
}

TEST(Report, RoundTripKeepsOnlyTheRenderedDigits)
{
    ScratchDir dir;
    ParamSet saved = defaults();
    saved.i1 = 0.004L;    // "0.00"
    saved.aux = 12345;    // "1.235E04"
    saved.l1 = 1.23456;   // "1.23"
    saved.m1 = 1.23456L;  // "1.23"
    saved.fi0 = -0.005;   // "-0.01"
    saved.fidtt = 9999.5; // "1E04"
    saved.i3 = 0.125L;    // "0.13"
    writeReport(dir.file("r.txt"), saved, GridText{}, '.');

    ParamSet read;
    read.N = 7;
    read.ac1 = 3;
    readReportHeader(dir.file("r.txt"), read);
    EXPECT_EQ(read.i1, 0.0L);
    EXPECT_EQ(read.aux, 12350.0L);
    EXPECT_EQ(read.l1, static_cast<double>(ParseReal("1.23", '.')));
    EXPECT_EQ(read.m1, ParseReal("1.23", '.')); // extended: not rounded to double
    EXPECT_NE(read.m1, static_cast<long double>(static_cast<double>(ParseReal("1.23", '.'))));
    EXPECT_EQ(read.fi0, -0.01);
    EXPECT_EQ(read.fidtt, 10000.0);
    EXPECT_EQ(read.i3, ParseReal("0.13", '.'));
    EXPECT_EQ(read.l2, 25.0);
    EXPECT_EQ(read.N, 7); // nothing outside the header
    EXPECT_EQ(read.ac1, 3);
}

TEST(Report, AReportOpensUnderTheOtherSeparator)
{
    ScratchDir dir;
    ParamSet saved = defaults();
    saved.l1 = 12.5;
    saved.m3 = 0.25L;
    for (const char written : {'.', ','}) {
        for (const char reading : {'.', ','}) {
            SCOPED_TRACE(std::string("written with ") + written + ", read with " + reading);
            writeReport(dir.file("r.txt"), saved, GridText{}, written);
            EXPECT_EQ(readBytes(dir.file("r.txt")).substr(0, 7),
                      std::string("12") + written + "50\r\n");
            ParamSet read; // the reader takes either separator, whichever the window uses
            readReportHeader(dir.file("r.txt"), read);
            EXPECT_EQ(read.l1, 12.5);
            EXPECT_EQ(read.l2, 25.0);
            EXPECT_EQ(read.m3, 0.25L);
            EXPECT_EQ(read.i1, saved.i1);
        }
    }
}

TEST(Report, BadFilesStoreTheFieldsBeforeTheFailingLine)
{
    const std::string megabyte(1 << 20, '7');
    struct Case {
        const char* name;
        std::string bytes;
        int stored;      // header fields read before the failure
        std::string bad; // the message after "line <stored + 1>: "
    };
    const std::vector<Case> cases{
        {"empty", "", 0, convertMessage("")},
        {"truncated", "11.00\r\n26.00\r\n16.00\r\n", 3, convertMessage("")},
        {"empty line", "11.00\r\n\r\n16.00\r\n", 1, convertMessage("")},
        {"binary",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\xFF\xFE",
                     11),
         0, convertMessage("\\x7FELF\\x02\\x01\\x01\\x00\\x00\\xFF\\xFE")}, // all shown
        // Lines that end in CR alone run together: the message says so, and quotes the first.
        {"CR only", "11.00\r26.00\r16.00\r", 0,
         "'11.00' is followed by a CR without LF: lines must end in CR LF or LF"},
        {"Ctrl-Z",
         "11.00\r\n26.00\r\n\x1A"
         "16.00\r\n0.20\r\n",
         2, convertMessage("")},
        // Either separator reads; a line holding both, or one twice, does not.
        {"both separators", "11,00\r\n26.00\r\n16,0.0\r\n", 2, convertMessage("16,0.0")},
        {"two commas", "11,00\r\n26,0,0\r\n", 1, convertMessage("26,0,0")},
        {"two points", "1.1.00\r\n", 0, convertMessage("1.1.00")},
        // Cut to 64 KiB when read; the whole message takes 200 bytes: 100 bytes of the start,
        // "…", the end of what was kept and a "…" for the rest of the line.
        {"megabyte line", "11.00\r\n" + megabyte + "x\r\n16.00\r\n", 1,
         convertMessage(std::string(100, '7') + "…" + std::string(48, '7') + "…")},
        {"text", "11.00\r\n26.00\r\n16.00\r\n0.20\r\n16.00\r\nabc\r\n", 5, convertMessage("abc")},
    };
    const ParamSet before = defaults();
    const std::vector<long double> fresh{11, 26, 16, 0.2, 16};
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(dir.file("bad.txt"), c.bytes);
        ParamSet p = before;
        try {
            readReportHeader(dir.file("bad.txt"), p);
            ADD_FAILURE() << "no error";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "line " + std::to_string(c.stored + 1) + ": " + c.bad);
            EXPECT_LE(std::string(e.what()).size(), kQuoteBytes);
        }
        const auto now = header(p);
        const auto old = header(before);
        for (int k = 0; k < 14; ++k) {
            const long double expected = k < c.stored ? fresh[size_t(k)] : old[size_t(k)];
            EXPECT_EQ(now[size_t(k)], static_cast<long double>(static_cast<double>(expected)))
                << "field " << k;
        }
    }
}

TEST(Report, OpeningAMissingFileIsFileNotFound)
{
    ScratchDir dir;
    ParamSet p = defaults();
    try {
        readReportHeader(dir.file("none.txt"), p);
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_EQ(reportHeader(p, '.'), reportHeader(defaults(), '.'));
}

TEST(Report, SavingWhereNoFileCanBeWrittenReportsTheFileError)
{
    ScratchDir dir;
    const ParamSet p = defaults();
    struct Case {
        std::string path;
        const char* message;
    };
    std::vector<Case> cases{
        {dir.dir(), "File access denied"}, // a folder
        {"/dev/full", "Disk full"},
        {dir.file("none/r.txt"), "File not found"}, // a folder that does not exist
    };
    // Permissions do not stop the superuser; a read-only file only counts for anyone else.
    if (geteuid() != 0) {
        writeBytes(dir.file("ro.txt"), "old");
        chmod(dir.file("ro.txt").c_str(), 0444);
        cases.push_back({dir.file("ro.txt"), "File access denied"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            writeReport(c.path, p, GridText{}, '.');
            ADD_FAILURE() << "no error";
        } catch (const InOutError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(Report, RoundTripKeepsEveryFieldInItsPlace)
{
    // Fourteen different values: any two header lines read into each other's fields (m2 and
    // i2, say) show. Each is exact in four digits, so it comes back as it went.
    ScratchDir dir;
    ParamSet saved;
    const std::array<const char*, 14> text{"1.25", "2.50",  "-3.75", "4.00", "5.50",
                                           "6.25", "7.75",  "0.02",  "9.50", "10.25",
                                           "11.5", "12.75", "13.25", "0.14"};
    ParamSet read;
    setDefaults(saved);
    const std::string path = dir.file("r.txt");
    {
        std::string bytes;
        for (const char* t : text)
            bytes += std::string(t) + "\r\n";
        writeBytes(path, bytes);
    }
    readReportHeader(path, saved);
    EXPECT_EQ(saved.m2, 10.25L);
    EXPECT_EQ(saved.i2, 13.25L);
    writeReport(dir.file("again.txt"), saved, GridText{}, '.');
    readReportHeader(dir.file("again.txt"), read);
    EXPECT_EQ(header(read), header(saved));
    const std::vector<long double> expected{1.25L, 2.5L, -3.75L, 4,     5.5L,   6.25L,  7.75L,
                                            0.02,  9.5L, 10.25L, 11.5L, 12.75L, 13.25L, 0.14L};
    const auto got = header(read);
    for (size_t k = 0; k < 14; ++k) {
        // The double fields hold the double nearest the text.
        const bool isDouble = k < 4 || (k >= 5 && k <= 7);
        EXPECT_EQ(got[k], isDouble ? static_cast<long double>(static_cast<double>(expected[k]))
                                   : expected[k])
            << "line " << k + 1;
    }
}

TEST(Report, ValuesBeyondTheDoubleRangeAreRefusedForEveryField)
{
    ScratchDir dir;
    const ParamSet before = defaults();
    const struct {
        std::string bytes;
        const char* bad; // the failing line, or nullptr when the file is read
        int field;       // index of the field that must stay as it was
    } cases[] = {
        {"4E444\r\n", "4E444", 0},                                    // l1
        {"1\r\n2\r\n-1.8E308\r\n", "-1.8E308", 2},                    // b
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n1e309\r\n", "1e309", 7}, // fidtt
        // The extended fields keep their extra precision, but not a range beyond a double: a
        // report holding one was refused by the batch (m1, line 9; aux, line 5).
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n1E400\r\n", "1E400", 8},
        {"1\r\n2\r\n3\r\n4\r\n-1.8E308\r\n", "-1.8E308", 4},
        {"1.7976931348623157E308\r\n", nullptr, -1}, // DBL_MAX itself is taken
    };
    for (const auto& c : cases) {
        writeBytes(dir.file("r.txt"), c.bytes);
        ParamSet p = before;
        if (!c.bad) {
            // Line 2 is missing and fails; line 1 was stored before.
            EXPECT_THROW(readReportHeader(dir.file("r.txt"), p), ConvertError);
            EXPECT_EQ(p.l1, 1.7976931348623157E308);
            continue;
        }
        try {
            readReportHeader(dir.file("r.txt"), p);
            ADD_FAILURE() << c.bad << " accepted";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "line " + std::to_string(c.field + 1) + ": " + convertMessage(c.bad));
        }
        EXPECT_EQ(header(p)[size_t(c.field)], header(before)[size_t(c.field)]) << c.bad;
        for (long double v : header(p))
            EXPECT_TRUE(std::isfinite(v)) << c.bad;
    }
}

TEST(Report, AByteOrderMarkBeforeTheFirstLineIsSkipped)
{
    ScratchDir dir;
    writeReport(dir.file("r.txt"), defaults(), GridText{}, '.');
    writeBytes(dir.file("bom.txt"), "\xEF\xBB\xBF"
                                    "11.00\r\n" +
                                        readBytes(dir.file("r.txt")).substr(7));
    ParamSet p;
    readReportHeader(dir.file("bom.txt"), p);
    EXPECT_EQ(p.l1, 11.0);
    EXPECT_EQ(p.i3, 2.0L);
}

TEST(Report, SpecialAndEndlessFilesFailAtOnce)
{
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0); // no writer: must not block
    for (const std::string& path : {dir.file("fifo"), std::string("/dev/zero"), dir.dir()}) {
        ParamSet p = defaults();
        try {
            readReportHeader(path, p);
            ADD_FAILURE() << path << ": no error";
        } catch (const InOutError& e) {
            EXPECT_EQ(e.code(), 5) << path;
            EXPECT_STREQ(e.what(), "File access denied") << path;
        }
    }
    // 100 GB of zero bytes without a line end: refused after its first 64 KiB.
    writeBytes(dir.file("sparse.txt"), "");
    std::filesystem::resize_file(dir.file("sparse.txt"), std::uintmax_t{100} << 30);
    ParamSet p = defaults();
    try {
        readReportHeader(dir.file("sparse.txt"), p);
        ADD_FAILURE() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_LT(std::string(e.what()).size(), 1000u);
        EXPECT_TRUE(std::string(e.what()).starts_with("line 1: '\\x00\\x00")) << e.what();
    }
}

TEST(Report, ASaveThatFailsPartWayKeepsThePreviousReport)
{
    // The window's Ctrl+S and the batch both save through writeReport.
    ScratchDir dir;
    const std::string path = dir.file("r.txt");
    ParamSet p = defaults();
    p.N = 2000; // about 1 MB of empty cells
    writeReport(path, defaults(), GridText{}, '.');
    const std::string before = readBytes(path);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{8192, 8192};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(77);
        try {
            writeReport(path, p, GridText{}, '.');
        } catch (const InOutError& e) {
            ::_exit(std::string(e.what()) == "Disk full" ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(path), before);
}
