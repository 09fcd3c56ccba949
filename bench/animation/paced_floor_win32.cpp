// paced_floor.exe clear|quads: the renderer's own window, loop, pacing and close rules with
// the floor's drawing in place of the animation, so that scripts/pace.sh can measure what a
// paced frame costs under Wine beside the renderer: "clear" only clears the picture and swaps
// (the cost of the window, the loop and the swap), "quads" draws the floor (floor_scene.h).
#include "floor_scene.h"
#include "gl_window_context_win32.h"
#include "renderer_hooks_win32.h"
#include "renderer_settings.h"
#include "saver_window_win32.h"
#include "scene_setup_gl.h"

#include <windows.h>
#include <GL/gl.h>

#include <cstring>
#include <vector>

namespace {

struct FloorWindow {
    GlWindowContext context;
    SpriteTexture sprite{};
    std::vector<FloorVertex> quads;
    bool clearOnly = false;
};

FloorWindow floorWindow;

void setUpScene() {
    const ViewLayout& layout = saverWindowState().layout;
    setupScene(layout.window.width(), layout.window.height(), rendererSettings(), floorWindow.sprite);
}

}  // namespace

bool initOpenGL(HWND hwnd) {
    FloorWindow& w = floorWindow;
    bindGlWindowContext(w.context, hwnd);
    setUpScene();
    w.quads = spreadFloorQuads(7);
    return true;
}

bool relayoutOpenGL(HWND) {
    setUpScene();
    return true;
}

// Virtual displays have no vertical sync to ask for; the loop's own timer paces.
void askForSwapInterval(int) {}

void shutdownOpenGL(HWND hwnd) { releaseGlWindowContext(floorWindow.context, hwnd); }

void drawFrame() {
    FloorWindow& w = floorWindow;
    if (w.clearOnly) {
        glClear(GL_COLOR_BUFFER_BIT);
    } else {
        drawFloorFrame(saverWindowState().layout, w.quads);
    }
    wglSwapLayerBuffers(w.context.deviceContext, WGL_SWAP_MAIN_PLANE);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    floorWindow.clearOnly = std::strstr(commandLine, "quads") == nullptr;
    return runSaverWindow(instance);
}
