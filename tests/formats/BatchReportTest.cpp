// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --report / --listing / --from-report / --decimal-separator.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>

#include "app/Batch.h"
#include "base/LocaleSeparator.h"
#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "formats/Report.h"
#include "formats/ResultCsv.h"
#include "formats/ResultsTestFiles.h"
#include "support/BatchRun.h"

namespace {

// Sets environment variables for one test and puts the earlier values back; by default the
// locale variables.
class EnvScope {
public:
    EnvScope() = default;
    EnvScope(std::optional<std::string> all, std::optional<std::string> numeric,
             std::optional<std::string> lang)
    {
        set("LC_ALL", all);
        set("LC_NUMERIC", numeric);
        set("LANG", lang);
    }
    ~EnvScope()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->second ? setenv(it->first.c_str(), it->second->c_str(), 1)
                       : unsetenv(it->first.c_str());
    }
    EnvScope(const EnvScope&) = delete;
    EnvScope& operator=(const EnvScope&) = delete;

    void set(const std::string& name, const std::optional<std::string>& value)
    {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A locale with the comma, built for the tests into a private folder that LOCPATH points at
// (the system may have no such locale installed). Empty when it cannot be built.
const std::string& commaLocaleDir()
{
    static const std::string dir = [] {
        static ScratchDir scratch;
        const std::string cmd =
            "localedef -i ru_RU -f UTF-8 " + scratch.file("ru_RU.UTF-8") + " >/dev/null 2>&1";
        return std::system(cmd.c_str()) == 0 ? scratch.dir() : std::string();
    }();
    return dir;
}

// The window's report for a run: calculation, refresh, save, with the given separator.
std::string windowReport(const std::string& path, ParamSet p, char separator)
{
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    GridText grid;
    std::string listing;
    fillResults(*R, p.N, separator, grid, listing);
    writeReport(path, p, grid, separator);
    return readBytes(path);
}

ParamSet twoCycles()
{
    ParamSet p;
    setDefaults(p);
    p.cycles = 2;
    p.N = 49;
    return p;
}

} // namespace

TEST(BatchReport, ReportIsWhatTheWindowSavesAfterARefresh)
{
    ScratchDir dir;
    EnvScope env("C", std::nullopt, std::nullopt);
    const BatchRun run = batch({"--set", "cycles=2", "--report", dir.file("batch.txt")});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    const std::string bytes = readBytes(dir.file("batch.txt"));
    EXPECT_EQ(bytes, windowReport(dir.file("window.txt"), twoCycles(), '.'));
    EXPECT_EQ(splitCrLf(bytes).size(), size_t(kReportHeaderLines + kReportRows * 49));
}

TEST(BatchReport, ListingIsTheMemoTextWithCrLf)
{
    ScratchDir dir;
    const BatchRun run = batch({"--listing", dir.file("l.txt"), "--decimal-separator", ","});
    ASSERT_EQ(run.status, kBatchDone) << run.err;

    ParamSet p;
    setDefaults(p);
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    GridText grid;
    std::string expected;
    fillResults(*R, p.N, ',', grid, expected);
    const std::string bytes = readBytes(dir.file("l.txt"));
    EXPECT_EQ(bytes, expected);
    EXPECT_TRUE(bytes.starts_with("Таблица значений обновлена...\r\n\r\n"));
    EXPECT_EQ(splitCrLf(bytes).size(), 2u + 2 * 25);
    EXPECT_NE(bytes.find(','), std::string::npos);
}

TEST(BatchReport, FromReportAppliesInOrderWithSet)
{
    ScratchDir dir;
    ParamSet saved;
    setDefaults(saved);
    saved.l1 = 8;
    saved.m3 = 3.5L;
    writeReport(dir.file("in.txt"), saved, GridText{}, '.');

    struct Case {
        std::vector<std::string> args;
        const char* l1;
    };
    const Case cases[] = {
        {{"--from-report", dir.file("in.txt")}, "8.00"},
        {{"--set", "l1=9", "--from-report", dir.file("in.txt")}, "8.00"},
        {{"--from-report", dir.file("in.txt"), "--set", "l1=9"}, "9.00"},
    };
    for (const Case& c : cases) {
        auto args = c.args;
        args.insert(args.end(), {"--decimal-separator", ".", "--report", dir.file("out.txt")});
        const BatchRun run = batch(args);
        ASSERT_EQ(run.status, kBatchDone) << run.err;
        const auto lines = splitCrLf(readBytes(dir.file("out.txt")));
        EXPECT_EQ(lines.at(0), c.l1);
        EXPECT_EQ(lines.at(10), "3.50"); // m3
    }
}

TEST(BatchReport, ReportsTravelBetweenSeparators)
{
    ScratchDir dir;
    ASSERT_EQ(batch({"--decimal-separator", ",", "--report", dir.file("comma.txt")}).status,
              kBatchDone);
    EXPECT_TRUE(readBytes(dir.file("comma.txt")).starts_with("10,00\r\n25,00\r\n"));

    // A report reads whatever separator it was written with and whatever the current one is.
    for (const char* separator : {",", "."}) {
        const BatchRun run = batch({"--from-report", dir.file("comma.txt"), "--decimal-separator",
                                    separator, "--report", dir.file("again.txt")});
        EXPECT_EQ(run.status, kBatchDone) << run.err;
        EXPECT_TRUE(
            readBytes(dir.file("again.txt")).starts_with(std::string("10") + separator + "00\r\n"));
    }
    // A line holding both separators is still refused.
    writeBytes(dir.file("both.txt"), "10,0.0\r\n25,00\r\n");
    const BatchRun wrong = batch({"--from-report", dir.file("both.txt")});
    EXPECT_EQ(wrong.status, kBatchBadInput);
    EXPECT_NE(wrong.err.find("'10,0.0' is not a valid floating point value"), std::string::npos)
        << wrong.err;
}

TEST(BatchReport, BadOptionsAndFilesAreBadInput)
{
    ScratchDir dir;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        // Only the two separators the readers take back.
        {{"--decimal-separator", "ab"}, "expected . or ,"},
        {{"--decimal-separator", "5"}, "expected . or ,"},
        {{"--decimal-separator", ""}, "expected . or ,"},
        {{"--decimal-separator", "e"}, "expected . or ,"},
        {{"--decimal-separator", ";"}, "expected . or ,"},
        {{"--from-report", dir.file("none.txt")}, "File not found"},
        {{"--report", "/dev/full"}, "/dev/full: Disk full"},
        {{"--listing", dir.dir()}, "File access denied"},
    };
    for (const Case& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.args[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(BatchReport, DefaultSeparatorFollowsTheLocaleVariables)
{
    const std::string& locpath = commaLocaleDir();
    if (locpath.empty()) GTEST_SKIP() << "localedef cannot build a comma locale here";
    EnvScope locpathEnv;
    locpathEnv.set("LOCPATH", locpath);

    const std::string ru = "ru_RU.UTF-8";
    struct Case {
        std::optional<std::string> all, numeric, lang;
        char separator;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, '.'},
        {std::nullopt, std::nullopt, ru, ','},
        {std::nullopt, ru, "C", ','},
        {"C", ru, ru, '.'}, // LC_ALL first
        {"", "", ru, ','},  // empty variables do not count
        {"POSIX", std::nullopt, ru, '.'},
        {"xx_YY.UTF-8", std::nullopt, ru, '.'}, // a locale the system lacks
    };
    for (const Case& c : cases) {
        EnvScope env(c.all, c.numeric, c.lang);
        EXPECT_EQ(environmentDecimalSeparator(), c.separator)
            << c.all.value_or("-") << " " << c.numeric.value_or("-") << " " << c.lang.value_or("-");
    }

    ScratchDir dir;
    {
        EnvScope env(std::nullopt, std::nullopt, ru);
        ASSERT_EQ(batch({"--report", dir.file("r.txt")}).status, kBatchDone);
    }
    EXPECT_TRUE(readBytes(dir.file("r.txt")).starts_with("10,00\r\n"));
}

// The CSV takes the period whatever the C library's numeric locale says.
TEST(BatchReport, CsvNumbersKeepThePeriodUnderACommaLocale)
{
    const std::string& locpath = commaLocaleDir();
    if (locpath.empty()) GTEST_SKIP() << "localedef cannot build a comma locale here";
    EnvScope locpathEnv;
    locpathEnv.set("LOCPATH", locpath);
    const bool set = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr;
    const std::string point = std::localeconv()->decimal_point;
    const std::string text = csvNumber(1.5L), negative = csvNumber(-0.375L);
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_TRUE(set);
    ASSERT_EQ(point, ",");
    EXPECT_EQ(text, "1.5");
    EXPECT_EQ(negative, "-0.375");
}
