// The animation in the saver window's OpenGL context.
#include "animation_opengl_win32.h"

#include "random15.h"
#include "renderer_settings.h"
#include "saver_window_state_win32.h"
#include "view_drawing_gl.h"

#include <cstdint>
#include <ctime>

namespace {

// Every animation starts from the clock: the first ones, and a new monitor's.
std::uint32_t clockSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }

}  // namespace

bool AnimationOpenGl::initOpenGL(HWND hwnd, const SaverWindowState& window) {
    startRandom15(clockSeed());
    bindGlWindowContext(context_, hwnd);
    askForSwapInterval(window.swapInterval);
    animationBuilt_ = setupViews(window.layout, rendererSettings(), sprite_, views_);
    return animationBuilt_;
}

bool AnimationOpenGl::relayoutOpenGL(const SaverWindowState& window) {
    clearWindow(window.layout);
    animationBuilt_ = relayoutViewAnimations(views_, window.layout, rendererSettings(), clockSeed());
    return animationBuilt_;
}

void AnimationOpenGl::shutdownOpenGL(HWND hwnd, const SaverWindowState&) {
    animationBuilt_ = false;
    views_ = ViewAnimations{};
    releaseGlWindowContext(context_, hwnd);
}

// Lets the display's refresh pace the frames where the driver can: every refresh at 60 Hz,
// every n-th where the rate is n times 60, so frames land on refreshes without judder. The
// message loop's own timer keeps the rate where the driver ignores it or the rate is odd.
void AnimationOpenGl::askForSwapInterval(int interval) {
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    PROC proc = wglGetProcAddress("wglSwapIntervalEXT");
    if (proc == nullptr) {
        return;
    }
    // wglGetProcAddress hands back a generic pointer that must be cast to the real type.
    auto swapInterval = reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void*>(proc));
    swapInterval(interval);
}

void AnimationOpenGl::drawFrame() {
    if (!animationBuilt_) {
        return;
    }
    renderViews(views_);
    wglSwapLayerBuffers(context_.deviceContext, WGL_SWAP_MAIN_PLANE);
}
