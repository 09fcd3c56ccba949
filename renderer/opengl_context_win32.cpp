// The OpenGL side of the saver window: binds a rendering context to the window, builds the
// animation, presents each frame, and releases everything in the reverse order.
#include "renderer_hooks_win32.h"

#include "frame_drawing_gl.h"
#include "pixel_format_win32.h"
#include "random15.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"

#include <cstdint>
#include <ctime>

namespace {

// Everything the OpenGL side owns for the life of the window.
struct OpenGlWindowState {
    HDC deviceContext = nullptr;
    HGLRC renderingContext = nullptr;
    SpriteTexture sprite{};
    AnimationState animation;
    bool animationBuilt = false;
};

OpenGlWindowState& glState() {
    static OpenGlWindowState state;
    return state;
}

void seedFromClock() { startRandom15(static_cast<std::uint32_t>(std::time(nullptr))); }

// Follows the display's refresh where the driver can, instead of spinning a core at
// thousands of frames per second. Without the extension the loop runs unpaced, as designed.
void askForSwapInterval() {
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    PROC proc = wglGetProcAddress("wglSwapIntervalEXT");
    if (proc == nullptr) {
        return;
    }
    // wglGetProcAddress hands back a generic pointer that must be cast to the real type.
    auto swapInterval = reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void*>(proc));
    swapInterval(1);
}

}  // namespace

bool initOpenGL(HWND hwnd) {
    OpenGlWindowState& gl = glState();
    seedFromClock();

    gl.deviceContext = GetDC(hwnd);
    selectPixelFormat(gl.deviceContext);
    gl.renderingContext = wglCreateContext(gl.deviceContext);
    RECT client{};
    GetClientRect(hwnd, &client);
    // Failures here are not tested on purpose: without a context the GL calls below do
    // nothing and the window stays black, while its close rules keep working.
    wglMakeCurrent(gl.deviceContext, gl.renderingContext);
    askForSwapInterval();

    const RendererSettings& settings = rendererSettings();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    gl.animationBuilt = setupAnimation(width, height, settings, gl.sprite, gl.animation);
    return gl.animationBuilt;
}

void shutdownOpenGL(HWND hwnd) {
    OpenGlWindowState& gl = glState();
    gl.animationBuilt = false;
    gl.animation = AnimationState{};
    // The display list and the texture go with the context.
    if (gl.renderingContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(gl.renderingContext);
        gl.renderingContext = nullptr;
    }
    if (gl.deviceContext != nullptr) {
        ReleaseDC(hwnd, gl.deviceContext);
        gl.deviceContext = nullptr;
    }
}

void drawFrame() {
    OpenGlWindowState& gl = glState();
    if (!gl.animationBuilt) {
        return;
    }
    renderFrame(gl.animation);
    wglSwapLayerBuffers(gl.deviceContext, WGL_SWAP_MAIN_PLANE);
}
