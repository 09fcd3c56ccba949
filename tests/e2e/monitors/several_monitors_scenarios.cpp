// The saver on three monitors, as a user sees it: the primary 1280x720, a 1024x768 monitor left
// of it and an 800x600 one above it (tests/harness/monitors-session.sh arranges them).
#include "running_renderer.h"
#include "saver_run.h"
#include "screen_capture.h"
#include "sound_recording.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using namespace e2e;

namespace {

constexpr RECT kPrimary{0, 0, 1280, 720};
constexpr RECT kLeft{-1024, 0, 0, 768};
constexpr RECT kAbove{0, -600, 800, 0};
// A colour the desktop shows loudly and the animation practically never hits exactly.
constexpr COLORREF kDesktopColour = RGB(32, 240, 64);
constexpr std::uint32_t kDesktopPixel = 0x20F040;

RECT virtualScreen() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// A desktop behind the saver in a loud colour over every monitor: wherever the saver does not
// cover, it shows.
class LoudDesktop {
public:
    LoudDesktop() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = CreateSolidBrush(kDesktopColour);
        wc.lpszClassName = "CorvessaLoudDesktop";
        RegisterClassA(&wc);
        const RECT r = virtualScreen();
        window_ = CreateWindowExA(0, wc.lpszClassName, "Loud desktop", WS_POPUP | WS_VISIBLE, r.left,
                                  r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                  wc.hInstance, nullptr);
        pumpMessages(300);
    }
    ~LoudDesktop() {
        if (window_) DestroyWindow(window_);
    }
    LoudDesktop(const LoudDesktop&) = delete;
    LoudDesktop& operator=(const LoudDesktop&) = delete;

private:
    HWND window_ = nullptr;
};

size_t desktopPixels(const Picture& p) {
    size_t n = 0;
    for (std::uint32_t px : p.pixels) n += px == kDesktopPixel;
    return n;
}

struct LitCentre {
    double x = 0;
    double y = 0;
    double lit = 0;  // how many pixels are lit
};

LitCentre litCentreOf(const Picture& p) {
    LitCentre c;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t px = p.at(x, y);
            if (((px >> 16) & 0xFF) > 60 || ((px >> 8) & 0xFF) > 60 || (px & 0xFF) > 60) {
                c.x += x;
                c.y += y;
                c.lit += 1;
            }
        }
    }
    if (c.lit > 0) {
        c.x /= c.lit;
        c.y /= c.lit;
    }
    return c;
}

bool nearTheMiddle(const LitCentre& c, const Picture& p) {
    return c.lit > 0 && std::abs(c.x - p.width / 2.0) <= p.width / 4.0 && std::abs(c.y - p.height / 2.0) <= p.height / 4.0;
}

// What a user sees on one monitor: no desktop, a lit animation that moves, centred on it. A
// monitor's new animation starts as trails at the top edge of its view and takes its first
// hundred frames (longer on a loaded machine) to gather about the middle, so the picture is
// looked at again for a while before its centre is judged.
void expectAnimatedAroundItsCentre(const RECT& monitor, const char* name) {
    Picture first = captureScreenRect(monitor);
    Sleep(700);
    Picture second = captureScreenRect(monitor);
    ASSERT_EQ(first.width, monitor.right - monitor.left) << name;
    const double giveUp = nowMs() + 6000;
    while (!nearTheMiddle(litCentreOf(first), first) && nowMs() < giveUp) {
        first = std::move(second);
        Sleep(700);
        second = captureScreenRect(monitor);
    }
    const size_t all = first.pixels.size();
    EXPECT_LT(desktopPixels(first), all / 1000) << name << ": the desktop shows";
    EXPECT_LT(desktopPixels(second), all / 1000) << name << ": the desktop shows";
    const LitCentre centre = litCentreOf(first);
    EXPECT_GT(centre.lit, static_cast<double>(all) / 200) << name << ": nothing drawn";
    EXPECT_GT(countDifferences(first, second), all / 200) << name << ": it does not move";
    if (centre.lit > 0) {
        EXPECT_NEAR(centre.x, first.width / 2.0, first.width / 4.0) << name << ": off centre";
        EXPECT_NEAR(centre.y, first.height / 2.0, first.height / 4.0) << name << ": off centre";
    }
    if (testing::Test::HasFailure()) {
        const std::string dir = freshDir(std::string("monitors-") + name);
        first.saveBmp(dir + "\\first.bmp");
        second.saveBmp(dir + "\\second.bmp");
    }
}

int saverWindows() {
    int n = 0;
    HWND w = FindWindowA(nullptr, kRendererWindowTitle);
    for (; w; w = FindWindowExA(nullptr, w, nullptr, kRendererWindowTitle)) ++n;
    return n;
}

