// Two off-screen renderers built from one seed and stepped together, one sending each frame's
// sprites as one vertex array, the other each point as its own matrix and shape, so that the
// two pictures can be held side by side frame by frame. Native builds only (OSMesa).
#pragma once

#include "picture_difference.h"
#include "view_layout.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// What a run of frames showed: how many frames differed and how far at the worst.
struct ComparisonTally {
    int frames = 0;
    int framesDiffering = 0;
    std::size_t mostDifferingPixels = 0;  // in any one frame
    int largestChannelDifference = 0;     // in any frame, 0 to 255
    std::size_t pixelsPerFrame = 0;

    void add(const PictureDifference& d);
};

class DrawingComparison {
public:
    // Each side gets a context over the layout's whole window and its own views, built from
    // `seed` as the renderer builds them. Check valid() before stepping.
    DrawingComparison(const ViewLayout& layout, std::uint32_t seed);
    ~DrawingComparison();
    DrawingComparison(const DrawingComparison&) = delete;
    DrawingComparison& operator=(const DrawingComparison&) = delete;

    bool valid() const;
    // Draws the next frame both ways and compares the pictures.
    PictureDifference nextFrame();

private:
    struct Side;
    std::unique_ptr<Side> oneArray_;
    std::unique_ptr<Side> shapeByShape_;
};
