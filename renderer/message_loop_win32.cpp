// The renderer's message loop: input first, then a frame whenever one is due, and in between
// a wait on the queue itself, so that a key or a move is handled the moment it arrives.
#include "message_loop_win32.h"

#include "display_change_win32.h"

#include <mmsystem.h>

#include <cmath>

namespace {

// The system's default timer granularity (15.6 ms) would turn a 16.7 ms frame wait into
// 31 ms; a 1 ms granularity is asked for while frames are drawn. It raises the whole system's
// timer rate, which costs power by itself, so it is given back while the display is off and at
// the end of the run.
class FineTimerResolution {
public:
    FineTimerResolution() { hold(true); }
    ~FineTimerResolution() { hold(false); }
    FineTimerResolution(const FineTimerResolution&) = delete;
    FineTimerResolution& operator=(const FineTimerResolution&) = delete;

    void hold(bool wanted) {
        if (wanted && !granted_) {
            granted_ = timeBeginPeriod(1) == TIMERR_NOERROR;
        } else if (!wanted && granted_) {
            timeEndPeriod(1);
            granted_ = false;
        }
    }

private:
    bool granted_ = false;
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

void checkLayout(SaverWindowState& state, double now, double& lastCheck) {
    if (now - lastCheck < kLayoutCheckMs) return;
    lastCheck = now;
    if (state.window && state.rendererReady) followMonitorsIfChanged(state, state.window);
}

// While the display is off: no frame and no timed wakeup. Input, a display change and the
// display coming back all arrive as messages.
void waitInTheDark() {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace

void idleFrame(SaverWindowState& state) {
    // While the password dialog runs, it owns the screen.
    if (state.rendererReady && !state.closeRules.passwordActive()) state.openGl.drawFrame();
}

int runMessageLoop(SaverWindowState& state) {
    FineTimerResolution timerResolution;
    MSG msg{};
    double lastLayoutCheck = nowMs();
    bool dark = false;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!state.displayPower.displayOn()) {
            dark = true;
            timerResolution.hold(false);
            waitInTheDark();
            continue;
        }
        const double now = nowMs();
        if (dark) {
            // Monitors often leave the system while they sleep and come back changed: look at
            // them before the first frame, as the regular check would.
            dark = false;
            timerResolution.hold(true);
            lastLayoutCheck = now - kLayoutCheckMs;
        }
        checkLayout(state, now, lastLayoutCheck);
        FramePacer& pacer = state.pacer;
        const PaceDecision next = pacer.decide(now);
        if (next.drawNow) {
            pacer.frameStarted(now);
            idleFrame(state);
            continue;
        }
        // Wakes for the frame or for the first input, whichever comes first; input that is
        // already queued but was looked at ends the wait too.
        const DWORD waitMs = static_cast<DWORD>(std::ceil(next.waitMs));
        MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
