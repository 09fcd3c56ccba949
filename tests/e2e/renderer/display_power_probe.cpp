// Loaded into a running renderer by a scenario or a benchmark (display_power_remote.h), it
// delivers the display's power notifications there as Windows does: sent to the saver window
// from inside its own process, the POWERBROADCAST_SETTING in that process's memory. Wine never
// sends them itself. It also counts the renderer's frames, so that the caller can tell whether
// the renderer draws and how soon after a notification.
// The caller hooks the renderer's thread with probeHook, so that the renderer loads the probe
// itself when it next takes a message, and then talks to the message-only window the probe
// makes. Not CreateRemoteThread: Wine makes a remote thread from the target's own thread,
// interrupted by a signal wherever it is, and a renderer interrupted inside the C library's
// allocator deadlocked there (about one run in ten).
#include "display_power_probe.h"
#include "display_power_win32.h"

#include "program_contract.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstring>

namespace {

using SwapProc = BOOL(WINAPI*)(HDC, UINT);
SwapProc realSwap = nullptr;
std::atomic<DWORD> swaps{0};
std::atomic<std::int64_t> notifiedAt{0};  // performance counter at the last notification
std::atomic<std::int64_t> firstSwapAt{0};  // and at the first swap after it

std::int64_t counterNow() {
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

BOOL WINAPI countingSwap(HDC dc, UINT planes) {
    const BOOL result = realSwap(dc, planes);
    ++swaps;
    std::int64_t none = 0;
    if (notifiedAt.load() != 0) firstSwapAt.compare_exchange_strong(none, counterNow());
    return result;
}

template <typename T>
T* at(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// Points the program's import of wglSwapLayerBuffers at countingSwap.
bool countSwaps() {
    if (realSwap) return true;
    HMODULE gl = GetModuleHandleA("opengl32.dll");
    const FARPROC swap = gl ? GetProcAddress(gl, "wglSwapLayerBuffers") : nullptr;
    if (!swap) return false;
    HMODULE program = GetModuleHandleA(nullptr);
    const auto* nt = at<IMAGE_NT_HEADERS>(program, static_cast<DWORD>(at<IMAGE_DOS_HEADER>(program, 0)->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = at<IMAGE_IMPORT_DESCRIPTOR>(program, imports.VirtualAddress); library->Name;
         ++library) {
        for (auto* slot = at<IMAGE_THUNK_DATA>(program, library->FirstThunk); slot->u1.Function; ++slot) {
            if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(swap)) continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            realSwap = reinterpret_cast<SwapProc>(reinterpret_cast<void (*)()>(swap));
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&countingSwap);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

HWND saverWindowOfThisProcess() {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, kRendererWindowClass, nullptr))) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) return window;
    }
    return nullptr;
}

// Any other setting: the power scheme's own.
constexpr GUID kPowerSchemePersonality = {
    0x245d8541, 0x3943, 0x4422, {0xb0, 0x25, 0x13, 0xa7, 0x84, 0xf6, 0x79, 0xb7}};

// Sends one notification as the system would: the setting's record lives in this process.
// Answers the window's result, or MAXDWORD when the renderer has no window.
LRESULT notify(WPARAM packed) {
    const auto word = static_cast<DWORD>(packed);
    const DWORD value = word & 0xff, setting = (word >> 8) & 0xff, length = (word >> 16) & 0xff;
    HWND window = saverWindowOfThisProcess();
    if (!window) return MAXDWORD;
    // Room for the longest data a caller can ask for, as the system would allocate it.
    alignas(POWERBROADCAST_SETTING) BYTE buffer[sizeof(POWERBROADCAST_SETTING) + 256] = {};
    auto* notice = reinterpret_cast<POWERBROADCAST_SETTING*>(buffer);
    notice->PowerSetting = setting == 0 ? kSessionDisplayStatus
                           : setting == 1 ? kMonitorPowerOn
                                          : kPowerSchemePersonality;
    notice->DataLength = length;
    std::memcpy(notice->Data, &value, sizeof value);
    firstSwapAt = 0;
    notifiedAt = counterNow();
    return SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                        reinterpret_cast<LPARAM>(notice));
}

LRESULT firstSwapMicroseconds() {
    const std::int64_t from = notifiedAt.load(), to = firstSwapAt.load();
    if (from == 0 || to == 0) return MAXDWORD;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<LRESULT>((to - from) * 1000000 / frequency.QuadPart);
}

LRESULT CALLBACK probeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kProbeNotify: return notify(wParam);
    case kProbeFrames: return swaps.load();
    case kProbeFirstFrameMicroseconds: return firstSwapMicroseconds();
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Answers the probe's messages until the renderer ends.
DWORD WINAPI answerMessages(LPVOID) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = probeWindowProc;
    windowClass.hInstance = GetModuleHandleA(kProbeModuleName);
    windowClass.lpszClassName = kProbeWindowClass;
    RegisterClassA(&windowClass);
    if (!CreateWindowExA(0, kProbeWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr)) {
        return 1;
    }
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

}  // namespace

// Called on the renderer's own thread as it takes a message: the first call counts its frames
// and starts the thread that answers, and keeps the probe loaded after the hook has gone.
extern "C" __declspec(dllexport) LRESULT CALLBACK probeHook(int code, WPARAM wParam, LPARAM lParam) {
    static bool started = false;
    if (!started) {
        started = true;
        HMODULE self = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, kProbeModuleName, &self);
        if (countSwaps()) CloseHandle(CreateThread(nullptr, 0, answerMessages, nullptr, 0, nullptr));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
