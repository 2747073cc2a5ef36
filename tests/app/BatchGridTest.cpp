// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch with --sweep repeated and --shard: each row of a grid against a single sweep of
// the last key from the others set, the shards merged by index against the whole sweep, byte
// for byte, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "support/BatchRun.h"

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line + "\n");
    return out;
}

// What `cat shards | sort -g -u` gives: one header (the lines that start with no number are
// equal, and -u keeps the first), then the rows by their leading index.
std::string mergeByIndex(const std::vector<std::string>& shards)
{
    std::string header;
    std::map<long long, std::string> rows;
    for (const std::string& shard : shards)
        for (const std::string& line : lines(shard)) {
            if (line.empty() || line[0] < '0' || line[0] > '9') {
                if (header.empty()) header = line;
                continue;
            }
            EXPECT_TRUE(rows.emplace(std::stoll(line), line).second) << line;
        }
    std::string merged = header;
    for (const auto& [index, line] : rows)
        merged += line;
    return merged;
}

const std::vector<std::string> kBase = {"--set", "cycles=2", "--sweep-autofill"};

} // namespace

// Row i*c2 + j of `--sweep k1 --sweep k2` is "i*c2 + j," then value i of k1, then row j of the
// single sweep of k2 from k1 set to that value.
TEST(BatchGrid, RowsAreTheSingleSweepsOfTheLastKey)
{
    const struct {
        std::string first, second;
        std::vector<std::string> firstValues; // as --set takes them
        int secondCount;
    } cases[] = {
        {"l2=18:40:3", "b=-4:4:3", {"18", "29", "40"}, 3},
        {"m2=0:20:2", "l1=5:30:4", {"0", "20"}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first + " by " + c.second);
        std::vector<std::string> args = kBase;
        args.insert(args.end(), {"--sweep", c.first, "--sweep", c.second, "--summary", "-"});
        const BatchRun grid = batch(args);
        ASSERT_EQ(grid.status, kBatchDone) << grid.err;
        const std::vector<std::string> rows = lines(grid.out);
        const std::string k1 = c.first.substr(0, c.first.find('='));
        const std::string k2 = c.second.substr(0, c.second.find('='));
        ASSERT_EQ(rows.size(), 1 + c.firstValues.size() * c.secondCount);
        for (size_t i = 0; i < c.firstValues.size(); ++i) {
            std::vector<std::string> single = kBase;
            single.insert(single.end(), {"--set", k1 + "=" + c.firstValues[i], "--sweep", c.second,
                                         "--summary", "-"});
            const BatchRun alone = batch(single);
            ASSERT_EQ(alone.status, kBatchDone) << alone.err;
            const std::vector<std::string> want = lines(alone.out);
            ASSERT_EQ(want.size(), static_cast<size_t>(c.secondCount + 1));
            EXPECT_EQ(rows[0], "index," + k1 + "," + want[0]);
            for (int j = 0; j < c.secondCount; ++j) {
                const std::string index = std::to_string(i * c.secondCount + j);
                EXPECT_EQ(rows[1 + i * c.secondCount + j],
                          index + "," + c.firstValues[i] + "," + want[1 + j]);
            }
        }
    }
}

// The shards concatenated in any order and merged by index are the whole sweep's output with its
// index; a single sweep's whole output with its index is --shard 0/1, and without --shard it
// stays as it was, with no index.
TEST(BatchGrid, MergedShardsEqualTheWholeSweep)
{
    const struct {
        std::vector<std::string> sweeps;
        int shards;
    } cases[] = {
        {{"--sweep", "l2=18:40:3", "--sweep", "m2=0:20:3"}, 4},
        {{"--sweep", "l2=18:40:5"}, 3},
        {{"--sweep", "l2=18:40:2", "--sweep", "m3=1:2:1"}, 5}, // more shards than rows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sweeps.back() + ", " + std::to_string(c.shards) + " shards");
        std::vector<std::string> args = kBase;
        args.insert(args.end(), c.sweeps.begin(), c.sweeps.end());
        args.insert(args.end(), {"--summary", "-"});
        std::vector<std::string> whole = args;
        if (c.sweeps.size() > 2) { // more than one --sweep
            whole.insert(whole.end(), {"--jobs", "2"});
        } else {
            const BatchRun plain = batch(args);
            ASSERT_EQ(plain.status, kBatchDone) << plain.err;
            EXPECT_TRUE(plain.out.starts_with("l2,status,")) << plain.out;
            whole.insert(whole.end(), {"--shard", "0/1"});
        }
        const BatchRun all = batch(whole);
        ASSERT_EQ(all.status, kBatchDone) << all.err;
        EXPECT_TRUE(all.out.starts_with("index,l2,")) << all.out;
        std::vector<std::string> parts;
        for (int k = c.shards - 1; k >= 0; --k) {
            std::vector<std::string> shard = args;
            shard.insert(shard.end(),
                         {"--shard", std::to_string(k) + "/" + std::to_string(c.shards)});
            const BatchRun part = batch(shard);
            ASSERT_EQ(part.status, kBatchDone) << part.err;
            for (const std::string& line : lines(part.out))
                if (line[0] != 'i') {
                    EXPECT_EQ(std::stoll(line) % c.shards, k) << line;
                }
            parts.push_back(part.out);
        }
        EXPECT_EQ(mergeByIndex(parts), all.out);
    }
}

TEST(BatchGrid, RefusesAGridOrAShardThatCannotRun)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--shard", "0/2", "--summary", "-"}, "--shard need --sweep"},
        {{"--sweep", "l2=1:2:3", "--shard", "2/2", "--summary", "-"}, "--shard 2/2: expected K/N"},
        {{"--sweep", "l2=1:2:3", "--shard", "-1/2", "--summary", "-"}, "expected K/N"},
        {{"--sweep", "l2=1:2:3", "--shard", "1", "--summary", "-"}, "expected K/N"},
        {{"--sweep", "l2=1:2:3", "--shard", "x/2", "--summary", "-"}, "expected K/N"},
        {{"--sweep", "l2=1:2:3", "--shard", "0/1000001", "--summary", "-"}, "N <= 1000000"},
        {{"--sweep", "l2=1:2:3", "--sweep", "l2=3:4:2", "--summary", "-"},
         "--sweep: 'l2' исследуется дважды"},
        {{"--sweep", "l2=1:2:1000", "--sweep", "m2=1:2:1000", "--sweep", "m3=1:2:2", "--summary",
          "-"},
         "--sweep: строк больше 1000000"},
        {{"--sweep", "l2=1:2:3", "--sweep", "cycles=1:2:2", "--summary", "-"},
         "'cycles' нельзя исследовать"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}
