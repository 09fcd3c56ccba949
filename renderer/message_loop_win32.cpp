// The renderer's message loop: input first, then a frame whenever one is due, and in between
// a wait on the queue itself, so that a key or a move is handled the moment it arrives.
#include "saver_window_win32.h"

#include "renderer_hooks_win32.h"

#include <mmsystem.h>

#include <cmath>

namespace {

// The system's default timer granularity (15.6 ms) would turn a 16.7 ms frame wait into
// 31 ms; a 1 ms granularity is asked for the run and given back at its end.
class FineTimerResolution {
public:
    FineTimerResolution() : granted_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
    ~FineTimerResolution() {
        if (granted_) timeEndPeriod(1);
    }
    FineTimerResolution(const FineTimerResolution&) = delete;
    FineTimerResolution& operator=(const FineTimerResolution&) = delete;

private:
    bool granted_;
};

double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerMs;
}

// A safety net for a display change that sends no message: the monitors are looked at again
// four times a second, which costs little beside sixty frames.
constexpr double kLayoutCheckMs = 250.0;

void checkLayout(double now, double& lastCheck) {
    if (now - lastCheck < kLayoutCheckMs) return;
    lastCheck = now;
    SaverWindowState& state = saverWindowState();
    if (state.window && state.rendererReady) followMonitorsIfChanged(state.window);
}

}  // namespace

void idleFrame() {
    const SaverWindowState& state = saverWindowState();
    // While the password dialog runs, it owns the screen.
    if (state.rendererReady && !state.closeRules.passwordActive()) drawFrame();
}

int runMessageLoop() {
    FineTimerResolution timerResolution;
    MSG msg{};
    double lastLayoutCheck = nowMs();
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        FramePacer& pacer = saverWindowState().pacer;
        const double now = nowMs();
        checkLayout(now, lastLayoutCheck);
        const PaceDecision next = pacer.decide(now);
        if (next.drawNow) {
            pacer.frameStarted(now);
            idleFrame();
            continue;
        }
        // Wakes for the frame or for the first input, whichever comes first; input that is
        // already queued but was looked at ends the wait too.
        const DWORD waitMs = static_cast<DWORD>(std::ceil(next.waitMs));
        MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
