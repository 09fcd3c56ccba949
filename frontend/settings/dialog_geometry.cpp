// Placement and gradient rows of the settings dialog.
#include "dialog_geometry.h"

#include <cmath>

#include "number_text.h"
#include "twips.h"

DialogPosition dialogPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return DialogPosition{(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 3};
}

int markerPictureSize(int dotsPerInch) {
    const int room = twipsToPixels(180, dotsPerInch);
    int size = 12;
    for (int drawn : {15, 18, 24}) {
        if (drawn <= room) size = drawn;
    }
    return size;
}

std::vector<int> gradientLevels(int heightPixels) {
    std::vector<int> levels;
    // Zero height would divide by zero below; there is nothing to paint anyway.
    if (heightPixels <= 0) return levels;
    // 3.142, not pi: the rows just past the bottom edge come out a little above 0.
    const double d = heightPixels / 3.142;
    const int last = heightPixels;  // the height rounded, a whole number of pixels already
    levels.reserve(static_cast<size_t>(last) + 1);
    for (int y = 0; y <= last; ++y) {
        levels.push_back(static_cast<int>(roundHalfEven(std::fabs(std::sin(y / d)) * 220.0)));
    }
    return levels;
}

RowColour dialogRowColour(int level) { return RowColour{level, level, level + 30}; }
RowColour panelRowColour(int level) { return RowColour{level + 30, level + 30, level + 30}; }
