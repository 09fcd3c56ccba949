// Where the saver draws when the desktop spans several monitors: one window over all of them
// (the virtual screen) and one view per monitor, each with its own viewport and aspect ratio,
// so that no picture is stretched over a bezel. Portable: the Win32 side only gathers the
// monitors' rectangles and applies the answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A rectangle in screen pixels; right and bottom are exclusive. The primary monitor's top
// left corner is 0,0, so a monitor left of or above it has negative coordinates.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const ScreenRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const ScreenRect& o) const { return !(*this == o); }
};

// One monitor as the system reports it.
struct MonitorRecord {
    ScreenRect bounds;
    bool primary = false;
    std::string deviceName;  // the system's name for the monitor, stable across layout changes
};

// An OpenGL viewport in the window's client area: pixels from the bottom left corner.
struct GlViewport {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct MonitorView {
    MonitorRecord monitor;
    GlViewport viewport;
    float aspect = 1.0f;  // width / height of the monitor
};

struct ViewLayout {
    ScreenRect window;               // the saver window, covering every monitor
    std::vector<MonitorView> views;  // the primary's first, then the others left to right, top to bottom
};

// The layout for `monitors`. Empty monitors are left out, a monitor that mirrors another
// (the same rectangle) gets no view of its own, and when the list names no primary the
// monitor at 0,0 (else the first) counts as the primary. With no usable monitor at all the
// window and its one view are `fallbackScreen`, the primary screen as the system reports it.
ViewLayout layoutViews(const std::vector<MonitorRecord>& monitors, const ScreenRect& fallbackScreen);

// True when the two layouts put the same monitors in the same places.
bool sameLayout(const ViewLayout& a, const ViewLayout& b);
