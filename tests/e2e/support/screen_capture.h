// Pixels as a user sees them: a copy of the screen (or a window) taken through GDI.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Pixels whose brightest channel exceeds `threshold`.
    size_t countBrighterThan(int threshold) const;
    // Pixels whose channels differ by more than `spread` (colour, not grey).
    size_t countColoured(int spread) const;
    // Writes a 24-bit BMP file, for looking at a failure.
    bool saveBmp(const std::string& path) const;
};

Picture captureScreen();
// Any part of the desktop in screen coordinates, also on a monitor left of or above the primary.
Picture captureScreenRect(const RECT& rect);
// The window's client area as drawn on screen.
Picture captureClient(HWND window);
// Differing pixels between two captures of the same size.
size_t countDifferences(const Picture& a, const Picture& b);

}  // namespace e2e
