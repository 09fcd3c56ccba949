// The renderer's start-up decisions: its random sequence and the sprite it draws every trail
// point with.
#include "random15.h"
#include "sprite_texture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Random15, SameSeedGivesTheKnownSequence) {
    seedRandom15(1);
    EXPECT_EQ(random15(), 41);
    EXPECT_EQ(random15(), 18467);
    seedRandom15(1);
    EXPECT_EQ(random15(), 41);
}

TEST(Random15, StaysWithinFifteenBitsAcrossTheWrap) {
    seedRandom15(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i) {
        const int v = random15();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
}

TEST(Random15, DrawsAreScaledInSinglePrecision) {
    seedRandom15(1);
    EXPECT_EQ(signedDraw(), 41.0f * 6.1037019e-05f - 1.0f);
    EXPECT_EQ(unitDraw(), 18467.0f * 3.0518509e-05f);
    for (int i = 0; i < 100000; ++i) {
        const float s = signedDraw();
        ASSERT_GE(s, -1.0f);
        ASSERT_LE(s, 1.0f);
    }
}

TEST(Random15, StartThrowsAwayTwentyDraws) {
    seedRandom15(7);
    for (int i = 0; i < 20; ++i) random15();
    const int expected = random15();
    startRandom15(7);
    EXPECT_EQ(random15(), expected);
}

TEST(SpriteTexture, IsASoftSpotThatEndsAtRadius32) {
    const SpriteTexture t = buildSpriteTexture();
    auto at = [&t](int row, int column) { return t[static_cast<size_t>(row * 64 + column)]; };
    EXPECT_EQ(at(32, 32), 255);
    EXPECT_EQ(at(32, 33), 239);
    EXPECT_EQ(at(33, 32), 239);
    EXPECT_EQ(at(32, 48), 63);
    EXPECT_EQ(at(16, 16), 21);
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_EQ(at(0, 63), 0);
    EXPECT_EQ(at(63, 0), 0);
    EXPECT_EQ(at(63, 63), 0);
    int nonzero = 0;
    for (int i = 0; i < 64; ++i) {
        for (int j = 0; j < 64; ++j) {
            const double distance = std::hypot(i - 32, j - 32);
            if (at(i, j) != 0) {
                ++nonzero;
                EXPECT_LT(distance, 32.0) << i << "," << j;
            }
            if (distance >= 32.0) {
                EXPECT_EQ(at(i, j), 0) << i << "," << j;
            }
        }
    }
    EXPECT_EQ(nonzero, 2809);
}

}  // namespace
