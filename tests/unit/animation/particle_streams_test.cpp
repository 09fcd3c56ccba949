// The particle-stream simulation without drawing: emitters, the map, colours of new points,
// bouncing control values, the range guard and the drift.
#include "animation_state.h"
#include "particle_streams.h"
#include "random15.h"
#include "renderer_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

Stream streamWithOffset(float ox, float oy, float oz, int trailLength = 100) {
    Stream stream;
    stream.points.assign(static_cast<size_t>(trailLength), TrailPoint{});
    stream.ox = ox;
    stream.oy = oy;
    stream.oz = oz;
    return stream;
}

TEST(EmitterConstruction, TwoStreamsGetOppositeOffsets) {
    seedRandom15(3);
    const Emitter emitter = makeEmitter(2, 100, 100);
    ASSERT_EQ(emitter.streams.size(), 2u);
    const Stream& first = emitter.streams[0];
    const Stream& second = emitter.streams[1];
    EXPECT_EQ(first.ox, 1.0f);
    EXPECT_EQ(first.oy, -0.5f);
    EXPECT_EQ(first.oz, 0.0f);
    EXPECT_NEAR(second.ox, -1.0f, 1e-6f);
    EXPECT_EQ(second.oy, 0.0f);
    EXPECT_NEAR(second.oz, 0.0f, 1e-6f);
}

TEST(EmitterConstruction, TrailsStartAtTheTopEdgeInGrey) {
    seedRandom15(3);
    const Emitter emitter = makeEmitter(2, 100, 100);
    EXPECT_EQ(emitter.randomizeCountdown, 1);
    for (const Stream& stream : emitter.streams) {
        EXPECT_EQ(stream.head, 0);
        ASSERT_EQ(stream.points.size(), 100u);
        for (const TrailPoint& p : stream.points) {
            EXPECT_EQ(p.x, 0.0f);
            EXPECT_EQ(p.y, 3.0f);
            EXPECT_EQ(p.z, 0.0f);
            EXPECT_EQ(p.hue, 0.0f);
            EXPECT_EQ(p.saturation, 0.0f);
        }
    }
}

TEST(EmitterConstruction, DrawsEachControlValueThenItsVelocity) {
    seedRandom15(11);
    const Emitter emitter = makeEmitter(2, 10, 100);
    seedRandom15(11);
    for (int i = 0; i < kControlCount; ++i) {
        const float k = signedDraw();
        const float v = unitDraw() * 10000.0f * 0.000005f + 10000.0f * 0.000001f;
        EXPECT_EQ(emitter.control[i], k) << i;
        EXPECT_EQ(emitter.controlVelocity[i], v) << i;
        EXPECT_GE(v, 0.01f);
        EXPECT_LE(v, 0.0600001f);
    }
}

TEST(StreamStep, FirstNewPointFollowsTheMapFromTheStartPoint) {
    Stream stream = streamWithOffset(1.0f, -0.5f, 0.0f);
    ControlValues K{};
    K[2] = 0.25f;
    K[3] = -0.5f;
    K[6] = 0.75f;
    K[7] = 0.2f;
    updateStream(stream, K);
    ASSERT_EQ(stream.head, 1);
    const TrailPoint& q = stream.points[1];
    EXPECT_FLOAT_EQ(q.x, 1.0f * 0.75f + 3.0f * 0.25f);
    EXPECT_NEAR(q.y, -0.5f * 0.75f + 0.3f, 1e-6f);  // 3 - dy with dy = 2.7
    EXPECT_FLOAT_EQ(q.z, 3.0f * -0.5f);
    EXPECT_FLOAT_EQ(q.hue, 0.2f);  // dy^2 = 7.29 is first limited to 1, then wraps
    EXPECT_EQ(stream.points[0].y, 3.0f) << "the old point stays";
}

TEST(StreamStep, NegativeHueShiftWrapsIntoRange) {
    Stream stream = streamWithOffset(0.0f, 0.0f, 0.0f);
    ControlValues K{};
    K[7] = -0.25f;
    updateStream(stream, K);
    EXPECT_FLOAT_EQ(stream.points[1].hue, 0.75f);
}

