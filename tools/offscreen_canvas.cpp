// OSMesa context and colour buffer with RAII.
#include "offscreen_canvas.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <cstring>

struct OffscreenCanvas::Context {
    OSMesaContext handle = nullptr;
};

OffscreenCanvas::OffscreenCanvas(int width, int height)
    : width_(width), height_(height),
      buffer_(static_cast<size_t>(width) * static_cast<size_t>(height) * 4),
      context_(std::make_unique<Context>()) {
    context_->handle = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    if (context_->handle == nullptr) {
        return;
    }
    current_ = OSMesaMakeCurrent(context_->handle, buffer_.data(), GL_UNSIGNED_BYTE, width, height) != 0;
}

OffscreenCanvas::~OffscreenCanvas() {
    if (context_->handle != nullptr) {
        if (current_) {
            OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
        }
        OSMesaDestroyContext(context_->handle);
    }
}

bool OffscreenCanvas::makeCurrent() {
    current_ = context_->handle != nullptr &&
               OSMesaMakeCurrent(context_->handle, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_) != 0;
    return current_;
}

RgbaPicture OffscreenCanvas::picture() const {
    glFinish();
    RgbaPicture picture;
    picture.width = width_;
    picture.height = height_;
    picture.rgba.resize(buffer_.size());
    const size_t row = static_cast<size_t>(width_) * 4;
    for (int y = 0; y < height_; ++y) {
        // OSMesa keeps the bottom row first, as OpenGL counts rows.
        std::memcpy(&picture.rgba[static_cast<size_t>(y) * row],
                    &buffer_[static_cast<size_t>(height_ - 1 - y) * row], row);
    }
    return picture;
}

// Mesa keeps a few small framebuffer records past OSMesaDestroyContext; they are the
// library's, not ours, so the leak checker of sanitized builds is told to look past them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
