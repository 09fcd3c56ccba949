// The renderer against real pointer movement: the first move, the 4-pixel limit measured as
// |dx| + |dy| against a baseline that follows accepted moves.
//
// Under Wine a full-screen window clips the pointer with an X grab, so other processes' pointer
// moves reach the window but never the X pointer, and a position read more than 100 ms after
// the last move reports the X pointer again. The scenarios therefore keep track of where they
// put the pointer instead of reading it back; the renderer reads it right after each move.
#include "running_renderer.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

// Moves the pointer in steps from where the renderer started under it.
class Pointer {
public:
    explicit Pointer(RunningRenderer& renderer) : renderer_(renderer) {}

    void moveBy(int dx, int dy) {
        at_.x += dx;
        at_.y += dy;
        movePointerTo(renderer_.window(), at_.x, at_.y);
    }

    // Moves by (dx, dy) and reports whether the renderer is still running afterwards.
    bool survivesMoveBy(int dx, int dy) {
        moveBy(dx, dy);
        return renderer_.stillRunning();
    }

private:
    RunningRenderer& renderer_;
    POINT at_ = kParkedPointer;
};

void expectClosedWithExitCodeZero(RunningRenderer& renderer) {
    EXPECT_TRUE(renderer.closes());
    std::optional<DWORD> code = renderer.waitForClose();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

bool closeFromOutsideIsDropped(RunningRenderer& renderer) {
    PostMessageA(renderer.window(), WM_CLOSE, 0, 0);
    return renderer.stillRunning();
}

}  // namespace

// The window appears under the pointer, and the move message that brings is its first:
// it must neither close the window nor arm it for a close from outside.
TEST(MouseMovement, FirstMoveOnlyNoticesThePointerTheSecondArms) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    Pointer pointer(renderer);
    EXPECT_TRUE(closeFromOutsideIsDropped(renderer));
    ASSERT_TRUE(pointer.survivesMoveBy(1, 0));
    PostMessageA(renderer.window(), WM_CLOSE, 0, 0);
    expectClosedWithExitCodeZero(renderer);
}

TEST(MouseMovement, TwoPlusTwoIsAcceptedCreepingNeverClosesThreePlusTwoCloses) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    Pointer pointer(renderer);
    EXPECT_TRUE(pointer.survivesMoveBy(2, 2));
    // A cursor creeping 4 pixels at a time travels far, since the baseline follows it.
    const int steps[][2] = {{4, 0}, {0, 4}, {-2, 2}, {3, -1}, {4, 0}, {1, 3}};
    for (int round = 0; round < 3; ++round) {
        for (const auto& s : steps) ASSERT_TRUE(pointer.survivesMoveBy(s[0], s[1])) << round;
    }
    pointer.moveBy(3, 2);
    expectClosedWithExitCodeZero(renderer);
}

TEST(MouseMovement, FarMoveAfterTheFirstCloses) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    Pointer pointer(renderer);
    // A small move first: whether or not the first move has come yet, the far one is later.
    ASSERT_TRUE(pointer.survivesMoveBy(1, 0));
    pointer.moveBy(-300, 200);
    expectClosedWithExitCodeZero(renderer);
}
