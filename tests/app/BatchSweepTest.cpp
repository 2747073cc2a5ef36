// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --sweep: each row against a separate run of the same parameters with --summary,
// on one thread and on two, and the refusals of a sweep that cannot run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "app/BatchSweep.h"
#include "support/BatchRun.h"

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');)
        out.push_back(cell);
    if (!line.empty() && line.back() == ',') out.emplace_back();
    return out;
}

// A key figure's value in the JSON summary of a single run; nullopt where it is null.
std::optional<double> jsonFigure(const nlohmann::json& doc, const std::string& key)
{
    const struct {
        const char* key;
        const char* section;
        const char* field;
    } where[] = {{"md", "flywheel", "mean_moment"},
                 {"pmean", "flywheel", "mean_power"},
                 {"flywheel", "flywheel", "flywheel_inertia"},
                 {"fa", "peaks", "fa"},
                 {"fo", "peaks", "fo"},
                 {"fb", "peaks", "fb"},
                 {"stroke", "peaks", "stroke"},
                 {"speed", "peaks", "slider_speed"},
                 {"acceleration", "peaks", "slider_acceleration"},
                 {"mo", "peaks", "mo"}};
    for (const auto& w : where) {
        if (key != w.key) continue;
        if (doc[w.section].is_null()) return std::nullopt;
        const nlohmann::json& at = doc[w.section][w.field];
        return std::string(w.section) == "peaks" ? at["value"].get<double>() : at.get<double>();
    }
    ADD_FAILURE() << "no figure " << key;
    return std::nullopt;
}

} // namespace

TEST(BatchSweep, RowsEqualSeparateRunsWhateverTheThreads)
{
    const struct {
        std::vector<std::string> base; // options of the sweep and of each single run
        std::string sweep;
        bool autofillEach;
        std::vector<long double> values; // in order, as the value fields read back
        std::vector<bool> ok;
    } cases[] = {
        {{}, "l2=20:40:5", true, {20, 25, 30, 35, 40}, {false, true, true, true, true}},
        {{"--autofill", "--set", "step=5"},
         "m2=0:30:4",
         false,
         {0, 10, 20, 30},
         {true, true, true, true}},
        {{"--autofill", "--set", "cycles=2"},
         "delta=0.02:0.2:2",
         false,
         {0.02L, 0.2L},
         {true, true}},
    };
    for (const auto& c : cases) {
        for (const char* jobs : {"1", "2"}) {
            SCOPED_TRACE(c.sweep + ", jobs " + jobs);
            std::vector<std::string> args = c.base;
            args.insert(args.end(), {"--sweep", c.sweep, "--jobs", jobs, "--summary", "-"});
            if (c.autofillEach) args.push_back("--sweep-autofill");
            const BatchRun run = batch(args);
            ASSERT_EQ(run.status, kBatchDone) << run.err;
            std::istringstream rows(run.out);
            std::string line;
            std::getline(rows, line);
            const std::vector<std::string> header = fields(line);
            ASSERT_EQ(header.size(), 12u) << line;
            EXPECT_EQ(header[0], c.sweep.substr(0, c.sweep.find('=')));
            EXPECT_EQ(header[1], "status");
            for (size_t i = 0; i < c.values.size(); ++i) {
                ASSERT_TRUE(std::getline(rows, line)) << i;
                const std::vector<std::string> row = fields(line);
                ASSERT_EQ(row.size(), header.size()) << line;
                EXPECT_EQ(std::strtold(row[0].c_str(), nullptr), c.values[i]) << row[0];
                std::vector<std::string> single = c.base;
                single.insert(single.end(), {"--set", header[0] + "=" + row[0], "--summary", "-"});
                if (c.autofillEach) single.push_back("--autofill");
                const BatchRun alone = batch(single);
                if (!c.ok[i]) {
                    EXPECT_EQ(alone.status, kBatchStageFailed);
                    EXPECT_NE(row[1], "ok");
                    for (size_t f = 2; f < row.size(); ++f)
                        EXPECT_EQ(row[f], "") << header[f];
                    continue;
                }
                ASSERT_EQ(alone.status, kBatchDone) << alone.err;
                EXPECT_EQ(row[1], "ok");
                const auto doc = nlohmann::json::parse(alone.out);
                for (size_t f = 2; f < row.size(); ++f) {
                    std::optional<double> swept;
                    if (!row[f].empty())
                        swept = static_cast<double>(std::strtold(row[f].c_str(), nullptr));
                    EXPECT_EQ(swept, jsonFigure(doc, header[f])) << header[f] << " at " << row[0];
                }
            }
            EXPECT_FALSE(std::getline(rows, line)) << line;
        }
    }
}

