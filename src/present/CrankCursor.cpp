// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/CrankCursor.h"

#include <algorithm>
#include <cmath>
#include <vector>

void CrankCursor::setSteps(int steps)
{
    steps_ = std::max(1, steps);
    if (step_ > steps_) {
        step_ = steps_;
        notify();
    }
}

bool CrankCursor::moveTo(int step)
{
    const int next = std::clamp(step, 1, steps_);
    if (next == step_) return false;
    step_ = next;
    notify();
    return true;
}

int CrankCursor::subscribe(Listener listener)
{
    listeners_.emplace(nextId_, std::move(listener));
    return nextId_++;
}

void CrankCursor::unsubscribe(int id)
{
    listeners_.erase(id);
}

void CrankCursor::notify()
{
    // A listener may unsubscribe (a view closing) while being told: tell a copy.
    std::vector<Listener> now;
    now.reserve(listeners_.size());
    for (const auto& [id, l] : listeners_)
        now.push_back(l);
    for (const Listener& l : now)
        l(step_);
}

int nearestStep(const ParamSet& p, int steps, long double degrees)
{
    const long double perStep = p.step * kDegPerRad;
    const long double k = (degrees - static_cast<long double>(p.fi0)) / perStep;
    if (!std::isfinite(k)) return 1;
    const long double cut = std::clamp<long double>(std::round(k) + 1, 1, std::max(1, steps));
    return static_cast<int>(cut);
}
