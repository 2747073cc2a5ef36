// SPDX-License-Identifier: GPL-3.0-or-later
// The synthesis from requirements, checked by running the designed mechanism through the
// kinematic stage: the slider's extreme positions (where its speed ybt changes sign), the crank
// angles between them and the rod's angle to the guide, measured on the run, never taken from
// the construction's formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "CalcFixtures.h"
#include "params/Synthesis.h"

namespace {

struct Measured {
    long double stroke = 0;
    long double timeRatio = 0;
    long double pressureAngle = 0; // degrees
};

// ybt and yb at the crank angle delta (radians) past fi0 = 0: a run of two steps whose second
// step is delta, so that the stage itself places the mechanism there.
struct SliderAt {
    long double speed, position;
};
SliderAt sliderAt(const ParamSet& placed, long double delta, ResultStore& R)
{
    ParamSet q = placed;
    q.step = delta;
    q.N = 2;
    writeKinematicSeed(q, R);
    EXPECT_TRUE(kinematicStage(q, R));
    return {R(Quantity::ybt, 2), R(Quantity::yb, 2)};
}

Measured measure(const SynthesisDesign& design)
{
    ParamSet p = calctest::defaults();
    applyDesign(p, design);
    p.fi0 = 0, p.fit0 = 1, p.fitt0 = 0, p.fidtt = 0, p.mode = 0;
    EXPECT_TRUE(autofillPoints(p));
    const auto R = std::make_unique<ResultStore>();
    p.step = rad(0.5L);
    p.N = 721; // a whole turn, 180° among its steps
    writeKinematicSeed(p, *R);
    EXPECT_TRUE(kinematicStage(p, *R));

    Measured m;
    using Q = Quantity;
    for (int i = 1; i <= p.N; ++i) {
        const long double dx = (*R)(Q::xb, i) - (*R)(Q::xa, i);
        const long double dy = (*R)(Q::yb, i) - (*R)(Q::ya, i);
        m.pressureAngle = std::max(m.pressureAngle, deg(std::atan2(std::fabs(dx), std::fabs(dy))));
    }
    // The dead centres: ybt changes sign between two steps; halve the bracket with runs of the
    // stage until it closes.
    struct Dead {
        long double angle, position;
    };
    std::vector<Dead> dead;
    std::vector<long double> speeds;
    for (int i = 1; i <= p.N; ++i)
        speeds.push_back((*R)(Q::ybt, i));
    for (int i = 1; i < p.N; ++i) {
        if ((speeds[i - 1] > 0) == (speeds[i] > 0)) continue;
        long double lo = (i - 1) * p.step, hi = i * p.step;
        const bool rising = speeds[i - 1] <= 0;
        for (int k = 0; k < 200; ++k) {
            const long double mid = (lo + hi) / 2;
            if (mid <= lo || mid >= hi) break;
            ((sliderAt(p, mid, *R).speed <= 0) == rising ? lo : hi) = mid;
        }
        dead.push_back({lo, sliderAt(p, lo, *R).position});
    }
    EXPECT_EQ(dead.size(), 2u);
    if (dead.size() != 2) return m;
    m.stroke = std::fabs(dead[0].position - dead[1].position);
    const long double one = std::fabs(dead[1].angle - dead[0].angle), other = 2 * kPi - one;
    m.timeRatio = std::max(one, other) / std::min(one, other);
    return m;
}

struct Feasible {
    const char* name;
    SynthesisRequest request;
};

// clang-format off
const Feasible kFeasible[] = {
    {"centric_by_ratio",    {0.2L,  1.0L,  SynthesisRequest::By::RodRatio,      0.25L, 0}},
    {"mild_by_ratio",       {0.3L,  1.2L,  SynthesisRequest::By::RodRatio,      0.3L,  0}},
    {"medium_by_ratio",     {0.15L, 1.5L,  SynthesisRequest::By::RodRatio,      0.5L,  0}},
    {"quick_by_ratio",      {1.0L,  2.0L,  SynthesisRequest::By::RodRatio,      0.6L,  0}},
    {"near_limit_by_ratio", {0.05L, 2.8L,  SynthesisRequest::By::RodRatio,      0.95L, 0}},
    {"centric_by_angle",    {0.2L,  1.0L,  SynthesisRequest::By::PressureAngle, 0,     15}},
    {"slight_by_angle",     {0.25L, 1.05L, SynthesisRequest::By::PressureAngle, 0,     30}},
    {"mild_by_angle",       {0.3L,  1.2L,  SynthesisRequest::By::PressureAngle, 0,     45}},
    {"medium_by_angle",     {0.5L,  1.6L,  SynthesisRequest::By::PressureAngle, 0,     70}},
    {"quick_by_angle",      {0.1L,  2.2L,  SynthesisRequest::By::PressureAngle, 0,     85}},
};
// clang-format on

class SynthesisMeetsRequirements : public testing::TestWithParam<Feasible> {};

TEST_P(SynthesisMeetsRequirements, OnAKinematicRun)
{
    const SynthesisRequest& r = GetParam().request;
    const SynthesisOutcome o = synthesise(r, '.');
    ASSERT_TRUE(o.design) << o.fault;
    EXPECT_GE(o.design->b, 0);
    const Measured m = measure(*o.design);
    EXPECT_NEAR(m.stroke, r.stroke, 1e-9L * r.stroke);
    EXPECT_NEAR(m.timeRatio, r.timeRatio, 1e-9L);
    if (r.by == SynthesisRequest::By::RodRatio) {
        EXPECT_NEAR(o.design->l1 / o.design->l2, r.rodRatio, 1e-15L);
        EXPECT_NEAR(m.pressureAngle, o.design->pressureAngle, 1e-9L);
    } else {
        EXPECT_LE(m.pressureAngle, r.pressureAngle + 1e-9L);
        // The most compact design within the limit reaches it.
        EXPECT_GE(m.pressureAngle, r.pressureAngle - 1e-9L);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SynthesisMeetsRequirements, testing::ValuesIn(kFeasible),
                         [](const auto& info) { return std::string(info.param.name); });

// A refused requirement: the key said to change, and the nearest value, which the test finds
// tight: a hair beyond it on the feasible side gives a design, a hair on this side does not.
struct Infeasible {
    const char* name;
    SynthesisRequest request;
    const char* key;
    bool hasNearest;
    long double feasibleSide; // +1: feasible above the nearest value, -1: below
};

// clang-format off
const Infeasible kInfeasible[] = {
    {"zero_stroke",      {0,     1.5L, SynthesisRequest::By::RodRatio,      0.5L, 0},  "H",        false, 0},
    {"negative_stroke",  {-1,    1.5L, SynthesisRequest::By::RodRatio,      0.5L, 0},  "H",        false, 0},
    {"nan_stroke",       {NAN,   1.5L, SynthesisRequest::By::RodRatio,      0.5L, 0},  "H",        false, 0},
    {"ratio_below_one",  {0.2L,  0.9L, SynthesisRequest::By::RodRatio,      0.5L, 0},  "K",        true,  +1},
    {"ratio_three",      {0.2L,  3.0L, SynthesisRequest::By::RodRatio,      1 - 1e-10L, 0}, "K",   true,  -1},
    {"ratio_five",       {0.2L,  5.0L, SynthesisRequest::By::RodRatio,      1 - 1e-10L, 0}, "K",       true,  -1},
    {"crank_too_short",  {0.2L,  2.0L, SynthesisRequest::By::RodRatio,      0.2L, 0},  "lambda",   true,  +1},
    {"crank_too_long",   {0.2L,  1.5L, SynthesisRequest::By::RodRatio,      1.2L, 0},  "lambda",   true,  -1},
    {"angle_too_small",  {0.2L,  2.0L, SynthesisRequest::By::PressureAngle, 0,    60}, "pressure", true,  +1},
    {"angle_mild_small", {0.3L,  1.2L, SynthesisRequest::By::PressureAngle, 0,    40}, "pressure", true,  +1},
    {"angle_right",      {0.2L,  1.0L, SynthesisRequest::By::PressureAngle, 0,    90}, "pressure", false, 0},
    {"angle_zero",       {0.2L,  1.0L, SynthesisRequest::By::PressureAngle, 0,    0},  "pressure", false, 0},
};
// clang-format on

SynthesisRequest with(SynthesisRequest r, const std::string& key, long double value)
{
    if (key == "K") r.timeRatio = value;
    if (key == "lambda") r.rodRatio = value;
    if (key == "pressure") r.pressureAngle = value;
    return r;
}

class SynthesisRefuses : public testing::TestWithParam<Infeasible> {};

TEST_P(SynthesisRefuses, SayingWhyAndTheNearestValue)
{
    const Infeasible& c = GetParam();
    const SynthesisOutcome o = synthesise(c.request, ',');
    EXPECT_FALSE(o.design);
    EXPECT_FALSE(o.fault.empty());
    EXPECT_EQ(o.nearestKey, c.key);
    ASSERT_EQ(o.nearest.has_value(), c.hasNearest);
    if (!c.hasNearest) return;
    const long double hair = 1e-9L * std::max(1.0L, std::fabs(*o.nearest));
    const SynthesisOutcome beyond =
        synthesise(with(c.request, c.key, *o.nearest + c.feasibleSide * hair), '.');
    EXPECT_TRUE(beyond.design) << beyond.fault;
    const SynthesisOutcome within =
        synthesise(with(c.request, c.key, *o.nearest - c.feasibleSide * hair), '.');
    EXPECT_FALSE(within.design);
    // A number in the message takes the separator asked for.
    if (std::floor(*o.nearest) != *o.nearest) {
        EXPECT_NE(o.fault.find(','), std::string::npos) << o.fault;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SynthesisRefuses, testing::ValuesIn(kInfeasible),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// The design as the window shows it: six significant digits, the window's separator.
TEST(SynthesisDesignText, SixDigitsWithTheSeparator)
{
    const struct {
        SynthesisDesign design;
        char decimal;
        const char* text;
    } cases[] = {
        {{0.7L, 1.75L, 0, 0, 0.4L, 23.578178478201L},
         '.',
         "L1 = 0.7 м, L2 = 1.75 м, B = 0 м; θ = 0°, λ = 0.4, наибольший угол давления 23.5782°"},
        {{0.0532710123L, 0.21308405L, 0.0312345678L, 16.363636363L, 0.25L, 40},
         ',',
         "L1 = 0,053271 м, L2 = 0,213084 м, B = 0,0312346 м; θ = 16,3636°, λ = 0,25, "
         "наибольший угол давления 40°"},
        {{123.4565L, 987654.4L, 1e-9L, 30, 0.99999949L, 89.99999L},
         '.',
         "L1 = 123.457 м, L2 = 987654 м, B = 1E-9 м; θ = 30°, λ = 0.999999, наибольший угол "
         "давления 90°"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(designText(c.design, c.decimal), c.text);
}

} // namespace
