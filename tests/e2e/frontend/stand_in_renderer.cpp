// A stand-in for the renderer in the front end's scenarios: a visible window with the
// renderer's title that closes on a key press. Copied beside Corvessa.scr as Corvessa.dll, it is
// started the way the real renderer is. An optional "stand_in.txt" beside it holds a number of
// milliseconds to wait before the window is made; a negative number ends it without a window
// (as a second renderer instance does).
#include <windows.h>

#include <fstream>
#include <string>

#include "program_contract.h"

namespace {

LRESULT CALLBACK standInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int configuredDelayMs() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path);
    file = file.substr(0, file.find_last_of('\\') + 1) + "stand_in.txt";
    std::ifstream in(file);
    int delay = 0;
    if (in >> delay) return delay;
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const int delay = configuredDelayMs();
    if (delay < 0) return 0;
    Sleep(static_cast<DWORD>(delay));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = standInProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "CorvessaStandInRenderer";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, kRendererWindowTitle, WS_POPUP,
                                  0, 0, 320, 240, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
