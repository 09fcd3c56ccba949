// The saver run: Corvessa.scr starts the renderer, hides the cursor for "S", and ends after
// the renderer's window has gone; started with other text it ends at once.
#include <gtest/gtest.h>

#include "frontend_scenario.h"
#include "process.h"
#include "program_contract.h"
#include "user_input.h"
#include "windows_probe.h"

using scenario::CursorCountProbe;
using scenario::Renderer;

namespace {

// One saver run up to the renderer's window: the front end, its saver form, the renderer.
struct SaverRun {
    explicit SaverRun(const std::string& arguments, int standInDelayMs = 0,
                      Renderer kind = Renderer::StandIn)
        : folder(scenario::saverFolder("saver", kind, standInDelayMs)) {
        started = frontEnd.start(scenario::saverCommand(folder, arguments), folder);
    }
    bool waitForWindows(DWORD timeoutMs = 15000) {
        saverForm = scenario::waitForWindowOfProcess("Vantrel_Main", frontEnd.id(), timeoutMs);
        renderer = e2e::waitForWindow(kRendererWindowTitle, timeoutMs);
        return saverForm && renderer;
    }
    void focusRenderer() const { e2e::waitForKeyboard(renderer); }
    // A handle to the renderer's process, for waiting on it and for killing it.
    HANDLE openRenderer() const {
        return OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, e2e::windowProcessId(renderer));
    }

    std::string folder;
    e2e::Process frontEnd;
    bool started = false;
    HWND saverForm = nullptr;
    HWND renderer = nullptr;
};

void expectRunEndsOnKey(const char* arguments, bool hidesCursor, Renderer kind = Renderer::StandIn) {
    SCOPED_TRACE(arguments);
    SaverRun run(arguments, 0, kind);
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.waitForWindows());
    EXPECT_FALSE(IsWindowVisible(run.saverForm));
    CursorCountProbe cursor(GetWindowThreadProcessId(run.saverForm, nullptr));
    ASSERT_TRUE(cursor.attached());
    EXPECT_EQ(cursor.displayCount(), hidesCursor ? -1 : 0);

    HANDLE renderer = run.openRenderer();
    ASSERT_NE(renderer, nullptr);
    run.focusRenderer();
    e2e::pressKey(run.renderer, 'A');
    EXPECT_EQ(WaitForSingleObject(renderer, 5000), WAIT_OBJECT_0) << "the renderer did not end";
    CloseHandle(renderer);
    // Well inside the six-second start-up limit: it is the watch that ends the saver.
    EXPECT_TRUE(run.frontEnd.waitForExit(2000).has_value()) << "the front end outlived the renderer";
    EXPECT_EQ(cursor.displayCount(), 0) << "the cursor was not given back";
}

}  // namespace

TEST(SaverMode, SlashSRunsUntilTheRendererEnds) { expectRunEndsOnKey("/s", true); }
TEST(SaverMode, TheModeLetterIsCaseInsensitive) { expectRunEndsOnKey("/S", true); }
TEST(SaverMode, OnlyTheSecondCharacterCounts) {
    expectRunEndsOnKey("-s", true);
    expectRunEndsOnKey("xs", true);
}
TEST(SaverMode, EmptyArgumentsRunTheSaverWithoutTouchingTheCursor) { expectRunEndsOnKey("", false); }

TEST(SaverMode, RunsTheRealRendererUntilAKeyPress) {
    expectRunEndsOnKey("/s", true, Renderer::Real);
    HWND leftover = FindWindowA(kRendererWindowClass, nullptr);
    EXPECT_EQ(leftover, nullptr);
}

