// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/OrderedChunks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

unsigned availableThreads()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

void runOrderedChunks(size_t chunks, unsigned threads, const std::function<void(size_t)>& work,
                      const std::function<void(size_t)>& completed)
{
    if (chunks == 0) return;
    if (threads == 0) threads = availableThreads();
    const size_t helpers = std::min<size_t>(threads - 1, chunks - 1);

    std::atomic<size_t> next{0};
    const auto done = std::make_unique<std::atomic<bool>[]>(chunks);
    std::atomic<bool> failed{false};
    std::mutex failMutex;
    std::exception_ptr failure;
    auto fail = [&] {
        const std::lock_guard lock(failMutex);
        if (!failure) failure = std::current_exception();
        failed.store(true);
    };

    size_t reported = 0; // touched by the calling thread only
    auto reportDone = [&] {
        while (reported < chunks && done[reported].load(std::memory_order_acquire)) {
            if (!failed.load()) {
                try {
                    completed(reported);
                } catch (...) {
                    fail();
                }
            }
            ++reported;
        }
    };
    // After a failure the remaining chunks are still taken, and marked done with nothing done,
    // so that every wait below ends.
    auto runChunks = [&](bool caller) {
        for (size_t c = next.fetch_add(1); c < chunks; c = next.fetch_add(1)) {
            if (!failed.load()) {
                try {
                    work(c);
                } catch (...) {
                    fail();
                }
            }
            done[c].store(true, std::memory_order_release);
            done[c].notify_one();
            if (caller) reportDone();
        }
    };
    {
        std::vector<std::jthread> pool;
        pool.reserve(helpers);
        try {
            for (size_t t = 0; t < helpers; ++t)
                pool.emplace_back([&] { runChunks(false); });
        } catch (const std::system_error&) {
            // No more threads to be had: those started and the calling thread do the work.
        }
        runChunks(true);
        while (reported < chunks) {
            done[reported].wait(false, std::memory_order_acquire);
            reportDone();
        }
    } // the pool joins here
    if (failure) std::rethrow_exception(failure);
}
