// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep over several parameters: the order of its rows against nested loops, its refusals,
// its shards, each row against a single sweep of the last key from a base holding the others,
// and the rows' streaming: in order, a bounded number held, a cancel or a failure mid-way.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>

#include "CalcFixtures.h"
#include "calc/SweepGrid.h"
#include "params/ParamTable.h"

namespace {

SweepGrid gridOf(std::vector<int> counts)
{
    SweepGrid grid;
    const char* keys[] = {"l2", "m2", "m3", "i2"};
    for (size_t k = 0; k < counts.size(); ++k)
        grid.axes.push_back({keys[k % 4], k == 0 ? 20.0L : 1.0L, k == 0 ? 40.0L : 2.0L, counts[k]});
    return grid;
}

ParamSet placed(int cycles = 2)
{
    ParamSet p = calctest::defaults();
    EXPECT_TRUE(autofillPoints(p));
    p.cycles = cycles;
    p.N = 24 * cycles + 1;
    return p;
}

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

} // namespace

// Row i is the i-th pass of nested loops over the axes, the first axis the outermost.
TEST(SweepGrid, RowsFollowNestedLoopsTheLastAxisFastest)
{
    const std::vector<std::vector<int>> cases = {{5}, {3, 4}, {2, 1, 3}, {1, 1}, {4, 2, 3, 2}};
    for (const auto& counts : cases) {
        const SweepGrid grid = gridOf(counts);
        std::vector<std::vector<int>> expected;
        std::vector<int> cell(counts.size(), 0);
        const std::function<void(size_t)> loop = [&](size_t depth) {
            if (depth == counts.size()) return expected.push_back(cell);
            for (cell[depth] = 0; cell[depth] < counts[depth]; ++cell[depth])
                loop(depth + 1);
        };
        loop(0);
        ASSERT_EQ(sweepGridRows(grid), static_cast<long long>(expected.size()));
        for (size_t row = 0; row < expected.size(); ++row)
            EXPECT_EQ(sweepGridCell(grid, static_cast<long long>(row)), expected[row]) << row;
    }
}

TEST(SweepGrid, RefusesWhatItCannotSweep)
{
    const ParamSet base = placed();
    const struct {
        SweepGrid grid;
        const char* fault; // a part of the message; "" for none
    } cases[] = {
        {SweepGrid{}, "не задан ни один параметр"},
        {gridOf({1000, 1000}), ""},
        {gridOf({1000, 1000, 2}), "строк больше 1000000"},
        {gridOf({1000, 1001}), "число значений должно быть от 1 до 1000"},
        {gridOf({3, 0}), "число значений должно быть от 1 до 1000"},
        {SweepGrid{{{"l2", 20, 30, 2}, {"m2", 1, 2, 2}, {"l2", 1, 2, 2}}},
         "'l2' исследуется дважды"},
        {SweepGrid{{{"m2", 1, 2, 2}, {"cycles", 1, 2, 2}}}, "'cycles' нельзя исследовать"},
    };
    for (const auto& c : cases) {
        const std::string fault = sweepGridFault(base, c.grid);
        if (*c.fault == '\0')
            EXPECT_EQ(fault, "");
        else
            EXPECT_NE(fault.find(c.fault), std::string::npos) << fault;
    }
}

TEST(SweepGrid, ShardsSplitTheRowsByTheirIndex)
{
    const struct {
        long long rows, part, parts, expected;
    } cases[] = {
        {10, 0, 3, 4}, {10, 1, 3, 3}, {10, 2, 3, 3}, {10, 0, 1, 10},
        {2, 3, 4, 0},  {0, 0, 1, 0},  {7, 6, 7, 1},  {1000000, 5, 1000000, 1},
    };
    for (const auto& c : cases) {
        long long counted = 0;
        for (long long i = 0; i < c.rows; ++i)
            counted += i % c.parts == c.part;
        EXPECT_EQ(counted, c.expected) << c.rows << " " << c.part << "/" << c.parts;
        EXPECT_EQ(sweepShardRows(c.rows, {c.part, c.parts}), c.expected)
            << c.rows << " " << c.part << "/" << c.parts;
    }
}

