// What closes the renderer at once, and what it must shrug off.
#include "running_renderer.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

enum class Action { Key, AltKey, LeftButton, RightButton, MiddleButton, OtherApplication };

const char* actionName(Action action) {
    switch (action) {
    case Action::Key: return "Key";
    case Action::AltKey: return "AltKey";
    case Action::LeftButton: return "LeftButton";
    case Action::RightButton: return "RightButton";
    case Action::MiddleButton: return "MiddleButton";
    case Action::OtherApplication: return "OtherApplication";
    }
    return "?";
}

bool isButton(Action action, MouseButton& button) {
    switch (action) {
    case Action::LeftButton: button = MouseButton::Left; return true;
    case Action::RightButton: button = MouseButton::Right; return true;
    case Action::MiddleButton: button = MouseButton::Middle; return true;
    default: return false;
    }
}

class CloseAction : public testing::TestWithParam<Action> {};

// A dialog opened by a system command would show up here beside the saver window.
size_t windowCount(RunningRenderer& renderer) {
    return visibleWindowsOfProcess(renderer.process().id()).size();
}

}  // namespace

TEST_P(CloseAction, ClosesAtOnceWithExitCodeZero) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    HWND window = renderer.window();
    MouseButton button{};
    if (GetParam() == Action::Key) {
        pressKey(window, 'A');
    } else if (GetParam() == Action::AltKey) {
        pressKey(window, 'X', /*withAlt=*/true);
    } else if (GetParam() == Action::OtherApplication) {
        OtherApplicationWindow other;
        other.activate();
        EXPECT_TRUE(waitForNoWindow(kRendererWindowTitle, 3000));
    } else if (isButton(GetParam(), button)) {
        pressButton(window, button);
        releaseButton(nullptr, button);
    }
    EXPECT_TRUE(waitForNoWindow(kRendererWindowTitle, 3000));
    std::optional<DWORD> code = renderer.waitForClose();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Renderer, CloseAction,
                         testing::Values(Action::Key, Action::AltKey, Action::LeftButton,
                                         Action::RightButton, Action::MiddleButton,
                                         Action::OtherApplication),
                         [](const testing::TestParamInfo<Action>& param) {
                             return std::string(actionName(param.param));
                         });

// Releases, characters, the wheel, a close from outside before the user acted, and the
// system commands that would switch away or start another saver: none of them ends it.
// SC_SCREENSAVE with a low bit set is how the platform's private variants look; passed on
// unmasked, Wine's default handling of SC_SCREENSAVE | 1 opens a dialog.
TEST(IgnoredInput, ReleasesCharactersWheelOutsideCloseAndSystemCommandsLeaveItRunning) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    HWND window = renderer.window();
    ASSERT_EQ(windowCount(renderer), 1u);

    keyUp(window, 'A');
    EXPECT_TRUE(renderer.stillRunning()) << "key release";
    releaseButton(window, MouseButton::Left);
    releaseButton(window, MouseButton::Right);
    EXPECT_TRUE(renderer.stillRunning()) << "button release";
    PostMessageA(window, WM_CHAR, 'a', 1);
    PostMessageA(window, WM_SYSCHAR, 'a', 1);
    EXPECT_TRUE(renderer.stillRunning()) << "characters";
    turnWheel(window, 2);
    turnWheel(window, -1);
    EXPECT_TRUE(renderer.stillRunning()) << "wheel";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(renderer.stillRunning()) << "close from outside";

    for (WPARAM command : {WPARAM{SC_SCREENSAVE}, WPARAM{SC_SCREENSAVE | 1}, WPARAM{SC_SCREENSAVE | 2},
                           WPARAM{SC_NEXTWINDOW}, WPARAM{SC_PREVWINDOW | 3}}) {
        PostMessageA(window, WM_SYSCOMMAND, command, 0);
        EXPECT_TRUE(renderer.stillRunning()) << std::hex << command;
        EXPECT_EQ(windowCount(renderer), 1u) << std::hex << command;
    }

    // Still alive and listening: a key press ends it normally.
    pressKey(window, VK_SPACE);
    EXPECT_TRUE(waitForNoWindow(kRendererWindowTitle, 3000));
    std::optional<DWORD> code = renderer.waitForClose();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}
