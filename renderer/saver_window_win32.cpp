// The saver window: class, single-instance test, creation and the window procedure's
// lifecycle messages.
#include "saver_window_win32.h"

#include "apply_fixed_settings_win32.h"
#include "display_change_win32.h"
#include "message_loop_win32.h"
#include "monitor_layout_win32.h"
#include "renderer_resources.h"
#include "saver_input_win32.h"

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

// The state of the window being made. CreateWindowExA carries no creation data for it, so the
// window takes the state from here with its first message and keeps it in its user data.
SaverWindowState* stateBeingCreated = nullptr;

SaverWindowState* stateOf(HWND hwnd) {
    auto* state = reinterpret_cast<SaverWindowState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!state && stateBeingCreated) {
        state = stateBeingCreated;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    return state;
}

}  // namespace

int runSaverWindow(HINSTANCE instance, SaverOpenGl& openGl) {
    SaverWindowState state(instance, openGl);
    const WNDCLASSA windowClass = saverWindowClass(instance);
    // The display mode in force is kept: the window simply covers every monitor, which on
    // one monitor is exactly the primary screen.
    state.layout = currentViewLayout();
    state.swapInterval = swapIntervalFor(primaryRefreshRate());
    const ScreenRect& r = state.layout.window;

    if (handOverToStartingSaver()) return 0;

    WindowClassRegistration registration(windowClass);
    if (!registration.registered()) return kExitClassNotRegistered;

    stateBeingCreated = &state;
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kRendererWindowClass, kSaverCreationTitle,
                                  WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left,
                                  r.top, r.width(), r.height(), nullptr, nullptr, instance, nullptr);
    stateBeingCreated = nullptr;
    if (!window) return state.startFailed ? kExitRendererNotStarted : kExitWindowNotCreated;
    SetForegroundWindow(window);
    const int exitCode = runMessageLoop(state);
    // The window is gone by now: what the user waits for when closing is only its going.
    stopRenderer(state, window);
    return exitCode;
}

bool startRenderer(SaverWindowState& state, HWND hwnd) {
    applyFixedSettings(hwnd);  // renames the window before anyone can see it drawn
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
    state.openGLStarted = true;  // a partial set-up needs its teardown too
    if (!state.openGl.initOpenGL(hwnd, state)) return false;
    state.rendererReady = true;
    return true;
}

void stopRenderer(SaverWindowState& state, HWND hwnd) {
    state.rendererReady = false;
    // Once only: a failed start tears down at once, and the platform may or may not send
    // WM_DESTROY to a window whose creation failed.
    if (!state.openGLStarted) return;
    state.openGLStarted = false;
    state.openGl.shutdownOpenGL(hwnd, state);
}

namespace {

LRESULT saverWindowMessage(SaverWindowState& state, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        state.window = hwnd;
        state.closeRules.resetBaseline(cursorPosition(ScreenPoint{}));
        SetCursor(nullptr);
        if (!startRenderer(state, hwnd)) {
            // Without its animation the saver would stand black forever: fail the creation.
            stopRenderer(state, hwnd);
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
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);  // the state outlives the window
        break;
    case WM_SYSCOMMAND:
        if (isSwallowedSystemCommand(static_cast<std::uint32_t>(wParam))) return 0;
        break;
    case WM_DISPLAYCHANGE:
        followDisplayChange(state, hwnd);
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
        followDisplayChange(state, hwnd);
        return 0;
    default:
        break;
    }
    return handleSaverInput(state, hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK saverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // An exception must not unwind through the system's dispatcher; the message then gets
    // the default treatment and the saver goes on (or closes on the next input).
    try {
        SaverWindowState* state = stateOf(hwnd);
        if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
        return saverWindowMessage(*state, hwnd, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
