// Colour of a trail point: hue, saturation and lightness to red, green and blue.
#pragma once

struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

// h, s and v in [0, 1]; each channel of the result in [0, 1]. The hue breakpoints are the
// decimal constants 0.166667, 0.333333, ... rather than exact sixths, so that every build
// draws the same colours.
Rgb hsvToRgb(float h, float s, float v);
