// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep: its values, its variants against single runs on fresh stores, failed variants with
// their reasons, and a cancel that leaves no result.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "CalcFixtures.h"
#include "calc/KeyFigures.h"
#include "calc/Summary.h"
#include "calc/Sweep.h"

namespace {

// Bit-for-bit equality of two extended values (the 80 bits that carry the value).
bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// The key figures of one variant calculated alone on a store of its own.
std::vector<std::optional<long double>> freshFigures(const ParamSet& p)
{
    const auto store = std::make_unique<ResultStore>();
    const CalcOutcome outcome = runCalculation(p, *store);
    EXPECT_FALSE(outcome.kinematicFailed || outcome.energyFailed || outcome.forceFailed ||
                 outcome.equilibriumFailed);
    const RunSummary summary = summarizeRun(*store, p, p.N, summaryOptions(p, p.delta));
    std::vector<std::optional<long double>> figures;
    for (const KeyFigure& figure : keyFigures())
        figures.push_back(figure.read(summary));
    return figures;
}

ParamSet placed()
{
    ParamSet p = calctest::defaults();
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

// A placed mechanism with a load by crank angle.
ParamSet loaded()
{
    ParamSet p = placed();
    p.load.kind = LoadKind::ByAngle;
    p.load.points = {{0, 100, 0}, {90, -250, 0}, {270, 40, 0}};
    return p;
}

// The last variant of a sweep of bc5 from this base puts B on A, where no stage writes the joint
// forces: a reused store must not show the previous variant's forces there.
SweepPlan bOntoA(ParamSet& base)
{
    base.ac5 = base.ac4;
    return {"bc5", base.bc5, base.bc4, 2};
}

} // namespace

TEST(Sweep, ValuesAreEvenlySpacedWithBothEndsAndChecked)
{
    const struct {
        long double from, to;
        int count;
        std::vector<long double> values;
    } cases[] = {
        {0, 10, 5, {0, 2.5L, 5, 7.5L, 10}}, {3, -3, 3, {3, 0, -3}}, {7, 99, 1, {7}}, {1, 2, 0, {}},
        {0.1L, 0.7L, 2, {0.1L, 0.7L}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sweepValues(SweepPlan{"l2", c.from, c.to, c.count}), c.values) << c.count;

    const struct {
        SweepPlan plan;
        bool loadSet;
        std::string fault; // "" for a sweep that can run
    } plans[] = {
        {{"l2", 1, 2, 1000}, false, ""},
        {{"delta", 0.01L, 0.2L, 3}, false, ""},
        {{kLoadScaleKey, 0, 2, 3}, true, ""},
        {{kLoadScaleKey, 0, 2, 3}, false, "масштаб нагрузки без нагрузки: задайте нагрузку"},
        {{"l2", 1, 2, 1001}, false, "число значений должно быть от 1 до 1000"},
        {{"l2", 1, 2, 0}, false, "число значений должно быть от 1 до 1000"},
        {{"m1", 5, -1, 3}, false, "M1: масса не может быть отрицательной"},
        {{"cycles", 1, 2, 2},
         false,
         "'cycles' нельзя исследовать: нужен ключ вещественного параметра или loadscale"},
    };
    for (const auto& c : plans) {
        ParamSet base = loaded();
        if (!c.loadSet) base.load = LoadTable{};
        EXPECT_EQ(sweepPlanFault(base, c.plan), c.fault) << c.plan.key << " " << c.plan.count;
    }
}

// Every variant of a sweep, on one thread or two, equals the same parameters calculated alone on
// a fresh store, bit for bit; failed variants keep their place and say why. A rod of length l2
// on the guide x = 15 stops reaching it where 15 - l1 cos(fi) > l2, past fi = acos((15 - l2)
// / l1): for l1 = 10, l2 = 20 past 120°; for l2 = 25, past 135.58° (l1 = 14), 112.62° (26) and
// 105.26° (38), the steps lying 15° apart from 0.1°; at l1 = 50 it misses the guide at fi0.
TEST(Sweep, VariantsEqualSingleRunsOnFreshStores)
{
    ParamSet bBase = placed();
    const SweepPlan bPlan = bOntoA(bBase);
    const struct {
        const char* name;
        ParamSet base;
        SweepPlan plan;
        std::vector<std::string> reasons; // per variant; "" for one that runs
    } cases[] = {
        {"l2 with the autofill",
         calctest::defaults(),
         {"l2", 20, 40, 5, true},
         {"не собирается при φ = 120.1°", "", "", "", ""}},
        {"m2", placed(), {"m2", 0, 30, 4}, {"", "", "", ""}},
        {"load scale", loaded(), {kLoadScaleKey, -1, 3, 3}, {"", "", ""}},
        {"B onto A", bBase, bPlan, {"", ""}},
        {"l1 past the rod",
         calctest::defaults(),
         {"l1", 2, 50, 5, true},
         {"", "не собирается при φ = 150.1°", "не собирается при φ = 120.1°",
          "не собирается при φ = 120.1°", kAutofillUnreachable}},
    };
    for (const auto& c : cases) {
        const std::vector<long double> values = sweepValues(c.plan);
        for (int jobs : {1, 2}) {
            SCOPED_TRACE(std::string(c.name) + ", jobs " + std::to_string(jobs));
            const std::atomic<bool> cancel{false};
            const auto points = runSweep(c.base, c.plan, jobs, cancel);
            ASSERT_TRUE(points.has_value());
            ASSERT_EQ(points->size(), c.reasons.size());
            for (size_t i = 0; i < points->size(); ++i) {
                const SweepPoint& point = (*points)[i];
                EXPECT_EQ(point.reason, c.reasons[i]) << i;
                EXPECT_EQ(point.ok, c.reasons[i].empty()) << i;
                EXPECT_TRUE(sameBits(point.value, values[i])) << i;
                if (!point.ok) {
                    EXPECT_TRUE(point.figures.empty()) << i;
                    continue;
                }
                const auto variant = sweepVariant(c.base, c.plan, values[i], nullptr);
                ASSERT_TRUE(variant.has_value());
                const auto fresh = freshFigures(*variant);
                ASSERT_EQ(point.figures.size(), fresh.size());
                for (size_t f = 0; f < fresh.size(); ++f) {
                    ASSERT_EQ(point.figures[f].has_value(), fresh[f].has_value()) << i << f;
                    if (fresh[f]) {
                        EXPECT_TRUE(sameBits(*point.figures[f], *fresh[f]))
                            << i << " " << keyFigures()[f].key << " " << double(*point.figures[f])
                            << " vs " << double(*fresh[f]);
                    }
                }
            }
        }
    }
}

// A cancel stops the workers after the variants in hand and returns nothing; without one every
// variant is reported once, in rising counts.
TEST(Sweep, CancelLeavesNoResult)
{
    const struct {
        int jobs;
        int cancelAt; // the progress count that cancels; 0 for none
    } cases[] = {{1, 3}, {2, 3}, {2, 0}};
    const ParamSet base = placed();
    const SweepPlan plan{"l2", 25, 60, 40, true};
    for (const auto& c : cases) {
        std::atomic<bool> cancel{false};
        std::vector<int> counts;
        const auto points = runSweep(base, plan, c.jobs, cancel, [&](int done, int total) {
            EXPECT_EQ(total, 40);
            counts.push_back(done);
            if (done == c.cancelAt) cancel = true;
        });
        for (size_t i = 0; i < counts.size(); ++i)
            EXPECT_EQ(counts[i], static_cast<int>(i) + 1);
        if (c.cancelAt == 0) {
            ASSERT_TRUE(points.has_value());
            EXPECT_EQ(points->size(), 40u);
            EXPECT_EQ(counts.size(), 40u);
        } else {
            EXPECT_FALSE(points.has_value()) << c.jobs;
            // The variant each other worker had in hand may still finish.
            EXPECT_LE(counts.size(), static_cast<size_t>(c.cancelAt + c.jobs - 1)) << c.jobs;
        }
    }
}
