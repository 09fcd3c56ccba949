#include "close_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr ScreenPoint kStart{500, 400};
constexpr std::uint32_t kNow = 5000;  // where no display change is in play, any time will do

ScreenPoint offset(ScreenPoint p, int dx, int dy) { return ScreenPoint{p.x + dx, p.y + dy}; }

// Rules past the first move message, as they are once the window has been shown.
CloseRules rulesAfterFirstMove() {
    CloseRules rules(kStart);
    rules.mouseMove(kStart, kNow);
    return rules;
}

bool closesAfterVerdict(CloseRules& rules) {
    SaverReaction r = rules.closeRequest();
    return r.checkPassword && rules.closeVerdict(true, rules.baseline()).passToDefault;
}

}  // namespace

TEST(CloseRulesMouse, FirstMoveNeverArmsTheCloseHoweverFarItJumps) {
    CloseRules rules(kStart);
    SaverReaction r = rules.mouseMove(offset(kStart, 300, -250), kNow);
    EXPECT_TRUE(r.postClose);  // posted, but the request that follows is dropped
    EXPECT_TRUE(r.passToDefault);
    EXPECT_TRUE(rules.firstMoveSeen());
    EXPECT_FALSE(rules.closeArmed());
    SaverReaction close = rules.closeRequest();
    EXPECT_FALSE(close.checkPassword);
    EXPECT_FALSE(close.passToDefault);
    EXPECT_EQ(close.result, 0);
    // A far first move keeps the baseline where the window was created.
    EXPECT_EQ(rules.baseline().x, kStart.x);
    EXPECT_EQ(rules.baseline().y, kStart.y);
}

TEST(CloseRulesMouse, SecondFarMoveClosesAfterAFarFirstMove) {
    CloseRules rules(kStart);
    rules.mouseMove(offset(kStart, 300, 0), kNow);
    SaverReaction r = rules.mouseMove(offset(kStart, 300, 1), kNow);
    EXPECT_TRUE(r.postClose);
    EXPECT_TRUE(rules.closeArmed());
    EXPECT_TRUE(closesAfterVerdict(rules));
}

TEST(CloseRulesMouse, SumOfFourPixelsIsAcceptedAndBecomesTheBaseline) {
    CloseRules rules = rulesAfterFirstMove();
    SaverReaction r = rules.mouseMove(offset(kStart, 2, 2), kNow);
    EXPECT_FALSE(r.postClose);
    EXPECT_TRUE(r.passToDefault);
    EXPECT_EQ(rules.baseline().x, kStart.x + 2);
    EXPECT_EQ(rules.baseline().y, kStart.y + 2);
    // Measured from the new baseline, 3 right and 2 down is a sum of 5: too far.
    EXPECT_TRUE(rules.mouseMove(offset(kStart, 5, 4), kNow).postClose);
}

TEST(CloseRulesMouse, SumOfFivePixelsClosesAndKeepsTheBaseline) {
    for (ScreenPoint to : {offset(kStart, 3, 2), offset(kStart, -3, -2), offset(kStart, 0, 5),
                           offset(kStart, -5, 0)}) {
        CloseRules rules = rulesAfterFirstMove();
        EXPECT_TRUE(rules.mouseMove(to, kNow).postClose) << to.x << "," << to.y;
        EXPECT_EQ(rules.baseline().x, kStart.x);
        EXPECT_EQ(rules.baseline().y, kStart.y);
    }
}

TEST(CloseRulesMouse, CursorCreepingAtMostFourPixelsPerMoveNeverCloses) {
    CloseRules rules = rulesAfterFirstMove();
    ScreenPoint p = kStart;
    const int steps[][2] = {{4, 0}, {0, 4}, {2, 2}, {-1, 3}, {-4, 0}, {3, -1}};
    for (int round = 0; round < 50; ++round) {
        for (const auto& s : steps) {
            p = offset(p, s[0], s[1]);
            ASSERT_FALSE(rules.mouseMove(p, kNow).postClose) << "round " << round;
        }
    }
    EXPECT_TRUE(rules.closeArmed());  // armed all the while, yet never too far
}

