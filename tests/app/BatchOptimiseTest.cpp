// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --optimise: its options' texts, the best design as a project, the history, and
// the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "app/BatchOptimise.h"
#include "app/BatchParams.h"
#include "formats/ProjectFile.h"
#include "params/ParamSet.h"
#include "support/BatchRun.h"

namespace {

using Kind = OptimiseConstraint::Kind;

TEST(BatchOptimise, ConstraintTexts)
{
    const struct {
        const char* text;
        bool ok;
        OptimiseConstraint expected;
    } cases[] = {
        {"pressure<=40", true, {"pressure", Kind::AtMost, 40, 1e-9L * 40}},
        {" fa >= 2.5", true, {"fa", Kind::AtLeast, 2.5L, 1e-9L * 2.5L}},
        {"stroke=0.3", true, {"stroke", Kind::Equal, 0.3L, 1e-9L}},
        {"stroke=0.3:1e-4", true, {"stroke", Kind::Equal, 0.3L, 1e-4L}},
        {"stroke", false, {}},
        {"stroke<=x", false, {}},
        {"stroke=0.3:y", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            const OptimiseConstraint got = parseConstraintOption(c.text);
            EXPECT_TRUE(c.ok);
            EXPECT_EQ(got.figure, c.expected.figure);
            EXPECT_EQ(got.kind, c.expected.kind);
            EXPECT_EQ(got.value, c.expected.value);
            EXPECT_EQ(got.tolerance, c.expected.tolerance);
        } catch (const BatchBadInput& e) {
            EXPECT_FALSE(c.ok) << e.message;
            EXPECT_EQ(e.message.rfind(std::string("--constraint ") + c.text, 0), 0u) << e.message;
        }
    }
}

TEST(BatchOptimise, VaryAndBudgetTexts)
{
    const struct {
        const char* text;
        bool ok;
        OptimiseVariable expected;
    } cases[] = {
        {"b=0:0.25", true, {"b", 0, 0.25L}},
        {" l2 = 0.4 : 1 ", true, {"l2", 0.4L, 1}},
        {"b=0", false, {}},
        {"b=0:1:2", false, {}},
        {"b0:1", false, {}},
        {"b=a:1", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            const OptimiseVariable got = parseVaryOption(c.text);
            EXPECT_TRUE(c.ok);
            EXPECT_EQ(got.key, c.expected.key);
            EXPECT_EQ(got.low, c.expected.low);
            EXPECT_EQ(got.high, c.expected.high);
        } catch (const BatchBadInput& e) {
            EXPECT_FALSE(c.ok) << e.message;
        }
    }
    EXPECT_EQ(parseMaxEvalsOption("10"), 10);
    for (const char* bad : {"9", "1000001", "ten"})
        EXPECT_THROW(parseMaxEvalsOption(bad), BatchBadInput) << bad;
}

// The longest stroke of l1 = 0.1, l2 = 0.4 with the pressure angle at most 40°: b = l2·sin 40° −
// l1 (the derivation is in tests/calc/OptimiseTest.cpp), written as a project with its points
// placed, and every run in the history.
TEST(BatchOptimise, WritesTheBestDesignAndTheHistory)
{
    const std::vector<std::string> base = {
        "--set",  "l1=0.1",   "--set",        "l2=0.4",       "--set",      "b=0.05",
        "--set",  "fi0=0",    "--set",        "fidtt=0",      "--optimise", "stroke",
        "--vary", "b=0:0.25", "--constraint", "pressure<=40", "--jobs",     "2"};
    std::vector<std::string> args = base;
    args.insert(args.end(), {"--save-project", "-"});
    const BatchRun run = batch(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("kinovar-batch: optimised: stroke = "), std::string::npos) << run.err;
    const ParamSet p = parseProject(run.out).params;
    const long double b = 0.4L * std::sin(40 * kPi / 180) - 0.1L;
    EXPECT_NEAR(p.b, b, 1e-6L * b);
    EXPECT_NEAR(p.ac5, p.b, 1e-12L);
    EXPECT_EQ(p.l1, 0.1);

    args = base;
    args.insert(args.end(), {"--max-evals", "60", "--history", "-"});
    const BatchRun history = batch(args);
    ASSERT_EQ(history.status, 0) << history.err;
    std::istringstream lines(history.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "evaluation,phase,b,stroke,violation");
    int rows = 0;
    std::string last;
    while (std::getline(lines, line))
        ++rows, last = line;
    EXPECT_GE(rows, 50);
    EXPECT_LE(rows, 60);
    EXPECT_EQ(last.rfind(std::to_string(rows) + ",local,", 0), 0u) << last;
}

TEST(BatchOptimise, Refusals)
{
    const std::vector<std::string> base = {"--set", "l1=0.1", "--set", "l2=0.4", "--set", "fi0=0"};
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"--optimise", "stroke", "--vary", "b=0:0.25", "--constraint", "pressure<=10",
          "--max-evals", "60", "--save-project", "-"},
         3,
         "Ограничения не выполняются"},
        {{"--optimise", "zz", "--vary", "b=0:0.25"}, 2, "неизвестный показатель 'zz'"},
        {{"--optimise", "stroke"}, 2, "не задано ни одного"},
        {{"--vary", "b=0:0.25"}, 2, "need --optimise"},
        {{"--history", "-"}, 2, "need --optimise"},
        {{"--optimise", "stroke", "--vary", "b=0:0.25", "--csv", "-"}, 2, "alone"},
        {{"--optimise", "stroke", "--vary", "b=0:0.25", "--max-evals", "5"}, 2, "10 to 1000000"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = base;
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.says);
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

} // namespace
