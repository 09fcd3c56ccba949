// The floor for the settings dialog's opening: a program that shows nothing but a window of
// the dialog's frame and client size (7185 x 3780 twips: 479 x 252 pixels at 96 dpi, 719 x 378
// at 144), and ends when it is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK bareDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = bareDialogProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = "CorvessaBareDialog";
    if (!RegisterClassA(&windowClass)) return 1;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    // At the screen's scale, as the dialog is.
    SetProcessDPIAware();
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    RECT outer{0, 0, MulDiv(7185, dpi, 1440), MulDiv(3780, dpi, 1440)};
    AdjustWindowRect(&outer, style, FALSE);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Corvessa bare dialog", style, 100, 100,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                                  nullptr);
    if (!window) return 2;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
