// Window look-ups for scenarios.
#include "windows_probe.h"

namespace e2e {

HWND waitForWindow(const char* title, DWORD timeoutMs, const char* className) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowA(className, title)) return window;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(10);
    }
}

bool waitForNoWindow(const char* title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (!FindWindowA(nullptr, title)) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
        if (condition()) return true;
    }
    return condition();
}

void waitUntilIdle(HWND window, DWORD timeoutMs) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
}

void waitForKeyboard(HWND window) {
    waitUntilIdle(window);
    for (int i = 0; i < 200 && GetForegroundWindow() != window; ++i) {
        SetForegroundWindow(window);
        Sleep(10);
    }
}

std::string windowTitle(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string windowClass(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD windowProcessId(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

}  // namespace e2e
