// How long the settings dialog takes to open: from starting "Corvessa.scr /c" until its window
// is visible, beside the floor of a bare program showing a bare window of the same size; and
// what the opening zoom costs on its own (the same caption animation, from a point to a
// rectangle of the dialog's size, timed in this process). Prints medians; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "process.h"
#include "program_contract.h"

namespace {

constexpr int kRuns = 15;

// Start to visible window titled `title`, then closed from its title bar; -1 on failure.
double timeToVisible(const std::string& command, const std::string& folder, const char* title) {
    e2e::Process started;
    const double start = e2e::nowMs();
    if (!started.start(command, folder)) return -1;
    HWND window = nullptr;
    while (!(window = FindWindowA(nullptr, title)) || !IsWindowVisible(window)) {
        if (e2e::nowMs() - start > 20000) return -1;
        Sleep(1);
    }
    const double shown = e2e::nowMs() - start;
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!started.waitForExit(10000)) return -1;
    return shown;
}

// The caption animation alone, over a window of the dialog's size.
double zoomMs() {
    const std::string command = "\"" + bench::binDir() + "\\bare_dialog.exe\"";
    e2e::Process bare;
    if (!bare.start(command)) return -1;
    HWND window = nullptr;
    for (int i = 0; i < 2000 && !(window = FindWindowA(nullptr, "Corvessa bare dialog")); ++i) Sleep(5);
    if (!window) return -1;
    RECT to{};
    GetWindowRect(window, &to);
    const RECT from{10, 10, 10, 10};
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double start = e2e::nowMs();
        DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
        times.push_back(e2e::nowMs() - start);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    bare.waitForExit(5000);
    return bench::median(times);
}

}  // namespace

int main() {
    const std::string bin = bench::binDir();
    const std::string folder = bin + "\\bench-settings";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* program : {kFrontEndFileName, kRendererFileName})
        CopyFileA(e2e::inFolder(bin, program).c_str(), e2e::inFolder(folder, program).c_str(), FALSE);

    std::vector<double> dialog, floor;
    for (int run = 0; run < kRuns; ++run) {
        const double opened = timeToVisible("\"" + e2e::inFolder(folder, kFrontEndFileName) + "\" /c", folder, "<Corvessa>");
        const double bare = timeToVisible("\"" + bin + "\\bare_dialog.exe\"", bin, "Corvessa bare dialog");
        if (opened < 0 || bare < 0) {
            std::printf("run %d failed: is the Wine session up and everything built?\n", run);
            return 1;
        }
        dialog.push_back(opened);
        floor.push_back(bare);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    std::printf("settings dialog opening at %d dpi, median of %d runs (ms)\n", dpi, kRuns);
    std::printf("  start -> window visible:  Corvessa.scr /c %8.1f   bare window (floor) %8.1f\n", bench::median(dialog),
                bench::median(floor));
    std::printf("  of which the opening zoom (DrawAnimatedRects alone): %8.3f\n", zoomMs());
    return 0;
}