// Row (i, j) of a sweep of k1 and k2 is point j of the single sweep of k2 from a base holding
// value i of k1, bit for bit, whatever the threads and the shard; the rows of a shard come in
// rising order, each index once.
TEST(SweepGrid, EachRowIsTheSingleSweepOfTheLastKeyFromTheOthers)
{
    const struct {
        const char* name;
        SweepPlan first, second;
        bool autofill;
        SweepShard shard;
        int jobs;
    } cases[] = {
        {"l2 by m2", {"l2", 18, 40, 3}, {"m2", 0, 30, 4}, true, {}, 2},
        {"l1 by l2, shard 1/3", {"l1", 4, 30, 3}, {"l2", 20, 40, 3}, true, {1, 3}, 2},
        {"m3 by delta, one thread", {"m3", 0.5, 2, 2}, {"delta", 0.02, 0.2, 3}, false, {0, 2}, 1},
    };
    const ParamSet base = placed();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SweepGrid grid{{c.first, c.second}, c.autofill, '.'};
        std::vector<SweepRow> rows;
        const std::atomic<bool> never{false};
        ASSERT_TRUE(runSweepGrid(base, grid, c.shard, c.jobs, never,
                                 [&](const SweepRow& row) { rows.push_back(row); }));
        ASSERT_EQ(static_cast<long long>(rows.size()),
                  sweepShardRows(sweepGridRows(grid), c.shard));
        const std::vector<long double> firsts = sweepValues(c.first);
        for (size_t r = 0; r < rows.size(); ++r) {
            const SweepRow& row = rows[r];
            ASSERT_EQ(row.index, c.shard.part + static_cast<long long>(r) * c.shard.parts);
            const auto i = static_cast<size_t>(row.index / c.second.count);
            const auto j = static_cast<size_t>(row.index % c.second.count);
            ParamSet from = base;
            ASSERT_TRUE(storeParam(from, *findParam(c.first.key), firsts[i]));
            SweepPlan alone = c.second;
            alone.autofill = c.autofill;
            const auto single = runSweep(from, alone, 1, never);
            ASSERT_TRUE(single.has_value());
            const SweepPoint& want = (*single)[j];
            ASSERT_EQ(row.values.size(), 2u);
            EXPECT_TRUE(sameBits(row.values[1], want.value)) << row.index;
            EXPECT_EQ(row.point.ok, want.ok) << row.index;
            EXPECT_EQ(row.point.reason, want.reason) << row.index;
            ASSERT_EQ(row.point.figures.size(), want.figures.size()) << row.index;
            for (size_t f = 0; f < want.figures.size(); ++f) {
                ASSERT_EQ(row.point.figures[f].has_value(), want.figures[f].has_value());
                if (want.figures[f]) {
                    EXPECT_TRUE(sameBits(*row.point.figures[f], *want.figures[f]));
                }
            }
        }
    }
}

// The rows reach the sink in order while the others run: no more than the window of each thread
// is ever done and not yet delivered, however many rows the sweep has.
TEST(SweepGrid, HoldsOnlyAWindowOfRows)
{
    const ParamSet base = placed(1);
    const struct {
        int jobs;
        std::vector<int> counts;
    } cases[] = {{1, {30, 3}}, {2, {40, 4}}, {3, {100}}};
    for (const auto& c : cases) {
        const SweepGrid grid = gridOf(c.counts);
        int done = 0;
        long long delivered = 0, mostHeld = 0;
        const std::atomic<bool> never{false};
        runSweepGrid(
            base, grid, {}, c.jobs, never,
            [&](const SweepRow& row) {
                EXPECT_EQ(row.index, delivered);
                mostHeld = std::max(mostHeld, done - delivered);
                ++delivered;
            },
            [&](int d, int) { done = d; });
        EXPECT_EQ(delivered, sweepGridRows(grid));
        EXPECT_LE(mostHeld, static_cast<long long>(kSweepWindowPerJob) * c.jobs) << c.jobs;
        EXPECT_GE(mostHeld, 1) << c.jobs;
    }
}

// A cancel stops the sweep with the rows delivered so far a prefix; a sink that throws stops
// every worker and its exception comes out, whatever the threads.
TEST(SweepGrid, StopsOnACancelOrAFailureOfTheSink)
{
    const ParamSet base = placed(1);
    const SweepGrid grid = gridOf({20, 5});
    const struct {
        int jobs;
        long long stopAt; // the index whose delivery cancels or throws
        bool throws;
    } cases[] = {{1, 3, false}, {2, 10, false}, {1, 0, true}, {2, 7, true}, {3, 60, true}};
    for (const auto& c : cases) {
        std::atomic<bool> cancel{false};
        long long delivered = 0;
        const auto sink = [&](const SweepRow& row) {
            EXPECT_EQ(row.index, delivered);
            ++delivered;
            if (row.index != c.stopAt) return;
            if (c.throws) throw std::runtime_error("disk full");
            cancel = true;
        };
        if (c.throws) {
            EXPECT_THROW(runSweepGrid(base, grid, {}, c.jobs, cancel, sink), std::runtime_error);
            EXPECT_EQ(delivered, c.stopAt + 1) << c.jobs;
        } else {
            EXPECT_FALSE(runSweepGrid(base, grid, {}, c.jobs, cancel, sink));
            EXPECT_LT(delivered, sweepGridRows(grid)) << c.jobs;
            EXPECT_LE(delivered, c.stopAt + kSweepWindowPerJob * c.jobs) << c.jobs;
        }
    }
}
