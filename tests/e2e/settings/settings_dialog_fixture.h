// What the settings dialog's scenarios share: a running Corvessa.scr /c and the windows a user
// works with in its dialog, where the dialog lays them out, and how its text and its settings
// file are read.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "process.h"

namespace settings_scenario {

// Places in twips, as the dialog lays them out: the panel Pic_C(0) at (180, 240); inside it the
// markers at x 300 and the kind names at x 540, on the rows 840 (kind 1), 1140 (kind 0) and
// 1440 (kind 2). The scenarios turn them into pixels at the dialog's scale.
constexpr int kPanelLeft = 180;
constexpr int kPanelTop = 240;
constexpr int kRowTop[3] = {1140, 840, 1440};
constexpr std::uint32_t kSelectedBlue = 0x2860DC;
constexpr std::uint32_t kEmptyPaper = 0xF4F4F8;
constexpr std::uint32_t kMarkerOutline = 0x283050;

// Sent, not read from the window's caption: the track box of another process holds its text in
// its edit field, which GetWindowText would not ask.
std::string windowText(HWND window);

// The first window of this class below `parent`, depth first.
HWND firstDescendant(HWND parent, const char* className);

// <folder>\Corvessa.ini
std::string settingsFile(const std::string& folder);

// The dialog of one running Corvessa.scr /c and the windows a user works with.
struct Dialog {
    e2e::Process process;
    HWND window = nullptr;
    HWND panel = nullptr;
    HWND trackBox = nullptr;
    HWND fileButton = nullptr;  // "..."
    HWND otherWorks = nullptr;  // "その他の作品"
    HWND save = nullptr;        // "設定"
    HWND cancel = nullptr;      // "ｷｬﾝｾﾙ"
    int dpi = 96;               // the dialog's scale, told by its client width of 7185 twips

    bool open(const std::string& folder);
    // Finds the controls of `window`, once it is shown and idle.
    bool attach();

    int px(int twips) const;
    int markerSize() const { return 12 * dpi / 96; }
    POINT toScreen(HWND of, int x, int y) const;
    void clickAt(POINT screen) const;
    POINT centreOf(HWND control) const;
    void click(HWND control) const { clickAt(centreOf(control)); }
    // A click on the name of a music kind.
    void chooseKind(int kind) const;

    // Which marker shows the selected picture; -1 for none, -2 for a picture that is neither.
    int selectedKind() const;
    int trackEntries() const;

    // The window that holds the keyboard focus in the dialog's thread.
    HWND focus() const;
    bool focusIsIn(HWND control) const;

    // Types into the track box's edit field, replacing what it holds.
    void typeTrack(const std::string& text) const;

    bool closed(DWORD timeoutMs = 10000);
};

}  // namespace settings_scenario
