// How long the front end adds to a saver run: from starting "Corvessa.scr /s" to the renderer's
// window, and from the closing key press until both processes are gone; each beside its floor,
// the same steps with the renderer started directly. Once with the stand-in renderer (a bare
// window program: the front end's own cost) and once with the real renderer. Prints medians;
// asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "process.h"
#include "program_contract.h"
#include "windows_probe.h"

namespace {

constexpr int kRuns = 15;

// A key press straight through SendInput: the scenario helpers pause after each event, which
// would hide the very interval measured here.
void sendKey(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

struct Timings {
    std::vector<double> toWindow;   // start -> renderer window
    std::vector<double> toGone;     // key press -> every process gone
    std::vector<double> afterWindow;  // renderer window gone -> front end gone (saver only)
};

// One run: `command` starts either the front end or the renderer itself.
bool measure(const std::string& command, const std::string& folder, bool throughFrontEnd, Timings& timings) {
    e2e::Process started;
    const double start = e2e::nowMs();
    if (!started.start(command, folder)) return false;
    HWND renderer = nullptr;
    while (!(renderer = FindWindowA(nullptr, kRendererWindowTitle))) {
        if (e2e::nowMs() - start > 20000) return false;
        Sleep(1);
    }
    timings.toWindow.push_back(e2e::nowMs() - start);
    HANDLE rendererProcess = OpenProcess(SYNCHRONIZE, FALSE, e2e::windowProcessId(renderer));
    e2e::waitUntilIdle(renderer);
    SetForegroundWindow(renderer);
    const double pressed = e2e::nowMs();
    sendKey(VK_SPACE, false);
    while (FindWindowA(nullptr, kRendererWindowTitle)) Sleep(1);
    const double windowGone = e2e::nowMs();
    if (rendererProcess) {
        WaitForSingleObject(rendererProcess, 10000);
        CloseHandle(rendererProcess);
    }
    if (!started.waitForExit(10000)) return false;
    const double allGone = e2e::nowMs();
    sendKey(VK_SPACE, true);
    timings.toGone.push_back(allGone - pressed);
    if (throughFrontEnd) timings.afterWindow.push_back(allGone - windowGone);
    return true;
}

// Runs the comparison with `renderer` copied beside Corvessa.scr as Corvessa.dll.
bool compare(const std::string& bin, const char* label, const std::string& renderer) {
    const std::string folder = bin + "\\bench-frontend";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(e2e::inFolder(bin, kFrontEndFileName).c_str(), e2e::inFolder(folder, kFrontEndFileName).c_str(), FALSE);
    if (!CopyFileA(renderer.c_str(), e2e::inFolder(folder, kRendererFileName).c_str(), FALSE)) return false;
    DeleteFileA((folder + "\\stand_in.txt").c_str());

    Timings saver, floor;
    for (int run = 0; run < kRuns; ++run) {
        if (!measure("\"" + e2e::inFolder(folder, kFrontEndFileName) + "\" /s", folder, true, saver) ||
            !measure("\"" + e2e::inFolder(folder, kRendererFileName) + "\"", folder, false, floor)) {
            std::printf("%s: run %d failed: is the Wine session up and everything built?\n", label, run);
            return false;
        }
    }
    std::printf("front end saver run with %s, median of %d runs (ms)\n", label, kRuns);
    std::printf("  start -> renderer window:   Corvessa.scr /s %8.1f   renderer alone (floor) %8.1f\n",
                bench::median(saver.toWindow), bench::median(floor.toWindow));
    std::printf("  key press -> all gone:      Corvessa.scr /s %8.1f   renderer alone (floor) %8.1f\n",
                bench::median(saver.toGone), bench::median(floor.toGone));
    std::printf("  renderer window gone -> front end gone: %8.1f (watch interval 50)\n",
                bench::median(saver.afterWindow));
    return true;
}

}  // namespace

int main() {
    const std::string bin = bench::binDir();
    const bool standIn = compare(bin, "the stand-in renderer (a bare window program)", bin + "\\stand_in_renderer.exe");
    const bool real = compare(bin, "the real renderer", e2e::inFolder(bin, kRendererFileName));
    return standIn && real ? 0 : 1;
}
