// SPDX-License-Identifier: GPL-3.0-or-later
// The optimisation on problems solved by hand, its refusals, its threads and its cancel.
#include <gtest/gtest.h>

#include <cmath>

#include "CalcFixtures.h"
#include "calc/Optimise.h"

namespace {

// A small mechanism with fi0 = 0, so that the figures' period run at 1° passes through the
// crank angles 0° and 180°, where the pressure angles below peak.
ParamSet base(double l1, double l2, double b)
{
    ParamSet p = calctest::defaults();
    p.l1 = l1, p.l2 = l2, p.b = b, p.fi0 = 0, p.fidtt = 0;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

struct Solved {
    const char* name;
    ParamSet base;
    OptimisePlan plan;
    std::vector<long double> point; // the optimum, derived by hand
    long double figure;
};

// Problem 1, the smallest largest pressure angle of a centric mechanism (b = 0) of stroke
// 0.3 m, l1 in [0.05, 0.5], l2 in [0.4, 1]. The rod's angle to the guide x = 0 has
// sin α = |b − l1 cos φ| / l2 = l1 |cos φ| / l2, largest at φ = 0° and 180°: α_max =
// arcsin(l1 / l2), which grows with l1 and falls with l2. The dead centres lie on the guide at
// y = l1 + l2 and l2 − l1, so the stroke is 2·l1 and the constraint fixes l1 = 0.15; l2 then
// takes its upper bound 1. Optimum: l1 = 0.15, l2 = 1, α = arcsin(0.15) = 8.62693...°.
//
// Problem 2, the longest stroke of l1 = 0.1, l2 = 0.4 by the offset b in [0, 0.25] with the
// pressure angle at most 40°. The stroke √((l1+l2)² − b²) − √((l2−l1)² − b²) has the
// derivative b/√((l2−l1)² − b²) − b/√((l1+l2)² − b²) > 0 for b > 0: it grows with b. The angle
// has sin α = (b − l1 cos φ)/l2, largest at φ = 180°: sin α_max = (l1 + b)/l2, also growing
// with b. So the constraint is active: b = l2·sin 40° − l1 = 0.157115..., well inside the range
// (b < l2 − l1 = 0.3 keeps the crank turning fully), and the stroke is the formula above at it.
//
// Problem 3, the least shaking force by the counterweight's mass m_cw in [0, 10] at r_cw = 0.1 m,
// turned 120° from the crank pin, with the rod and the slider massless and the crank (m1 = 3 kg,
// its centre placed by the autofill halfway along l1 = 0.2 m) turning at a steady ω. Only the
// crank's centre and the counterweight accelerate, both centripetally, so the frame feels
// ω²·|u| at every step, u = 3·0.1·e(0°) + 0.1·m_cw·e(120°) in the crank's frame, and
// |u|² = 0.09 + x² − 0.3·x with x = 0.1·m_cw. The least |u| is at x = 0.15, m_cw = 1.5 kg,
// where |u| = 0.3·sin 60°: the figure ω²·0.15·√3 N. (Opposite the pin the counterweight would
// cancel the crank's unbalance to nothing, a figure no relative tolerance can be asked of.)
ParamSet lopsidedCrank()
{
    ParamSet p = base(0.2, 0.7, 0);
    p.m1 = 3, p.m2 = 0, p.m3 = 0, p.i1 = 0, p.i2 = 0;
    p.m_cw = 1, p.r_cw = 0.1L, p.fi_cw = 120;
    return p;
}

std::vector<Solved> solved()
{
    const long double b2 = 0.4L * std::sin(40 * kPi / 180) - 0.1L;
    const long double stroke2 = std::sqrt(0.25L - b2 * b2) - std::sqrt(0.09L - b2 * b2);
    OptimisePlan first;
    first.figure = "pressure";
    first.variables = {{"l1", 0.05L, 0.5L}, {"l2", 0.4L, 1.0L}};
    first.constraints = {{"stroke", OptimiseConstraint::Kind::Equal, 0.3L, 1e-10L}};
    OptimisePlan third;
    third.figure = "shaking";
    third.variables = {{"m_cw", 0, 10}};
    const ParamSet crank = lopsidedCrank();
    const long double omega = crank.fit0;
    OptimisePlan second;
    second.figure = "stroke";
    second.variables = {{"b", 0, 0.25L}};
    second.constraints = {{"pressure", OptimiseConstraint::Kind::AtMost, 40, 0}};
    return {
        {"least_pressure_angle",
         base(0.2, 0.6, 0),
         first,
         {0.15L, 1.0L},
         180 / kPi * std::asin(0.15L)},
        {"longest_stroke", base(0.1, 0.4, 0.05), second, {b2}, stroke2},
        {"least_shaking_force", crank, third, {1.5L}, omega * omega * 0.15L * std::sqrt(3.0L)},
    };
}

TEST(Optimise, FindsOptimaSolvedByHand)
{
    for (const Solved& c : solved()) {
        for (const int jobs : {1, 2}) {
            SCOPED_TRACE(std::string(c.name) + ", jobs " + std::to_string(jobs));
            OptimisePlan plan = c.plan;
            plan.jobs = jobs;
            ASSERT_EQ(optimisePlanFault(c.base, plan), "");
            const std::atomic<bool> cancel{false};
            const std::optional<OptimiseResult> r = optimise(c.base, plan, cancel);
            ASSERT_TRUE(r);
            ASSERT_TRUE(r->best) << r->fault;
            EXPECT_LE(r->evaluations, 500);
            EXPECT_EQ(r->history.size(), static_cast<size_t>(r->evaluations));
            EXPECT_NEAR(r->figure, c.figure, 1e-6L * std::fabs(c.figure));
            ASSERT_EQ(r->point.size(), c.point.size());
            for (size_t i = 0; i < c.point.size(); ++i)
                EXPECT_NEAR(r->point[i], c.point[i], 1e-6L * std::fabs(c.point[i])) << i;
            // The design carries the point, its points placed for it.
            EXPECT_NEAR(r->best->ac5, r->best->b, 1e-12L);
        }
    }
}

TEST(Optimise, InfeasibleConstraintsGiveAMessageNotADesign)
{
    Solved c = solved().front();
    const struct {
        const char* name;
        OptimiseConstraint constraint;
    } cases[] = {
        // Stroke 2·l1 ≤ 1 m on these bounds.
        {"stroke_beyond_reach", {"stroke", OptimiseConstraint::Kind::Equal, 2.0L, 1e-6L}},
        // arcsin(l1/l2) ≥ arcsin(0.05) = 2.87° on these bounds.
        {"angle_below_reach", {"pressure", OptimiseConstraint::Kind::AtMost, 2.0L, 0}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        OptimisePlan plan = c.plan;
        plan.constraints = {k.constraint};
        plan.maxEvaluations = 150;
        const std::atomic<bool> cancel{false};
        const std::optional<OptimiseResult> r = optimise(c.base, plan, cancel);
        ASSERT_TRUE(r);
        EXPECT_FALSE(r->best);
        EXPECT_NE(r->fault.find("Ограничения не выполняются"), std::string::npos) << r->fault;
        EXPECT_NE(r->fault.find("ближе всех вариант l1 = "), std::string::npos) << r->fault;
    }
}

// Restarts on their own threads with their own seeds: the same plan gives the same history.
TEST(Optimise, SameSeedSameHistoryOnTwoThreads)
{
    Solved c = solved().front();
    c.plan.jobs = 2;
    c.plan.maxEvaluations = 120;
    const std::atomic<bool> cancel{false};
    const auto one = optimise(c.base, c.plan, cancel), two = optimise(c.base, c.plan, cancel);
    ASSERT_TRUE(one && two);
    ASSERT_EQ(one->history.size(), two->history.size());
    for (size_t i = 0; i < one->history.size(); ++i) {
        EXPECT_EQ(one->history[i].phase, two->history[i].phase) << i;
        EXPECT_EQ(one->history[i].point, two->history[i].point) << i;
    }
    EXPECT_EQ(one->history.front().phase, "global1");
    EXPECT_EQ(one->history.back().phase, "local");
}

TEST(Optimise, CancelStopsWithoutAResult)
{
    Solved c = solved().front();
    c.plan.jobs = 2;
    std::atomic<bool> cancel{false};
    int seen = 0;
    const auto r = optimise(c.base, c.plan, cancel, [&](int done, int total, auto, const auto&) {
        seen = done;
        EXPECT_EQ(total, c.plan.maxEvaluations);
        if (done == 30) cancel = true;
    });
    EXPECT_FALSE(r);
    EXPECT_LE(seen, 32); // the runs in hand on the two threads finish
}

TEST(Optimise, PlanFaults)
{
    const ParamSet p = base(0.2, 0.6, 0);
    const auto plan = [](auto change) {
        OptimisePlan x;
        x.figure = "fa";
        x.variables = {{"l1", 0.1L, 0.3L}};
        change(x);
        return x;
    };
    const struct {
        const char* name;
        OptimisePlan plan;
        const char* says;
    } cases[] = {
        {"valid", plan([](OptimisePlan&) {}), ""},
        {"unknown_figure", plan([](OptimisePlan& x) { x.figure = "zz"; }),
         "неизвестный показатель 'zz'"},
        {"no_variable", plan([](OptimisePlan& x) { x.variables.clear(); }), "ни одного"},
        {"run_setting", plan([](OptimisePlan& x) { x.variables[0].key = "step"; }),
         "'step' нельзя"},
        {"twice", plan([](OptimisePlan& x) { x.variables.push_back(x.variables[0]); }),
         "задан дважды"},
        {"bounds_crossed", plan([](OptimisePlan& x) { x.variables[0].low = 0.4L; }),
         "нижняя граница"},
        {"negative_mass", plan([](OptimisePlan& x) {
             x.variables = {{"m1", -1, 2}};
         }),
         "m1: границу -1"},
        {"infinite_bound", plan([](OptimisePlan& x) { x.variables[0].high = INFINITY; }),
         "границу"},
        {"constraint_figure", plan([](OptimisePlan& x) { x.constraints = {{"zz"}}; }),
         "в ограничении"},
        {"no_tolerance", plan([](OptimisePlan& x) {
             x.constraints = {{"stroke", OptimiseConstraint::Kind::Equal, 0.3L, 0}};
         }),
         "допуск"},
        {"small_budget", plan([](OptimisePlan& x) { x.maxEvaluations = 9; }), "не меньше 10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string fault = optimisePlanFault(p, c.plan);
        if (*c.says == '\0')
            EXPECT_EQ(fault, "");
        else
            EXPECT_NE(fault.find(c.says), std::string::npos) << fault;
    }
}

} // namespace

namespace {

// The largest pressure angle a search reads: the rod's angle to the guide x = b has
// sin α = |b − l1 cos φ| / l2, largest at φ = 180° for b ≥ 0, which the period run at 1° from
// fi0 = 0 passes: α = arcsin((l1 + b)/l2).
TEST(Optimise, PressureFigureIsTheRodsLargestAngleToTheGuide)
{
    const struct {
        double l1, l2, b;
    } cases[] = {{0.1, 0.4, 0}, {0.1, 0.4, 0.15}, {0.05, 0.3, 0.2}, {0.2, 0.9, 0.01}};
    const size_t pressure =
        static_cast<size_t>(findOptimiseFigure("pressure") - optimiseFigures().data());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.b);
        OptimisePlan plan;
        plan.figure = "pressure";
        plan.variables = {{"b", 0, 1}};
        const SweepPoint p = evaluateDesign(base(c.l1, c.l2, 0), plan, {c.b});
        ASSERT_TRUE(p.ok) << p.reason;
        ASSERT_TRUE(p.figures.at(pressure));
        const long double l1 = c.l1, l2 = c.l2, b = c.b;
        EXPECT_NEAR(*p.figures[pressure], 180 / kPi * std::asin((l1 + b) / l2), 1e-12L);
    }
    EXPECT_EQ(findOptimiseFigure("zz"), nullptr);
    EXPECT_EQ(optimiseFigures().size(), keyFigures().size() + 3);
}

} // namespace
