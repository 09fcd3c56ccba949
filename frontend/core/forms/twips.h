// Form and control geometry: twips (1/1440 inch) against device pixels at the screen's DPI.
// 96 dots per inch gives 15 twips per pixel.
#pragma once

inline constexpr int kTwipsPerInch = 1440;

// Pixels for a length in twips, to the nearest pixel (halves away from zero).
int twipsToPixels(int twips, int dotsPerInch);

// Twips for a length in pixels (exact at 96, 120, 144, 160 and 240 dpi).
int pixelsToTwips(int pixels, int dotsPerInch);
