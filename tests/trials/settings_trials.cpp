// Trials of the settings dialog: opened with "/c" and closed from its title bar's close box by
// the mouse, as a user closes it, which saves nothing whatever the dialog holds.
#include <cstdio>

#include "frontend_scenario.h"
#include "trial_support.h"
#include "trials.h"
#include "user_input.h"
#include "windows_probe.h"

namespace trials {
namespace {

constexpr const char kDialogTitle[] = "<Corvessa>";

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
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (left > right) return false;
    middle = POINT{(left + right) / 2, (top + bottom) / 2};
    return true;
}

}  // namespace

bool settingsOpenCancel(int count) {
    const std::string folder = scenario::saverFolder("trial settings", scenario::Renderer::Real);
    int notShown = 0, noCloseBox = 0, notClosed = 0, leftBehind = 0;
    Timings toShown, clickToGone;
    for (int cycle = 0; cycle < count; ++cycle) {
        e2e::Process frontEnd;
        const double begun = e2e::nowMs();
        HWND dialog = nullptr;
        if (frontEnd.start(scenario::saverCommand(folder, "/c"), folder)) {
            dialog = scenario::waitForWindowOfProcess(kDialogTitle, frontEnd.id(), 15000);
        }
        // Found as soon as it is made; it can be used once shown and idle.
        if (!dialog || msUntil([&] { return IsWindowVisible(dialog) != FALSE; }, 10000) < 0) {
            ++notShown;
        } else {
            e2e::waitUntilIdle(dialog);
            toShown.add(e2e::nowMs() - begun);
            POINT box{};
            if (!findCloseBox(dialog, box)) {
                ++noCloseBox;
            } else {
                e2e::movePointerTo(dialog, box.x, box.y);
                const double clicked = e2e::nowMs();
                e2e::pressButton(dialog, e2e::MouseButton::Left);
                e2e::releaseButton(dialog, e2e::MouseButton::Left);
                if (frontEnd.waitForExit(5000)) {
                    clickToGone.add(e2e::nowMs() - clicked);
                } else {
                    ++notClosed;
                }
            }
        }
        frontEnd.kill();
        leftBehind += endLeftovers(3000) > 0 ? 1 : 0;
    }
    std::printf("settings dialog opened by /c and closed by its close box\n");
    printFigure("openings", count);
    printFigure("dialog not shown within 15 s", notShown);
    printFigure("no close box found", noCloseBox);
    printFigure("not closed by the close box", notClosed);
    printFigure("openings that left a process behind", leftBehind);
    printFigure("start -> dialog shown", toShown.summary());
    printFigure("click -> process gone", clickToGone.summary());
    return notShown + noCloseBox + notClosed + leftBehind == 0;
}

}  // namespace trials
