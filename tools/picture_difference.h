// How far two pictures of the same size lie apart: the largest difference of any colour
// channel, and how many pixels differ at all. Portable, for comparing two ways of drawing.
#pragma once

#include "offscreen_canvas.h"

#include <cstddef>

struct PictureDifference {
    int largestChannelDifference = 0;  // 0 to 255, over red, green and blue
    std::size_t differingPixels = 0;
    std::size_t pixels = 0;
};

// Pictures of different sizes count as differing everywhere, by 255.
PictureDifference comparePictures(const RgbaPicture& a, const RgbaPicture& b);
