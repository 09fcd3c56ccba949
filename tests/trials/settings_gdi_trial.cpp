// Trial of one open settings dialog worked for a long time with the real pointer: hover cycles
// over a Command button and clicks on the music-kind rows, with the dialog process's GDI
// objects and handles counted before, between and after.
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

// Where the pointer goes, in client pixels: the music-kind names inside the panel (from its
// top-left corner), by kind; and a place on the dialog above the panel, over nothing.
constexpr int kKindNameX = 44;
constexpr int kKindNameY[3] = {82, 62, 102};
constexpr POINT kOverNothing{240, 6};

POINT onScreen(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return at;
}

POINT middleOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return onScreen(window, client.right / 2, client.bottom / 2);
}

// The orange ring of HighLight (and HighLightSelect) on the face's left edge, where Normal and
// Selected paint light grey and blue.
bool showsHighLight(HWND button) {
    const std::uint32_t pixel = e2e::captureClient(button).at(2, 12);
    return (pixel >> 16 & 0xFF) >= 0xE0 && (pixel & 0xFF) <= 0xA0;
}

std::string countsText(const ResourceCounts& counts) {
    return std::to_string(counts.gdiObjects) + " GDI objects, " + std::to_string(counts.handles) + " handles";
}

// The open dialog and the windows the trial works with; what goes wrong is counted in `faults`.
struct WorkedDialog {
    explicit WorkedDialog(Faults& tally) : faults(tally) {}

    Faults& faults;
    HWND window = nullptr;
    HWND panel = nullptr;
    HWND trackBox = nullptr;
    HWND fileButton = nullptr;    // "...", the one Command button in the panel
    HWND cancelButton = nullptr;  // "ｷｬﾝｾﾙ", the rightmost one below it
    Timings hoverCycle;

    bool find(HWND dialog) {
        window = dialog;
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

    void clickAt(POINT at) const {
        e2e::movePointerTo(window, at.x, at.y);
        e2e::pressButton(window, e2e::MouseButton::Left);
        e2e::releaseButton(window, e2e::MouseButton::Left);
    }

    // Onto the button until its face lights up, then off it until the leave timer puts it out.
    void hover() {
        const double begun = e2e::nowMs();
        const POINT middle = middleOf(cancelButton);
        e2e::movePointerTo(window, middle.x, middle.y);
        faults.count("hover not shown within 2 s", msUntil([&] { return showsHighLight(cancelButton); }, 2000) < 0);
        const POINT away = onScreen(window, kOverNothing.x, kOverNothing.y);
        e2e::movePointerTo(window, away.x, away.y);
        faults.count("leave not shown within 2 s", msUntil([&] { return !showsHighLight(cancelButton); }, 2000) < 0);
        hoverCycle.add(e2e::nowMs() - begun);
    }

    // A click on the kind's name, checked by which of the track box and "..." it enables.
    void chooseKind(int kind) {
        clickAt(onScreen(panel, kKindNameX, kKindNameY[kind]));
        e2e::waitUntilIdle(window);
        const bool trackBoxRight = (IsWindowEnabled(trackBox) != FALSE) == (kind == 1);
        const bool fileButtonRight = (IsWindowEnabled(fileButton) != FALSE) == (kind == 2);
        faults.count("row change not shown", !trackBoxRight || !fileButtonRight);
    }
};

}  // namespace

bool settingsGdiHandles(int count) {
    const std::string folder = scenario::saverFolder("trial gdi", scenario::Renderer::Real);
    Faults faults{"dialog not shown within 15 s", "controls not found", "counts not readable",
                  "hover not shown within 2 s", "leave not shown within 2 s", "row change not shown",
                  "GDI objects gained", "handles gained", "not closed by its cancel button"};
    e2e::Process frontEnd;
    HWND window = scenario::openSettingsDialog(frontEnd, folder);
    const bool shown = window != nullptr;
    faults.count("dialog not shown within 15 s", !shown);
    WorkedDialog dialog(faults);
    faults.count("controls not found", shown && !dialog.find(window));
    const ProcessResources resources(frontEnd.id());
    const ResourceCounts atOpening = resources.count();
    faults.count("counts not readable", atOpening.gdiObjects < 0 || atOpening.handles < 0);

    ResourceCounts warm, afterHovers, afterRows, largest;
    const auto noteLargest = [&](const ResourceCounts& now) {
        largest.gdiObjects = std::max(largest.gdiObjects, now.gdiObjects);
        largest.handles = std::max(largest.handles, now.handles);
    };
    if (faults.none()) {
        // Once each first: what the first hover or click makes once (a library bound, a font
        // measured) is not what a thousand of them leave.
        dialog.hover();
        for (int kind : {1, 0, 2}) dialog.chooseKind(kind);
        warm = largest = resources.count();
        for (int cycle = 1; cycle <= count; ++cycle) {
            dialog.hover();
            if (cycle % 100 == 0) noteLargest(resources.count());
        }
        afterHovers = resources.count();
        // The rows lie in the order 1, 0, 2; every click changes the kind.
        for (int change = 1; change <= count; ++change) {
            dialog.chooseKind((change + 1) % 3);
            if (change % 100 == 0) noteLargest(resources.count());
        }
        afterRows = resources.count();
        noteLargest(afterRows);
        faults.count("GDI objects gained", std::max(afterHovers.gdiObjects, afterRows.gdiObjects) > warm.gdiObjects);
        faults.count("handles gained", std::max(afterHovers.handles, afterRows.handles) > warm.handles);
        dialog.clickAt(middleOf(dialog.cancelButton));
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
    printFigure("largest seen (every 100)", countsText(largest));
    printFigure("hover cycle (in, lit, out, unlit)", dialog.hoverCycle.summary());
    return faults.none();
}

}  // namespace trials
