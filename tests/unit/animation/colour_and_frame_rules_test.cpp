// Colours of trail points and the numbers a frame is drawn with: veil, view, taper, turn.
#include "frame_rules.h"
#include "hsv_colour.h"

#include <gtest/gtest.h>

namespace {

void expectRgb(Rgb c, float r, float g, float b, float tolerance = 1e-5f) {
    EXPECT_NEAR(c.r, r, tolerance);
    EXPECT_NEAR(c.g, g, tolerance);
    EXPECT_NEAR(c.b, b, tolerance);
}

TEST(HsvToRgb, PureHuesAtFullSaturationAndLightness) {
    expectRgb(hsvToRgb(0.0f, 1.0f, 1.0f), 1.0f, 0.0f, 0.0f);
    expectRgb(hsvToRgb(0.5f, 1.0f, 1.0f), 0.0f, 1.0f, 1.0f);
    expectRgb(hsvToRgb(0.25f, 1.0f, 0.5f), 0.25f, 0.5f, 0.0f, 1e-4f);
    expectRgb(hsvToRgb(0.75f, 0.5f, 1.0f), 0.75f, 0.5f, 1.0f, 1e-4f);
    expectRgb(hsvToRgb(0.9f, 1.0f, 1.0f), 1.0f, 0.0f, 0.6f, 1e-4f);
}

TEST(HsvToRgb, NoSaturationIsGreyAtTheLightness) {
    for (float h : {0.0f, 0.1f, 0.3f, 0.6f, 0.95f, 1.0f}) {
        expectRgb(hsvToRgb(h, 0.0f, 0.4f), 0.4f, 0.4f, 0.4f);
    }
}

TEST(HsvToRgb, StaysInRangeOverEveryHue) {
    for (int i = 0; i <= 1000; ++i) {
        const Rgb c = hsvToRgb(static_cast<float>(i) / 1000.0f, 1.0f, 1.0f);
        for (float channel : {c.r, c.g, c.b}) {
            EXPECT_GE(channel, -1e-5f) << i;
            EXPECT_LE(channel, 1.0f + 1e-5f) << i;
        }
    }
}

TEST(Veil, KeepsAbout86PercentWithBlur30) {
    EXPECT_NEAR(veilAlpha(30), 0.1374f, 5e-5f);
    EXPECT_NEAR(veilAlpha(100), 0.0101f, 1e-4f);
}

TEST(Veil, CoversTheWholeViewAtEveryAspectRatio) {
    const double halfHeight = viewHalfHeightAtOrigin();
    EXPECT_NEAR(halfHeight, 2.979, 1e-3);
    for (float aspect : {0.5f, 1.0f, 4.0f / 3.0f, 16.0f / 10.0f, 16.0f / 9.0f, 21.0f / 9.0f, 32.0f / 9.0f}) {
        const VeilExtent veil = veilExtent(aspect);
        EXPECT_GT(veil.halfHeight, halfHeight) << aspect;
        EXPECT_GT(veil.halfWidth, halfHeight * aspect) << aspect;
    }
}

TEST(Veil, NarrowScreensKeepTheOriginalRectangle) {
    const VeilExtent veil = veilExtent(5.0f / 4.0f);
    EXPECT_EQ(veil.halfWidth, 5.0f);
    EXPECT_EQ(veil.halfHeight, 4.0f);
}

TEST(View, AspectNeverDividesByZero) {
    EXPECT_FLOAT_EQ(viewAspect(1024, 768), 4.0f / 3.0f);
    EXPECT_EQ(viewAspect(640, 0), 640.0f);
}

TEST(HeadTaper, NewestPointsAreSmallest) {
    const float scales[] = {0.259f, 0.5f, 0.707f, 0.866f, 0.966f, 1.0f, 1.0f};
    for (int place = 0; place < 7; ++place) {
        EXPECT_EQ(taperScale(place), scales[place]) << place;
    }
    EXPECT_EQ(pointSizeFactor(0), 0.001036f);
    EXPECT_EQ(pointSizeFactor(4), 0.003864f);
    EXPECT_EQ(pointSizeFactor(99), 0.004f);
}

TEST(Turn, AQuarterTurnMovesXIntoDepth) {
    const TurnedPosition t = turnAboutVertical(1.0f, 2.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(t.x, 0.0f);
    EXPECT_FLOAT_EQ(t.y, 2.0f);
    EXPECT_FLOAT_EQ(t.z, -1.0f);
    const TurnedPosition none = turnAboutVertical(1.0f, 2.0f, 3.0f, 1.0f, 0.0f);
    EXPECT_EQ(none.x, 1.0f);
    EXPECT_EQ(none.z, 3.0f);
}

}  // namespace
