#include "present/KineticPlayback.h"

#include <algorithm>
#include <cmath>

KineticPlayback::KineticPlayback(int frameCount) : count_(std::max(frameCount, 0)) {}

void KineticPlayback::setPlaying(bool playing)
{
    playing_ = playing;
    carry_ = 0;
}

void KineticPlayback::faster()
{
    rate_ = std::min(rate_ * 2, kMaxRate);
}

void KineticPlayback::slower()
{
    rate_ = std::max(rate_ / 2, kMinRate);
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
    // whole <= kMaxRate * kMaxTick, so it fits an int.
    const int steps = static_cast<int>(whole) % count_;
    const int before = frame_;
    frame_ = (frame_ + steps) % count_;
    return frame_ != before;
}
