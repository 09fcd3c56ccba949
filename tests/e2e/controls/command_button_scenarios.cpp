// The Command button as a user meets it on a form: its look, the pointer moving over and off
// it, presses with and without a drag, a disabled and a transparent button, and the focus
// moved by Tab and Shift+Tab in both message loops. Real input, real timers, the screen's pixels.
//
// The test form runs on a thread of its own with the forms layer's loop (App::run or
// Form::showModal); the scenario drives it from the test's thread. Its layout, in pixels of the
// client area, tab index in brackets: Set "設定" 20, 20, 73 x 25 [2]; a panel 20, 60 [1] holding
// a combo box [3] and Cancel "ｷｬﾝｾﾙ" [4]; Off "無効" 20, 160, disabled [5]; Clear "透明" 120,
// 160, Visible false over a magenta patch of the form's drawing [6].
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "combo_box.h"
#include "command_button_win32.h"
#include "command_pictures.h"
#include "form.h"
#include "forms_app.h"
#include "picture_box.h"
#include "process.h"
#include "screen_capture.h"
#include "user_input.h"
#include "windows_probe.h"

namespace {

enum class HostLoop { AppRun, ShowModal };
enum HostButton { kSet, kCancel, kOff, kClear, kButtons };

class HostForm : public forms::Form {
public:
    explicit HostForm(std::atomic<int>* clicks)
        : forms::Form(forms::FormDesign{"Command host", forms::BorderStyle::FixedSingle, 7200, 3600,
                                        RGB(192, 192, 192)}),
          clicks_(clicks) {}

    std::unique_ptr<forms::PictureBox> panel;
    std::unique_ptr<forms::ComboBox> combo;
    std::unique_ptr<Command> buttons[kButtons];

protected:
    void Form_Load() override {
        panel = std::make_unique<forms::PictureBox>(*this);
        panel->move(300, 900, 3600, 1200);
        panel->setTabIndex(1);
        combo = std::make_unique<forms::ComboBox>(*panel);
        combo->move(150, 150, 1200, 300);
        combo->setTabIndex(3);
        for (int y = 150; y < 200; ++y) drawLine(110, y, 210, y, RGB(255, 0, 255));
        place(kSet, *this, "設定", 300, 300, 2);
        place(kCancel, *panel, "ｷｬﾝｾﾙ", 1500, 150, 4);
        place(kOff, *this, "無効", 300, 2400, 5);
        place(kClear, *this, "透明", 1800, 2400, 6);
        buttons[kOff]->setEnabled(false);
        buttons[kClear]->setVisible(false);
        for (Command* button : commandButtonsOn(*this)) button->Initialize();  // as the dialog does
    }

private:
    // Each stores only its caption and font, as the settings dialog's buttons do.
    void place(HostButton which, forms::Container& host, const char* caption, int left, int top, int tabIndex) {
        forms::PropertyStore saved;
        saved.write("Caption", std::string(caption));
        saved.write("Font", forms::FontDescription{});
        buttons[which] = forms::createUserControlAs<Command>(Command::kTypeName, host, &saved);
        buttons[which]->move(left, top, 1095, 375);
        buttons[which]->setTabIndex(tabIndex);
        std::atomic<int>* counter = &clicks_[which];
        buttons[which]->Click = [counter] { ++*counter; };
    }

    std::atomic<int>* clicks_;
};

// The form on its thread. The scenario sees only its window handles and the click counters.
class CommandHost {
public:
    explicit CommandHost(HostLoop loop) {
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, loop, ready] {
            forms::App app(GetModuleHandleA(nullptr));
            Command::registerType();
            HostForm host(clicks_);
            host.load();
            SetWindowPos(host.hWnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            form_ = host.hWnd();
            panel_ = host.panel->hWnd();
            combo_ = host.combo->hWnd();
            for (int i = 0; i < kButtons; ++i) buttons_[i] = host.buttons[i]->hWnd();
            if (loop == HostLoop::AppRun) host.show();
            SetEvent(ready);
            if (loop == HostLoop::ShowModal) host.showModal();  // shows it; the scenario waits for that
            else app.run();
        });
        WaitForSingleObject(ready, 20000);
        CloseHandle(ready);
    }
    ~CommandHost() {
        PostMessageA(form_, WM_CLOSE, 0, 0);
        thread_.join();
    }

