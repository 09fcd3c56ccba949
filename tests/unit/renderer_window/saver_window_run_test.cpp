// The saver window driven in-process with stand-in OpenGL work: the order of the start-up
// calls, and the exit codes when no window can be had.
#include "program_contract.h"
#include "renderer_settings.h"
#include "saver_window_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

// What the stand-in hooks saw.
struct HookRecord {
    bool initSucceeds = true;
    int initCalls = 0;
    int shutdownCalls = 0;
    int framesBeforeInit = 0;
    int framesAfterShutdown = 0;
    int frames = 0;
    std::string titleAtInit;
    int priorityAtInit = 0;
    int trailLengthAtInit = 0;
    bool rendererReadyAtShutdown = true;
};

HookRecord hooks;
// The frame count as the test's other thread may read it while the saver draws.
std::atomic<int> framesDrawn{0};

class StandInOpenGl final : public SaverOpenGl {
public:
    bool initOpenGL(HWND hwnd, const SaverWindowState&) override {
        ++hooks.initCalls;
        char title[64] = {};
        GetWindowTextA(hwnd, title, sizeof title);
        hooks.titleAtInit = title;
        hooks.priorityAtInit = GetThreadPriority(GetCurrentThread());
        hooks.trailLengthAtInit = rendererSettings().trailLength;
        return hooks.initSucceeds;
    }

    void shutdownOpenGL(HWND, const SaverWindowState& window) override {
        ++hooks.shutdownCalls;
        hooks.rendererReadyAtShutdown = window.rendererReady;
    }

    bool relayoutOpenGL(const SaverWindowState&) override { return true; }

    void askForSwapInterval(int) override {}

    void drawFrame() override {
        ++hooks.frames;
        ++framesDrawn;
        if (hooks.initCalls == 0) ++hooks.framesBeforeInit;
        if (hooks.shutdownCalls > 0) ++hooks.framesAfterShutdown;
    }
};

HINSTANCE thisProgram() { return GetModuleHandleA(nullptr); }

class SaverWindowRun : public testing::Test {
protected:
    void SetUp() override {
        hooks = HookRecord{};
        framesDrawn = 0;
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    }
    void TearDown() override { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL); }

    int runSaver() { return runSaverWindow(thisProgram(), openGl); }

    StandInOpenGl openGl;
};

// Refuses every window creation on this thread while it exists.
class WindowCreationBlocker {
public:
    WindowCreationBlocker()
        : hook_(SetWindowsHookExA(WH_CBT, refuse, nullptr, GetCurrentThreadId())) {}
    ~WindowCreationBlocker() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    WindowCreationBlocker(const WindowCreationBlocker&) = delete;
    WindowCreationBlocker& operator=(const WindowCreationBlocker&) = delete;
    bool active() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

}  // namespace

TEST_F(SaverWindowRun, StartsInOrderDrawsOnlyWhileReadyAndEndsWithZeroOnAKey) {
    // Presses a key on the saver once it is there, from outside its thread.
    std::thread user([] {
        HWND window = nullptr;
        for (int i = 0; i < 1000 && !window; ++i) {
            window = FindWindowA(kRendererWindowClass, kRendererWindowTitle);
            Sleep(5);
        }
        // The saver draws at the lowest priority: on a busy machine its first frame can take
        // a while, and a key queued before it would leave none drawn.
        for (int i = 0; i < 2000 && framesDrawn == 0; ++i) Sleep(5);
        if (window) PostMessageA(window, WM_KEYDOWN, 'A', 1);
    });
    int code = runSaver();
    user.join();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(hooks.initCalls, 1);
    EXPECT_EQ(hooks.shutdownCalls, 1);
    EXPECT_EQ(hooks.titleAtInit, kRendererWindowTitle);
    EXPECT_EQ(hooks.trailLengthAtInit, 100);
    EXPECT_EQ(hooks.priorityAtInit, THREAD_PRIORITY_LOWEST);
    EXPECT_GT(hooks.frames, 0);
    EXPECT_EQ(hooks.framesBeforeInit, 0);
    EXPECT_EQ(hooks.framesAfterShutdown, 0);
    EXPECT_FALSE(hooks.rendererReadyAtShutdown);
    // The class went with the run, so a later run can register it again.
    WNDCLASSA probe{};
    EXPECT_FALSE(GetClassInfoA(thisProgram(), kRendererWindowClass, &probe));
}

TEST_F(SaverWindowRun, ClassThatCannotBeRegisteredEndsWithANonZeroCode) {
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = thisProgram();
    taken.lpszClassName = kRendererWindowClass;
    ASSERT_TRUE(RegisterClassA(&taken));
    int code = runSaver();
    UnregisterClassA(kRendererWindowClass, thisProgram());
    EXPECT_EQ(code, kExitClassNotRegistered);
    EXPECT_EQ(hooks.initCalls, 0);
}

TEST_F(SaverWindowRun, WindowThatCannotBeCreatedEndsWithANonZeroCode) {
    int code = 0;
    {
        WindowCreationBlocker blocker;
        ASSERT_TRUE(blocker.active());
        code = runSaver();
    }
    EXPECT_EQ(code, kExitWindowNotCreated);
    EXPECT_EQ(hooks.initCalls, 0);
}

TEST_F(SaverWindowRun, AnimationThatCannotBeBuiltEndsWithANonZeroCodeAndReleasesOpenGL) {
    hooks.initSucceeds = false;
    int code = runSaver();
    EXPECT_EQ(code, kExitRendererNotStarted);
    EXPECT_EQ(hooks.initCalls, 1);
    EXPECT_EQ(hooks.shutdownCalls, 1);
    EXPECT_EQ(hooks.frames, 0);
    EXPECT_EQ(FindWindowA(nullptr, kRendererWindowTitle), nullptr);
}
