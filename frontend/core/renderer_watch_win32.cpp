// The renderer watch's readings and asks.
#include "renderer_watch_win32.h"

#include "program_contract.h"

namespace {

// Longer would hold the front end's one thread, its music timers with it.
constexpr UINT kAskTimeoutMs = 100;

using UnbiasedTimeProc = BOOL(WINAPI*)(PULONGLONG);

// Milliseconds the system has been awake. Windows Vista lacks the unbiased clock and gets the
// tick count, which runs on in sleep: there a night's sleep could make a silent run look long.
std::uint64_t awakeMs() {
    static const auto unbiasedTime = [] {
        HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
        FARPROC proc = kernel32 ? GetProcAddress(kernel32, "QueryUnbiasedInterruptTime") : nullptr;
        return reinterpret_cast<UnbiasedTimeProc>(reinterpret_cast<void (*)()>(proc));
    }();
    ULONGLONG hundredNs = 0;
    if (unbiasedTime && unbiasedTime(&hundredNs)) return hundredNs / 10000;
    return GetTickCount64();
}

HWND rendererWindowOf(DWORD processId) {
    if (processId == 0) return nullptr;
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, nullptr, kRendererWindowTitle))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

}  // namespace

RendererWatchReading readRendererWatch(HANDLE process, std::uint64_t startedAtMs) {
    RendererWatchReading reading;
    WatchObservation& seen = reading.seen;
    seen.rendererWindowExists = FindWindowA(nullptr, kRendererWindowTitle) != nullptr;
    seen.rendererProcessEnded = !process || WaitForSingleObject(process, 0) != WAIT_TIMEOUT;
    if (seen.rendererWindowExists && process) reading.ownWindow = rendererWindowOf(GetProcessId(process));
    seen.ownWindowExists = reading.ownWindow != nullptr;
    seen.ownWindowShown = seen.ownWindowExists && IsWindowVisible(reading.ownWindow);
    // The input's time first: read after it, the tick count is never older than the input.
    LASTINPUTINFO input{};
    input.cbSize = sizeof input;
    if (GetLastInputInfo(&input)) seen.lastInputTickMs = input.dwTime;
    const ULONGLONG now = GetTickCount64();
    seen.elapsedMs = now - startedAtMs;
    seen.tickMs = static_cast<std::uint32_t>(now);  // what GetTickCount and the input's time count
    seen.awakeMs = awakeMs();
    return reading;
}

AskOutcome askRenderer(HWND window) {
    if (IsHungAppWindow(window)) return AskOutcome::ReportedHung;
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAskTimeoutMs, &ignored)) {
        return AskOutcome::Answered;
    }
    // A window that went while it was asked has ended by itself: the next tick sees it gone.
    return IsWindow(window) ? AskOutcome::Unanswered : AskOutcome::Answered;
}

void endStuckRenderer(HANDLE process) {
    if (process) TerminateProcess(process, kRendererEndedByFrontEndExitCode);
}
