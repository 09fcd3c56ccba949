// A renderer that stops answering, as a stalled graphics driver leaves it, never keeps the screen
// from a user who acts; one that answers is never ended by the front end. One run of
// Corvessa.scr /s with the real renderer: healthy phases first, then the renderer frozen.
#include "display_power_remote.h"
#include "frontend_scenario.h"
#include "program_contract.h"
#include "running_renderer.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

#include <iostream>

using namespace e2e;

namespace {

TEST(StuckRenderer, EndedWhenTheUserActsAndNeverWhileItAnswers) {
    parkPointer();
    const std::string folder = scenario::saverFolder("stuck-renderer", scenario::Renderer::Real);
    Process frontEnd;
    ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/s"), folder));
    const HWND window = waitForWindow(kRendererWindowTitle, 15000, kRendererWindowClass);
    ASSERT_TRUE(window);
    HANDLE renderer = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                  windowProcessId(window));
    ASSERT_NE(renderer, nullptr);
    const auto bothRunning = [&] { return WaitForSingleObject(renderer, 0) == WAIT_TIMEOUT && frontEnd.running(); };
    scenario::CursorCountProbe cursor(
        GetWindowThreadProcessId(scenario::waitForWindowOfProcess("Vantrel_Main", frontEnd.id(), 5000), nullptr));
    ASSERT_TRUE(cursor.attached());
    waitUntilIdle(window, 10000);
    waitForKeyboard(window);

    moveByAPixelFor(window, 3000);
    EXPECT_TRUE(bothRunning()) << "ended by 1-pixel moves with the display on";
    DisplayPowerProbe probe(window);
    ASSERT_TRUE(probe.ready()) << "the probe did not load into the renderer";
    ASSERT_TRUE(probe.send(kDisplayOff));
    moveByAPixelFor(window, 3000);
    EXPECT_TRUE(bothRunning()) << "ended by 1-pixel moves with the display off";
    ASSERT_TRUE(probe.send(kDisplayOn));
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
    EXPECT_EQ(WaitForSingleObject(renderer, 15000), WAIT_OBJECT_0) << "the frozen renderer stays";
    DWORD rendererExit = STILL_ACTIVE;
    GetExitCodeProcess(renderer, &rendererExit);
    CloseHandle(renderer);
    EXPECT_EQ(rendererExit, kRendererEndedByFrontEndExitCode);
    EXPECT_EQ(frontEnd.waitForExit(5000), std::optional<DWORD>(0));
    std::cout << "key to the renderer's and the front end's end: " << nowMs() - pressed << " ms\n";
    EXPECT_EQ(cursor.displayCount(), 0) << "the cursor was not given back";
}

}  // namespace
