// Playback state of the animator: the shown step, play or pause, and the rate in steps per
// second; playing loops from the last step back to the first.
#pragma once

class KineticPlayback {
public:
    static constexpr double kDefaultRate = 24; // one default 24-step cycle per second
    static constexpr double kMinRate = 0.375;  // kDefaultRate / 64
    static constexpr double kMaxRate = 6144;   // kDefaultRate * 256
    static constexpr double kMaxTick = 0.25;   // seconds; a longer stall is not caught up

    // Plays `frameCount` steps (0-based frames); starts at frame 0, playing.
    explicit KineticPlayback(int frameCount);

    int frameCount() const { return count_; }
    int frame() const { return frame_; }
    bool playing() const { return playing_; }
    double rate() const { return rate_; }

    void setPlaying(bool playing);
    void togglePlaying() { setPlaying(!playing_); }
    // Double or halve the rate, kept within kMinRate..kMaxRate.
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
    double carry_ = 0;
};
