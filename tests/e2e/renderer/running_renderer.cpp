// Starting the real renderer for a scenario, and the small window tools its scenarios share.
#include "running_renderer.h"

#include "windows_probe.h"

namespace e2e {

std::string rendererPath() { return inFolder(programDir(), kRendererFileName); }

void parkPointer(POINT at) {
    // Wine moves the X pointer only when the position it keeps changes, and not at all while a
    // full-screen window holds the pointer; so a pointer that seems parked may not be. Step off
    // and back on, now that no renderer holds it.
    SetCursorPos(at.x + 8, at.y);
    SetCursorPos(at.x, at.y);
}

RunningRenderer::RunningRenderer(const std::string& arguments, POINT pointer) {
    // A renderer of an earlier scenario must not be mistaken for this one.
    waitForNoWindow(kRendererWindowTitle, 5000);
    parkPointer(pointer);
    std::string line = "\"" + rendererPath() + "\"";
    if (!arguments.empty()) line += " " + arguments;
    if (!process_.start(line, programDir())) return;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000 && process_.running()) {
        HWND found = FindWindowA(kRendererWindowClass, kRendererWindowTitle);
        if (found && windowProcessId(found) == process_.id()) {
            window_ = found;
            break;
        }
        Sleep(10);
    }
    // Let it handle its start-up messages (activation, the move of the pointer it appeared
    // under) before the scenario acts.
    if (window_) {
        Sleep(150);
        waitUntilIdle(window_);
    }
}

RunningRenderer::~RunningRenderer() { process_.kill(); }

bool RunningRenderer::stillRunning() {
    if (!window_) return false;
    waitUntilIdle(window_);
    // Closing is asynchronous: the renderer posts WM_CLOSE to itself. Let that go through.
    Sleep(50);
    waitUntilIdle(window_);
    return process_.running() && IsWindow(window_);
}

bool RunningRenderer::closes(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (window_ && IsWindow(window_)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(5);
    }
    return true;
}

std::optional<DWORD> RunningRenderer::waitForClose(DWORD timeoutMs) {
    return process_.waitForExit(timeoutMs);
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

// A named callback, not a lambda: only a CALLBACK function has the stdcall convention that
// EnumWindows calls with on i686.
BOOL CALLBACK collectWindowOfProcess(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    if (windowProcessId(window) == search->processId) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> windowsOfProcess(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(collectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> visibleWindowsOfProcess(DWORD processId) {
    std::vector<HWND> visible;
    for (HWND window : windowsOfProcess(processId))
        if (IsWindowVisible(window)) visible.push_back(window);
    return visible;
}

namespace {
constexpr const char* kOtherClass = "CorvessaScenarioOtherApplication";
}

OtherApplicationWindow::OtherApplicationWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kOtherClass;
    RegisterClassA(&wc);  // fails harmlessly when an earlier scenario registered it
    window_ = CreateWindowExA(0, kOtherClass, "Other application", WS_POPUP | WS_VISIBLE, 10,
                              10, 200, 150, nullptr, nullptr, wc.hInstance, nullptr);
}

OtherApplicationWindow::~OtherApplicationWindow() {
    if (window_) DestroyWindow(window_);
}

void OtherApplicationWindow::activate() {
    SetForegroundWindow(window_);
    pumpMessages(100);
}

void pumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

}  // namespace e2e
