// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "formats/OrderedChunks.h"

// No test here waits on the clock: where the order of events matters, the work itself holds a
// thread back until what it waits for has happened.

TEST(OrderedChunks, CompletionsComeInOrderOnTheCallingThreadWhateverFinishesFirst)
{
    for (unsigned threads : {1u, 2u, 4u, 0u}) {
        constexpr size_t kChunks = 40;
        std::vector<std::atomic<int>> runs(kChunks);
        std::atomic<size_t> started{0};
        std::vector<size_t> completed;
        std::set<std::thread::id> workers;
        std::mutex m;
        const auto caller = std::this_thread::get_id();
        runOrderedChunks(
            kChunks, threads,
            [&](size_t c) {
                // A chunk on another thread is done only once every chunk has started, so the
                // calling thread finishes later chunks before the early ones other threads hold.
                // The calling thread never waits here: it starts whatever is left.
                if (++started == kChunks) started.notify_all();
                if (std::this_thread::get_id() != caller)
                    for (size_t s = started.load(); s < kChunks; s = started.load())
                        started.wait(s);
                ++runs[c];
                const std::lock_guard lock(m);
                workers.insert(std::this_thread::get_id());
            },
            [&](size_t c) {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                EXPECT_EQ(runs[c].load(), 1); // done before it is reported
                completed.push_back(c);
            });
        ASSERT_EQ(completed.size(), kChunks) << threads;
        for (size_t c = 0; c < kChunks; ++c) {
            EXPECT_EQ(completed[c], c) << threads;
            EXPECT_EQ(runs[c].load(), 1) << threads;
        }
        const size_t most = threads == 0 ? availableThreads() : threads;
        EXPECT_LE(workers.size(), most) << threads;
        if (threads == 1) {
            EXPECT_EQ(workers, std::set{caller});
        }
    }
    runOrderedChunks(
        0, 4, [](size_t) { FAIL(); }, [](size_t) { FAIL(); });
}

// What a failure guarantees whatever the scheduling: it reaches the caller, and no chunk from the
// failed one on is reported. That the chunks after it are not started is certain on one thread
// only: with more, the others may have started them all before the failing chunk even ran.
TEST(OrderedChunks, AFailureStopsTheRestAndReachesTheCaller)
{
    for (unsigned threads : {1u, 3u}) {
        SCOPED_TRACE(threads);
        constexpr size_t kChunks = 1000, kFailing = 5;
        std::vector<std::atomic<int>> runs(kChunks);
        std::vector<size_t> completed;
        std::string caught;
        try {
            runOrderedChunks(
                kChunks, threads,
                [&](size_t c) {
                    ++runs[c];
                    if (c == kFailing) throw std::runtime_error("work");
                },
                [&](size_t c) { completed.push_back(c); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
        EXPECT_EQ(caught, "work");
        EXPECT_EQ(runs[kFailing].load(), 1);
        for (size_t c = 0; c < kChunks; ++c)
            EXPECT_LE(runs[c].load(), 1) << c;
        // Reported in order from the first, and nothing from the failed chunk on.
        for (size_t i = 0; i < completed.size(); ++i)
            EXPECT_EQ(completed[i], i);
        EXPECT_LE(completed.size(), kFailing);
        if (threads == 1) {
            EXPECT_EQ(completed, (std::vector<size_t>{0, 1, 2, 3, 4}));
            for (size_t c = 0; c < kChunks; ++c)
                EXPECT_EQ(runs[c].load(), c <= kFailing ? 1 : 0) << c;
        }

        std::vector<size_t> reported;
        EXPECT_THROW(runOrderedChunks(
                         kChunks, threads, [](size_t) {},
                         [&](size_t c) {
                             reported.push_back(c);
                             if (c == 2) throw std::logic_error("progress");
                         }),
                     std::logic_error);
        EXPECT_EQ(reported, (std::vector<size_t>{0, 1, 2}));
    }
}

// Two chunks fail on two threads, one after the other: the caller hears of the first.
TEST(OrderedChunks, TheFirstFailureInTimeReachesTheCaller)
{
    std::atomic<int> started{0};
    std::atomic<bool> firstThrown{false};
    try {
        runOrderedChunks(
            2, 2,
            [&](size_t) {
                if (started++ == 0) {
                    // The chunk begun first fails last: it waits for the other to fail, and
                    // for that failure to be recorded (nothing else runs meanwhile).
                    while (!firstThrown.load())
                        std::this_thread::yield();
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    throw std::runtime_error("later");
                }
                firstThrown = true;
                throw std::runtime_error("first");
            },
            [](size_t) {});
        ADD_FAILURE() << "no failure reached the caller";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "first");
    }
}

// On one thread each chunk's progress comes before the next chunk's work.
TEST(OrderedChunks, OneThreadAlternatesWorkAndProgress)
{
    std::vector<std::string> events;
    runOrderedChunks(
        3, 1, [&](size_t c) { events.push_back("w" + std::to_string(c)); },
        [&](size_t c) { events.push_back("c" + std::to_string(c)); });
    EXPECT_EQ(events, (std::vector<std::string>{"w0", "c0", "w1", "c1", "w2", "c2"}));
}
