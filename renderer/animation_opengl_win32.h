// The program's OpenGL work for the saver window: one rendering context over every monitor, an
// animation per monitor, each frame presented with one swap, and everything released in the
// reverse order.
#pragma once

#include "gl_window_context_win32.h"
#include "saver_opengl_win32.h"
#include "sprite_texture.h"
#include "view_animations.h"

class AnimationOpenGl final : public SaverOpenGl {
public:
    bool initOpenGL(HWND hwnd, const SaverWindowState& window) override;
    void shutdownOpenGL(HWND hwnd, const SaverWindowState& window) override;
    bool relayoutOpenGL(const SaverWindowState& window) override;
    void askForSwapInterval(int interval) override;
    void drawFrame() override;

private:
    GlWindowContext context_;
    SpriteTexture sprite_{};
    ViewAnimations views_;
    bool animationBuilt_ = false;
};