bool waitForMonitors(int count) {
    return waitFor([&] { return GetSystemMetrics(SM_CMONITORS) == count; }, 10000);
}

// For a renderer that should still run: whether it does, or how it ended.
std::string howItEnded(RunningRenderer& renderer) {
    if (renderer.stillRunning()) return "the renderer runs";
    const auto code = renderer.waitForClose(2000);
    if (!code) return "the renderer's window went but its process runs";
    char text[64];
    std::snprintf(text, sizeof text, "the renderer ended with exit code 0x%lX",
                  static_cast<unsigned long>(*code));
    return text;
}

void expectAKeyEndsIt(RunningRenderer& renderer) {
    pressKey(renderer.window(), VK_SPACE);
    const auto code = renderer.waitForClose();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

class SeveralMonitors : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 3) << "the session has not arranged three monitors";
        ASSERT_TRUE(sameRect(virtualScreen(), RECT{-1024, -600, 1280, 768})) << describe(virtualScreen());
    }
};

TEST_F(SeveralMonitors, SmallMovesKeepTheSaverAMoveOnASecondaryMonitorOrAKeyEndsBothPrograms) {
    {
        SaverRun run("monitors-move");
        // The pointer waits on the left monitor, where the window then appears under it.
        parkPointer(POINT{-500, 400});
        ASSERT_TRUE(run.start());
        HWND renderer = waitForWindow(kRendererWindowTitle, 1000);
        ASSERT_TRUE(renderer);
        Sleep(300);
        waitUntilIdle(renderer);
        // Creeping back and forth within 4 pixels: the renderer may read the pointer a little
        // late under Wine (see tests/e2e/renderer/mouse_move_scenarios.cpp), so every position
        // it can read lies within 4 pixels of every other.
        for (int i = 0; i < 6; ++i) movePointerTo(renderer, -500 + 2 * (i % 2), 400 + 2 * (i % 2));
        Sleep(300);
        EXPECT_TRUE(IsWindow(renderer)) << "small moves on a secondary monitor ended the saver";
        // A late read sees the old place: the next move then tells.
        for (int i = 1; i <= 5 && IsWindow(renderer); ++i) {
            movePointerTo(renderer, -500 + 40 * i, 400 + 30 * i);
            waitForNoWindow(kRendererWindowTitle, 500);
        }
        EXPECT_TRUE(waitForNoWindow(kRendererWindowTitle, 5000)) << "a move on the left monitor did not end it";
        DWORD code = 1;
        EXPECT_TRUE(run.frontEndEnded(10000, &code)) << "the front end goes on";
    }
    {
        SaverRun run("monitors-key");
        parkPointer(POINT{300, -300});  // the monitor above
        ASSERT_TRUE(run.start());
        Sleep(300);
        EXPECT_TRUE(run.endByKey());
        DWORD code = 1;
        EXPECT_TRUE(run.frontEndEnded(10000, &code)) << "the front end goes on";
    }
}

TEST_F(SeveralMonitors, EveryMonitorIsCoveredAndAnimatedAroundItsOwnCentre) {
    LoudDesktop desktop;
    ASSERT_GT(desktopPixels(captureScreenRect(kLeft)), 700000u) << "the loud desktop does not show";
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    RECT window{};
    GetWindowRect(renderer.window(), &window);
    EXPECT_TRUE(sameRect(window, virtualScreen())) << describe(window);
    EXPECT_EQ(saverWindows(), 1);
    Sleep(2500);
    expectAnimatedAroundItsCentre(kPrimary, "primary");
    expectAnimatedAroundItsCentre(kLeft, "left");
    expectAnimatedAroundItsCentre(kAbove, "above");
    expectAKeyEndsIt(renderer);
}

// The monitor above moved right of the primary, for one scenario: switched off and on there,
// the other monitors keep their places in X and X leaves the pointer alone. The session's own
// layout comes back at the end, whatever the scenario found.
class MonitorAboveMovedRight {
public:
    MonitorAboveMovedRight()
        : arranged_(rearrange("--output DUMMY1 --pos 0x0 --output DUMMY0 --pos 1024x0 "
                              "--output DUMMY2 --pos 2304x0",
                              RECT{-1024, 0, 2080, 768})) {}
    ~MonitorAboveMovedRight() {
        EXPECT_TRUE(rearrange("--output DUMMY1 --mode 1024x768 --pos 0x600 --output DUMMY0 --pos "
                              "1024x600 --output DUMMY2 --mode 800x600 --pos 1024x0",
                              RECT{-1024, -600, 1280, 768}))
            << "the session's layout did not come back: " << describe(virtualScreen());
    }
    MonitorAboveMovedRight(const MonitorAboveMovedRight&) = delete;
    MonitorAboveMovedRight& operator=(const MonitorAboveMovedRight&) = delete;
    bool arranged() const { return arranged_; }

