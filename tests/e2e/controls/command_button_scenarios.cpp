// The Command button as a user meets it on a form: its look, the pointer moving over and off
// it, presses with and without a drag, a disabled and a transparent button, and the focus
// moved by Tab and Shift+Tab in both message loops. Real input, real timers, the screen's pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "command_host.h"
#include "frontend_resources.h"
#include "process.h"
#include "screen_capture.h"
#include "user_input.h"
#include "windows_probe.h"

using scenario::CommandHost;
using scenario::HostLoop;

namespace {

constexpr int kFaceHeight = 25;

// The state pictures as the program carries them, to tell which one a button shows by the
// left edge piece it copies one to one (columns 0 to 3, rows 4 to 20).
class StatePictures {
public:
    StatePictures() {
        // HighLightSelect has the very pixels of HighLight, so it answers to that name.
        const std::pair<const char*, int> kinds[] = {{"Normal", IDB_COMMAND_NORMAL}, {"HighLight", IDB_COMMAND_HIGHLIGHT},
                                                     {"Selected", IDB_COMMAND_SELECTED}, {"Pressed", IDB_COMMAND_PRESSED},
                                                     {"Disable", IDB_COMMAND_DISABLE}};
        for (const auto& [name, id] : kinds) pictures_.push_back({name, load(id)});
    }
    std::string nameOf(const e2e::Picture& face) const {
        if (face.height != kFaceHeight) return "a face of another height";
        for (const auto& [name, picture] : pictures_) {
            if (picture.width == 0) continue;
            bool same = true;
            for (int y = 4; y <= 20 && same; ++y) {
                for (int x = 0; x < 4 && same; ++x) same = face.at(x, y) == picture.at(x, y);
            }
            if (same) return name;
        }
        return "no state picture";
    }

private:
    static e2e::Picture load(int id) {
        e2e::Picture picture;
        auto* bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0,
                                                      0, LR_CREATEDIBSECTION));
        if (!bitmap) return picture;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 64;
        info.bmiHeader.biHeight = -kFaceHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        picture.pixels.resize(64 * kFaceHeight);
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, bitmap, 0, kFaceHeight, picture.pixels.data(), &info, DIB_RGB_COLORS) == kFaceHeight) {
            picture.width = 64;
            picture.height = kFaceHeight;
            for (auto& p : picture.pixels) p &= 0x00FFFFFFu;
        }
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
        return picture;
    }

    std::vector<std::pair<std::string, e2e::Picture>> pictures_;
};

const StatePictures& statePictures() {
    static const StatePictures pictures;
    return pictures;
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 3000) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
        if (condition()) return true;
    }
    return condition();
}

std::string shownBy(HWND button) { return statePictures().nameOf(e2e::captureClient(button)); }

::testing::AssertionResult shows(HWND button, const std::string& picture, DWORD timeoutMs = 3000) {
    if (waitFor([&] { return shownBy(button) == picture; }, timeoutMs)) return ::testing::AssertionSuccess();
    e2e::captureClient(button).saveBmp(e2e::programDir() + "\\command-" + picture + "-expected.bmp");
    return ::testing::AssertionFailure() << "shows " << shownBy(button) << ", not " << picture;
}

int channel(std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// The gradient inside the face, left of the caption: white at the top and lavender grey
// (198, 197, 215) at the bottom, or the other way round; the bottom row of the surface has
// the far colour.
void expectGradient(const e2e::Picture& face, bool whiteOnTop) {
    const int white[3] = {255, 255, 255};
    const int lavender[3] = {198, 197, 215};
    for (int y : {4, face.height - 5}) {
        const double t = static_cast<double>(y) / (face.height - 1);
        const int* top = whiteOnTop ? white : lavender;
        const int* bottom = whiteOnTop ? lavender : white;
        const std::uint32_t seen = face.at(5, y);
        for (int c = 0; c < 3; ++c) {
            const double expected = top[c] + (bottom[c] - top[c]) * t;
            EXPECT_NEAR(channel(seen, 16 - 8 * c), expected, 3) << "row " << y << " channel " << c;
        }
    }
}

// The darkest pixel of the caption's band, by its brightest channel: black text, grey text.
int darkestCaptionPixel(const e2e::Picture& face) {
    int darkest = 255;
    for (int y = 5; y < face.height - 5; ++y) {
        for (int x = 6; x < face.width - 6; ++x) {
            const std::uint32_t p = face.at(x, y);
            darkest = std::min(darkest, std::max({channel(p, 16), channel(p, 8), channel(p, 0)}));
        }
    }
    return darkest;
}

void parkPointer() { e2e::movePointerTo(nullptr, 1000, 740); }

bool waitShown(const CommandHost& host) {
    if (!host.ready() || !waitFor([&] { return IsWindowVisible(host.form()) != FALSE; })) return false;
    e2e::waitUntilIdle(host.form());
    return true;
}

}  // namespace

