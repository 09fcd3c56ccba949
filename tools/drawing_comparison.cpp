// The two ways of drawing a frame, stepped together: the renderer's own, and each sprite as its
// own matrix and shape, as the renderer drew them before its one vertex array.
#include "drawing_comparison.h"

#include "frame_drawing_gl.h"
#include "frame_rules.h"
#include "hsv_colour.h"
#include "offscreen_canvas.h"
#include "random15.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"
#include "trail_walk.h"
#include "view_drawing_gl.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Each sprite with a matrix push, its translation to the turned position, the head taper's
// scale, the shape's display list and a pop.
class SpritesShapeByShape final : public FrameVisitor {
public:
    void turned(const AnimationState& state) override {
        applyFrameState(state);
        state_ = &state;
    }

    void stream(const Stream& stream) override {
        const AnimationState& state = *state_;
        walkTrail(stream, state.hueStep, [&](const TrailPoint& p, int placeFromNewest, float lightness) {
            const Rgb colour = hsvToRgb(p.hue, p.saturation, lightness);
            const GLfloat rgb[] = {colour.r, colour.g, colour.b};
            glColor3fv(rgb);
            glPushMatrix();
            const TurnedPosition t = turnAboutVertical(p.x, p.y, p.z, state.cosA, state.sinA);
            glTranslatef(t.x, t.y, t.z);
            const float scale = taperScale(placeFromNewest);
            if (scale != 1.0f) glScalef(scale, scale, scale);
            glCallList(kShapeList);
            glPopMatrix();
        });
    }

private:
    const AnimationState* state_ = nullptr;
};

// One frame on every view as renderViews draws it, but the sprites shape by shape.
void renderViewsShapeByShape(ViewAnimations& views) {
    forEachView(views, [](ViewAnimation& v) {
        applyView(v.view);
        if (!animationReady(v.animation)) return;
        beginFrame(v.animation);
        SpritesShapeByShape sprites;
        stepAnimation(v.animation, sprites);
    });
    glFlush();
}

}  // namespace

void ComparisonTally::add(const PictureDifference& d) {
    ++frames;
    framesDiffering += d.differingPixels != 0;
    mostDifferingPixels = std::max(mostDifferingPixels, d.differingPixels);
    largestChannelDifference = std::max(largestChannelDifference, d.largestChannelDifference);
    pixelsPerFrame = d.pixels;
}

struct DrawingComparison::Side {
    OffscreenCanvas canvas;
    SpriteTexture sprite{};
    ViewAnimations views;
    bool shapeByShape;
    bool built = false;

    Side(const ViewLayout& layout, std::uint32_t seed, bool spritesShapeByShape)
        : canvas(layout.window.width(), layout.window.height()), shapeByShape(spritesShapeByShape) {
        if (!canvas.valid()) return;
        startRandom15(seed);
        built = setupViews(layout, fixedRendererSettings(), sprite, views);
    }

    RgbaPicture drawNext() {
        canvas.makeCurrent();
        if (shapeByShape) {
            renderViewsShapeByShape(views);
        } else {
            renderViews(views);
        }
        return canvas.picture();
    }
};

DrawingComparison::DrawingComparison(const ViewLayout& layout, std::uint32_t seed)
    : oneArray_(std::make_unique<Side>(layout, seed, false)),
      shapeByShape_(std::make_unique<Side>(layout, seed, true)) {}

DrawingComparison::~DrawingComparison() = default;

bool DrawingComparison::valid() const { return oneArray_->built && shapeByShape_->built; }

PictureDifference DrawingComparison::nextFrame() {
    const RgbaPicture a = oneArray_->drawNext();
    const RgbaPicture b = shapeByShape_->drawNext();
    return comparePictures(a, b);
}
