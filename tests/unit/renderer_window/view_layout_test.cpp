// Where the saver draws on several monitors: the window over every monitor and the views in it.
#include "view_layout.h"

#include <gtest/gtest.h>

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

}  // namespace
