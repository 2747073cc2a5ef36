#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "formats/OrderedChunks.h"

TEST(OrderedChunks, CompletionsComeInOrderOnTheCallingThreadWhateverFinishesFirst)
{
    for (unsigned threads : {1u, 2u, 4u, 0u}) {
        constexpr size_t kChunks = 40;
        std::vector<std::atomic<int>> runs(kChunks);
        std::vector<size_t> completed;
        std::set<std::thread::id> workers;
        std::mutex m;
        const auto caller = std::this_thread::get_id();
        runOrderedChunks(
            kChunks, threads,
            [&](size_t c) {
                // Early chunks take longest, so later ones are done first on other threads.
                if (c < 3) std::this_thread::sleep_for(std::chrono::milliseconds(20));
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

TEST(OrderedChunks, AFailureStopsTheRestAndReachesTheCaller)
{
    for (unsigned threads : {1u, 3u}) {
        std::atomic<int> started{0};
        std::vector<size_t> completed;
        EXPECT_THROW(runOrderedChunks(
                         1000, threads,
                         [&](size_t c) {
                             ++started;
                             if (c == 5) throw std::runtime_error("work");
                         },
                         [&](size_t c) { completed.push_back(c); }),
                     std::runtime_error);
        EXPECT_LT(started.load(), 1000) << threads;
        for (size_t c : completed)
            EXPECT_LT(c, 5u) << threads; // nothing reported past the failed chunk

        std::vector<size_t> reported;
        EXPECT_THROW(runOrderedChunks(
                         1000, threads, [](size_t) {},
                         [&](size_t c) {
                             reported.push_back(c);
                             if (c == 2) throw std::logic_error("progress");
                         }),
                     std::logic_error);
        EXPECT_EQ(reported, (std::vector<size_t>{0, 1, 2})) << threads;
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
