// How fast the saver draws: 60 frames per second whatever the display, and no catching up.
#include "frame_pacer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FramePacer, SwapIntervalLandsFramesOnEveryNthRefreshOfAMultipleOf60) {
    EXPECT_EQ(swapIntervalFor(60.0), 1);
    EXPECT_EQ(swapIntervalFor(59.94), 1);
    EXPECT_EQ(swapIntervalFor(120.0), 2);
    EXPECT_EQ(swapIntervalFor(180.0), 3);
    EXPECT_EQ(swapIntervalFor(240.0), 4);
    EXPECT_EQ(swapIntervalFor(144.0), 1);
    EXPECT_EQ(swapIntervalFor(75.0), 1);
    EXPECT_EQ(swapIntervalFor(0.0), 1);  // unknown
    EXPECT_EQ(swapIntervalFor(1.0), 1);
}

// A loop as the renderer runs it: `returnsAfterFrame(start)` is when the loop is back after
// drawing a frame that started at `start` (the swap's wait for a refresh included), and a
// wait for a due frame ends `timerLateMs` after it. Gives the frames started within `ms`.
template <typename ReturnsAfterFrame>
int framesIn(double ms, ReturnsAfterFrame returnsAfterFrame, double timerLateMs = 0.3) {
    FramePacer pacer;
    double now = 0.0;
    int frames = 0;
    while (now < ms) {
        const PaceDecision d = pacer.decide(now);
        if (d.drawNow) {
            pacer.frameStarted(now);
            ++frames;
            now = returnsAfterFrame(now);
        } else {
            now += d.waitMs + timerLateMs;
        }
    }
    return frames;
}

// The next refresh of a display of `hz` after `t`, times `interval` refreshes.
double nextRefresh(double t, double hz, int interval = 1) {
    const double period = 1000.0 / hz;
    return (std::floor(t / period) + interval) * period + 0.05;
}

TEST(FramePacer, A60HzDisplayThatSetsThePaceNeverSkipsARefresh) {
    // A little fast, a little slow and exact: every refresh gets its frame, for a minute.
    for (double hz : {60.0, 60.05, 59.94}) {
        const int frames = framesIn(60000.0, [&](double t) { return nextRefresh(t + 2.0, hz); });
        EXPECT_NEAR(frames, hz * 60.0, 2.0) << hz;
    }
}

TEST(FramePacer, FasterDisplaysAndIgnoredIntervalsGive60FramesPerSecond) {
    const int ignored = framesIn(10000.0, [](double t) { return t + 2.0; });
    EXPECT_NEAR(ignored, 600, 6);
    // A timer that wakes a millisecond early must not speed the animation up by much.
    const int earlyTimer = framesIn(10000.0, [](double t) { return t + 2.0; }, -1.0);
    EXPECT_NEAR(earlyTimer, 600, 20);
    for (double hz : {144.0, 165.0, 240.0}) {
        const int interval = swapIntervalFor(hz);
        const int frames =
            framesIn(10000.0, [&](double t) { return nextRefresh(t + 2.0, hz, interval); });
        EXPECT_NEAR(frames, 600, 6) << hz;
    }
}

TEST(FramePacer, ASlowMachineDrawsBackToBackWithoutCatchingUp) {
    // 40 ms a frame: 25 frames a second, each started the moment the last one ended.
    FramePacer pacer;
    double now = 0.0;
    for (int i = 0; i < 250; ++i) {
        ASSERT_TRUE(pacer.decide(now).drawNow) << i;
        pacer.frameStarted(now);
        now += 40.0;
    }
    // Once the machine keeps up again, the pace is 60 frames per second, not a burst.
    pacer.frameStarted(now);
    EXPECT_FALSE(pacer.decide(now + 5.0).drawNow);
    EXPECT_NEAR(pacer.decide(now + 5.0).waitMs, 1000.0 / 60.0 - 5.0, 0.01);
}

}  // namespace
