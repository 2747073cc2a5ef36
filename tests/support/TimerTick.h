// SPDX-License-Identifier: GPL-3.0-or-later
// Letting a timer expire without waiting for it: a test sees what a tick does at once, however
// busy the machine is.
#pragma once
#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

// Delivers one expiry of `timer` now, the event the event loop delivers once its interval has
// passed: timeout() follows, and a single-shot timer stops. A timer that is not running does not
// expire.
inline void tick(QTimer* timer)
{
    if (!timer->isActive()) return;
    QTimerEvent expiry(timer->timerId());
    QCoreApplication::sendEvent(timer, &expiry);
}
