// SPDX-License-Identifier: GPL-3.0-or-later
// A window's long computation (a sweep, a map, a search) on a thread of its own, one at a time.
// Its progress and its end reach the window on the toolkit's thread; once a newer run has
// started, an older one's reports are dropped; "Отмена" asks the computation to stop at its next
// look at the stop flag; and the window's end stops it and waits for it.
#pragma once
#include <atomic>
#include <functional>
#include <thread>

class QObject;

class BackgroundRun {
public:
    // Reports go to `owner`'s thread. The owner declares its BackgroundRun after every member the
    // computation uses, so that it is destroyed, and the computation waited for, first.
    explicit BackgroundRun(QObject* owner) : owner_(owner) {}
    // Asks the computation to stop and waits for it.
    ~BackgroundRun();
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // On the owner's thread: waits for the previous run's thread (its end has been handled or
    // will be dropped), clears the stop flag and starts `work(run)` on a thread of its own, `run`
    // being the new run's number.
    void start(std::function<void(int run)> work);
    // From the computation: runs `step` on the owner's thread later, unless a newer run has
    // started by then.
    void post(int run, std::function<void()> step);
    // Asks the running computation to stop at its next look at stopFlag().
    void requestStop() { stop_ = true; }
    const std::atomic<bool>& stopFlag() const { return stop_; }
    // On the owner's thread, in the end the computation posted as its last act: waits for its
    // thread to finish.
    void ended();

private:
    QObject* owner_;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    int latest_ = 0; // read and written on the owner's thread only
};