    HWND form() const { return form_; }
    HWND panel() const { return panel_; }
    HWND combo() const { return combo_; }
    HWND button(HostButton which) const { return buttons_[which]; }
    int clicks(HostButton which) const { return clicks_[which].load(); }
    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &info) ? info.hwndFocus : nullptr;
    }
    POINT onForm(int x, int y) const {
        POINT at{x, y};
        ClientToScreen(form_, &at);
        return at;
    }
    POINT centreOf(HostButton which) const {
        RECT rect{};
        GetWindowRect(buttons_[which], &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // Shown, and everything of its showing handled.
    bool shown() const {
        if (!form_ || !e2e::waitFor([this] { return IsWindowVisible(form_) != FALSE; })) return false;
        e2e::waitUntilIdle(form_);
        return true;
    }

private:
    std::thread thread_;
    std::atomic<int> clicks_[kButtons] = {};
    HWND form_ = nullptr;
    HWND panel_ = nullptr;
    HWND combo_ = nullptr;
    HWND buttons_[kButtons] = {};
};

// Which state picture a 25-pixel high face shows, told by the left edge piece it copies one to
// one (columns 0 to 3, rows 4 to 20) from the pictures the program carries. HighLightSelect has
// the pixels of HighLight, so it answers to that name.
std::string shownBy(HWND button) {
    static const std::pair<const char*, int> kPictures[] = {
        {"Normal", IDB_COMMAND_NORMAL}, {"HighLight", IDB_COMMAND_HIGHLIGHT}, {"Selected", IDB_COMMAND_SELECTED},
        {"Pressed", IDB_COMMAND_PRESSED}, {"Disable", IDB_COMMAND_DISABLE}};
    const e2e::Picture face = e2e::captureClient(button);
    if (face.height != 25) return "a face of another height";
    HDC dc = CreateCompatibleDC(nullptr);
    std::string shown = "no state picture";
    for (const auto& [name, id] : kPictures) {
        auto* bitmap = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
        HGDIOBJ previous = SelectObject(dc, bitmap);
        bool same = bitmap != nullptr;
        for (int y = 4; y <= 20 && same; ++y) {
            for (int x = 0; x < 4 && same; ++x) {
                const COLORREF p = GetPixel(dc, x, y);
                same = face.at(x, y) == (static_cast<std::uint32_t>(GetRValue(p)) << 16 |
                                         static_cast<std::uint32_t>(GetGValue(p)) << 8 | GetBValue(p));
            }
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        if (same) {
            shown = name;
            break;
        }
    }
    DeleteDC(dc);
    return shown;
}

::testing::AssertionResult shows(HWND button, const std::string& picture) {
    if (e2e::waitFor([&] { return shownBy(button) == picture; })) return ::testing::AssertionSuccess();
    e2e::captureClient(button).saveBmp(e2e::programDir() + "\\command-not-" + picture + ".bmp");
    return ::testing::AssertionFailure() << "shows " << shownBy(button) << ", not " << picture;
}

int channel(std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// Inside the face, left of the caption: white at the top and lavender grey (198, 197, 215) at
// the bottom, or the other way round; the surface's last row would have the far colour.
void expectGradient(HWND button, bool whiteOnTop) {
    const e2e::Picture face = e2e::captureClient(button);
    const int white[3] = {255, 255, 255};
    const int lavender[3] = {198, 197, 215};
    const int* top = whiteOnTop ? white : lavender;
    const int* bottom = whiteOnTop ? lavender : white;
    for (int y : {4, face.height - 5}) {
        const double t = static_cast<double>(y) / (face.height - 1);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(channel(face.at(5, y), 16 - 8 * c), top[c] + (bottom[c] - top[c]) * t, 3) << "row " << y;
        }
    }
}

// The darkest pixel of the caption's band by its brightest channel: black or grey text.
int darkestCaptionPixel(HWND button) {
    const e2e::Picture face = e2e::captureClient(button);
    int darkest = 255;
    for (int y = 5; y < face.height - 5; ++y) {
        for (int x = 6; x < face.width - 6; ++x) {
            const std::uint32_t p = face.at(x, y);
            darkest = std::min(darkest, std::max({channel(p, 16), channel(p, 8), channel(p, 0)}));
        }
    }
    return darkest;
}

void click(const CommandHost& host) {
    e2e::pressButton(host.form(), e2e::MouseButton::Left);
    e2e::releaseButton(host.form(), e2e::MouseButton::Left);
}

}  // namespace

TEST(CommandButton, LooksFollowsThePointerAndClicksOncePerPressAndRelease) {
    e2e::movePointerTo(nullptr, 1000, 740);  // a window that appears under the pointer gets a move
    CommandHost host(HostLoop::AppRun);
    ASSERT_TRUE(host.shown());
    const HWND button = host.button(kSet);
    ASSERT_TRUE(shows(button, "Normal"));
    expectGradient(button, true);
    EXPECT_EQ(e2e::captureClient(button).at(36, 1), 0x003C74u) << "the dark blue outline";
    EXPECT_LT(darkestCaptionPixel(button), 90) << "a black caption";

    const POINT centre = host.centreOf(kSet);
    e2e::movePointerTo(host.form(), centre.x, centre.y);
    ASSERT_TRUE(shows(button, "HighLight"));
    expectGradient(button, false);

    // Off onto the bare form, which the button hears nothing of: only its timer notices.
    const POINT away = host.onForm(400, 200);
    const double leaving = e2e::nowMs();
    e2e::movePointerTo(host.form(), away.x, away.y);
    ASSERT_TRUE(shows(button, "Normal"));
    const double tookMs = e2e::nowMs() - leaving;
    std::printf("pointer left the button: Normal again after %.0f ms (ticks every 100 ms)\n", tookMs);
    EXPECT_LT(tookMs, 1000);
    expectGradient(button, true);

    e2e::movePointerTo(host.form(), centre.x, centre.y);
    e2e::pressButton(host.form(), e2e::MouseButton::Left);
    EXPECT_TRUE(shows(button, "Pressed"));
    EXPECT_EQ(host.focus(), button) << "a press takes the focus";
    e2e::releaseButton(host.form(), e2e::MouseButton::Left);
    EXPECT_TRUE(shows(button, "HighLight")) << "HighLightSelect";
    EXPECT_TRUE(e2e::waitFor([&] { return host.clicks(kSet) == 1; }));

    // Pressed, dragged off, released there: no Click, and the focus shows.
    e2e::pressButton(host.form(), e2e::MouseButton::Left);
    e2e::movePointerTo(host.form(), away.x, away.y);
    EXPECT_TRUE(shows(button, "Selected"));
    e2e::releaseButton(host.form(), e2e::MouseButton::Left);
    Sleep(200);
    EXPECT_EQ(host.clicks(kSet), 1);
    EXPECT_TRUE(shows(button, "Selected"));
}

TEST(CommandButton, DisabledIgnoresTheMouseAndTransparentShowsWhatLiesBehind) {
    e2e::movePointerTo(nullptr, 1000, 740);
    CommandHost host(HostLoop::AppRun);
    ASSERT_TRUE(host.shown());
    const HWND off = host.button(kOff);
    ASSERT_TRUE(shows(off, "Disable"));
    EXPECT_GT(darkestCaptionPixel(off), 90) << "a greyed caption, not black";
    EXPECT_LT(darkestCaptionPixel(off), 190) << "but a caption all the same";
    const POINT centre = host.centreOf(kOff);
    e2e::movePointerTo(host.form(), centre.x, centre.y);
    click(host);
    Sleep(200);
    EXPECT_EQ(host.clicks(kOff), 0);
    EXPECT_NE(host.focus(), off);
    EXPECT_TRUE(shows(off, "Disable"));

    const e2e::Picture clear = e2e::captureClient(host.button(kClear));
    for (POINT at : {POINT{1, 1}, POINT{36, 1}, POINT{5, 12}}) {
        EXPECT_EQ(clear.at(at.x, at.y), 0xFF00FFu) << "the form's magenta at " << at.x << "," << at.y;
    }
}

TEST(CommandButton, TabAndShiftTabMoveTheFocusInBothMessageLoops) {
    for (HostLoop loop : {HostLoop::AppRun, HostLoop::ShowModal}) {
        SCOPED_TRACE(loop == HostLoop::AppRun ? "App::run" : "Form::showModal");
        e2e::movePointerTo(nullptr, 1000, 740);
        CommandHost host(loop);
        ASSERT_TRUE(host.shown());
        e2e::waitFor([&] { return SetForegroundWindow(host.form()) && GetForegroundWindow() == host.form(); });
        const HWND set = host.button(kSet);
        const HWND cancel = host.button(kCancel);
        const auto inCombo = [&] { return IsChild(host.combo(), host.focus()) != FALSE; };
        EXPECT_TRUE(e2e::waitFor([&] { return host.focus() == host.panel(); })) << "the panel comes first";
        EXPECT_TRUE(shows(set, "Normal"));
        e2e::pressKey(host.form(), VK_TAB);
        EXPECT_TRUE(e2e::waitFor([&] { return host.focus() == set; }));
        EXPECT_TRUE(shows(set, "Selected"));
        e2e::pressKey(host.form(), VK_TAB);
        EXPECT_TRUE(e2e::waitFor(inCombo)) << "the combo box's edit field";
        EXPECT_TRUE(shows(set, "Normal"));
        e2e::pressKey(host.form(), VK_TAB);  // from inside the edit field
        EXPECT_TRUE(e2e::waitFor([&] { return host.focus() == cancel; }));
        EXPECT_TRUE(shows(cancel, "Selected")) << "a button inside the panel";
        e2e::keyDown(host.form(), VK_SHIFT);
        e2e::pressKey(host.form(), VK_TAB);
        e2e::keyUp(host.form(), VK_SHIFT);
        EXPECT_TRUE(e2e::waitFor(inCombo));
        EXPECT_TRUE(shows(cancel, "Normal"));
        e2e::pressKey(host.form(), VK_TAB);
        e2e::pressKey(host.form(), VK_TAB);
        EXPECT_TRUE(e2e::waitFor([&] { return host.focus() == host.button(kClear); })) << "the disabled one is passed over";
    }
}
