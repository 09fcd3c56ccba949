// Where the Command button's face comes from: the slices of a state picture, and the colours
// and corners of its background gradient.
#include <gtest/gtest.h>

#include "command_face.h"

namespace {

void expectRect(const TwipsRect& rect, int x, int y, int width, int height) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
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
