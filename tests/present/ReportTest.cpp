#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "present/Report.h"
#include "present/ResultsTestFiles.h"

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
    EXPECT_EQ(reportHeader(defaults()), expected);
}

TEST(Report, StepDataIsTheGridTextColumnByColumn)
{
    ScratchDir dir;
    ParamSet p = defaults();
    GridText g;
    for (int c = 1; c <= 25; ++c)
        for (int r = 0; r <= 78; ++r)
            g.setCell(c, r, std::to_string(c) + "/" + std::to_string(r));
    g.setCell(26, 0, "beyond N");
    g.setCell(0, 1, "caption");
    writeReport(dir.file("r.txt"), p, g);

    const std::string bytes = readBytes(dir.file("r.txt"));
    const auto lines = splitCrLf(bytes);
    ASSERT_EQ(lines.size(), 1989u);
    EXPECT_TRUE(bytes.ends_with("25/78\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1989); // no bare LF anywhere
    EXPECT_EQ(lines[0], "10.00");
    EXPECT_EQ(lines[13], "2.00");
    for (int c = 1; c <= 25; ++c)
        for (int r = 0; r <= 78; ++r)
            EXPECT_EQ(lines[size_t(14 + 79 * (c - 1) + r)], g.cell(c, r));
}

TEST(Report, BeforeAnyRefreshTheStepLinesAreEmpty)
{
    ScratchDir dir;
    ParamSet p = defaults();
    writeReport(dir.file("r.txt"), p, GridText{});
    const std::string bytes = readBytes(dir.file("r.txt"));
    const auto lines = splitCrLf(bytes);
    ASSERT_EQ(lines.size(), 1989u);
    for (size_t k = 14; k < lines.size(); ++k)
        ASSERT_EQ(lines[k], "") << k;

    p.N = 0;
    writeReport(dir.file("r.txt"), p, GridText{});
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
    writeReport(dir.file("r.txt"), saved, GridText{});

    ParamSet read;
    read.N = 7;
    read.ac1 = 3;
    readReportHeader(dir.file("r.txt"), read);
    EXPECT_EQ(read.i1, 0.0L);
    EXPECT_EQ(read.aux, 12350.0L);
    EXPECT_EQ(read.l1, static_cast<double>(ParseReal("1.23")));
    EXPECT_EQ(read.m1, ParseReal("1.23")); // extended: not rounded to double
    EXPECT_NE(read.m1, static_cast<long double>(static_cast<double>(ParseReal("1.23"))));
    EXPECT_EQ(read.fi0, -0.01);
    EXPECT_EQ(read.fidtt, 10000.0);
    EXPECT_EQ(read.i3, ParseReal("0.13"));
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
            setDecimalSeparator(written);
            writeReport(dir.file("r.txt"), saved, GridText{});
            EXPECT_EQ(readBytes(dir.file("r.txt")).substr(0, 7),
                      std::string("12") + written + "50\r\n");
            setDecimalSeparator(reading);
            ParamSet read;
            readReportHeader(dir.file("r.txt"), read);
            EXPECT_EQ(read.l1, 12.5);
            EXPECT_EQ(read.l2, 25.0);
            EXPECT_EQ(read.m3, 0.25L);
            EXPECT_EQ(read.i1, saved.i1);
        }
    }
    setDecimalSeparator('.');
}

TEST(Report, BadFilesStoreTheFieldsBeforeTheFailingLine)
{
    const std::string megabyte(1 << 20, '7');
    struct Case {
        const char* name;
        std::string bytes;
        int stored;      // header fields read before the failure
        std::string bad; // the failing line's text
    };
    const std::vector<Case> cases{
        {"empty", "", 0, ""},
        {"truncated", "11.00\r\n26.00\r\n16.00\r\n", 3, ""},
        {"empty line", "11.00\r\n\r\n16.00\r\n", 1, ""},
        {"binary",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\xFF\xFE",
                     11),
         0,
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\xFF\xFE",
                     11)},
        {"CR only", "11.00\r26.00\r16.00\r", 0, "11.0026.0016.00"},
        {"Ctrl-Z",
         "11.00\r\n26.00\r\n\x1A"
         "16.00\r\n0.20\r\n",
         2, ""},
        // Either separator reads; a line holding both, or one twice, does not.
        {"both separators", "11,00\r\n26.00\r\n16,0.0\r\n", 2, "16,0.0"},
        {"two commas", "11,00\r\n26,0,0\r\n", 1, "26,0,0"},
        {"two points", "1.1.00\r\n", 0, "1.1.00"},
        {"megabyte line", "11.00\r\n" + megabyte + "x\r\n16.00\r\n", 1, megabyte + "x"},
        {"text", "11.00\r\n26.00\r\n16.00\r\n0.20\r\n16.00\r\nabc\r\n", 5, "abc"},
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
            // A message is a C string: a NUL in the line ends it there.
            const std::string full = convertMessage(c.bad);
            EXPECT_EQ(std::string(e.what()), full.substr(0, full.find('\0')));
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
    EXPECT_EQ(reportHeader(p), reportHeader(defaults()));
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
            writeReport(c.path, p, GridText{});
            ADD_FAILURE() << "no error";
        } catch (const InOutError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}
