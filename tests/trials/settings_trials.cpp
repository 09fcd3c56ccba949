// Trials of the settings dialog: opened with "/c" and closed from its title bar's close box by
// the mouse, as a user closes it, which saves nothing whatever the dialog holds; and one open
// dialog worked with the real pointer for a long time, its GDI objects and handles counted.
#include <algorithm>
#include <climits>
#include <cstdio>

#include "frontend_scenario.h"
#include "process_resources.h"
#include "screen_capture.h"
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

// Where the pointer goes in the dialog, in client pixels: the music-kind names inside the panel
// (at its top-left corner), by kind; and a place on the dialog above the panel, over nothing.
constexpr int kKindNameX = 44;
constexpr int kKindNameY[3] = {82, 62, 102};
constexpr POINT kOverNothing{240, 6};

POINT onScreen(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return at;
}

// The orange ring of HighLight (and HighLightSelect) on the face's left edge, which Normal and
// Selected paint in light grey and blue.
bool showsHighLight(HWND button) {
    const std::uint32_t pixel = e2e::captureClient(button).at(2, 12);
    return (pixel >> 16 & 0xFF) >= 0xE0 && (pixel & 0xFF) <= 0xA0;
}

// The windows the GDI trial works with, found in the open dialog.
struct DialogWindows {
    HWND panel = nullptr;
    HWND trackBox = nullptr;
    HWND fileButton = nullptr;    // "...", the one Command button in the panel
    HWND cancelButton = nullptr;  // "ｷｬﾝｾﾙ", the rightmost one below it

    bool find(HWND dialog) {
        panel = FindWindowExA(dialog, nullptr, "CorvessaPictureBox", nullptr);
        trackBox = panel ? FindWindowExA(panel, nullptr, "ComboBox", nullptr) : nullptr;
        fileButton = panel ? FindWindowExA(panel, nullptr, "CorvessaUserControl", nullptr) : nullptr;
        LONG rightmost = LONG_MIN;
        for (HWND button = FindWindowExA(dialog, nullptr, "CorvessaUserControl", nullptr); button;
             button = FindWindowExA(dialog, button, "CorvessaUserControl", nullptr)) {
            RECT rect{};
            GetWindowRect(button, &rect);
            if (rect.left > rightmost) {
                rightmost = rect.left;
                cancelButton = button;
            }
        }
        return trackBox && fileButton && cancelButton;
    }
};