TEST(StreamStep, SaturationComesFromHueAndFirstControlValue) {
    Stream stream = streamWithOffset(0.0f, 0.0f, 0.0f);
    ControlValues K{};
    K[0] = -0.9f;
    K[7] = -0.7f;  // hue 1 - 0.7 = 0.3
    updateStream(stream, K);
    EXPECT_NEAR(stream.points[1].hue, 0.3f, 1e-6f);
    EXPECT_NEAR(stream.points[1].saturation, 0.64f, 1e-5f);
}

TEST(StreamStep, HeadWrapsAroundTheRing) {
    Stream stream = streamWithOffset(0.0f, 0.0f, 0.0f, 3);
    const ControlValues K{};
    updateStream(stream, K);
    updateStream(stream, K);
    EXPECT_EQ(stream.head, 2);
    updateStream(stream, K);
    EXPECT_EQ(stream.head, 0);
}

TEST(ControlValues, AreHeldAtTheLimitForOneFrameThenTurnBack) {
    Emitter emitter;
    emitter.control[0] = 0.98f;
    emitter.controlVelocity[0] = 0.05f;
    emitter.control[1] = -0.98f;
    emitter.controlVelocity[1] = -0.05f;
    updateEmitter(emitter, 0);
    EXPECT_EQ(emitter.control[0], 1.0f);
    EXPECT_EQ(emitter.controlVelocity[0], -0.05f);
    EXPECT_EQ(emitter.control[1], -1.0f);
    EXPECT_EQ(emitter.controlVelocity[1], 0.05f);
    updateEmitter(emitter, 0);
    EXPECT_FLOAT_EQ(emitter.control[0], 0.95f);
    EXPECT_FLOAT_EQ(emitter.control[1], -0.95f);
}

TEST(ControlValues, ARandomizeIntervalRedrawsThemOnTheFirstFrame) {
    seedRandom15(5);
    Emitter emitter;
    updateEmitter(emitter, 100);
    seedRandom15(5);
    for (int i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(emitter.control[i], signedDraw()) << i;
    }
    const int u = random15();
    EXPECT_EQ(emitter.randomizeCountdown, 1 + u / 32767);
}

TEST(ControlValues, RedrawsComeAfterTToTwiceTFrames) {
    seedRandom15(9);
    Emitter emitter;
    updateEmitter(emitter, 91);  // t = 100
    EXPECT_GE(emitter.randomizeCountdown, 100);
    EXPECT_LE(emitter.randomizeCountdown, 200);
}

TEST(ControlValues, StayUntouchedByRandomnessWhenNeverRedrawn) {
    seedRandom15(5);
    Emitter emitter;
    emitter.streams.push_back(streamWithOffset(0.0f, 0.0f, 0.0f));
    updateEmitter(emitter, 0);
    const int next = random15();
    seedRandom15(5);
    EXPECT_EQ(next, random15());
}

TEST(RangeGuard, PutsARunawayPointBackOnlyWhenTheHeadReturnsToZero) {
    Stream stream = streamWithOffset(0.0f, 0.0f, 0.0f, 3);
    ControlValues K{};
    K[4] = 1.0f;  // y follows x, so a huge x makes a huge y
    stream.points[0].x = 4e9f;
    EXPECT_FALSE(updateStream(stream, K));
    EXPECT_GT(stream.points[1].y, 1e9f) << "not checked away from index 0";

    seedRandom15(21);
    stream.head = 2;
    stream.points[2].x = 4e9f;
    stream.points[2].hue = 0.5f;
    EXPECT_TRUE(updateStream(stream, K)) << "the firing is reported";
    ASSERT_EQ(stream.head, 0);
    const TrailPoint& guarded = stream.points[0];
    seedRandom15(21);
    EXPECT_EQ(guarded.x, signedDraw());
    EXPECT_EQ(guarded.y, signedDraw());
    EXPECT_EQ(guarded.z, signedDraw());
}

