// The Command button's state table and Click rule, event by event.
#include <gtest/gtest.h>

#include "command_states.h"

namespace {

constexpr int kRight = 2;

CommandFields enabledIn(std::uint8_t state) {
    CommandFields fields;
    fields.Enabled = true;
    fields.FirstRun = 1;
    fields.ButtonState = state;
    return fields;
}

void expectPaints(const Reaction& reaction, StatePicture picture) {
    ASSERT_TRUE(reaction.paint.has_value());
    EXPECT_EQ(*reaction.paint, picture);
}

}  // namespace

TEST(CommandStates, HoverLightsTheButtonAndLeavingPutsItBack) {
    CommandFields fields = enabledIn(kStateNormal);
    expectPaints(onMouseMove(fields), StatePicture::HighLight);
    EXPECT_EQ(fields.ButtonState, kStateHighLight);
    EXPECT_FALSE(onMouseMove(fields).paint) << "further moves repaint nothing";
    expectPaints(onMouseLeave(fields), StatePicture::Normal);
    EXPECT_EQ(fields.ButtonState, kStateNormal);
    EXPECT_FALSE(onMouseLeave(fields).paint) << "the timer's ticks elsewhere change nothing";
}

TEST(CommandStates, PressAndReleaseOverAnUnfocusedButtonClicksOnce) {
    CommandFields fields = enabledIn(kStateHighLight);
    expectPaints(onMouseDown(fields, kLeftButtonCode), StatePicture::Pressed);
    EXPECT_TRUE(fields.LeftButtonDown);
    EXPECT_EQ(fields.ButtonState, kStateHighLight) << "a press leaves the state to the focus";
    expectPaints(onGotFocus(fields), StatePicture::Pressed);
    EXPECT_EQ(fields.ButtonState, kStateHighLightSelect);
    const Reaction release = onMouseUp(fields, kLeftButtonCode);
    expectPaints(release, StatePicture::HighLightSelect);
    EXPECT_TRUE(release.click);
    EXPECT_FALSE(fields.LeftButtonDown);
}

TEST(CommandStates, PressDragOffAndReleaseRaisesNoClickEvenAfterDraggingBack) {
    CommandFields fields = enabledIn(kStateHighLightSelect);
    onMouseDown(fields, kLeftButtonCode);
    expectPaints(onMouseLeave(fields), StatePicture::Selected);
    EXPECT_EQ(fields.ButtonState, kStateSelected);
    EXPECT_FALSE(onMouseMove(fields).paint) << "back on the button with the left button held";
    EXPECT_EQ(fields.ButtonState, kStateSelected);
    const Reaction release = onMouseUp(fields, kLeftButtonCode);
    EXPECT_FALSE(release.click);
    EXPECT_FALSE(release.paint);
    expectPaints(onMouseMove(fields), StatePicture::HighLightSelect);
    EXPECT_EQ(fields.ButtonState, kStateHighLightSelect);
}

TEST(CommandStates, AReleaseWhileStillHighLightPaintsNormal) {
    CommandFields fields = enabledIn(kStateHighLight);
    onMouseDown(fields, kLeftButtonCode);
    const Reaction release = onMouseUp(fields, kLeftButtonCode);
    expectPaints(release, StatePicture::Normal);
    EXPECT_TRUE(release.click);
    EXPECT_EQ(fields.ButtonState, kStateHighLight);
}

TEST(CommandStates, ARightButtonReleaseClicksInEveryStateButSelected) {
    for (std::uint8_t state : {kStateNormal, kStateHighLight, kStateSelected, kStateHighLightSelect}) {
        SCOPED_TRACE(static_cast<int>(state));
        CommandFields fields = enabledIn(state);
        const Reaction press = onMouseDown(fields, kRight);
        EXPECT_FALSE(press.paint);
        EXPECT_FALSE(fields.LeftButtonDown);
        const Reaction release = onMouseUp(fields, kRight);
        EXPECT_EQ(release.click, state != kStateSelected);
        EXPECT_FALSE(release.paint);
        EXPECT_EQ(fields.ButtonState, state);
    }
}

TEST(CommandStates, FocusSelectsAndLosingItReturnsToNormal) {
    for (std::uint8_t state : {kStateNormal, kStateSelected, kStateHighLightSelect}) {
        CommandFields fields = enabledIn(state);
        expectPaints(onGotFocus(fields), StatePicture::Selected);
        EXPECT_EQ(fields.ButtonState, kStateSelected);
    }
    for (std::uint8_t state : {kStateHighLight, kStateSelected, kStateHighLightSelect}) {
        CommandFields fields = enabledIn(state);
        expectPaints(onLostFocus(fields), StatePicture::Normal);
        EXPECT_EQ(fields.ButtonState, kStateNormal);
    }
    CommandFields normal = enabledIn(kStateNormal);
    EXPECT_FALSE(onLostFocus(normal).paint);
    CommandFields selected = enabledIn(kStateHighLightSelect);
    expectPaints(onMouseLeave(selected), StatePicture::Selected);
}

TEST(CommandStates, ADisabledButtonIgnoresPointerFocusAndTimer) {
    for (std::uint8_t state : {kStateNormal, kStateHighLight, kStateSelected, kStateHighLightSelect}) {
        CommandFields fields = enabledIn(state);
        fields.Enabled = false;
        const Reaction reactions[] = {onMouseMove(fields), onMouseDown(fields, kLeftButtonCode),
                                      onMouseUp(fields, kLeftButtonCode), onMouseUp(fields, kRight),
                                      onGotFocus(fields), onLostFocus(fields), onMouseLeave(fields)};
        for (const Reaction& reaction : reactions) {
            EXPECT_FALSE(reaction.paint);
            EXPECT_FALSE(reaction.click);
        }
        EXPECT_EQ(fields.ButtonState, state);
        EXPECT_FALSE(fields.LeftButtonDown);
    }
}

TEST(CommandStates, TheGradientFollowsTheStateAndHighLightSelectKeepsTheLastDirection) {
    CommandFields fields = enabledIn(kStateHighLight);
    takeGradientDirection(fields);
    EXPECT_TRUE(fields.GradientReversed);
    fields.ButtonState = kStateHighLightSelect;
    takeGradientDirection(fields);
    EXPECT_TRUE(fields.GradientReversed);
    fields.ButtonState = kStateSelected;
    takeGradientDirection(fields);
    EXPECT_FALSE(fields.GradientReversed);
    fields.ButtonState = kStateHighLightSelect;
    takeGradientDirection(fields);
    EXPECT_FALSE(fields.GradientReversed);
}
