// The OpenGL side of the saver window: binds one rendering context to the window over every
// monitor, builds an animation per monitor, presents each frame with one swap, and releases
// everything in the reverse order.
#include "renderer_hooks_win32.h"

#include "gl_window_context_win32.h"
#include "random15.h"
#include "renderer_settings.h"
#include "saver_window_win32.h"
#include "view_drawing_gl.h"

#include <cstdint>
#include <ctime>

namespace {

// Everything the OpenGL side owns for the life of the window.
struct OpenGlWindowState {
    GlWindowContext context;
    SpriteTexture sprite{};
    ViewAnimations views;
    bool animationBuilt = false;
};

OpenGlWindowState& glState() {
    static OpenGlWindowState state;
    return state;
}

void seedFromClock() { startRandom15(static_cast<std::uint32_t>(std::time(nullptr))); }

}  // namespace

// Lets the display's refresh pace the frames where the driver can: every refresh at 60 Hz,
// every n-th where the rate is n times 60, so frames land on refreshes without judder. The
// message loop's own timer keeps the rate where the driver ignores it or the rate is odd.
void askForSwapInterval(int interval) {
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    PROC proc = wglGetProcAddress("wglSwapIntervalEXT");
    if (proc == nullptr) {
        return;
    }
    // wglGetProcAddress hands back a generic pointer that must be cast to the real type.
    auto swapInterval = reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void*>(proc));
    swapInterval(interval);
}

bool initOpenGL(HWND hwnd) {
    OpenGlWindowState& gl = glState();
    seedFromClock();

    bindGlWindowContext(gl.context, hwnd);
    const SaverWindowState& window = saverWindowState();
    askForSwapInterval(window.swapInterval);
    gl.animationBuilt = setupViews(window.layout, rendererSettings(), gl.sprite, gl.views);
    return gl.animationBuilt;
}

bool relayoutOpenGL(HWND) {
    OpenGlWindowState& gl = glState();
    const SaverWindowState& window = saverWindowState();
    clearWindow(window.layout);
    // New monitors' animations start from the clock, as the first ones did.
    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    gl.animationBuilt = relayoutViewAnimations(gl.views, window.layout, rendererSettings(), seed);
    return gl.animationBuilt;
}

void shutdownOpenGL(HWND hwnd) {
    OpenGlWindowState& gl = glState();
    gl.animationBuilt = false;
    gl.views = ViewAnimations{};
    releaseGlWindowContext(gl.context, hwnd);
}

void drawFrame() {
    OpenGlWindowState& gl = glState();
    if (!gl.animationBuilt) {
        return;
    }
    renderViews(gl.views);
    wglSwapLayerBuffers(gl.context.deviceContext, WGL_SWAP_MAIN_PLANE);
}
