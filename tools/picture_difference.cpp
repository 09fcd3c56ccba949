// Channel-by-channel comparison of two pictures.
#include "picture_difference.h"

#include <algorithm>
#include <cstdlib>

PictureDifference comparePictures(const RgbaPicture& a, const RgbaPicture& b) {
    PictureDifference d;
    d.pixels = static_cast<std::size_t>(a.width) * static_cast<std::size_t>(a.height);
    if (a.width != b.width || a.height != b.height || a.rgba.size() != b.rgba.size()) {
        d.largestChannelDifference = 255;
        d.differingPixels = d.pixels;
        return d;
    }
    for (std::size_t i = 0; i < a.rgba.size(); i += 4) {
        int largest = 0;
        // Alpha is left out: the picture shown is the colour.
        for (std::size_t c = i; c < i + 3; ++c) largest = std::max(largest, std::abs(a.rgba[c] - b.rgba[c]));
        d.largestChannelDifference = std::max(d.largestChannelDifference, largest);
        d.differingPixels += largest != 0;
    }
    return d;
}
