// The pixel format the renderer picks from those the system offers.
#include "pixel_format_score.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::uint32_t kGood = kPfdSupportOpenGl | kPfdDrawToWindow | kPfdDoubleBuffer;

PixelFormatRecord format(int index, std::uint32_t flags, int colour, int depth, int type = kPfdTypeRgba) {
    return PixelFormatRecord{index, flags, type, colour, depth};
}

TEST(PixelFormatScore, ScoresAsDocumented) {
    EXPECT_EQ(scorePixelFormat(format(1, kGood, 32, 24)), 2072);
    EXPECT_EQ(scorePixelFormat(format(1, kGood, 24, 24)), 2068);
    EXPECT_EQ(scorePixelFormat(format(1, kGood | kPfdGenericFormat | kPfdGenericAccelerated, 24, 24)), 1068);
    EXPECT_EQ(scorePixelFormat(format(1, kGood | kPfdGenericFormat, 24, 32)), 84);
    EXPECT_EQ(scorePixelFormat(format(1, kGood, 16, 16)), 2048);  // no penalty at 16 bits
}

TEST(PixelFormatScore, DepthWeighsMoreThanColour) {
    const std::vector<PixelFormatRecord> formats = {
        format(1, kGood, 32, 16),
        format(2, kGood, 24, 24),
        format(3, kGood, 32, 24),
    };
    EXPECT_EQ(choosePixelFormatIndex(formats), 3);
}

TEST(PixelFormatScore, UnusableFormatsAreNeverChosenWhateverTheirScore) {
    const std::vector<PixelFormatRecord> formats = {
        format(1, kPfdSupportOpenGl | kPfdDrawToWindow, 32, 32),          // single-buffered
        format(2, kPfdSupportOpenGl | kPfdDoubleBuffer, 32, 32),          // not for windows
        format(3, kPfdDrawToWindow | kPfdDoubleBuffer, 32, 32),           // no OpenGL
        format(4, kGood, 32, 32, 1),                                      // colour index
        format(5, kGood | kPfdGenericFormat, 16, 0),
    };
    EXPECT_EQ(choosePixelFormatIndex(formats), 5);
    EXPECT_EQ(choosePixelFormatIndex({formats.begin(), formats.begin() + 4}), 0);
    EXPECT_EQ(choosePixelFormatIndex({}), 0);
}

TEST(PixelFormatScore, ATieKeepsTheLowerIndex) {
    EXPECT_EQ(choosePixelFormatIndex({format(4, kGood, 24, 24), format(9, kGood, 24, 24)}), 4);
}

}  // namespace
