// Where the Command button's face comes from: the slices of a state picture, and the colours
// and corners of its background gradient.
#include <gtest/gtest.h>

#include "command_face.h"
#include "twips.h"

namespace {

void expectRect(const TwipsRect& rect, int x, int y, int width, int height) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

void expectPixels(const PixelRect& rect, int x, int y, int width, int height) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

bool inside(const PixelRect& rect, int width, int height) {
    return rect.x >= 0 && rect.y >= 0 && rect.width > 0 && rect.height > 0 && rect.x + rect.width <= width &&
           rect.y + rect.height <= height;
}

}  // namespace

TEST(CommandFace, AButton375TwipsHighCopiesItsEdgesOneToOne) {
    const auto slices = faceSlices(1095, 375);
    for (const auto& slice : slices) ASSERT_TRUE(slice.has_value());
    expectRect(slices[0]->destination, 1, 1, 60, 60);
    expectRect(slices[1]->destination, 60, 1, 975, 60);
    expectRect(slices[1]->source, 60, 1, 840, 60);
    expectRect(slices[2]->destination, 1035, 1, 60, 60);
    expectRect(slices[3]->destination, 1035, 60, 60, 255);
    expectRect(slices[3]->source, 900, 60, 60, 255);
    expectRect(slices[4]->destination, 1035, 315, 60, 60);
    expectRect(slices[4]->source, 900, 315, 60, 60);
    expectRect(slices[5]->destination, 60, 315, 975, 60);
    expectRect(slices[6]->destination, 1, 315, 60, 60);
    expectRect(slices[6]->source, 0, 315, 60, 60);
    expectRect(slices[7]->destination, 1, 60, 60, 255);
    expectRect(slices[7]->source, 1, 60, 60, 255);
}

TEST(CommandFace, AButton315TwipsHighSqueezesItsSideEdges) {
    const auto slices = faceSlices(435, 315);
    expectRect(slices[3]->destination, 375, 60, 60, 195);
    expectRect(slices[7]->destination, 1, 60, 60, 195);
    expectRect(slices[4]->destination, 375, 255, 60, 60);
    expectRect(slices[1]->destination, 60, 1, 315, 60);
}

TEST(CommandFace, ExtentsAreWholeSixteenBitTwips) {
    const auto rounded = faceSlices(240.5, 375.5);
    EXPECT_EQ(rounded[1]->destination.width, 120) << "120.5 goes to the even neighbour";
    EXPECT_EQ(rounded[7]->destination.height, 256) << "255.5 too";
    const auto wide = faceSlices(40000, 375);
    for (int piece : {1, 2, 3, 4, 5}) EXPECT_FALSE(wide[piece].has_value()) << piece;
    for (int piece : {0, 6, 7}) EXPECT_TRUE(wide[piece].has_value()) << piece;
    const auto tiny = faceSlices(90, 90);
    EXPECT_EQ(tiny[1]->destination.width, -30) << "nothing guards a control under 120 twips";
}

TEST(CommandFace, ColourTextsAreReadRedFirstIntoTheHighByte) {
    const auto lavender = gradientColourOf("&HC6C5D7");
    ASSERT_TRUE(lavender.has_value());
    EXPECT_EQ(lavender->red, 0xC600);
    EXPECT_EQ(lavender->green, 0xC500);
    EXPECT_EQ(lavender->blue, 0xD700);
    const auto white = gradientColourOf("&HFFFFFF");
    EXPECT_EQ(white->red, 0xFF00);
    EXPECT_EQ(white->blue, 0xFF00);
    const auto shortText = gradientColourOf("&HFF");
    EXPECT_EQ(shortText->red, 0xFF00);
    EXPECT_EQ(shortText->green, 0);
    EXPECT_FALSE(gradientColourOf("lavender").has_value());
}

TEST(CommandFace, TheGradientRunsCornerToCornerAndSwapsWhenReversed) {
    const auto normal = gradientVertices(73, 25, false);
    ASSERT_TRUE(normal.has_value());
    EXPECT_EQ((*normal)[0].x, 0);
    EXPECT_EQ((*normal)[0].y, 0);
    EXPECT_EQ((*normal)[1].x, 72);
    EXPECT_EQ((*normal)[1].y, 24);
    EXPECT_EQ((*normal)[0].colour.green, 0xFF00);
    EXPECT_EQ((*normal)[1].colour.green, 0xC500);
    const auto reversed = gradientVertices(73, 25, true);
    EXPECT_EQ((*reversed)[0].colour.blue, 0xD700);
    EXPECT_EQ((*reversed)[1].colour.blue, 0xFF00);
}

TEST(CommandFace, At96DpiThePixelPiecesAreTheTableAtFifteenTwipsAPixel) {
    const auto slices = faceSlicePixels(73, 25, 96, 96);
    const int destination[8][4] = {{0, 0, 4, 4},   {4, 0, 65, 4},  {69, 0, 4, 4}, {69, 4, 4, 17},
                                   {69, 21, 4, 4}, {4, 21, 65, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
    const int source[8][4] = {{0, 0, 4, 4},   {4, 0, 56, 4},  {60, 0, 4, 4}, {60, 4, 4, 17},
                              {60, 21, 4, 4}, {4, 21, 56, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(slices[i].has_value());
        const int* d = destination[i];
        const int* s = source[i];
        expectPixels(slices[i]->destination, d[0], d[1], d[2], d[3]);
        expectPixels(slices[i]->source, s[0], s[1], s[2], s[3]);
    }
}

TEST(CommandFace, AtEveryScaleThePiecesComeFromThePictureAndCloseTheRingOnTheControl) {
    for (int dpi : {96, 108, 120, 144, 168, 192, 240}) {
        for (int widthTwips : {435, 1035, 1095, 1875}) {
            for (int heightTwips : {315, 375}) {
                const int width = twipsToPixels(widthTwips, dpi);
                const int height = twipsToPixels(heightTwips, dpi);
                SCOPED_TRACE(std::to_string(dpi) + " dpi, " + std::to_string(width) + " x " + std::to_string(height));
                const auto s = faceSlicePixels(width, height, dpi, dpi);
                for (const auto& slice : s) {
                    ASSERT_TRUE(slice.has_value());
                    EXPECT_TRUE(inside(slice->source, 64, 25));
                    EXPECT_TRUE(inside(slice->destination, width, height));
                }
                const auto end = [](const PixelRect& r) { return r.x + r.width; };
                const auto bottom = [](const PixelRect& r) { return r.y + r.height; };
                // Clockwise from the top-left corner, each piece starts where the one before ends.
                EXPECT_EQ(s[1]->destination.x, end(s[0]->destination));
                EXPECT_EQ(s[2]->destination.x, end(s[1]->destination));
                EXPECT_EQ(end(s[2]->destination), width);
                EXPECT_EQ(s[3]->destination.y, bottom(s[2]->destination));
                EXPECT_EQ(s[4]->destination.y, bottom(s[3]->destination));
                EXPECT_EQ(bottom(s[4]->destination), height);
                EXPECT_EQ(end(s[5]->destination), s[4]->destination.x);
                EXPECT_EQ(s[7]->destination.y, bottom(s[0]->destination));
                EXPECT_EQ(bottom(s[7]->destination), s[6]->destination.y);
                // The 4-pixel ring grows with the scale.
                EXPECT_EQ(s[0]->destination.width, twipsToPixels(60, dpi));
            }
        }
    }
}