TEST(CloseRulesMouse, HugeCoordinatesDoNotOverflowTheDistance) {
    CloseRules rules(ScreenPoint{-2147483647, -2147483647});
    rules.mouseMove(ScreenPoint{2147483647, 2147483647}, kNow);
    EXPECT_TRUE(rules.mouseMove(ScreenPoint{2147483647, 2147483647}, kNow).postClose);
}

TEST(CloseRulesMouse, PointerMovedByADisplayChangeIsNotTheUserUntilItSettles) {
    // The clock wraps during the change: the settling time still counts from it.
    const std::uint32_t changedAt = 0xFFFFFF00u;
    CloseRules rules = rulesAfterFirstMove();
    // The monitor under the pointer went away: the system put it on another one, and moved it
    // again once its picture of the monitors had caught up.
    const ScreenPoint moved = offset(kStart, -900, 120);
    rules.displayChanged(offset(moved, 1, 0), changedAt);
    EXPECT_FALSE(rules.mouseMove(moved, changedAt + 5).postClose);
    const ScreenPoint movedAgain = offset(moved, 948, -120);
    EXPECT_FALSE(rules.mouseMove(movedAgain, changedAt + displayChangeSettleMs - 1).postClose);
    EXPECT_EQ(rules.baseline().x, movedAgain.x);
    EXPECT_TRUE(rules.mouseMove(offset(movedAgain, 3, 2), changedAt + displayChangeSettleMs).postClose);
}

TEST(CloseRulesActions, EachCloseActionArmsAndClosesAtOnceBeforeAnyMove) {
    CloseRules rules(kStart);
    SaverReaction r = rules.input(SaverInput::CloseAction);
    EXPECT_TRUE(r.postClose);
    EXPECT_TRUE(r.passToDefault);
    EXPECT_TRUE(rules.closeArmed());
    EXPECT_FALSE(rules.firstMoveSeen());
    EXPECT_TRUE(closesAfterVerdict(rules));
}

TEST(CloseRulesActions, OtherInputNeitherArmsNorCloses) {
    CloseRules rules(kStart);
    for (SaverInput input : {SaverInput::Other, SaverInput::WindowShown, SaverInput::CursorQuery}) {
        EXPECT_FALSE(rules.input(input).postClose);
    }
    EXPECT_FALSE(rules.closeArmed());
    EXPECT_FALSE(rules.closeRequest().checkPassword);
}

TEST(CloseRulesCursor, CursorStaysHiddenOverTheWindow) {
    CloseRules rules(kStart);
    SaverReaction query = rules.input(SaverInput::CursorQuery);
    EXPECT_TRUE(query.hideCursor);
    EXPECT_FALSE(query.passToDefault);  // not passed on, or the default would restore an arrow
    EXPECT_EQ(query.result, 1);
    SaverReaction shown = rules.input(SaverInput::WindowShown);
    EXPECT_TRUE(shown.hideCursor);
    EXPECT_TRUE(shown.passToDefault);
}

TEST(CloseRulesRequest, CloseFromOutsideBeforeAnyUserActionIsDropped) {
    CloseRules rules(kStart);
    for (int i = 0; i < 3; ++i) {
        SaverReaction r = rules.closeRequest();
        EXPECT_FALSE(r.passToDefault);
        EXPECT_FALSE(r.checkPassword);
    }
    rules.mouseMove(kStart, kNow);  // the first move alone does not arm
    EXPECT_FALSE(rules.closeRequest().checkPassword);
}

TEST(CloseRulesRequest, OnceArmedAnyCloseGoesThroughTheCheck) {
    CloseRules rules = rulesAfterFirstMove();
    rules.mouseMove(kStart, kNow);  // a second move arms, even without moving
    EXPECT_TRUE(rules.closeArmed());
    EXPECT_TRUE(rules.closeRequest().checkPassword);
}