TEST(BatchSweep, RefusesASweepThatCannotRun)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--sweep", "l2=1:2", "--summary", "-"}, "expected KEY=FROM:TO:COUNT"},
        {{"--sweep", "l2=1:x:2", "--summary", "-"}, "--sweep l2=1:x:2: 'x' is not"},
        {{"--sweep", "l2=1:2:0", "--summary", "-"}, "число значений должно быть от 1 до 1000"},
        {{"--sweep", "cycles=1:2:3", "--summary", "-"}, "'cycles' нельзя исследовать"},
        {{"--sweep", "loadscale=0:1:2", "--summary", "-"}, "без нагрузки"},
        {{"--sweep", "l2=1:2:3"}, "--sweep needs --summary"},
        {{"--sweep", "l2=1:2:3", "--summary", "-", "--csv", "x.csv"}, "--sweep writes --summary"},
        {{"--jobs", "2", "--summary", "-"}, "need --sweep"},
        {{"--progress", "--summary", "-"}, "need --sweep"},
        {{"--sweep", "l2=1:2:3", "--jobs", "0", "--summary", "-"}, "expected 1 to 1024"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(BatchSweep, ReportsItsProgressWhenAskedOrOnATerminal)
{
    const std::vector<std::string> args = {"--set",      "cycles=2",  "--sweep",
                                           "l2=40:60:4", "--summary", "-"};
    const BatchRun plain = batch(args);
    ASSERT_EQ(plain.status, kBatchDone) << plain.err;
    ASSERT_EQ(plain.err, "");
    const struct {
        bool option;             // --progress
        bool terminal;           // standard error is a terminal
        std::string first, last; // the first report, and the end of what was written
    } cases[] = {
        {true, false, "kinovar-batch: sweep: 1 of 4 values, about ", "4 of 4 values\n"},
        {false, true, "\rkinovar-batch: sweep: 1 of 4 values, about ", "4 of 4 values\x1b[K\n"},
        {true, true, "\rkinovar-batch: sweep: 1 of 4 values, about ", "4 of 4 values\x1b[K\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> with = args;
        if (c.option) with.push_back("--progress");
        std::ostringstream out, err;
        ASSERT_EQ(runBatch(with, out, err, {}, c.terminal), kBatchDone) << err.str();
        EXPECT_EQ(out.str(), plain.out); // the rows are the same
        const std::string text = err.str();
        EXPECT_TRUE(text.starts_with(c.first)) << text;
        EXPECT_TRUE(text.ends_with(c.last)) << text;
        // Each value once, in order: 1, 2, 3, 4 of 4.
        size_t at = 0;
        for (int done = 1; done <= 4; ++done) {
            at = text.find(std::to_string(done) + " of 4 values", at);
            ASSERT_NE(at, std::string::npos) << done << ": " << text;
        }
        const auto lines = std::count(text.begin(), text.end(), '\n');
        EXPECT_EQ(lines, c.terminal ? 1 : 4) << text;
    }
}

TEST(BatchSweep, ProgressIsReportedAtEachWholePercent)
{
    const struct {
        int total;
        int reports;
    } cases[] = {{1000, 101}, {7, 7}, {250, 101}, {1, 1}}; // 0 % after the first value too
    for (const auto& c : cases) {
        std::ostringstream err;
        const SweepProgress report = sweepProgressReport(err, false);
        for (int done = 1; done <= c.total; ++done)
            report(done, c.total);
        const std::string text = err.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.reports) << text;
        EXPECT_TRUE(text.ends_with("sweep: " + std::to_string(c.total) + " of " +
                                   std::to_string(c.total) + " values\n"))
            << text;
    }
}

// A reason holding the field separator is one field: a CSV reader finds the row as wide as the
// header, and the reason as a single run of the same variant tells it on standard error (its two
// lines joined by a blank).
TEST(BatchSweep, AReasonWithACommaStaysOneField)
{
    const auto splitCsv = [](const std::string& line) {
        std::vector<std::string> out(1);
        bool quoted = false;
        for (size_t k = 0; k < line.size(); ++k) {
            const char ch = line[k];
            if (quoted && ch == '"' && k + 1 < line.size() && line[k + 1] == '"') {
                out.back() += '"';
                ++k;
            } else if (ch == '"') {
                quoted = !quoted;
            } else if (ch == ',' && !quoted) {
                out.emplace_back();
            } else {
                out.back() += ch;
            }
        }
        return out;
    };
    const BatchRun single = batch({"--autofill", "--set", "cycles=2", "--set", "fit0=0"});
    ASSERT_EQ(single.status, kBatchStageFailed);
    std::istringstream err(single.err);
    std::string first, second;
    std::getline(err, first);
    std::getline(err, second);
    ASSERT_NE(second.find(','), std::string::npos) << second; // "Шаг 2, угол кривошипа …"

    const BatchRun sweep =
        batch({"--autofill", "--set", "cycles=2", "--sweep", "fit0=0:1:2", "--summary", "-"});
    ASSERT_EQ(sweep.status, kBatchDone) << sweep.err;
    std::istringstream rows(sweep.out);
    std::string header, row;
    std::getline(rows, header);
    std::getline(rows, row);
    const std::vector<std::string> fields = splitCsv(row);
    ASSERT_EQ(fields.size(), splitCsv(header).size()) << row;
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[1], first + " " + second);
}
