// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --synthesise: the design lands in l1, l2 and b in order with --set, the points
// follow it, and requirements no mechanism meets are refused with their reason.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "formats/ProjectFile.h"
#include "params/Synthesis.h"
#include "support/BatchRun.h"

namespace {

using By = SynthesisRequest::By;

struct Designed {
    const char* name;
    std::vector<std::string> args;
    SynthesisRequest request;     // what the option must have asked for
    std::optional<double> bAfter; // b set by a later --set, else the design's
};

// clang-format off
const Designed kDesigned[] = {
    {"by_ratio",        {"--synthesise", "H=0.2,K=1.4,lambda=0.4"},        {0.2L, 1.4L, By::RodRatio, 0.4L, 0}, {}},
    {"by_angle_blanks", {"--synthesise", "K = 1.4 , H = 0.2, pressure=65"}, {0.2L, 1.4L, By::PressureAngle, 0, 65}, {}},
    {"ratio_kept",      {"--synthesise", "H=0.2,K=1"},                     {0.2L, 1.0L, By::RodRatio, 10.0L / 25, 0}, {}},
    {"ratio_of_set",    {"--set", "l1=1", "--set", "l2=4", "--synthesise", "H=0.3,K=1.2"},
                                                                           {0.3L, 1.2L, By::RodRatio, 1.0L / 4, 0}, {}},
    {"set_before",      {"--set", "l1=1", "--synthesise=H=0.2,K=1.4,lambda=0.4"},
                                                                           {0.2L, 1.4L, By::RodRatio, 0.4L, 0}, {}},
    {"set_after",       {"--synthesise", "H=0.2,K=1.4,lambda=0.4", "--set", "b=0.01"},
                                                                           {0.2L, 1.4L, By::RodRatio, 0.4L, 0}, 0.01},
};
// clang-format on

class BatchSynthesis : public testing::TestWithParam<Designed> {};

TEST_P(BatchSynthesis, SetsTheDesignInOrder)
{
    const Designed& c = GetParam();
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--save-project", "-"});
    const BatchRun run = batch(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(run.pointsWarned) << "the points follow the design";
    EXPECT_NE(run.err.find("synthesised: l1="), std::string::npos) << run.err;
    const SynthesisOutcome o = synthesise(c.request, '.');
    ASSERT_TRUE(o.design);
    const ParamSet p = parseProject(run.out).params;
    EXPECT_EQ(p.l1, static_cast<double>(o.design->l1));
    EXPECT_EQ(p.l2, static_cast<double>(o.design->l2));
    EXPECT_EQ(p.b, c.bAfter.value_or(static_cast<double>(o.design->b)));
    EXPECT_NEAR(p.ac5, p.b, 1e-12L) << "B placed on the guide";
}

INSTANTIATE_TEST_SUITE_P(Table, BatchSynthesis, testing::ValuesIn(kDesigned),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    const char* option;
    const char* says;
};

// clang-format off
const Refused kRefused[] = {
    {"angle_unreachable", "H=0.2,K=2,pressure=60",            "не бывает меньше 78.7889° ни при каком ходе H: допустимый угол нужно увеличить хотя бы до 78.789°"},
    {"ratio_too_large",   "H=0.2,K=3.5,lambda=0.4",           "K должно быть меньше 3"},
    {"crank_too_short",   "H=0.2,K=2,lambda=0.3",             "больше tg²(θ/2) = 0.333333333333333"},
    {"no_ratio",          "H=0.2",                            "H and K are required"},
    {"both_choices",      "H=0.2,K=1.4,lambda=0.4,pressure=60", "not both"},
    {"not_a_number",      "H=0.2,K=x",                        "not a valid floating point value"},
    {"unknown_key",       "H=0.2,K=1.4,mu=1",                 "unknown requirement 'mu'"},
    {"twice",             "H=0.2,K=1.4,K=1.5",                "K given twice"},
    {"no_assignment",     "H=0.2,K",                          "expected H=...,K=..."},
};
// clang-format on

class BatchSynthesisRefused : public testing::TestWithParam<Refused> {};

TEST_P(BatchSynthesisRefused, WithTheReasonAndNoOutput)
{
    const Refused& c = GetParam();
    const BatchRun run = batch({"--synthesise", c.option, "--save-project", "-"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find(std::string("--synthesise ") + c.option + ": "), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Table, BatchSynthesisRefused, testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
