// Where the saver draws on several monitors, and how fast: the window over every monitor,
// the views in it, and the frame pacing.
#include "frame_pacer.h"
#include "view_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

MonitorRecord monitor(int left, int top, int width, int height, bool primary, const char* name = "") {
    return MonitorRecord{ScreenRect{left, top, left + width, top + height}, primary, name};
}

constexpr ScreenRect kScreen{0, 0, 1280, 720};

TEST(ViewLayout, OneMonitorIsExactlyThePrimaryScreen) {
    const ViewLayout layout = layoutViews({monitor(0, 0, 1280, 720, true)}, kScreen);
    EXPECT_EQ(layout.window, kScreen);
    ASSERT_EQ(layout.views.size(), 1u);
    const GlViewport& v = layout.views[0].viewport;
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.width, 1280);
    EXPECT_EQ(v.height, 720);
    EXPECT_FLOAT_EQ(layout.views[0].aspect, 1280.0f / 720.0f);
}

TEST(ViewLayout, MonitorsLeftOfAndAboveThePrimaryOfOtherSizesAreCovered) {
    // Enumerated in no useful order, as systems do.
    const ViewLayout layout = layoutViews({monitor(0, -600, 800, 600, false, "above"),
                                           monitor(-1024, 0, 1024, 768, false, "left"),
                                           monitor(0, 0, 1280, 720, true, "primary")},
                                          kScreen);
    EXPECT_EQ(layout.window, (ScreenRect{-1024, -600, 1280, 768}));
    ASSERT_EQ(layout.views.size(), 3u);
    EXPECT_EQ(layout.views[0].monitor.deviceName, "primary");
    EXPECT_EQ(layout.views[1].monitor.deviceName, "left");
    EXPECT_EQ(layout.views[2].monitor.deviceName, "above");
    // GL counts rows from the window's bottom (768): the primary ends 48 rows above it.
    const GlViewport& primary = layout.views[0].viewport;
    EXPECT_EQ(primary.x, 1024);
    EXPECT_EQ(primary.y, 48);
    const GlViewport& left = layout.views[1].viewport;
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, 0);
    const GlViewport& above = layout.views[2].viewport;
    EXPECT_EQ(above.x, 1024);
    EXPECT_EQ(above.y, 768);
    EXPECT_EQ(above.height, 600);
    EXPECT_FLOAT_EQ(layout.views[2].aspect, 800.0f / 600.0f);
}

TEST(ViewLayout, StackedMonitorsMirrorsAndEmptyOnesGetOneViewEach) {
    const ViewLayout layout = layoutViews({monitor(0, 720, 1280, 1024, false),
                                           monitor(0, 0, 1280, 720, false),  // mirrored by the primary
                                           monitor(0, 0, 1280, 720, true),
                                           monitor(5000, 0, 0, 0, false)},
                                          kScreen);
    EXPECT_EQ(layout.window, (ScreenRect{0, 0, 1280, 1744}));
    ASSERT_EQ(layout.views.size(), 2u);
    EXPECT_EQ(layout.views[0].monitor.bounds, kScreen);
    EXPECT_TRUE(layout.views[0].monitor.primary);
    EXPECT_EQ(layout.views[0].viewport.y, 1024);
    EXPECT_EQ(layout.views[1].viewport.y, 0);
}

TEST(ViewLayout, NoPrimaryOrNoMonitorAtAllStillCoversTheScreen) {
    const ViewLayout unmarked =
        layoutViews({monitor(1280, 0, 1024, 768, false), monitor(0, 0, 1280, 720, false)}, kScreen);
    EXPECT_EQ(unmarked.views[0].monitor.bounds, kScreen);
    const ViewLayout none = layoutViews({}, kScreen);
    EXPECT_EQ(none.window, kScreen);
    ASSERT_EQ(none.views.size(), 1u);
    EXPECT_FALSE(sameLayout(none, unmarked));
    EXPECT_TRUE(sameLayout(none, layoutViews({monitor(0, 0, 1280, 720, true)}, kScreen)));
}

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
