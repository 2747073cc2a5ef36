// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/BackgroundRun.h"

#include <QMetaObject>
#include <QObject>

BackgroundRun::~BackgroundRun()
{
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void BackgroundRun::start(std::function<void(int run)> work)
{
    if (worker_.joinable()) worker_.join();
    stop_ = false;
    const int run = ++latest_;
    worker_ = std::thread([work = std::move(work), run] { work(run); });
}

void BackgroundRun::post(int run, std::function<void()> step)
{
    // Queued to the owner: the owner's end takes the undelivered reports with it.
    QMetaObject::invokeMethod(
        owner_,
        [this, run, step = std::move(step)] {
            if (run == latest_) step();
        },
        Qt::QueuedConnection);
}

void BackgroundRun::ended()
{
    if (worker_.joinable()) worker_.join();
}
