// Scoring of pixel formats for the saver window.
#include "pixel_format_score.h"

bool isUsablePixelFormat(const PixelFormatRecord& format) {
    constexpr std::uint32_t kRequired = kPfdSupportOpenGl | kPfdDrawToWindow | kPfdDoubleBuffer;
    return (format.flags & kRequired) == kRequired && format.pixelType == kPfdTypeRgba;
}

int scorePixelFormat(const PixelFormatRecord& format) {
    int score = format.colorBits + 2 * format.depthBits;
    if (format.colorBits > 16) {
        // Integer division truncates towards zero: 24-bit colour loses 4, 32-bit loses 8.
        score += (16 - format.colorBits) / 2;
    }
    if ((format.flags & kPfdGenericFormat) == 0) {
        score += 2000;
    } else if ((format.flags & kPfdGenericAccelerated) != 0) {
        score += 1000;
    }
    return score;
}

int choosePixelFormatIndex(const std::vector<PixelFormatRecord>& formats) {
    int bestScore = 0;
    int bestIndex = 0;
    for (const PixelFormatRecord& format : formats) {
        if (!isUsablePixelFormat(format)) {
            continue;
        }
        const int score = scorePixelFormat(format);
        if (score > bestScore) {
            bestScore = score;
            bestIndex = format.index;
        }
    }
    return bestIndex;
}