    static bool rearrange(const std::string& xrandrArguments, const RECT& virtualRect) {
        return startLinuxProgram("/usr/bin/xrandr " + xrandrArguments) &&
               waitFor([&] { return sameRect(virtualScreen(), virtualRect); }, 10000);
    }

private:
    bool arranged_;
};

TEST_F(SeveralMonitors, AMonitorSwitchedOffAndOnWhileItRunsStaysCoveredAndAnimated) {
    constexpr RECT kRight{1280, 0, 2080, 600};
    MonitorAboveMovedRight layout;
    ASSERT_TRUE(layout.arranged()) << describe(virtualScreen());
    LoudDesktop desktop;
    RunningRenderer renderer({}, POINT{640, 360});
    ASSERT_TRUE(renderer.window());
    Sleep(1000);

    // One display change by `xrandrArguments`, then the window over all of `monitors` within a
    // second (plus what a loaded machine adds), and each of `animated` animated.
    const auto expectFollowed = [&](const char* xrandrArguments, int monitors, const RECT& virtualRect,
                                    std::vector<std::pair<RECT, std::string>> animated) {
        ASSERT_TRUE(startLinuxProgram(std::string("/usr/bin/xrandr ") + xrandrArguments));
        ASSERT_TRUE(waitForMonitors(monitors));
        RECT window{};
        const double changed = nowMs();
        const bool followed = waitFor([&] {
            GetWindowRect(renderer.window(), &window);
            return sameRect(window, virtualRect);
        }, 5000);
        const double followedAfter = nowMs() - changed;
        EXPECT_TRUE(followed) << xrandrArguments << ": " << describe(window) << " over "
                              << describe(virtualRect) << "; " << howItEnded(renderer);
        EXPECT_LT(followedAfter, 2000.0) << xrandrArguments;
        std::printf("the window followed within %.0f ms: xrandr %s\n", followedAfter, xrandrArguments);
        EXPECT_TRUE(renderer.stillRunning()) << xrandrArguments;
        EXPECT_EQ(saverWindows(), 1) << xrandrArguments;
        // A monitor's new animation takes a while to gather about its centre.
        Sleep(2000);
        for (const auto& [monitor, name] : animated) expectAnimatedAroundItsCentre(monitor, name.c_str());
    };

    expectFollowed("--output DUMMY2 --off", 2, RECT{-1024, 0, 1280, 768},
                   {{kPrimary, "primary, right switched off"}, {kLeft, "left, right switched off"}});
    expectFollowed("--output DUMMY2 --mode 800x600 --pos 2304x0", 3, RECT{-1024, 0, 2080, 768},
                   {{kRight, "right, back on"}, {kPrimary, "primary, right back on"}});

    // The leftmost monitor going shifts every other in X, and X moves the pointer with them.
    // Wine may hand that move to the saver before its own picture of the monitors has changed,
    // and a move the system made may end the saver; it must then end whole, nothing left behind.
    POINT before{};
    GetCursorPos(&before);
    ASSERT_TRUE(startLinuxProgram("/usr/bin/xrandr --output DUMMY1 --off"));
    ASSERT_TRUE(waitForMonitors(2));
    const RECT withoutLeft = virtualScreen();
    RECT window{};
    const bool followed = waitFor([&] {
        GetWindowRect(renderer.window(), &window);
        return sameRect(window, withoutLeft) || !IsWindow(renderer.window());
    }, 5000);
    POINT after{};
    GetCursorPos(&after);
    const bool systemMoved = std::abs(after.x - before.x) + std::abs(after.y - before.y) > 4;
    std::printf("the leftmost monitor switched off: the pointer went from %ld,%ld to %ld,%ld; %s\n",
                before.x, before.y, after.x, after.y, howItEnded(renderer).c_str());
    if (IsWindow(renderer.window())) {
        EXPECT_TRUE(followed) << describe(window) << " over " << describe(withoutLeft);
        expectAKeyEndsIt(renderer);
    } else {
        EXPECT_TRUE(systemMoved) << "it ended although the pointer stayed";
        const auto code = renderer.waitForClose(5000);
        ASSERT_TRUE(code.has_value()) << "its process goes on without its window";
        EXPECT_EQ(*code, 0u);
        EXPECT_EQ(saverWindows(), 0);
    }
}

}  // namespace
