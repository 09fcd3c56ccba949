#include "renderer_settings.h"

#include <gtest/gtest.h>

TEST(RendererSettings, FixedValuesGiveTwoEmittersOfTwoStreamsWithHundredPointSprites) {
    RendererSettings s = fixedRendererSettings();
    EXPECT_EQ(s.emitterCount, 2);
    EXPECT_EQ(s.streamsPerEmitter, 2);
    EXPECT_EQ(s.geometryKind, 2);
    EXPECT_EQ(s.randomizeInterval, 0);
    EXPECT_EQ(s.expansion, 0);
    EXPECT_EQ(s.rotationSpeed, 0);
    EXPECT_EQ(s.wind, 0);
    EXPECT_EQ(s.trailLength, 100);
    EXPECT_EQ(s.particleSize, 50);
    EXPECT_EQ(s.sphereComplexity, 3);
    EXPECT_EQ(s.controlSpeed, 100);
    EXPECT_EQ(s.blur, 30);
}