TEST(CommandButton, LooksFollowsThePointerAndClicksOncePerPressAndRelease) {
    parkPointer();  // a window that appears under the pointer gets a move
    CommandHost host(HostLoop::AppRun);
    ASSERT_TRUE(waitShown(host));
    const HWND button = host.button(scenario::kSet);
    ASSERT_TRUE(shows(button, "Normal"));
    const e2e::Picture normal = e2e::captureClient(button);
    expectGradient(normal, true);
    EXPECT_EQ(normal.at(36, 1), 0x003C74u) << "the dark blue outline";
    EXPECT_EQ(normal.at(1, 12), 0x003C74u);
    EXPECT_LT(darkestCaptionPixel(normal), 90) << "a black caption";

    const POINT centre = host.centreOf(scenario::kSet);
    e2e::movePointerTo(host.form(), centre.x, centre.y);
    ASSERT_TRUE(shows(button, "HighLight"));
    expectGradient(e2e::captureClient(button), false);

    // Off onto the bare form, which the button hears nothing of: only its timer notices.
    const POINT away = host.onForm(400, 200);
    const double leaving = e2e::nowMs();
    e2e::movePointerTo(host.form(), away.x, away.y);
    ASSERT_TRUE(shows(button, "Normal"));
    const double tookMs = e2e::nowMs() - leaving;
    std::printf("pointer left the button: Normal again after %.0f ms (ticks every 100 ms)\n", tookMs);
    EXPECT_LT(tookMs, 1000);
    expectGradient(e2e::captureClient(button), true);

    e2e::movePointerTo(host.form(), centre.x, centre.y);
    ASSERT_TRUE(shows(button, "HighLight"));
    e2e::pressButton(host.form(), e2e::MouseButton::Left);
    EXPECT_TRUE(shows(button, "Pressed"));
    EXPECT_EQ(host.focus(), button) << "a press takes the focus";
    e2e::releaseButton(host.form(), e2e::MouseButton::Left);
    EXPECT_TRUE(shows(button, "HighLight")) << "HighLightSelect";
    EXPECT_TRUE(waitFor([&] { return host.clicks(scenario::kSet) == 1; }));

    // Pressed, dragged off, released there: no Click, and the focus shows.
    e2e::pressButton(host.form(), e2e::MouseButton::Left);
    EXPECT_TRUE(shows(button, "Pressed"));
    e2e::movePointerTo(host.form(), away.x, away.y);
    EXPECT_TRUE(shows(button, "Selected"));
    e2e::releaseButton(host.form(), e2e::MouseButton::Left);
    e2e::waitUntilIdle(host.form());
    Sleep(200);
    EXPECT_EQ(host.clicks(scenario::kSet), 1);
    EXPECT_TRUE(shows(button, "Selected"));
}

TEST(CommandButton, DisabledIgnoresTheMouseAndTransparentShowsWhatLiesBehind) {
    parkPointer();
    CommandHost host(HostLoop::AppRun);
    ASSERT_TRUE(waitShown(host));
    const HWND off = host.button(scenario::kOff);
    ASSERT_TRUE(shows(off, "Disable"));
    const int darkest = darkestCaptionPixel(e2e::captureClient(off));
    EXPECT_GT(darkest, 90) << "a greyed caption, not black";
    EXPECT_LT(darkest, 190) << "but a caption all the same";

    const POINT centre = host.centreOf(scenario::kOff);
    e2e::movePointerTo(host.form(), centre.x, centre.y);
    e2e::pressButton(host.form(), e2e::MouseButton::Left);
    e2e::releaseButton(host.form(), e2e::MouseButton::Left);
    e2e::waitUntilIdle(host.form());
    Sleep(200);
    EXPECT_EQ(host.clicks(scenario::kOff), 0);
    EXPECT_NE(host.focus(), off);
    EXPECT_TRUE(shows(off, "Disable"));

    const e2e::Picture clear = e2e::captureClient(host.button(scenario::kClear));
    const std::uint32_t patch = 0xFF00FFu;
    EXPECT_EQ(clear.at(1, 1), patch) << "the ring";
    EXPECT_EQ(clear.at(36, 1), patch);
    EXPECT_EQ(clear.at(5, 12), patch) << "the middle";
}

TEST(CommandButton, TabAndShiftTabMoveTheFocusInBothMessageLoops) {
    for (HostLoop loop : {HostLoop::AppRun, HostLoop::ShowModal}) {
        SCOPED_TRACE(loop == HostLoop::AppRun ? "App::run" : "Form::showModal");
        parkPointer();
        CommandHost host(loop);
        ASSERT_TRUE(waitShown(host));
        waitFor([&] {
            SetForegroundWindow(host.form());
            return GetForegroundWindow() == host.form();
        });
        const HWND set = host.button(scenario::kSet);
        const HWND cancel = host.button(scenario::kCancel);
        EXPECT_TRUE(waitFor([&] { return host.focus() == host.panel(); })) << "the panel comes first";
        EXPECT_TRUE(shows(set, "Normal"));

        e2e::pressKey(host.form(), VK_TAB);
        EXPECT_TRUE(waitFor([&] { return host.focus() == set; }));
        EXPECT_TRUE(shows(set, "Selected"));
        e2e::pressKey(host.form(), VK_TAB);
        EXPECT_TRUE(waitFor([&] { return IsChild(host.combo(), host.focus()) != FALSE; })) << "the combo box's edit";
        EXPECT_TRUE(shows(set, "Normal"));
        e2e::pressKey(host.form(), VK_TAB);  // from inside the edit field
        EXPECT_TRUE(waitFor([&] { return host.focus() == cancel; }));
        EXPECT_TRUE(shows(cancel, "Selected")) << "a button inside the panel";
        e2e::keyDown(host.form(), VK_SHIFT);
        e2e::pressKey(host.form(), VK_TAB);
        e2e::keyUp(host.form(), VK_SHIFT);
        EXPECT_TRUE(waitFor([&] { return IsChild(host.combo(), host.focus()) != FALSE; }));
        EXPECT_TRUE(shows(cancel, "Normal"));
        e2e::pressKey(host.form(), VK_TAB);
        e2e::pressKey(host.form(), VK_TAB);
        EXPECT_TRUE(waitFor([&] { return host.focus() == host.button(scenario::kClear); }))
            << "the disabled button is passed over";
    }
}
