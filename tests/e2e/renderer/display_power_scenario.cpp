// The saver while the display is off, as a user's machine runs it: Corvessa.scr /s with the
// real renderer, the display's power notifications delivered inside the renderer as Windows
// delivers them (Wine never sends them). What this proves is the renderer's handling of them,
// not the system's delivery.
#include "display_power_remote.h"
#include "frontend_scenario.h"
#include "running_renderer.h"
#include "screen_capture.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

#include <iostream>

using namespace e2e;

namespace {

TEST(DisplayPower, NothingDrawnWhileTheDisplayIsOffAndBackAtOnceWhenItComesOn) {
    parkPointer();
    const std::string folder = scenario::saverFolder("display-power", scenario::Renderer::Real);
    Process frontEnd;
    ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/s"), folder));
    const HWND window = waitForWindow(kRendererWindowTitle, 15000, kRendererWindowClass);
    ASSERT_TRUE(window);
    HANDLE renderer = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                  windowProcessId(window));
    ASSERT_NE(renderer, nullptr);
    waitUntilIdle(window, 10000);  // past its start-up, in its loop
    DisplayPowerProbe probe(window);
    ASSERT_TRUE(probe.ready()) << "the probe did not load into the renderer";
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
    EXPECT_EQ(WaitForSingleObject(renderer, 5000), WAIT_OBJECT_0) << "the renderer did not end";
    DWORD rendererExit = STILL_ACTIVE;
    GetExitCodeProcess(renderer, &rendererExit);
    CloseHandle(renderer);
    EXPECT_EQ(rendererExit, 0u);
    EXPECT_EQ(frontEnd.waitForExit(3000), std::optional<DWORD>(0)) << "the front end's end";
}

}  // namespace
