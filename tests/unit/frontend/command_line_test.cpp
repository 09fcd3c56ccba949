// The command line as the screen-saver machinery and users pass it.
#include <gtest/gtest.h>

#include "argument_text.h"
#include "command_line.h"

TEST(ArgumentText, DropsTheProgramNameQuotedOrNot) {
    EXPECT_EQ(argumentTextOf("Corvessa.scr /s"), "/s");
    EXPECT_EQ(argumentTextOf("\"C:\\My Savers\\Corvessa.scr\"  /p 1234"), "/p 1234");
    EXPECT_EQ(argumentTextOf("\"C:\\My Savers\\Corvessa.scr\"/c:99"), "/c:99");
    EXPECT_EQ(argumentTextOf("C:\\Corvessa.scr"), "");
    EXPECT_EQ(argumentTextOf("\"unterminated /s"), "");
    EXPECT_EQ(argumentTextOf(""), "");
}

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
    EXPECT_EQ(modeLetterOf("/s"), "S");
    EXPECT_EQ(modeLetterOf("/S"), "S");
    EXPECT_EQ(modeLetterOf("-s"), "S");
    EXPECT_EQ(modeLetterOf("xs"), "S");
    EXPECT_EQ(modeLetterOf("/c:1234"), "C");
    EXPECT_EQ(modeLetterOf("s"), "");
    EXPECT_EQ(modeLetterOf(""), "");
}

TEST(ModeLetter, CountsAJapaneseFirstCharacterAsOne) {
    // "ソ" is 83 5C: a byte-wise reading would take its second byte for the mode letter.
    EXPECT_EQ(modeLetterOf("ソs"), "S");
    EXPECT_EQ(modeLetterOf("/ソ"), "ソ");
}

TEST(StartupAction, FollowsTheModeLetter) {
    EXPECT_EQ(startupActionFor("/s"), StartupAction::SaverHidingCursor);
    EXPECT_EQ(startupActionFor("xs"), StartupAction::SaverHidingCursor);
    EXPECT_EQ(startupActionFor(""), StartupAction::Saver);
    EXPECT_EQ(startupActionFor("/c"), StartupAction::Settings);
    EXPECT_EQ(startupActionFor("/c:1234"), StartupAction::Settings);
    EXPECT_EQ(startupActionFor("/p 1234"), StartupAction::Preview);
    EXPECT_EQ(startupActionFor("/P:1234"), StartupAction::Preview);
    EXPECT_EQ(startupActionFor("s"), StartupAction::QuitSilently);
    EXPECT_EQ(startupActionFor("/a"), StartupAction::QuitSilently);
    EXPECT_EQ(startupActionFor(" "), StartupAction::QuitSilently);
}

TEST(PreviewHostHandle, StartsAtTheFourthCharacter) {
    EXPECT_EQ(previewHostHandleOf("/p 1234"), 1234u);
    EXPECT_EQ(previewHostHandleOf("/p:1234"), 1234u);
    EXPECT_EQ(previewHostHandleOf("/p    77"), 77u);
    EXPECT_EQ(previewHostHandleOf("/p 12abc"), 12u);
    EXPECT_EQ(previewHostHandleOf("/p 12 34"), 12u);
}

TEST(PreviewHostHandle, NoNumberGivesNoHost) {
    EXPECT_EQ(previewHostHandleOf("/p"), 0u);
    EXPECT_EQ(previewHostHandleOf("/p "), 0u);
    EXPECT_EQ(previewHostHandleOf("/p abc"), 0u);
    EXPECT_EQ(previewHostHandleOf("/p -"), 0u);
    EXPECT_EQ(previewHostHandleOf("/p 0x"), 0u);
}

TEST(PreviewHostHandle, AcceptsHexadecimalAndSignedNumbers) {
    EXPECT_EQ(previewHostHandleOf("/p 0x1F"), 31u);
    EXPECT_EQ(previewHostHandleOf("/p:&h10"), 16u);
    EXPECT_EQ(previewHostHandleOf("/p +5"), 5u);
    // Handles printed as signed 32-bit numbers name the same bits.
    EXPECT_EQ(previewHostHandleOf("/p -2"), 0xFFFFFFFEu);
    EXPECT_EQ(previewHostHandleOf("/p -2147483648"), 0x80000000u);
}

TEST(PreviewHostHandle, RejectsNumbersBeyondThirtyTwoBits) {
    EXPECT_EQ(previewHostHandleOf("/p 4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(previewHostHandleOf("/p 4294967296"), 0u);
    EXPECT_EQ(previewHostHandleOf("/p 99999999999999999999999"), 0u);
    EXPECT_EQ(previewHostHandleOf("/p -2147483649"), 0u);
    EXPECT_EQ(previewHostHandleOf("/p 0x100000000"), 0u);
}
