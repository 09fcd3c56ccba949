// One animation per monitor: the primary's is exactly a one-monitor saver's, the others are
// their own, and a display change keeps the animations of the monitors that stay.
#include "random15.h"
#include "renderer_settings.h"
#include "view_animations.h"

#include <gtest/gtest.h>

namespace {

MonitorRecord monitor(int left, int top, int width, int height, bool primary, const char* name) {
    return MonitorRecord{ScreenRect{left, top, left + width, top + height}, primary, name};
}

const MonitorRecord kPrimary = monitor(0, 0, 1280, 720, true, "primary");
const MonitorRecord kLeft = monitor(-1024, 0, 1024, 768, false, "left");
const MonitorRecord kAbove = monitor(0, -600, 800, 600, false, "above");

// Settings that draw from the generator every frame or two, so that any draw of another
// monitor taken from the primary's sequence would show at once.
RendererSettings drawingEveryFrame() {
    RendererSettings s = fixedRendererSettings();
    s.randomizeInterval = 100;
    return s;
}

void expectSameEmitters(const AnimationState& a, const AnimationState& b) {
    ASSERT_EQ(a.emitters.size(), b.emitters.size());
    for (size_t e = 0; e < a.emitters.size(); ++e) {
        EXPECT_EQ(a.emitters[e].control, b.emitters[e].control) << e;
        EXPECT_EQ(a.emitters[e].controlVelocity, b.emitters[e].controlVelocity) << e;
        EXPECT_EQ(a.emitters[e].randomizeCountdown, b.emitters[e].randomizeCountdown) << e;
        const TrailPoint& p = a.emitters[e].streams[1].points[7];
        const TrailPoint& q = b.emitters[e].streams[1].points[7];
        EXPECT_EQ(p.x, q.x);
        EXPECT_EQ(p.hue, q.hue);
    }
}

TEST(ViewAnimations, ThePrimaryDrawsExactlyWhatAOneMonitorSaverDraws) {
    const RendererSettings settings = drawingEveryFrame();
    startRandom15(20240101);
    AnimationState alone;
    ASSERT_TRUE(buildAnimation(alone, settings));
    for (int i = 0; i < 500; ++i) stepSimulation(alone);

    startRandom15(20240101);
    ViewAnimations views;
    const ViewLayout layout = layoutViews({kLeft, kPrimary, kAbove}, kPrimary.bounds);
    ASSERT_TRUE(buildViewAnimations(views, layout, settings));
    ASSERT_EQ(views.size(), 3u);
    for (int i = 0; i < 500; ++i) {
        forEachView(views, [](ViewAnimation& v) { stepSimulation(v.animation); });
    }
    EXPECT_EQ(views[0].view.monitor.deviceName, "primary");
    expectSameEmitters(views[0].animation, alone);
    // Each other monitor has emitters of its own, at its own aspect ratio.
    EXPECT_NE(views[1].animation.emitters[0].control, alone.emitters[0].control);
    EXPECT_NE(views[2].animation.emitters[0].control, views[1].animation.emitters[0].control);
    EXPECT_FLOAT_EQ(views[1].animation.viewAspect, 1024.0f / 768.0f);
}

TEST(ViewAnimations, ADisplayChangeKeepsTheAnimationsOfMonitorsThatStay) {
    const RendererSettings settings = fixedRendererSettings();
    startRandom15(7);
    ViewAnimations views;
    ASSERT_TRUE(buildViewAnimations(views, layoutViews({kPrimary, kLeft}, kPrimary.bounds), settings));
    for (int i = 0; i < 50; ++i) {
        forEachView(views, [](ViewAnimation& v) { stepSimulation(v.animation); });
    }
    const AnimationState primaryBefore = views[0].animation;
    const AnimationState leftBefore = views[1].animation;

    // The left monitor is switched off, then comes back beside a new one.
    ASSERT_TRUE(relayoutViewAnimations(views, layoutViews({kPrimary}, kPrimary.bounds), settings, 99));
    ASSERT_EQ(views.size(), 1u);
    expectSameEmitters(views[0].animation, primaryBefore);
    ASSERT_TRUE(relayoutViewAnimations(views, layoutViews({kAbove, kPrimary, kLeft}, kPrimary.bounds),
                                       settings, 99));
    ASSERT_EQ(views.size(), 3u);
    expectSameEmitters(views[0].animation, primaryBefore);
    EXPECT_NE(views[1].animation.emitters[0].control, leftBefore.emitters[0].control);
    EXPECT_TRUE(animationReady(views[1].animation));
    EXPECT_TRUE(animationReady(views[2].animation));

    // A monitor that moved (the same device elsewhere) keeps its animation with the new view.
    const AnimationState aboveBefore = views[2].animation;
    const MonitorRecord aboveMoved = monitor(1280, 0, 800, 600, false, "above");
    ASSERT_TRUE(relayoutViewAnimations(views, layoutViews({kPrimary, aboveMoved}, kPrimary.bounds),
                                       settings, 99));
    expectSameEmitters(views[1].animation, aboveBefore);
    EXPECT_EQ(views[1].view.viewport.x, 1280);
}

TEST(ViewAnimations, SettingsThatCannotBeBuiltLeaveNoAnimation) {
    RendererSettings broken = fixedRendererSettings();
    broken.trailLength = 0;
    ViewAnimations views;
    EXPECT_FALSE(buildViewAnimations(views, layoutViews({kPrimary, kLeft}, kPrimary.bounds), broken));
    EXPECT_TRUE(views.empty());
}

}  // namespace
