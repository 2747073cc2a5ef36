// SPDX-License-Identifier: GPL-3.0-or-later
// Playback state of the animator: the shown step, play or pause, and the rate in steps per
// second; playing loops from the last step back to the first. At a rate above the screen's frame
// rate steps are skipped between pictures, so any step shows a crank turn in the same time.
#pragma once
#include <cstdint>

// The crank step of a run in degrees from the animation file's header: the total angle over the
// N - 1 steps between the first and the last; 0 when there are fewer than two steps or the
// total is not a positive finite number.
double stepDegreesOf(double totalAngle, int32_t N);

class KineticPlayback {
public:
    static constexpr double kDefaultRate = 24; // one default 24-step cycle per second
    static constexpr double kMinRate = 0.375;  // kDefaultRate / 64
    static constexpr double kMaxRate = 6144;   // kDefaultRate * 256
    static constexpr double kMaxTick = 0.25;   // seconds; a longer stall is not caught up
    static constexpr double kTurnSeconds = 4;  // one crank turn at the starting rate

    // The rate that shows one crank turn (360 / stepDegrees steps) in kTurnSeconds; kDefaultRate
    // when the step is not known (0 or less, or not finite).
    static double rateForTurn(double stepDegrees);

    // Plays `frameCount` steps (0-based frames); starts at frame 0, playing, at `rate` (kept
    // positive). faster() and slower() reach kMinRate..kMaxRate, and further when the start rate
    // lies beyond: down to rate / 64 and up to rate * 16.
    explicit KineticPlayback(int frameCount, double rate = kDefaultRate);

    int frameCount() const { return count_; }
    int frame() const { return frame_; }
    bool playing() const { return playing_; }
    double rate() const { return rate_; }
    double minRate() const { return minRate_; }
    double maxRate() const { return maxRate_; }

    void setPlaying(bool playing);
    void togglePlaying() { setPlaying(!playing_); }
    // Double or halve the rate, kept within minRate()..maxRate().
    void faster();
    void slower();
    // One step, wrapping at either end; pauses playback so the step stays in view.
    void stepForward();
    void stepBack();
    // Show `frame`, clamped to the valid range; the playing state is kept.
    void seek(int frame);
    // Time has passed while playing: move on by whole steps at the current rate, carrying the
    // fraction to the next call so the rate stays steady. Returns true if the frame changed.
    bool advance(double seconds);

private:
    int count_;
    int frame_ = 0;
    bool playing_ = true;
    double rate_ = kDefaultRate;
    double minRate_ = kMinRate;
    double maxRate_ = kMaxRate;
    double carry_ = 0;
};
