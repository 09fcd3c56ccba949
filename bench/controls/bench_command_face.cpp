// What one state change of a Command button costs to repaint, for a 1095 x 375 twip button (73 x 25
// pixels at 96 dpi, more at the screen's scale):
// DrawFace (clear, gradient, eight border pieces, caption placed) with the paint that puts the
// composed face on screen, and DrawFace alone; beside floors: a bare window of the same size
// whose paint is one BitBlt of a ready-made face, invalidated and painted the same way, and
// that BitBlt alone. Prints medians in microseconds; asserts nothing.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "command_button_win32.h"
#include "form.h"
#include "forms_app.h"

namespace {

constexpr int kBatches = 31;
constexpr int kCallsPerBatch = 200;

// The floor window paints a ready face and nothing else.
HDC readyFace = nullptr;

LRESULT CALLBACK floorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT inner{};
        GetClientRect(window, &inner);
        if (dc && readyFace) BitBlt(dc, 0, 0, inner.right, inner.bottom, readyFace, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Handles whatever is queued: paints, the leave timer's ticks.
void handleQueuedMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// Median over batches of the microseconds per call of `step`.
double medianMicroseconds(const std::function<void(int)>& step) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> perCall;
    for (int batch = 0; batch < kBatches; ++batch) {
        QueryPerformanceCounter(&begin);
        for (int i = 0; i < kCallsPerBatch; ++i) step(i);
        GdiFlush();
        QueryPerformanceCounter(&end);
        perCall.push_back(static_cast<double>(end.QuadPart - begin.QuadPart) * 1e6 /
                          static_cast<double>(frequency.QuadPart) / kCallsPerBatch);
        handleQueuedMessages();
    }
    return bench::median(perCall);
}

}  // namespace

int main() {
    forms::App app(GetModuleHandleA(nullptr));
    Command::registerType();
    forms::Form form(forms::FormDesign{"Command face benchmark", forms::BorderStyle::FixedSingle, 3000, 1500,
                                       RGB(0xEC, 0xE9, 0xD8)});
    form.load();
    forms::PropertyStore saved;
    saved.write("Caption", std::string("設定"));
    saved.write("Font", forms::FontDescription{});
    auto button = forms::createUserControlAs<Command>(Command::kTypeName, form, &saved);
    if (!button) {
        std::printf("no Command button could be made\n");
        return 1;
    }
    button->move(300, 300, 1095, 375);  // 73 x 25 pixels at 96 dpi
    button->Initialize();
    form.show();
    handleQueuedMessages();
    HWND window = button->hWnd();
    RECT inner{};
    GetClientRect(window, &inner);

    // Alternating pictures, as hover on and off does.
    const StatePicture pictures[] = {StatePicture::Normal, StatePicture::HighLight};
    const double shown = medianMicroseconds([&](int i) {
        button->DrawFace(pictures[i % 2]);
        UpdateWindow(window);
    });
    const double drawn = medianMicroseconds([&](int i) { button->DrawFace(pictures[i % 2]); });
    UpdateWindow(window);

    HDC windowDc = GetDC(window);
    readyFace = CreateCompatibleDC(windowDc);
    HBITMAP face = CreateCompatibleBitmap(windowDc, inner.right, inner.bottom);
    HGDIOBJ previous = SelectObject(readyFace, face);
    BitBlt(readyFace, 0, 0, inner.right, inner.bottom, windowDc, 0, 0, SRCCOPY);
    const double blit = medianMicroseconds([&](int) {
        BitBlt(windowDc, 0, 0, inner.right, inner.bottom, readyFace, 0, 0, SRCCOPY);
    });
    ReleaseDC(window, windowDc);

    WNDCLASSA floorClass{};
    floorClass.lpfnWndProc = floorWindowProc;
    floorClass.hInstance = app.instance();
    floorClass.lpszClassName = "CorvessaBenchFloor";
    RegisterClassA(&floorClass);
    HWND bare = CreateWindowExA(0, floorClass.lpszClassName, "", WS_CHILD | WS_VISIBLE, 20, 60, inner.right,
                                inner.bottom, form.hWnd(), nullptr, app.instance(), nullptr);
    UpdateWindow(bare);
    const double floor = medianMicroseconds([&](int) {
        InvalidateRect(bare, nullptr, FALSE);
        UpdateWindow(bare);
    });
    DestroyWindow(bare);
    SelectObject(readyFace, previous);
    DeleteObject(face);
    DeleteDC(readyFace);

    std::printf("Command button %ld x %ld pixels at %d dpi, median of %d batches of %d repaints:\n", inner.right,
                inner.bottom, app.dpiY(), kBatches, kCallsPerBatch);
    std::printf("  DrawFace and the paint that shows it          %8.1f us\n", shown);
    std::printf("  DrawFace into the kept drawing alone          %8.1f us\n", drawn);
    std::printf("  floor: a bare window painting a ready face    %8.1f us\n", floor);
    std::printf("  floor: that one BitBlt alone                  %8.1f us\n", blit);
    form.unload();
    return 0;
}
