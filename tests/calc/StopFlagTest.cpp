// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>

#include "calc/Calculation.h"
#include "calc/ResultStore.h"

using Q = Quantity;

namespace {

ParamSet run(int32_t steps, long double l2)
{
    ParamSet p;
    setDefaults(p);
    p.N = steps;
    p.l2 = l2;
    return p;
}

bool sameRows(const ResultStore& a, const ResultStore& b, int steps)
{
    for (int k = 0; k < ResultStore::kRows; ++k)
        if (std::memcmp(a.row(k) + 1, b.row(k) + 1, size_t(steps) * sizeof(long double)) != 0)
            return false;
    return true;
}

} // namespace

// A stop flag never looked at as set changes no value; a set one stops the run at the first
// look, leaving the later steps and stages unwritten.
TEST(StopFlag, AClearFlagChangesNothingASetOneStopsAtTheFirstLook)
{
    constexpr int kSteps = 3 * ResultStore::kStopCheckSteps + 7;
    const ParamSet p = run(kSteps, 26);
    const auto plain = std::make_unique<ResultStore>();
    const CalcOutcome clean = runCalculation(p, *plain);
    ASSERT_FALSE(clean.kinematicFailed || clean.energyFailed || clean.forceFailed ||
                 clean.equilibriumFailed);
    struct Case {
        bool hasFlag;
        bool set;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << c.hasFlag << c.set);
        const std::atomic<bool> flag{c.set};
        const auto R = std::make_unique<ResultStore>();
        R->setStopFlag(c.hasFlag ? &flag : nullptr);
        runCalculation(p, *R);
        EXPECT_EQ(R->computedWith()->l2, p.l2);
        if (!c.set) {
            EXPECT_TRUE(sameRows(*R, *plain, kSteps));
            continue;
        }
        const int look = ResultStore::kStopCheckSteps;
        EXPECT_EQ((*R)(Q::fi, look - 1), (*plain)(Q::fi, look - 1)); // written before the look
        EXPECT_EQ((*R)(Q::fi, look), 0);                             // not after it
        EXPECT_EQ((*R)(Q::e, 1), 0);                                 // no later stage ran
        EXPECT_EQ((*R)(Q::mo, 1), 0);
    }
}

// Swapping exchanges the values and the recorded runs, the stop flags staying with their stores.
TEST(StopFlag, SwapExchangesValuesAndRunsNotFlags)
{
    const auto a = std::make_unique<ResultStore>();
    const auto b = std::make_unique<ResultStore>();
    runCalculation(run(40, 26), *a);
    runCalculation(run(30, 28), *b);
    const long double aMo = (*a)(Q::mo, 20), bMo = (*b)(Q::mo, 20);
    ASSERT_NE(aMo, bMo);
    const std::atomic<bool> set{true};
    b->setStopFlag(&set);
    a->swapContents(*b);
    EXPECT_EQ((*a)(Q::mo, 20), bMo);
    EXPECT_EQ((*b)(Q::mo, 20), aMo);
    EXPECT_EQ(a->computedWith()->N, 30);
    EXPECT_EQ(b->computedWith()->N, 40);
    EXPECT_FALSE(a->stopRequested(0));
    EXPECT_TRUE(b->stopRequested(0));
}
