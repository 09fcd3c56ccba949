// Trials of the settings dialog: opened with "/c" and closed from its title bar's close box by
// the mouse, as a user closes it, which saves nothing whatever the dialog holds.
#include <algorithm>
#include <climits>
#include <cstdio>

#include "frontend_scenario.h"
#include "trial_support.h"
#include "trials.h"
#include "user_input.h"
#include "windows_probe.h"

namespace trials {
namespace {

// The middle of the window's close box, found by asking the window what lies under each point
// of its title bar: the layout of the frame belongs to the system, not to the dialog.
bool findCloseBox(HWND window, POINT& middle) {
    RECT frame{};
    if (!GetWindowRect(window, &frame)) return false;
    long left = LONG_MAX, right = LONG_MIN, top = LONG_MAX, bottom = LONG_MIN;
    for (long y = frame.top; y < frame.top + 48 && y < frame.bottom; ++y) {
        for (long x = frame.right - 1; x > frame.right - 96 && x > frame.left; --x) {
            DWORD_PTR hit = HTNOWHERE;
            SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 1000, &hit);
            if (hit != HTCLOSE) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (left > right) return false;
    middle = POINT{(left + right) / 2, (top + bottom) / 2};
    return true;
}

}  // namespace

bool settingsOpenCancel(int count) {
    const std::string folder = scenario::saverFolder("trial settings", scenario::Renderer::Real);
    Faults faults{"dialog not shown within 15 s", "no close box found", "not closed by the close box",
                  "openings that left a process behind"};
    Timings toShown, clickToGone;
    for (int cycle = 0; cycle < count; ++cycle) {
        e2e::Process frontEnd;
        const double begun = e2e::nowMs();
        HWND dialog = scenario::openSettingsDialog(frontEnd, folder);
        if (!dialog) {
            faults.count("dialog not shown within 15 s");
        } else {
            toShown.add(e2e::nowMs() - begun);
            POINT box{};
            if (!findCloseBox(dialog, box)) {
                faults.count("no close box found");
            } else {
                e2e::movePointerTo(dialog, box.x, box.y);
                const double clicked = e2e::nowMs();
                e2e::pressButton(dialog, e2e::MouseButton::Left);
                e2e::releaseButton(dialog, e2e::MouseButton::Left);
                const bool closed = frontEnd.waitForExit(5000).has_value();
                if (closed) clickToGone.add(e2e::nowMs() - clicked);
                faults.count("not closed by the close box", !closed);
            }
        }
        frontEnd.kill();
        faults.count("openings that left a process behind", endLeftovers(3000) > 0);
    }
    std::printf("settings dialog opened by /c and closed by its close box\n");
    printFigure("openings", count);
    faults.print();
    printFigure("start -> dialog shown", toShown.summary());
    printFigure("click -> process gone", clickToGone.summary());
    return faults.none();
}

}  // namespace trials