TEST(SaverMode, StartsTheRendererFromAFolderWithABlankInItsName) {
    // Searched by the unquoted command line alone, "...\scenario-with blank\Corvessa.dll"
    // would start the decoy "...\scenario-with.exe" (which opens no window) instead.
    const std::string folder = scenario::saverFolder("with blank", Renderer::StandIn);
    const std::string decoy = e2e::programDir() + "\\scenario-with.exe";
    ASSERT_TRUE(CopyFileA(e2e::inFolder(e2e::programDir(), kFrontEndFileName).c_str(), decoy.c_str(), FALSE));
    e2e::Process frontEnd;
    ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/s"), folder));
    HWND renderer = e2e::waitForWindow(kRendererWindowTitle, 15000);
    ASSERT_NE(renderer, nullptr);
    PostMessageA(renderer, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(frontEnd.waitForExit(5000).has_value());
    DeleteFileA(decoy.c_str());
}

TEST(SaverMode, OtherArgumentsEndSilently) {
    for (const char* arguments : {"s", "/a"}) {
        SCOPED_TRACE(arguments);
        const std::string folder = scenario::saverFolder("quiet", Renderer::StandIn);
        e2e::Process frontEnd;
        ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, arguments), folder));
        EXPECT_TRUE(frontEnd.waitForExit(10000).has_value());
        EXPECT_EQ(FindWindowA(nullptr, kRendererWindowTitle), nullptr) << "no renderer may start";
        EXPECT_EQ(FindWindowA("#32770", "Corvessa (ScreenSaver)"), nullptr);
    }
}

TEST(SaverMode, ASlowRendererIsWaitedFor) {
    // The window comes 1.5 s after the start: thirty watch ticks without it.
    SaverRun run("/s", 1500);
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.waitForWindows());
    EXPECT_TRUE(run.frontEnd.running());
    run.focusRenderer();
    e2e::pressKey(run.renderer, VK_SPACE);
    EXPECT_TRUE(run.frontEnd.waitForExit(5000).has_value());
}

TEST(SaverMode, KillingTheRendererEndsTheSaverWithTheCursorBack) {
    SaverRun run("/s");
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.waitForWindows());
    CursorCountProbe cursor(GetWindowThreadProcessId(run.saverForm, nullptr));
    ASSERT_TRUE(cursor.attached());
    EXPECT_EQ(cursor.displayCount(), -1);
    HANDLE renderer = run.openRenderer();
    ASSERT_NE(renderer, nullptr);
    TerminateProcess(renderer, 9);
    CloseHandle(renderer);
    EXPECT_TRUE(run.frontEnd.waitForExit(1000).has_value());
    EXPECT_EQ(cursor.displayCount(), 0);
}

TEST(SaverMode, ARendererWindowOfAnotherProgramKeepsTheSaverAlive) {
    // Our renderer ends at once without a window (as a second renderer would), while a window
    // titled like the renderer's belongs to this scenario.
    scenario::HostWindow other(600, 400, 100, 80, kRendererWindowTitle);
    ASSERT_NE(other.hWnd(), nullptr);
    const std::string folder = scenario::saverFolder("other", Renderer::StandIn, -1);
    e2e::Process frontEnd;
    ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/s"), folder));
    ASSERT_NE(scenario::waitForWindowOfProcess("Vantrel_Main", frontEnd.id(), 15000), nullptr);
    EXPECT_FALSE(frontEnd.waitForExit(1500).has_value()) << "the saver ended beside a renderer window";
    other.destroy();
    EXPECT_TRUE(frontEnd.waitForExit(2000).has_value());
}

TEST(SaverMode, ARendererThatDiesWithoutAWindowEndsTheSaver) {
    const std::string folder = scenario::saverFolder("dies", Renderer::StandIn, -1);
    e2e::Process frontEnd;
    ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/s"), folder));
    const bool formSeen = scenario::waitForWindowOfProcess("Vantrel_Main", frontEnd.id(), 15000) != nullptr;
    const double seenAt = e2e::nowMs();
    ASSERT_TRUE(frontEnd.waitForExit(15000).has_value());
    // Ended by the dead process, well before the six-second start-up limit.
    if (formSeen) {
        EXPECT_LT(e2e::nowMs() - seenAt, 4000.0);
    }
}
