// Slices, caption place and gradient colours of the Command button's face.
#include "command_face.h"

#include <limits>

#include "number_text.h"
#include "property_store.h"
#include "twips.h"

namespace {

// A derived extent as the 16-bit whole number it is held in; nothing when it does not fit.
std::optional<int> extent16(double twips) {
    const double whole = roundHalfEven(twips);
    if (!(whole >= std::numeric_limits<std::int16_t>::min() && whole <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

std::string upperHex(unsigned long long value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

// Characters `first` (counting from 1) and the next of `text`, as far as the text reaches.
std::string twoFrom(const std::string& text, std::size_t first) {
    return first - 1 < text.size() ? text.substr(first - 1, 2) : std::string();
}

// A twips rectangle in pixels at `dpiX` x `dpiY`, from its rounded edges.
PixelRect pixelsOf(const TwipsRect& rect, int dpiX, int dpiY) {
    const int left = twipsToPixels(rect.x, dpiX);
    const int top = twipsToPixels(rect.y, dpiY);
    return PixelRect{left, top, twipsToPixels(rect.x + rect.width, dpiX) - left,
                     twipsToPixels(rect.y + rect.height, dpiY) - top};
}

// "&H" + two digits + "00" read as a 16-bit number: the channel in the high byte.
std::uint16_t channelOf(const std::string& twoDigits) {
    return static_cast<std::uint16_t>(forms::numberFromText("&H" + twoDigits + "00").value_or(0));
}

}  // namespace

std::array<std::optional<FaceSlice>, 8> faceSlices(double widthTwips, double heightTwips) {
    const auto both = [](std::optional<int> a, std::optional<int> b) { return a && b; };
    const std::optional<int> w120 = extent16(widthTwips - 120);
    const std::optional<int> h120 = extent16(heightTwips - 120);
    const std::optional<int> w60 = extent16(widthTwips - 60);
    const std::optional<int> h60 = extent16(heightTwips - 60);
    constexpr int c = kCornerTwips;
    std::array<std::optional<FaceSlice>, 8> slices;
    slices[0] = FaceSlice{{1, 1, c, c}, {0, 0, c, c}};
    if (w120) slices[1] = FaceSlice{{c, 1, *w120, c}, {c, 1, 840, c}};
    if (w60) slices[2] = FaceSlice{{*w60, 1, c, c}, {900, 1, c, c}};
    if (both(w60, h120)) slices[3] = FaceSlice{{*w60, c, c, *h120}, {900, c, c, 255}};
    if (both(w60, h60)) slices[4] = FaceSlice{{*w60, *h60, c, c}, {900, 315, c, c}};
    if (both(w120, h60)) slices[5] = FaceSlice{{c, *h60, *w120, c}, {c, 315, 840, c}};
    if (h60) slices[6] = FaceSlice{{1, *h60, c, c}, {0, 315, c, c}};
    if (h120) slices[7] = FaceSlice{{1, c, c, *h120}, {1, c, c, 255}};
    return slices;
}

std::array<std::optional<FaceSlice>, 8> faceSlicePixels(int widthPixels, int heightPixels, int dpiX, int dpiY) {
    const auto twips = faceSlices(pixelsToTwips(widthPixels, dpiX), pixelsToTwips(heightPixels, dpiY));
    std::array<std::optional<FaceSlice>, 8> pixels;
    for (std::size_t i = 0; i < twips.size(); ++i) {
        if (!twips[i]) continue;
        pixels[i] = FaceSlice{pixelsOf(twips[i]->destination, dpiX, dpiY),
                                   pixelsOf(twips[i]->source, kPictureDotsPerInch, kPictureDotsPerInch)};
    }
    return pixels;
}

double captionTop(double heightTwips, double labelHeightTwips) { return (heightTwips - labelHeightTwips - 20) / 2; }

std::optional<GradientColour> gradientColourOf(const std::string& colourText) {
    const std::optional<long long> value = forms::numberFromText(colourText);
    if (!value || *value < 0) return std::nullopt;
    const std::string digits = upperHex(static_cast<unsigned long long>(*value));
    return GradientColour{channelOf(twoFrom(digits, 1)), channelOf(twoFrom(digits, 3)), channelOf(twoFrom(digits, 5))};
}

std::optional<std::array<GradientVertex, 2>> gradientVertices(int widthPixels, int heightPixels, bool reversed) {
    const auto white = gradientColourOf(kGradientWhiteText);
    const auto lavender = gradientColourOf(kGradientLavenderText);
    if (!white || !lavender) return std::nullopt;
    const GradientColour top = reversed ? *lavender : *white;
    const GradientColour bottom = reversed ? *white : *lavender;
    return std::array<GradientVertex, 2>{GradientVertex{0, 0, top},
                                         GradientVertex{widthPixels - 1, heightPixels - 1, bottom}};
}
