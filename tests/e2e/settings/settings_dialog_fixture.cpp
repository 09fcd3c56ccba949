// The settings dialog as the scenarios drive it: finding its controls, clicking and typing,
// and reading which music kind it shows.
#include "settings_dialog_fixture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "frontend_scenario.h"
#include "program_contract.h"
#include "screen_capture.h"
#include "twips.h"
#include "user_input.h"
#include "windows_probe.h"

namespace settings_scenario {
namespace {

// The direct children of `parent` with this class, in window order.
std::vector<HWND> childrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        found.push_back(child);
    }
    return found;
}

// A child's rectangle in the client coordinates of `dialog`.
RECT rectInDialog(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

std::string windowText(HWND window) {
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

HWND firstDescendant(HWND parent, const char* className) {
    for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(parent, child, nullptr, nullptr)) {
        if (e2e::windowClass(child) == className) return child;
        if (HWND below = firstDescendant(child, className)) return below;
    }
    return nullptr;
}

std::string settingsFile(const std::string& folder) { return e2e::inFolder(folder, kSettingsFileName); }

bool Dialog::open(const std::string& folder) {
    window = scenario::openSettingsDialog(process, folder);
    return attach();
}

bool Dialog::attach() {
    if (!window) return false;
    RECT inner{};
    GetClientRect(window, &inner);
    dpi = static_cast<int>(std::lround(inner.right * 1440.0 / 7185));
    panel = FindWindowExA(window, nullptr, "CorvessaPictureBox", nullptr);
    trackBox = FindWindowExA(panel, nullptr, "ComboBox", nullptr);
    const std::vector<HWND> inPanel = childrenOfClass(panel, "CorvessaUserControl");
    if (inPanel.size() == 1) fileButton = inPanel[0];
    // The three at the bottom, told apart by where they lie: left to right.
    std::vector<HWND> bottom = childrenOfClass(window, "CorvessaUserControl");
    std::sort(bottom.begin(), bottom.end(),
              [&](HWND a, HWND b) { return rectInDialog(window, a).left < rectInDialog(window, b).left; });
    if (bottom.size() == 3) {
        otherWorks = bottom[0];
        save = bottom[1];
        cancel = bottom[2];
    }
    return panel && trackBox && fileButton && otherWorks && save && cancel;
}

int Dialog::px(int twips) const { return twipsToPixels(twips, dpi); }

POINT Dialog::toScreen(HWND of, int x, int y) const {
    POINT at{x, y};
    ClientToScreen(of, &at);
    return at;
}

void Dialog::clickAt(POINT screen) const {
    e2e::movePointerTo(window, screen.x, screen.y);
    e2e::pressButton(window, e2e::MouseButton::Left);
    e2e::releaseButton(window, e2e::MouseButton::Left);
    e2e::waitUntilIdle(window);
}

POINT Dialog::centreOf(HWND control) const {
    RECT inner{};
    GetClientRect(control, &inner);
    return toScreen(control, inner.right / 2, inner.bottom / 2);
}

void Dialog::chooseKind(int kind) const { clickAt(toScreen(panel, px(540 + 120), px(kRowTop[kind] + 90))); }

int Dialog::selectedKind() const {
    const e2e::Picture shown = e2e::captureClient(window);
    int selected = -1;
    for (int kind = 0; kind < 3; ++kind) {
        const std::uint32_t centre = shown.at(px(kPanelLeft + 300) + markerSize() / 2,
                                              px(kPanelTop + kRowTop[kind]) + markerSize() / 2);
        if (centre == kSelectedBlue) selected = selected == -1 ? kind : -2;
        else if (centre != kEmptyPaper) return -2;
    }
    return selected;
}

int Dialog::trackEntries() const { return static_cast<int>(SendMessageA(trackBox, CB_GETCOUNT, 0, 0)); }

HWND Dialog::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool Dialog::focusIsIn(HWND control) const {
    const HWND focused = focus();
    return focused == control || (focused && GetParent(focused) == control);
}

void Dialog::typeTrack(const std::string& text) const {
    click(trackBox);
    SendMessageA(trackBox, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    e2e::pressKey(window, VK_DELETE);
    for (char c : text) e2e::pressKey(window, c == '.' ? VK_OEM_PERIOD : static_cast<WORD>(c));
}

bool Dialog::closed(DWORD timeoutMs) { return process.waitForExit(timeoutMs).has_value(); }

}  // namespace settings_scenario