std::string countsText(const ResourceCounts& counts) {
    return std::to_string(counts.gdiObjects) + " GDI objects, " + std::to_string(counts.handles) + " handles";
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
        HWND dialog = nullptr;
        if (frontEnd.start(scenario::saverCommand(folder, "/c"), folder)) {
            dialog = scenario::waitForWindowOfProcess(kDialogTitle, frontEnd.id(), 15000);
        }
        // Found as soon as it is made; it can be used once shown and idle.
        if (!dialog || msUntil([&] { return IsWindowVisible(dialog) != FALSE; }, 10000) < 0) {
            faults.count("dialog not shown within 15 s");
        } else {
            e2e::waitUntilIdle(dialog);
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


bool settingsGdiHandles(int count) {
    const std::string folder = scenario::saverFolder("trial gdi", scenario::Renderer::Real);
    Faults faults{"dialog not shown within 15 s", "controls not found", "counts not readable",
                  "hover not shown within 2 s", "leave not shown within 2 s", "row change not shown",
                  "GDI objects gained", "handles gained", "not closed by its cancel button"};
    e2e::Process frontEnd;
    HWND dialog = nullptr;
    if (frontEnd.start(scenario::saverCommand(folder, "/c"), folder)) {
        dialog = scenario::waitForWindowOfProcess(kDialogTitle, frontEnd.id(), 15000);
    }
    DialogWindows windows;
    const bool shown = dialog && msUntil([&] { return IsWindowVisible(dialog) != FALSE; }, 10000) >= 0;
    if (shown) e2e::waitUntilIdle(dialog);
    faults.count("dialog not shown within 15 s", !shown);
    faults.count("controls not found", shown && !windows.find(dialog));
    const ProcessResources resources(frontEnd.id());
    const ResourceCounts atOpening = resources.count();
    faults.count("counts not readable", atOpening.gdiObjects < 0 || atOpening.handles < 0);

    ResourceCounts warm, afterHovers, afterRows, peak;
    Timings hoverCycle;
    const auto notePeak = [&](const ResourceCounts& now) {
        peak.gdiObjects = std::max(peak.gdiObjects, now.gdiObjects);
        peak.handles = std::max(peak.handles, now.handles);
    };
    const auto hover = [&] {
        const double begun = e2e::nowMs();
        RECT face{};
        GetClientRect(windows.cancelButton, &face);
        const POINT middle = onScreen(windows.cancelButton, face.right / 2, face.bottom / 2);
        e2e::movePointerTo(dialog, middle.x, middle.y);
        faults.count("hover not shown within 2 s", msUntil([&] { return showsHighLight(windows.cancelButton); }, 2000) < 0);
        const POINT away = onScreen(dialog, kOverNothing.x, kOverNothing.y);
        e2e::movePointerTo(dialog, away.x, away.y);
        faults.count("leave not shown within 2 s", msUntil([&] { return !showsHighLight(windows.cancelButton); }, 2000) < 0);
        hoverCycle.add(e2e::nowMs() - begun);
    };
    // The rows lie in the order 1, 0, 2; every click changes the kind.
    const auto chooseKind = [&](int kind) {
        const POINT name = onScreen(windows.panel, kKindNameX, kKindNameY[kind]);
        e2e::movePointerTo(dialog, name.x, name.y);
        e2e::pressButton(dialog, e2e::MouseButton::Left);
        e2e::releaseButton(dialog, e2e::MouseButton::Left);
        e2e::waitUntilIdle(dialog);
        const bool trackBoxRight = (IsWindowEnabled(windows.trackBox) != FALSE) == (kind == 1);
        const bool fileButtonRight = (IsWindowEnabled(windows.fileButton) != FALSE) == (kind == 2);
        faults.count("row change not shown", !trackBoxRight || !fileButtonRight);
    };
    if (faults.none()) {
        // Once each first: what a first hover or click makes once (a library bound, a font
        // measured) is not what a thousand of them would leave.
        hover();
        for (int kind : {1, 0, 2}) chooseKind(kind);
        warm = peak = resources.count();
        for (int cycle = 1; cycle <= count; ++cycle) {
            hover();
            if (cycle % 100 == 0) notePeak(resources.count());
        }
        afterHovers = resources.count();
        for (int change = 1; change <= count; ++change) {
            chooseKind((change + 1) % 3);
            if (change % 100 == 0) notePeak(resources.count());
        }
        afterRows = resources.count();
        notePeak(afterRows);
        faults.count("GDI objects gained", afterRows.gdiObjects > warm.gdiObjects || afterHovers.gdiObjects > warm.gdiObjects);
        faults.count("handles gained", afterRows.handles > warm.handles || afterHovers.handles > warm.handles);
        RECT face{};
        GetClientRect(windows.cancelButton, &face);
        const POINT middle = onScreen(windows.cancelButton, face.right / 2, face.bottom / 2);
        e2e::movePointerTo(dialog, middle.x, middle.y);
        e2e::pressButton(dialog, e2e::MouseButton::Left);
        e2e::releaseButton(dialog, e2e::MouseButton::Left);
        faults.count("not closed by its cancel button", !frontEnd.waitForExit(5000).has_value());
    }
    frontEnd.kill();
    endLeftovers(3000);
    std::printf("settings dialog: hover cycles over a Command button and row changes in one open dialog\n");
    printFigure("hover cycles, row changes", std::to_string(count) + ", " + std::to_string(count));
    faults.print();
    printFigure("GDI objects counted by", resources.gdiSource());
    printFigure("handles counted by", resources.handleSource());
    printFigure("at opening", countsText(atOpening));
    printFigure("after one hover and three rows", countsText(warm));
    printFigure("after the hover cycles", countsText(afterHovers));
    printFigure("after the row changes", countsText(afterRows));
    printFigure("largest seen (every 100)", countsText(peak));
    printFigure("hover cycle (in, lit, out, unlit)", hoverCycle.summary());
    return faults.none();
}

}  // namespace trials
