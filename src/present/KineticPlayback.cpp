// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/KineticPlayback.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRateCeiling = 1e6; // steps per second

} // namespace

double stepDegreesOf(double totalAngle, int32_t N)
{
    if (N < 2 || !std::isfinite(totalAngle) || !(totalAngle > 0)) return 0;
    return totalAngle / (N - 1);
}

double KineticPlayback::rateForTurn(double stepDegrees)
{
    if (!std::isfinite(stepDegrees) || !(stepDegrees > 0)) return kDefaultRate;
    return 360.0 / stepDegrees / kTurnSeconds;
}

KineticPlayback::KineticPlayback(int frameCount, double rate)
    : count_(std::max(frameCount, 0)),
      // At most kRateCeiling, so that one long tick stays far inside an int.
      rate_(std::min(std::isfinite(rate) && rate > 0 ? rate : kDefaultRate, kRateCeiling)),
      minRate_(std::min(kMinRate, rate_ / 64)),
      maxRate_(std::max(kMaxRate, std::min(rate_ * 16, kRateCeiling)))
{
}

void KineticPlayback::setPlaying(bool playing)
{
    playing_ = playing;
    carry_ = 0;
}

void KineticPlayback::faster()
{
    rate_ = std::min(rate_ * 2, maxRate_);
}

void KineticPlayback::slower()
{
    rate_ = std::max(rate_ / 2, minRate_);
}

void KineticPlayback::stepForward()
{
    setPlaying(false);
    if (count_ > 0) frame_ = (frame_ + 1) % count_;
}

void KineticPlayback::stepBack()
{
    setPlaying(false);
    if (count_ > 0) frame_ = (frame_ + count_ - 1) % count_;
}

void KineticPlayback::seek(int frame)
{
    frame_ = count_ > 0 ? std::clamp(frame, 0, count_ - 1) : 0;
    carry_ = 0;
}

bool KineticPlayback::advance(double seconds)
{
    if (!playing_ || count_ <= 1 || !(seconds > 0)) return false;
    carry_ += rate_ * std::min(seconds, kMaxTick);
    const double whole = std::floor(carry_);
    if (whole < 1) return false;
    carry_ -= whole;
    // whole <= kRateCeiling * kMaxTick, so it fits an int.
    const int steps = static_cast<int>(whole) % count_;
    const int before = frame_;
    frame_ = (frame_ + steps) % count_;
    return frame_ != before;
}