TEST(CloseRulesRequest, RefusedCloseKeepsTheWindowArmedWithTheBaselineWhereTheCursorIsNow) {
    CloseRules rules = rulesAfterFirstMove();
    rules.mouseMove(offset(kStart, 40, 0), kNow);
    ASSERT_TRUE(rules.closeRequest().checkPassword);
    SaverReaction refused = rules.closeVerdict(false, offset(kStart, 90, 60));
    EXPECT_FALSE(refused.passToDefault);
    EXPECT_EQ(refused.result, 0);
    EXPECT_TRUE(rules.closeArmed());
    EXPECT_EQ(rules.baseline().x, kStart.x + 90);
    // Small movement after the refusal is measured from there, a larger one asks again.
    EXPECT_FALSE(rules.mouseMove(offset(kStart, 92, 62), kNow).postClose);
    EXPECT_TRUE(rules.mouseMove(offset(kStart, 100, 62), kNow).postClose);
    EXPECT_TRUE(rules.closeRequest().checkPassword);
}

TEST(CloseRulesPasswordActive, InputDuringTheCheckIsIgnored) {
    CloseRules rules(kStart);
    rules.passwordCheckStarted();
    for (SaverInput input : {SaverInput::CloseAction, SaverInput::CursorQuery, SaverInput::WindowShown}) {
        SaverReaction r = rules.input(input);
        EXPECT_FALSE(r.postClose);
        EXPECT_FALSE(r.hideCursor);
        EXPECT_TRUE(r.passToDefault);
    }
    SaverReaction move = rules.mouseMove(offset(kStart, 200, 200), kNow);
    EXPECT_FALSE(move.postClose);
    EXPECT_TRUE(move.passToDefault);
    EXPECT_FALSE(rules.closeArmed());
    EXPECT_FALSE(rules.firstMoveSeen());
    EXPECT_EQ(rules.baseline().x, kStart.x);
    rules.passwordCheckEnded();
    EXPECT_TRUE(rules.input(SaverInput::CloseAction).postClose);
}

TEST(CloseRulesPasswordActive, CloseRequestDuringTheCheckDoesNotStackASecondCheck) {
    CloseRules rules(kStart);
    rules.input(SaverInput::CloseAction);
    rules.passwordCheckStarted();
    SaverReaction r = rules.closeRequest();
    EXPECT_FALSE(r.checkPassword);
    EXPECT_FALSE(r.passToDefault);
    rules.passwordCheckEnded();
    EXPECT_TRUE(rules.closeRequest().checkPassword);
}

TEST(SystemCommands, SwitchingWindowsAndStartingASaverAreSwallowed) {
    EXPECT_TRUE(isSwallowedSystemCommand(0xF040));  // next window
    EXPECT_TRUE(isSwallowedSystemCommand(0xF050));  // previous window
    EXPECT_TRUE(isSwallowedSystemCommand(0xF140));  // screen saver
}

TEST(SystemCommands, LowFourBitsDoNotLetASwallowedCommandThrough) {
    for (std::uint32_t low = 1; low < 16; ++low) {
        EXPECT_TRUE(isSwallowedSystemCommand(0xF140 | low)) << low;
        EXPECT_TRUE(isSwallowedSystemCommand(0xF040 | low)) << low;
        EXPECT_TRUE(isSwallowedSystemCommand(0xF050 | low)) << low;
    }
}

TEST(SystemCommands, OtherCommandsPassOn) {
    for (std::uint32_t command : {0xF060u /*close*/, 0xF020u /*minimize*/, 0xF100u /*key menu*/,
                                  0xF130u /*task list*/, 0xF170u /*monitor power*/, 0u}) {
        EXPECT_FALSE(isSwallowedSystemCommand(command)) << std::hex << command;
    }
}
