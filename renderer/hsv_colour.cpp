// Hue, saturation and lightness to red, green and blue for the trail points.
#include "hsv_colour.h"

Rgb hsvToRgb(float h, float s, float v) {
    Rgb c;
    if (h < 0.166667f) {
        c = {1.0f, 6.0f * h, 0.0f};
    } else if (h < 0.5f) {
        if (h < 0.333333f) {
            c = {1.0f - 6.0f * (h - 0.166667f), 1.0f, 0.0f};
        } else {
            c = {0.0f, 1.0f, 6.0f * (h - 0.333333f)};
        }
    } else if (h < 0.833333f) {
        if (h < 0.666667f) {
            c = {0.0f, 1.0f - 6.0f * (h - 0.5f), 1.0f};
        } else {
            c = {6.0f * (h - 0.666667f), 0.0f, 1.0f};
        }
    } else {
        c = {1.0f, 0.0f, 1.0f - 6.0f * (h - 0.833333f)};
    }
    // Saturation pulls each channel towards white, then lightness scales it.
    auto finish = [s, v](float channel) { return v * (1.0f - s * (1.0f - channel)); };
    return {finish(c.r), finish(c.g), finish(c.b)};
}
