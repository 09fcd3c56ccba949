// Scenario helpers of the front end.
#include "frontend_scenario.h"

#include <fstream>

#include "process.h"
#include "program_contract.h"
#include "windows_probe.h"

namespace scenario {

std::string saverFolder(const std::string& name, Renderer renderer, int standInDelayMs) {
    const std::string folder = e2e::freshDir(name);
    e2e::copyFileTo(e2e::inFolder(e2e::programDir(), kFrontEndFileName), folder);
    if (renderer == Renderer::StandIn) {
        CopyFileA(e2e::inFolder(e2e::programDir(), "stand_in_renderer.exe").c_str(),
                  e2e::inFolder(folder, kRendererFileName).c_str(), FALSE);
        if (standInDelayMs != 0) std::ofstream(folder + "\\stand_in.txt") << standInDelayMs;
    } else if (renderer == Renderer::Real) {
        e2e::copyFileTo(e2e::inFolder(e2e::programDir(), kRendererFileName), folder);
    }
    return folder;
}

std::string saverCommand(const std::string& folder, const std::string& arguments) {
    return "\"" + e2e::inFolder(folder, kFrontEndFileName) + "\"" + (arguments.empty() ? "" : " " + arguments);
}

CursorCountProbe::CursorCountProbe(DWORD threadId) : threadId_(threadId) {
    MSG ignored;
    PeekMessageA(&ignored, nullptr, 0, 0, PM_NOREMOVE);  // a thread needs a queue to attach
    attached_ = threadId_ != 0 && AttachThreadInput(GetCurrentThreadId(), threadId_, TRUE) != 0;
}

CursorCountProbe::~CursorCountProbe() {
    if (attached_) AttachThreadInput(GetCurrentThreadId(), threadId_, FALSE);
}

int CursorCountProbe::displayCount() const {
    const int hidden = ShowCursor(FALSE);
    ShowCursor(TRUE);
    return hidden + 1;
}

namespace {

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HostWindow::HostWindow(int x, int y, int width, int height, const char* title) {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([=] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = hostProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "CorvessaPreviewHost";
        RegisterClassA(&windowClass);
        threadId_ = GetCurrentThreadId();
        window_ = CreateWindowExA(0, windowClass.lpszClassName, title, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                  x, y, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
        SetEvent(ready);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    });
    WaitForSingleObject(ready, 5000);
    CloseHandle(ready);
}

HostWindow::~HostWindow() {
    destroy();
    if (thread_.joinable()) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
}

void HostWindow::destroy() {
    if (window_ && IsWindow(window_)) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window_, WM_APP, 0, 0, SMTO_NORMAL, 5000, &ignored);
    }
}

MessageBoxView waitForMessageBox(const char* caption, DWORD timeoutMs) {
    MessageBoxView view;
    view.window = e2e::waitForWindow(caption, timeoutMs, "#32770");
    if (!view.window) return view;
    // Wait until the box has its text: it is filled while the dialog initialises.
    for (int i = 0; i < 100 && view.text.empty(); ++i) {
        char text[512] = {};
        GetDlgItemTextA(view.window, 0xFFFF, text, sizeof text);
        view.text = text;
        if (view.text.empty()) Sleep(20);
    }
    for (HWND child = GetWindow(view.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = {};
        GetClassNameA(child, className, sizeof className);
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child)) ++view.buttons;
        if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0) {
            view.hasIcon = true;
        }
    }
    return view;
}

HWND waitForWindowOfProcess(const char* title, DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, title); window;
             window = FindWindowExA(nullptr, window, nullptr, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId) return window;
        }
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND openSettingsDialog(e2e::Process& frontEnd, const std::string& folder) {
    if (!frontEnd.start(saverCommand(folder, "/c"), folder)) return nullptr;
    // Found as soon as it is made; it can be used once shown and idle.
    HWND dialog = waitForWindowOfProcess("<Corvessa>", frontEnd.id(), 15000);
    if (!dialog || !e2e::waitFor([&] { return IsWindowVisible(dialog) != FALSE; }, 10000)) return nullptr;
    e2e::waitUntilIdle(dialog);
    return dialog;
}

}  // namespace scenario
