// The two ways of drawing a frame, stepped together.
#include "drawing_comparison.h"

#include "offscreen_canvas.h"
#include "random15.h"
#include "renderer_settings.h"
#include "view_drawing_gl.h"

#include <algorithm>

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
    PointDrawing drawing;
    bool built = false;

    Side(const ViewLayout& layout, std::uint32_t seed, PointDrawing how)
        : canvas(layout.window.width(), layout.window.height()), drawing(how) {
        if (!canvas.valid()) return;
        startRandom15(seed);
        built = setupViews(layout, fixedRendererSettings(), sprite, views);
    }

    RgbaPicture drawNext() {
        canvas.makeCurrent();
        renderViews(views, drawing);
        return canvas.picture();
    }
};

DrawingComparison::DrawingComparison(const ViewLayout& layout, std::uint32_t seed)
    : oneArray_(std::make_unique<Side>(layout, seed, PointDrawing::oneArray)),
      shapeByShape_(std::make_unique<Side>(layout, seed, PointDrawing::shapeByShape)) {}

DrawingComparison::~DrawingComparison() = default;

bool DrawingComparison::valid() const { return oneArray_->built && shapeByShape_->built; }

PictureDifference DrawingComparison::nextFrame() {
    const RgbaPicture a = oneArray_->drawNext();
    const RgbaPicture b = shapeByShape_->drawNext();
    return comparePictures(a, b);
}
