// The settings dialog's placement on the screen and its painted background gradients.
// Portable; lengths as the comments say.
#pragma once

#include <vector>

struct DialogPosition {
    int left;  // twips
    int top;   // twips
};

// Centred across, its top at a third of the free height; screen and window sizes in twips (the
// window's outer size). Integer divisions truncating toward zero, so a window larger than the
// screen gets a negative position, as the system would place it.
DialogPosition dialogPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// Pixel size of the marker pictures to show on a screen of `dotsPerInch`: the largest drawn
// size (12, 15, 18 or 24) that fits the 180-twip picture store at that scale, 12 at the least.
// Drawn sizes rather than a stretched 12: stretching by 1.25 or 1.5 would blur the outline.
int markerPictureSize(int dotsPerInch);

// The levels v (0 to 220) of the rows y = 0, 1, ..., H of an area H pixels high: a half sine
// over the height, dark at both edges and brightest in the middle. The last row lies on or just
// past the bottom edge. An area without height has no rows.
std::vector<int> gradientLevels(int heightPixels);

struct RowColour {
    int red;
    int green;
    int blue;
};

// The dialog shades from navy to lavender, the panel from dark grey to near white.
RowColour dialogRowColour(int level);
RowColour panelRowColour(int level);
