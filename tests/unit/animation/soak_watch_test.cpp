// The soak's watch over a long run: what it counts as a NaN or an infinity that lives on.
#include "animation_state.h"
#include "random15.h"
#include "renderer_settings.h"
#include "soak_watch.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

AnimationState smallAnimation() {
    RendererSettings settings = fixedRendererSettings();
    settings.trailLength = 3;
    startRandom15(1);
    AnimationState state;
    buildAnimation(state, settings);
    return state;
}

TEST(SoakWatch, ANonFiniteValueMustBeGoneWithinOneLap) {
    AnimationState state = smallAnimation();
    SoakWatch watch(state);
    float& z = state.emitters[1].streams[0].points[2].z;
    z = std::numeric_limits<float>::infinity();
    for (int frame = 0; frame < 3; ++frame) watch.observe(state, 0);
    z = 0.0f;
    watch.observe(state, 0);
    EXPECT_EQ(watch.figures().framesWithNonFinite, 3);
    EXPECT_FALSE(watch.figures().nonFiniteSurvived()) << "one lap is allowed";

    state.emitters[0].control[7] = std::numeric_limits<float>::quiet_NaN();
    for (int frame = 0; frame < 4; ++frame) watch.observe(state, 0);
    EXPECT_EQ(watch.figures().longestNonFiniteRun, 4);
    EXPECT_TRUE(watch.figures().nonFiniteSurvived());
}

TEST(SoakWatch, TakesTheLargestFiniteCoordinateAndSumsTheGuardFirings) {
    AnimationState state = smallAnimation();
    SoakWatch watch(state);
    state.emitters[0].streams[1].points[0].y = -7e8f;
    state.emitters[1].streams[1].points[1].x = std::numeric_limits<float>::quiet_NaN();
    watch.observe(state, 2);
    watch.observe(state, 1);
    EXPECT_EQ(watch.figures().largestCoordinate, 7e8f);
    EXPECT_EQ(watch.figures().guardFirings, 3);
    EXPECT_EQ(watch.figures().frames, 2);
}

}  // namespace
