// Following the monitors: the window, its views and the frames' pace kept on the layout.
#include "display_change_win32.h"

#include "monitor_layout_win32.h"
#include "saver_input_win32.h"

#include <utility>

namespace {

void follow(SaverWindowState& state, HWND hwnd, ViewLayout next) {
    state.closeRules.displayChanged(cursorPosition(state.closeRules.baseline()), GetTickCount());
    // A new refresh rate alone (60 to 144 Hz, say) changes no monitor but the frames' landing.
    const int interval = swapIntervalFor(primaryRefreshRate());
    if (interval != state.swapInterval) {
        state.swapInterval = interval;
        if (state.rendererReady) state.openGl.askForSwapInterval(interval);
    }
    if (sameLayout(next, state.layout)) return;
    state.layout = std::move(next);
    placeSaverWindow(hwnd, state.layout);
    // Without an animation for every monitor one would stand still or uncovered: end instead.
    if (state.rendererReady && !state.openGl.relayoutOpenGL(state)) DestroyWindow(hwnd);
}

}  // namespace

void followDisplayChange(SaverWindowState& state, HWND hwnd) {
    follow(state, hwnd, currentViewLayout());
}

void followMonitorsIfChanged(SaverWindowState& state, HWND hwnd) {
    ViewLayout now = currentViewLayout();
    if (!sameLayout(now, state.layout)) follow(state, hwnd, std::move(now));
}
