// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --sweep: each row against a separate run of the same parameters with --summary,
// on one thread and on two, and the refusals of a sweep that cannot run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

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
        {{"--sweep", "l2=1:2:3", "--jobs", "0", "--summary", "-"}, "expected 1 to 1024"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}
