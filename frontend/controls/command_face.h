// The geometry and colours of the Command button's face: where DrawFace copies the eight
// border pieces of a state picture, the colours and corners of the background gradient, and
// where the caption sits. Portable. Geometry in twips (15 to a pixel at 96 dpi) unless a name
// says pixels.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// A rectangle of the face, in the unit its use names: twips or pixels.
struct FaceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
using TwipsRect = FaceRect;
using PixelRect = FaceRect;

// One border piece: copied from `source` in the picture to `destination` on the control,
// stretched when the two differ in size.
struct FaceSlice {
    FaceRect destination;
    FaceRect source;
};

// A state picture measures 960 x 375 twips (64 x 25 pixels); its corners are 60 twips square.
inline constexpr int kPictureWidthTwips = 960;
inline constexpr int kPictureHeightTwips = 375;
inline constexpr int kCornerTwips = 60;

// The eight pieces in painting order: top-left corner, top edge, top-right corner, right edge,
// bottom-right corner, bottom edge, bottom-left corner, left edge. The derived extents W - 120,
// H - 120, W - 60 and H - 60 are whole twips (to the nearest, halves to even) held in 16-bit
// integers; a piece that needs one that does not fit (a control over 32 767 twips) is left
// out. Controls under 120 twips get zero or negative extents, unguarded.
std::array<std::optional<FaceSlice>, 8> faceSlices(double widthTwips, double heightTwips);

// The pictures' own scale: 64 x 25 pixels are 960 x 375 twips, 15 twips a pixel, whatever the
// screen's scale.
inline constexpr int kPictureDotsPerInch = 96;

// The eight pieces for a control of the given size in pixels on a screen of the given dots per
// inch: each source in the picture's own pixels, each destination in the control's pixels at the
// screen's scale, both ends of it rounded so that neighbouring pieces meet without a gap. At
// 96 dpi these are the pieces of faceSlices at 15 twips a pixel.
std::array<std::optional<FaceSlice>, 8> faceSlicePixels(int widthPixels, int heightPixels, int dpiX, int dpiY);

// Top of the caption label: centred on the face, 10 twips above the middle.
double captionTop(double heightTwips, double labelHeightTwips);

// The two colour texts of the gradient: white and lavender grey.
inline constexpr const char* kGradientWhiteText = "&HFFFFFF";
inline constexpr const char* kGradientLavenderText = "&HC6C5D7";

// A gradient colour as 16-bit intensities, the 8-bit value in the high byte (0xC600 for C6).
struct GradientColour {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
};

// The colour a text names, its first two hexadecimal digits being red: "&HC6C5D7" gives red C6,
// green C5, blue D7. Nothing when the text is not a number.
std::optional<GradientColour> gradientColourOf(const std::string& colourText);

struct GradientVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    GradientColour colour;
};

// Top-left and bottom-right corners of the vertical gradient over a surface of the given size
// in pixels: white at the top unless `reversed`. Nothing when a colour text does not convert.
std::optional<std::array<GradientVertex, 2>> gradientVertices(int widthPixels, int heightPixels, bool reversed);
