// The animation as a user sees it: the real renderer under Wine draws coloured, moving sprite
// trails on black, and still closes on a key press.
#include "running_renderer.h"
#include "screen_capture.h"
#include "user_input.h"

#include <gtest/gtest.h>

#include <string>

using namespace e2e;

namespace {

TEST(Animation, ShowsColouredMovingTrailsOnBlack) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());

    Sleep(3000);
    const Picture first = captureScreen();
    Sleep(1000);
    const Picture second = captureScreen();
    ASSERT_GT(first.width, 0);
    const size_t pixels = first.pixels.size();

    const size_t coloured = first.countColoured(80);
    const size_t lit = first.countBrighterThan(40);
    const size_t changed = countDifferences(first, second);
    // The renderer draws as fast as an idle machine lets it, from a seed taken from the clock:
    // on a busy machine the first seconds can still be the bright tangle of the start, which
    // covers up to about half the screen. A quarter left black is still "on black".
    const size_t mostLit = pixels * 3 / 4;
    if (coloured < 500 || lit > mostLit || changed < 1000) {
        // Kept for looking at the failure.
        const std::string dir = freshDir("animation");
        first.saveBmp(dir + "\\first.bmp");
        second.saveBmp(dir + "\\second.bmp");
    }
    EXPECT_GE(coloured, 500u) << "strongly coloured pixels";
    EXPECT_LE(lit, mostLit) << "on black";
    EXPECT_GE(second.countColoured(80), 500u);
    EXPECT_GE(changed, 1000u) << "the trails move";

    pressKey(renderer.window(), VK_SPACE);
    const auto exitCode = renderer.waitForClose();
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0u);
}

}  // namespace
