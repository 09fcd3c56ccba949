// A small test form with four Command buttons, a picture box and a combo box, run by the
// forms layer on a thread of its own: its own message loop (App::run or Form::showModal), the
// buttons' real timers and real window messages. The scenario drives it from the test's thread
// with real input and looks at it on the screen.
//
// Layout (pixels of the client area at 96 dpi), tab index in brackets:
//   Set    "設定"  20, 20, 73 x 25 on the form [2]
//   panel         20, 60, 240 x 80 on the form [1]: combo box 10, 10 [3]; Cancel "ｷｬﾝｾﾙ" 100, 10 [4]
//   Off    "無効" 20, 160 on the form, disabled [5]
//   Clear  "透明" 120, 160 on the form, Visible false, over a magenta patch of the form's drawing [6]
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

namespace scenario {

enum class HostLoop { AppRun, ShowModal };

enum HostButton { kSet, kCancel, kOff, kClear, kButtonCount };

inline constexpr COLORREF kPatchColour = RGB(255, 0, 255);

class CommandHost {
public:
    explicit CommandHost(HostLoop loop);
    // Closes the form and waits for its thread.
    ~CommandHost();
    CommandHost(const CommandHost&) = delete;
    CommandHost& operator=(const CommandHost&) = delete;

    bool ready() const { return form_ != nullptr; }
    HWND form() const { return form_; }
    HWND panel() const { return panel_; }
    HWND combo() const { return combo_; }
    HWND button(HostButton which) const { return buttons_[which]; }
    int clicks(HostButton which) const { return clicks_[which].load(); }
    // The window that holds the keyboard focus in the host's thread.
    HWND focus() const;
    // A point of the form's client area, in screen pixels.
    POINT onForm(int x, int y) const;
    POINT centreOf(HostButton which) const;

private:
    void run(HostLoop loop, HANDLE ready);

    std::thread thread_;
    HWND form_ = nullptr;
    HWND panel_ = nullptr;
    HWND combo_ = nullptr;
    HWND buttons_[kButtonCount] = {};
    std::atomic<int> clicks_[kButtonCount] = {};
};

}  // namespace scenario
