// paced_floor.exe clear|quads: the renderer's own window, loop, pacing and close rules with
// the floor's drawing in place of the animation, so that scripts/pace.sh can measure what a
// paced frame costs under Wine beside the renderer: "clear" only clears the picture and swaps
// (the cost of the window, the loop and the swap), "quads" draws the floor (floor_scene.h).
#include "floor_scene.h"
#include "gl_window_context_win32.h"
#include "renderer_settings.h"
#include "saver_window_win32.h"
#include "scene_setup_gl.h"

#include <windows.h>
#include <GL/gl.h>

#include <cstring>
#include <vector>

namespace {

class FloorOpenGl final : public SaverOpenGl {
public:
    explicit FloorOpenGl(bool clearOnly) : clearOnly_(clearOnly) {}

    bool initOpenGL(HWND hwnd, const SaverWindowState& window) override {
        bindGlWindowContext(context_, hwnd);
        quads_ = spreadFloorQuads(7);
        return relayoutOpenGL(window);
    }

    bool relayoutOpenGL(const SaverWindowState& window) override {
        layout_ = window.layout;
        setupScene(layout_.window.width(), layout_.window.height(), rendererSettings(), sprite_);
        return true;
    }

    // Virtual displays have no vertical sync to ask for; the loop's own timer paces.
    void askForSwapInterval(int) override {}

    void shutdownOpenGL(HWND hwnd, const SaverWindowState&) override {
        releaseGlWindowContext(context_, hwnd);
    }

    void drawFrame() override {
        if (clearOnly_) {
            glClear(GL_COLOR_BUFFER_BIT);
        } else {
            drawFloorFrame(layout_, quads_);
        }
        wglSwapLayerBuffers(context_.deviceContext, WGL_SWAP_MAIN_PLANE);
    }

private:
    bool clearOnly_;
    GlWindowContext context_;
    SpriteTexture sprite_{};
    ViewLayout layout_;
    std::vector<FloorVertex> quads_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    FloorOpenGl openGl(std::strstr(commandLine, "quads") == nullptr);
    return runSaverWindow(instance, openGl);
}