TEST(RangeGuard, CatchesNotANumberAndKeepsHueAndSaturation) {
    Stream stream = streamWithOffset(0.0f, 0.0f, 0.0f, 2);
    const ControlValues K{};
    stream.head = 1;
    stream.points[1].z = std::numeric_limits<float>::quiet_NaN();
    seedRandom15(8);
    updateStream(stream, K);
    ASSERT_EQ(stream.head, 0);
    const TrailPoint& q = stream.points[0];
    EXPECT_FALSE(std::isnan(q.x) || std::isnan(q.y) || std::isnan(q.z));
    EXPECT_TRUE(std::isnan(q.hue)) << "colour is left as the map made it";
    EXPECT_GE(q.x, -1.0f);
    EXPECT_LE(q.x, 1.0f);
}

TEST(Drift, ScalesEveryPointThenMovesItAlongZ) {
    Stream stream = streamWithOffset(0.0f, 0.0f, 0.0f, 2);
    stream.points[0] = TrailPoint{1.0f, 2.0f, -4.0f, 0.5f, 0.5f};
    driftTrail(stream, 1.5f, 0.25f);
    EXPECT_EQ(stream.points[0].x, 1.5f);
    EXPECT_EQ(stream.points[0].y, 3.0f);
    EXPECT_EQ(stream.points[0].z, -5.75f);
    EXPECT_EQ(stream.points[1].y, 4.5f);
    EXPECT_EQ(stream.points[0].hue, 0.5f);
}

TEST(Animation, FixedSettingsBuildTwoEmittersOfTwoHundredPointStreams) {
    AnimationState state;
    ASSERT_TRUE(buildAnimation(state, fixedRendererSettings()));
    EXPECT_TRUE(animationReady(state));
    ASSERT_EQ(state.emitters.size(), 2u);
    EXPECT_EQ(state.hueStep, 0.01f);
    EXPECT_EQ(state.expansionFactor, 1.0f);
    EXPECT_EQ(state.windStep, 0.0f);
    for (const Emitter& e : state.emitters) {
        ASSERT_EQ(e.streams.size(), 2u);
        EXPECT_EQ(e.streams[1].points.size(), 100u);
    }
}

TEST(Animation, EmittersDrawOneAfterAnother) {
    seedRandom15(4);
    const Emitter first = makeEmitter(2, 100, 100);
    const Emitter second = makeEmitter(2, 100, 100);
    seedRandom15(4);
    AnimationState state;
    ASSERT_TRUE(buildAnimation(state, fixedRendererSettings()));
    EXPECT_EQ(state.emitters[0].control, first.control);
    EXPECT_EQ(state.emitters[1].control, second.control);
    EXPECT_EQ(state.emitters[1].controlVelocity, second.controlVelocity);
}

TEST(Animation, ImpossibleSizesAreRefusedWithNothingBuilt) {
    for (auto breakIt : {+[](RendererSettings& s) { s.trailLength = 0; },
                         +[](RendererSettings& s) { s.streamsPerEmitter = -2; },
                         +[](RendererSettings& s) { s.emitterCount = -1; },
                         +[](RendererSettings& s) { s.trailLength = 2000000000; }}) {
        RendererSettings settings = fixedRendererSettings();
        breakIt(settings);
        AnimationState state;
        EXPECT_FALSE(buildAnimation(state, settings));
        EXPECT_TRUE(state.emitters.empty());
        EXPECT_FALSE(animationReady(state));
    }
}

TEST(Animation, IsNotReadyWithAMissingTrail) {
    AnimationState state;
    ASSERT_TRUE(buildAnimation(state, fixedRendererSettings()));
    state.emitters[1].streams[0].points.clear();
    EXPECT_FALSE(animationReady(state));
    state.emitters.pop_back();
    EXPECT_FALSE(animationReady(state));
}

TEST(Animation, RotationWrapsForwardOnly) {
    AnimationState state;
    RendererSettings settings = fixedRendererSettings();
    settings.rotationSpeed = 9000;  // 90 degrees a frame
    ASSERT_TRUE(buildAnimation(state, settings));
    for (int i = 0; i < 4; ++i) advanceRotation(state);
    EXPECT_EQ(state.rotationAngle, 0.0f);
    advanceRotation(state);
    EXPECT_EQ(state.rotationAngle, 90.0f);
    EXPECT_NEAR(state.cosA, 0.0f, 1e-6f);
    EXPECT_NEAR(state.sinA, 1.0f, 1e-6f);
}

}  // namespace
