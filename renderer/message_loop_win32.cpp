// The renderer's message loop: one frame per idle pass, no timer and no time base.
#include "saver_window_win32.h"

#include "renderer_hooks_win32.h"

void idleFrame() {
    const SaverWindowState& state = saverWindowState();
    // While the password dialog runs, it owns the screen.
    if (state.rendererReady && !state.closeRules.passwordActive()) drawFrame();
}

int runMessageLoop() {
    MSG msg{};
    for (;;) {
        while (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            idleFrame();
            // The thread runs at the lowest priority; this hands the rest of the time slice to
            // any other ready thread, so the animation takes only what is left.
            Sleep(0);
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        // -1 means the queue itself failed: end rather than spin on the error.
        if (got == -1) return 1;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
