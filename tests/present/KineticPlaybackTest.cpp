// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
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

TEST(KineticPlayback, StepOfARunFromTheFileHeader)
{
    const struct {
        double total;
        int32_t N;
        double step;
    } cases[] = {
        {360, 25, 15},         // the defaults: 24 steps of 15°
        {1080, 73, 15},        // three cycles
        {4.8, 25, 0.2},        // "ext 0.2"
        {899.76, 89977, 0.01}, // the longest run at "ext 0.01"
        {0, 25, 0},            // no turning at all
        {360, 1, 0},           // a single step says nothing
        {360, 0, 0},
        {-360, 25, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(stepDegreesOf(c.total, c.N), c.step, 1e-12) << c.total << " / " << c.N;
}

// One turn in about four seconds, whatever the step: 360 / step steps in 4 s.
TEST(KineticPlayback, StartingRateShowsATurnInFourSeconds)
{
    const struct {
        double step;
        double rate;
    } cases[] = {
        {15, 6},
        {5, 18},
        {1, 90},
        {60, 1.5},
        {0.5, 180},
        {0.1, 900},
        {0.01, 9000},
        {0, KineticPlayback::kDefaultRate},
        {-5, KineticPlayback::kDefaultRate},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(KineticPlayback::rateForTurn(c.step), c.rate) << c.step;

    // At "ext 0.01" the frames of 15 ms skip steps and still show a turn in four seconds.
    for (double step : {0.01, 0.1, 15.0}) {
        const int perTurn = static_cast<int>(std::lround(360 / step));
        KineticPlayback play(90000, KineticPlayback::rateForTurn(step));
        int pictures = 0;
        double t = 0;
        while (play.frame() < perTurn && t < 10) {
            if (play.advance(0.015)) ++pictures;
            t += 0.015;
        }
        EXPECT_NEAR(t, 4.0, 0.05) << step;
        EXPECT_LE(pictures, 268) << step; // one picture a tick at most
    }
}

TEST(KineticPlayback, SpeedButtonsWorkFromAFastStart)
{
    KineticPlayback play(90000, 9000);
    EXPECT_EQ(play.rate(), 9000);
    play.faster();
    EXPECT_EQ(play.rate(), 18000);
    for (int i = 0; i < 10; ++i)
        play.faster();
    EXPECT_EQ(play.rate(), 144000); // 16 times the start
    for (int i = 0; i < 30; ++i)
        play.slower();
    EXPECT_EQ(play.rate(), KineticPlayback::kMinRate);

    KineticPlayback slow(25, 1.5);
    slow.faster();
    EXPECT_EQ(slow.rate(), 3);
    for (int i = 0; i < 20; ++i)
        slow.faster();
    EXPECT_EQ(slow.rate(), KineticPlayback::kMaxRate);

    KineticPlayback odd(5, -1); // no rate: the default
    EXPECT_EQ(odd.rate(), KineticPlayback::kDefaultRate);
}
