// Conversions between twips and pixels.
#include "twips.h"

namespace {

// a * b / c rounded to the nearest integer, halves away from zero, without overflow for
// screen-sized values. A bad DPI (0 or negative) is taken as 96 rather than dividing by it.
int scaleRounded(long long a, long long b, long long c) {
    const long long product = a * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : -((-product + half) / c));
}

int saneDpi(int dotsPerInch) { return dotsPerInch > 0 ? dotsPerInch : 96; }

}  // namespace

int twipsToPixels(int twips, int dotsPerInch) {
    return scaleRounded(twips, saneDpi(dotsPerInch), kTwipsPerInch);
}

int pixelsToTwips(int pixels, int dotsPerInch) {
    return scaleRounded(pixels, kTwipsPerInch, saneDpi(dotsPerInch));
}
