// An off-screen OpenGL context over OSMesa (native builds only): the renderer's very drawing
// code renders into memory here, for pictures, pixel tests and speed figures. No display.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// RGBA picture, 8 bits per channel, rows top to bottom.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* at(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4];
    }
};

class OffscreenCanvas {
public:
    // Creates a context with an RGBA colour buffer and a 24-bit depth buffer and makes it
    // current on this thread; check valid() before drawing.
    OffscreenCanvas(int width, int height);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    bool valid() const { return current_; }
    // Makes this canvas's context current again, after another canvas took the thread.
    bool makeCurrent();
    int width() const { return width_; }
    int height() const { return height_; }

    // Waits for all drawing, then copies the picture out.
    RgbaPicture picture() const;

private:
    struct Context;
    int width_;
    int height_;
    std::vector<std::uint8_t> buffer_;  // OSMesa draws here, bottom row first
    std::unique_ptr<Context> context_;
    bool current_ = false;
};
