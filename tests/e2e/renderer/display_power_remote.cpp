// Loading the display-power probe into a renderer, and asking it on its window.
#include "display_power_remote.h"

#include "display_power_probe.h"
#include "process.h"
#include "windows_probe.h"


namespace e2e {

namespace {

constexpr DWORD kProbeTimeoutMs = 10000;

HWND probeWindowOf(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExA(HWND_MESSAGE, window, kProbeWindowClass, nullptr))) {
        if (windowProcessId(window) == processId) return window;
    }
    return nullptr;
}

// Has the renderer's thread load the probe as it takes its next message, and waits for the
// probe's window.
HWND loadProbe(HWND rendererWindow, DWORD processId) {
    HMODULE local = LoadLibraryA((programDir() + "\\" + kProbeModuleName).c_str());
    const auto hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(local ? GetProcAddress(local, "probeHook") : nullptr));
    HHOOK hooked = hook ? SetWindowsHookExA(WH_GETMESSAGE, hook, local,
                                            GetWindowThreadProcessId(rendererWindow, nullptr))
                        : nullptr;
    HWND probe = nullptr;
    if (hooked) {
        PostMessageA(rendererWindow, WM_NULL, 0, 0);
        waitFor([&] { return (probe = probeWindowOf(processId)) != nullptr; }, kProbeTimeoutMs);
        UnhookWindowsHookEx(hooked);  // the probe keeps itself loaded
    }
    if (local) FreeLibrary(local);
    return probe;
}

}  // namespace

DisplayPowerProbe::DisplayPowerProbe(HWND rendererWindow) {
    const DWORD processId = windowProcessId(rendererWindow);
    probeWindow_ = probeWindowOf(processId);
    if (!probeWindow_ && processId) probeWindow_ = loadProbe(rendererWindow, processId);
}

DWORD DisplayPowerProbe::ask(UINT message, WPARAM argument) {
    DWORD_PTR answer = MAXDWORD;
    if (!probeWindow_ || !SendMessageTimeoutA(probeWindow_, message, argument, 0, SMTO_BLOCK,
                                              kProbeTimeoutMs, &answer)) {
        return MAXDWORD;
    }
    return static_cast<DWORD>(answer);
}

bool DisplayPowerProbe::send(PowerNotice notice) {
    const auto packed = static_cast<WPARAM>((notice.dataLength & 0xff) << 16 |
                                            static_cast<DWORD>(notice.setting) << 8 |
                                            (notice.value & 0xff));
    return ask(kProbeNotify, packed) != MAXDWORD;
}

DWORD DisplayPowerProbe::frames() { return ask(kProbeFrames); }

std::optional<DWORD> DisplayPowerProbe::firstFrameMicroseconds() {
    const DWORD us = ask(kProbeFirstFrameMicroseconds);
    if (us == MAXDWORD) return std::nullopt;
    return us;
}

}  // namespace e2e
