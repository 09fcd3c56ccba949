// The saver window: class, single-instance test, creation and the window procedure's
// lifecycle messages. Input is handled in saver_input_win32.cpp.
#include "saver_window_win32.h"

#include "monitor_layout_win32.h"
#include "renderer_hooks_win32.h"
#include "renderer_resources.h"

#include <utility>

namespace {

// Registers a window class for the lifetime of the object.
class WindowClassRegistration {
public:
    explicit WindowClassRegistration(const WNDCLASSA& windowClass)
        : name_(windowClass.lpszClassName), instance_(windowClass.hInstance),
          registered_(RegisterClassA(&windowClass) != 0) {}
    ~WindowClassRegistration() {
        if (registered_) UnregisterClassA(name_, instance_);
    }
    WindowClassRegistration(const WindowClassRegistration&) = delete;
    WindowClassRegistration& operator=(const WindowClassRegistration&) = delete;
    bool registered() const { return registered_; }

private:
    const char* name_;
    HINSTANCE instance_;
    bool registered_;
};

WNDCLASSA saverWindowClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;  // OpenGL keeps one DC for the window's life
    wc.lpfnWndProc = saverWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_RENDERER));
    wc.hCursor = nullptr;  // no class cursor: the saver hides the pointer itself
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kRendererWindowClass;
    return wc;
}

// A saver that is still being created carries the creation title; bring it forward instead
// of starting a second one. A running renderer has been renamed and is not found.
bool handOverToStartingSaver() {
    HWND starting = FindWindowA(kRendererWindowClass, kSaverCreationTitle);
    if (!starting || !IsWindow(starting)) return false;
    SetForegroundWindow(starting);
    return true;
}

}  // namespace

SaverWindowState& saverWindowState() {
    static SaverWindowState state;
    return state;
}

ScreenPoint cursorPosition(ScreenPoint fallback) {
    POINT p{};
    if (!GetCursorPos(&p)) return fallback;
    return ScreenPoint{static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

int runSaverWindow(HINSTANCE instance) {
    SaverWindowState& state = saverWindowState();
    state.instance = instance;
    const WNDCLASSA windowClass = saverWindowClass(instance);
    // The display mode in force is kept: the window simply covers every monitor, which on
    // one monitor is exactly the primary screen.
    state.layout = currentViewLayout();
    state.swapInterval = swapIntervalFor(primaryRefreshRate());
    const ScreenRect& r = state.layout.window;

    if (handOverToStartingSaver()) return 0;

    WindowClassRegistration registration(windowClass);
    if (!registration.registered()) return kExitClassNotRegistered;

    HWND window = CreateWindowExA(WS_EX_TOPMOST, kRendererWindowClass, kSaverCreationTitle,
                                  WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left,
                                  r.top, r.width(), r.height(), nullptr, nullptr, instance, nullptr);
    if (!window) return state.startFailed ? kExitRendererNotStarted : kExitWindowNotCreated;
    SetForegroundWindow(window);
    const int exitCode = runMessageLoop();
    // The window is gone by now: what the user waits for when closing is only its going.
    stopRenderer(window);
    return exitCode;
}

bool startRenderer(HWND hwnd) {
    applyFixedSettings(hwnd);  // renames the window before anyone can see it drawn
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
    SaverWindowState& state = saverWindowState();
    state.openGLStarted = true;  // a partial set-up needs its teardown too
    if (!initOpenGL(hwnd)) return false;
    state.rendererReady = true;
    return true;
}

void stopRenderer(HWND hwnd) {
    SaverWindowState& state = saverWindowState();
    state.rendererReady = false;
    // Once only: a failed start tears down at once, and the platform may or may not send
    // WM_DESTROY to a window whose creation failed.
    if (!state.openGLStarted) return;
    state.openGLStarted = false;
    shutdownOpenGL(hwnd);
}

namespace {

void follow(HWND hwnd, ViewLayout next) {
    SaverWindowState& state = saverWindowState();
    state.closeRules.displayChanged(cursorPosition(state.closeRules.baseline()), GetTickCount());
    // A new refresh rate alone (60 to 144 Hz, say) changes no monitor but the frames' landing.
    const int interval = swapIntervalFor(primaryRefreshRate());
    if (interval != state.swapInterval) {
        state.swapInterval = interval;
        if (state.rendererReady) askForSwapInterval(interval);
    }
    if (sameLayout(next, state.layout)) return;
    state.layout = std::move(next);
    placeSaverWindow(hwnd, state.layout);
    // Without an animation for every monitor one would stand still or uncovered: end instead.
    if (state.rendererReady && !relayoutOpenGL(hwnd)) DestroyWindow(hwnd);
}

}  // namespace

void followDisplayChange(HWND hwnd) { follow(hwnd, currentViewLayout()); }

void followMonitorsIfChanged(HWND hwnd) {
    ViewLayout now = currentViewLayout();
    if (!sameLayout(now, saverWindowState().layout)) follow(hwnd, std::move(now));
}

namespace {

LRESULT saverWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    SaverWindowState& state = saverWindowState();
    switch (message) {
    case WM_CREATE:
        state.window = hwnd;
        state.closeRules.resetBaseline(cursorPosition(ScreenPoint{}));
        SetCursor(nullptr);
        if (!startRenderer(hwnd)) {
            // Without its animation the saver would stand black forever: fail the creation.
            stopRenderer(hwnd);
            state.startFailed = true;
            return -1;
        }
        state.powerNotifications.start(hwnd);
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        state.powerNotifications.stop();
        // No frame from here on; OpenGL is released once the window has gone (runSaverWindow).
        state.rendererReady = false;
        state.window = nullptr;
        break;
    case WM_SYSCOMMAND:
        if (isSwallowedSystemCommand(static_cast<std::uint32_t>(wParam))) return 0;
        break;
    case WM_DISPLAYCHANGE:
        followDisplayChange(hwnd);
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_POWERSETTINGCHANGE) {
            // The loop sees the change on its next pass: it stops drawing, or looks at the
            // monitors afresh and draws at once.
            const DisplayPowerNotice notice = decodePowerSetting(lParam);
            state.displayPower.notify(notice.setting, notice.dataLength, notice.value);
            return TRUE;
        }
        break;
    case WM_DPICHANGED:
        // The suggested rectangle would fit the window to one monitor: keep covering them all.
        followDisplayChange(hwnd);
        return 0;
    default:
        break;
    }
    return handleSaverInput(hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK saverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // An exception must not unwind through the system's dispatcher; the message then gets
    // the default treatment and the saver goes on (or closes on the next input).
    try {
        return saverWindowMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
