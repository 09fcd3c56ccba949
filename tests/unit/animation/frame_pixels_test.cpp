// Pixels of real frames, drawn off-screen by the renderer's own set-up and drawing code:
// colour, the veil's fading (also in the margins of wide screens) and additive sprites.
#include "animation_state.h"
#include "drawing_comparison.h"
#include "frame_drawing_gl.h"
#include "frame_rules.h"
#include "monitors_in_a_row.h"
#include "offscreen_canvas.h"
#include "random15.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// One off-screen renderer: canvas, sprite and animation, set up as the real one is.
struct OffscreenRenderer {
    OffscreenCanvas canvas;
    SpriteTexture sprite{};
    AnimationState animation;
    bool built = false;

    OffscreenRenderer(int width, int height, const RendererSettings& settings, std::uint32_t seed)
        : canvas(width, height) {
        if (!canvas.valid()) return;
        startRandom15(seed);
        built = setupAnimation(width, height, settings, sprite, animation);
    }

    void run(int frames) {
        for (int i = 0; i < frames; ++i) renderFrame(animation);
    }

    // Paints the whole picture in one grey level, as if earlier frames had left it.
    void fill(float level) {
        glClearColor(level, level, level, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    }
};

RendererSettings withoutEmitters() {
    RendererSettings s = fixedRendererSettings();
    s.emitterCount = 0;
    return s;
}

int brightest(const RgbaPicture& picture) {
    int value = 0;
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        value = std::max({value, int{picture.rgba[i]}, int{picture.rgba[i + 1]}, int{picture.rgba[i + 2]}});
    }
    return value;
}

size_t countLit(const RgbaPicture& picture, int threshold) {
    size_t count = 0;
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        count += std::max({picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2]}) > threshold;
    }
    return count;
}

TEST(FramePixels, AFewHundredFramesHoldSaturatedColoursOnBlack) {
    OffscreenRenderer r(320, 240, fixedRendererSettings(), 1);
    ASSERT_TRUE(r.built);
    r.run(300);
    const RgbaPicture picture = r.canvas.picture();
    size_t saturated = 0;
    size_t dark = 0;
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        const int hi = std::max({picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2]});
        const int lo = std::min({picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2]});
        saturated += hi >= 180 && lo <= 60;
        dark += hi < 16;
    }
    const size_t total = picture.rgba.size() / 4;
    EXPECT_GT(saturated, total / 200) << "strongly coloured pixels";
    EXPECT_GT(dark, total / 4) << "mostly black around the streams";
}

// The frame's sprites as one array must show what one matrix and list call per point showed,
// on every monitor's view, also once trails pile up and points fly past the viewer.
TEST(FramePixels, OneVertexArrayDrawsThePictureOfOneShapePerPoint) {
    DrawingComparison comparison(monitorsInARow(2, 320, 180), 20240601);
    ASSERT_TRUE(comparison.valid());
    ComparisonTally tally;
    for (int frame = 0; frame < 300; ++frame) tally.add(comparison.nextFrame());
    EXPECT_LE(tally.largestChannelDifference, 1) << tally.framesDiffering << " frames differ";
    EXPECT_LE(tally.mostDifferingPixels, tally.pixelsPerFrame / 1000);
}

TEST(FramePixels, TheVeilKeeps86PercentOfTheLastPicturePerFrame) {
    OffscreenRenderer r(64, 48, withoutEmitters(), 1);
    ASSERT_TRUE(r.built);
    r.fill(1.0f);
    for (int n = 1; n <= 15; ++n) {
        r.run(1);
        const RgbaPicture picture = r.canvas.picture();
        const double expected = 255.0 * std::pow(1.0 - veilAlpha(30), n);
        // Each frame rounds to whole steps of the 8-bit picture.
        EXPECT_NEAR(picture.at(32, 24)[0], expected, 4.0) << "after " << n << " frames";
    }
}

TEST(FramePixels, TheMarginsOfAWideScreenFadeToo) {
    for (auto [width, height] : {std::pair{320, 180}, std::pair{420, 180}, std::pair{160, 240}}) {
        OffscreenRenderer r(width, height, withoutEmitters(), 1);
        ASSERT_TRUE(r.built);
        r.fill(1.0f);
        r.run(20);
        const RgbaPicture picture = r.canvas.picture();
        const double expected = 255.0 * std::pow(1.0 - veilAlpha(30), 20);
        EXPECT_LE(brightest(picture), expected + 4.0) << width << "x" << height;
        EXPECT_LE(picture.at(0, 0)[0], expected + 4.0);
        EXPECT_LE(picture.at(width - 1, height / 2)[0], expected + 4.0);
    }
}

TEST(FramePixels, AdditiveSpritesNeverDarkenWhatLiesUnderThem) {
    OffscreenRenderer r(320, 180, fixedRendererSettings(), 2);
    ASSERT_TRUE(r.built);
    r.run(200);
    const RgbaPicture before = r.canvas.picture();
    r.run(1);
    const RgbaPicture after = r.canvas.picture();
    const double keep = 1.0 - veilAlpha(30);
    size_t brightened = 0;
    for (size_t i = 0; i < before.rgba.size(); ++i) {
        if (i % 4 == 3) continue;
        const double veiled = before.rgba[i] * keep;
        ASSERT_GE(after.rgba[i], veiled - 1.0) << "pixel " << i / 4;
        brightened += after.rgba[i] > veiled + 8.0;
    }
    EXPECT_GT(brightened, 100u) << "the new frame's sprites add light";
}

TEST(FramePixels, EveryGeometryKindAndSettingPathDraws) {
    for (int kind : {0, 1, 2}) {
        RendererSettings s = fixedRendererSettings();
        s.geometryKind = kind;
        s.rotationSpeed = 300;
        s.expansion = 2;
        s.wind = 3;
        s.randomizeInterval = 95;
        s.blur = kind == 1 ? 0 : 100;
        OffscreenRenderer r(160, 120, s, 3);
        ASSERT_TRUE(r.built);
        r.run(120);
        EXPECT_GT(countLit(r.canvas.picture(), 40), 30u) << "kind " << kind;
    }
}

TEST(FramePixels, NothingIsDrawnWithoutAFullyBuiltAnimation) {
    OffscreenRenderer r(64, 48, fixedRendererSettings(), 1);
    ASSERT_TRUE(r.built);
    r.animation.emitters[0].streams[1].points.clear();
    r.fill(1.0f);
    r.run(3);
    const RgbaPicture picture = r.canvas.picture();
    EXPECT_EQ(picture.at(10, 10)[0], 255) << "not even veiled";
    EXPECT_EQ(countLit(picture, 254), 64u * 48u);
}

}  // namespace
