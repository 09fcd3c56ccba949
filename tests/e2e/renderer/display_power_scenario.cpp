// The saver while the display is off, and with a renderer that stops answering, as a user's
// machine runs it: Corvessa.scr /s with the real renderer, the display's power notifications
// delivered inside the renderer as Windows delivers them (Wine never sends them). What this
// proves is the programs' handling of them, not the system's delivery.
#include "display_power_remote.h"
#include "frontend_scenario.h"
#include "running_renderer.h"
#include "screen_capture.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

#include <iostream>
#include <optional>

using namespace e2e;

namespace {

// Corvessa.scr /s from a fresh folder, up to its renderer in its loop with the probe inside.
struct DisplayPower : testing::Test {
    void SetUp() override {
        parkPointer();
        const std::string folder = scenario::saverFolder("display-power", scenario::Renderer::Real);
        ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/s"), folder));
        window = waitForWindow(kRendererWindowTitle, 15000, kRendererWindowClass);
        ASSERT_TRUE(window);
        renderer = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, windowProcessId(window));
        ASSERT_NE(renderer, nullptr);
        waitUntilIdle(window, 10000);  // past its start-up, in its loop
        probeInRenderer.emplace(window);
        ASSERT_TRUE(probeInRenderer->ready()) << "the probe did not load into the renderer";
    }
    void TearDown() override {
        if (renderer) CloseHandle(renderer);
    }
    // The renderer's exit code once it has ended within `ms`.
    std::optional<DWORD> rendererExit(DWORD ms) const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(renderer, ms) != WAIT_OBJECT_0 || !GetExitCodeProcess(renderer, &code)) return {};
        return code;
    }

    Process frontEnd;
    HWND window = nullptr;
    HANDLE renderer = nullptr;
    std::optional<DisplayPowerProbe> probeInRenderer;
};

TEST_F(DisplayPower, NothingDrawnWhileTheDisplayIsOffAndBackAtOnceWhenItComesOn) {
    DisplayPowerProbe& probe = *probeInRenderer;
    const auto draws = [&probe] {
        const DWORD from = probe.frames();
        return waitFor([&] { return probe.frames() >= from + 10; }, 5000);
    };
    const auto drawsNothingFor = [&probe](DWORD ms) {
        const DWORD from = probe.frames();
        Sleep(ms);
        return probe.frames() == from;
    };
    ASSERT_TRUE(draws()) << "with the display on";

    // Off; then notices of another setting and of a short value, which say nothing of it.
    ASSERT_TRUE(probe.send(kDisplayOff));
    const Picture lastFrame = captureScreen();
    ASSERT_TRUE(probe.send({PowerSetting::Other, 1}));
    ASSERT_TRUE(probe.send({PowerSetting::SessionDisplay, 1, 2}));
    EXPECT_TRUE(drawsNothingFor(1000)) << "a frame while the display is off";
    EXPECT_EQ(countDifferences(lastFrame, captureScreen()), 0u) << "the last picture stays";

    EXPECT_TRUE(probe.send(kDisplayDimmed));
    EXPECT_TRUE(draws()) << "dimmed can be seen";

    // The notifications of Windows Vista and 7: off, and on again, where the animation goes on
    // in the same window.
    ASSERT_TRUE(probe.send(kMonitorOff));
    EXPECT_TRUE(drawsNothingFor(500));
    ASSERT_TRUE(probe.send(kMonitorOn));
    EXPECT_TRUE(draws()) << "on again";
    EXPECT_GT(countDifferences(lastFrame, captureScreen()), 0u) << "the picture moves on";
    EXPECT_EQ(waitForWindow(kRendererWindowTitle, 0, kRendererWindowClass), window);
    if (const auto us = probe.firstFrameMicroseconds()) {
        std::cout << "first frame " << *us / 1000.0 << " ms after the display came on\n";
    }

    // A key while the display is off ends the saver as ever, the front end with it.
    ASSERT_TRUE(probe.send(kDisplayOff));
    waitForKeyboard(window);
    pressKey(window, 'A');
    EXPECT_EQ(rendererExit(5000), std::optional<DWORD>(0)) << "the renderer did not end by itself";
    EXPECT_EQ(frontEnd.waitForExit(3000), std::optional<DWORD>(0)) << "the front end's end";
}

// A renderer that stops answering, as a stalled graphics driver leaves it, never keeps the screen
// from a user who acts; one that answers is never ended by the front end.
TEST_F(DisplayPower, AStuckRendererIsEndedWhenTheUserActsAndNeverWhileItAnswers) {
    const auto bothRunning = [&] { return WaitForSingleObject(renderer, 0) == WAIT_TIMEOUT && frontEnd.running(); };
    scenario::CursorCountProbe cursor(
        GetWindowThreadProcessId(scenario::waitForWindowOfProcess("Vantrel_Main", frontEnd.id(), 5000), nullptr));
    ASSERT_TRUE(cursor.attached());
    waitForKeyboard(window);

    moveByAPixelFor(window, 3000);
    EXPECT_TRUE(bothRunning()) << "ended by 1-pixel moves with the display on";
    ASSERT_TRUE(probeInRenderer->send(kDisplayOff));
    moveByAPixelFor(window, 3000);
    EXPECT_TRUE(bothRunning()) << "ended by 1-pixel moves with the display off";
    ASSERT_TRUE(probeInRenderer->send(kDisplayOn));
    // Untouched for a second first: a move the watch has not yet seen answered would count as
    // the user acting on the frozen renderer.
    Sleep(1000);

    // Frozen and untouched: its picture stays, and so does the saver, past the 5 s after which
    // the system reports the window hung.
    freezeProcess(windowProcessId(window));
    Sleep(7000);
    EXPECT_TRUE(bothRunning()) << "a silent renderer ended without input";
    EXPECT_EQ(cursor.displayCount(), -1);

    const double pressed = nowMs();
    pressKey(nullptr, 'A');  // nothing to wait for: the renderer reads no more input
    EXPECT_EQ(rendererExit(15000), std::optional<DWORD>(kRendererEndedByFrontEndExitCode));
    EXPECT_EQ(frontEnd.waitForExit(5000), std::optional<DWORD>(0));
    std::cout << "key to the renderer's and the front end's end: " << nowMs() - pressed << " ms\n";
    EXPECT_EQ(cursor.displayCount(), 0) << "the cursor was not given back";
}

}  // namespace
