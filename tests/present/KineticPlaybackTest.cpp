#include <gtest/gtest.h>

#include <vector>

#include "present/KineticPlayback.h"

TEST(KineticPlayback, PlaysAtASteadyRateAndLoops)
{
    KineticPlayback play(5);
    ASSERT_TRUE(play.playing());
    ASSERT_EQ(play.rate(), KineticPlayback::kDefaultRate);
    play.slower();
    play.slower();
    play.slower(); // 3 steps per second
    int changes = 0;
    std::vector<int> seen;
    for (int tick = 0; tick < 64; ++tick) { // 64 ticks of 1/32 s: two seconds, six steps
        if (play.advance(1.0 / 32)) {
            ++changes;
            seen.push_back(play.frame());
        }
    }
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 0, 1}));
}

TEST(KineticPlayback, LongStallIsNotCaughtUpAndFastRatesWrap)
{
    KineticPlayback play(7);
    play.advance(10); // capped at kMaxTick: 24 * 0.25 = 6 steps
    EXPECT_EQ(play.frame(), 6);
    for (int i = 0; i < 20; ++i)
        play.faster();
    EXPECT_EQ(play.rate(), KineticPlayback::kMaxRate);
    play.seek(0);
    play.advance(0.25); // 1536 steps: 1536 mod 7 = 3
    EXPECT_EQ(play.frame(), 3);
    for (int i = 0; i < 30; ++i)
        play.slower();
    EXPECT_EQ(play.rate(), KineticPlayback::kMinRate);
}

TEST(KineticPlayback, StepsWrapAndPauseSeekClamps)
{
    KineticPlayback play(4);
    play.stepBack();
    EXPECT_EQ(play.frame(), 3);
    EXPECT_FALSE(play.playing());
    EXPECT_FALSE(play.advance(1)); // paused: time does not move it
    play.stepForward();
    EXPECT_EQ(play.frame(), 0);
    play.seek(99);
    EXPECT_EQ(play.frame(), 3);
    play.seek(-5);
    EXPECT_EQ(play.frame(), 0);
    play.togglePlaying();
    EXPECT_TRUE(play.playing());
}

TEST(KineticPlayback, EmptyAndSingleStepRunsStayPut)
{
    for (int count : {0, 1}) {
        KineticPlayback play(count);
        EXPECT_FALSE(play.advance(0.2));
        play.stepForward();
        play.stepBack();
        play.seek(3);
        EXPECT_EQ(play.frame(), 0) << count;
    }
}
