// Paths beside the program, Shift_JIS text and twips.
#include <gtest/gtest.h>

#include "cp932_text.h"
#include "path_text.h"
#include "program_contract.h"
#include "twips.h"

TEST(ProgramPaths, JoinTheFolderAndTheNamePlainly) {
    EXPECT_EQ(directoryOf("C:\\Savers\\Corvessa.scr"), "C:\\Savers");
    EXPECT_EQ(directoryOf("C:\\Corvessa.scr"), "C:");
    EXPECT_EQ(besideProgram("C:\\Savers", kRendererFileName), "C:\\Savers\\Corvessa.dll");
    EXPECT_EQ(besideProgram("C:", kSettingsFileName), "C:\\Corvessa.ini");
}

TEST(ProgramPaths, AJapaneseFolderNameEndingIn5CIsNotCut) {
    // "ソ" is 83 5C; the separator search must not take its second byte for "\".
    EXPECT_EQ(directoryOf("C:\\ソ\\Corvessa.scr"), "C:\\ソ");
    EXPECT_EQ(directoryOf("C:\\ソ"), "C:");
}

TEST(ProgramFolder, IsNamedByTheFirstFormTheCodePageWrites) {
    EXPECT_EQ(ansiFolderName("C:\\Users\\Taro", "C:\\Users\\TARO~1"), "C:\\Users\\Taro");
    EXPECT_EQ(ansiFolderName(std::nullopt, "C:\\Users\\ZO_~~ANK"), "C:\\Users\\ZO_~~ANK") << "a name 932 cannot write";
    EXPECT_EQ(ansiFolderName(std::nullopt, std::nullopt), std::nullopt) << "no short names: the Unicode calls";
    EXPECT_EQ(ansiFolderName("", ""), std::nullopt) << "an empty path names nothing";
}

TEST(ProgramFolder, APathInItIsFoundByTheWholeFolderAndOneSeparator) {
    EXPECT_EQ(pathInFolder("C:\\Zo?\\Corvessa.ini", "C:\\Zo?"), "Corvessa.ini");
    EXPECT_EQ(pathInFolder("C:\\Corvessa.dll", "C:"), "Corvessa.dll");
    EXPECT_EQ(pathInFolder("C:\\Zo?x\\Corvessa.ini", "C:\\Zo?"), std::nullopt);
    EXPECT_EQ(pathInFolder("C:\\Zo?\\", "C:\\Zo?"), std::nullopt);
    EXPECT_EQ(pathInFolder("D:\\Music\\a.mp3", "C:\\Zo?"), std::nullopt);
    EXPECT_EQ(pathInFolder("C:\\a.mp3", ""), std::nullopt);
}

TEST(ExistenceTestPath, DropsOneTrailingSeparatorOnly) {
    EXPECT_EQ(withoutTrailingSeparator("C:\\music\\"), "C:\\music");
    EXPECT_EQ(withoutTrailingSeparator("C:\\music\\\\"), "C:\\music\\");
    EXPECT_EQ(withoutTrailingSeparator("C:\\music\\a.mp3"), "C:\\music\\a.mp3");
    EXPECT_EQ(withoutTrailingSeparator("C:\\ソ"), "C:\\ソ");
    EXPECT_EQ(withoutTrailingSeparator(""), "");
}

TEST(Cp932Text, CountsCharactersNotBytes) {
    EXPECT_EQ(cp932::characterCount("aソb"), 3u);
    EXPECT_EQ(cp932::characters("aソb", 1, 1), "ソ");
    EXPECT_EQ(cp932::fromCharacter("/pソ 12", 3), " 12");
    EXPECT_EQ(cp932::lastCharacters("曲.mp3", 4), ".mp3");
    EXPECT_EQ(cp932::upperAscii("ab\x83\x77z"), "AB\x83\x77Z");
    // A lead byte cut off at the end counts as one character and is kept.
    EXPECT_EQ(cp932::characterCount("a\x83"), 2u);
    EXPECT_EQ(cp932::lastCharacters("a\x83", 1), "\x83");
}

TEST(Cp932Text, CountsAtTheEdgesStayInsideTheText) {
    // Zero last characters once read one place past the character table.
    EXPECT_EQ(cp932::lastCharacters("aソb", 0), "");
    EXPECT_EQ(cp932::characters("aソb", 1, std::string::npos), "ソb");
    EXPECT_EQ(cp932::characters("aソb", 2, std::string::npos - 1), "b");
}

TEST(Twips, FifteenPerPixelAtNinetySixDpi) {
    EXPECT_EQ(twipsToPixels(7185, 96), 479);
    EXPECT_EQ(twipsToPixels(3780, 96), 252);
    EXPECT_EQ(pixelsToTwips(152, 96), 2280);
    EXPECT_EQ(twipsToPixels(195, 96), 13);
}

TEST(Twips, FollowTheRealDpi) {
    EXPECT_EQ(twipsToPixels(1440, 120), 120);
    EXPECT_EQ(pixelsToTwips(120, 120), 1440);
    EXPECT_EQ(pixelsToTwips(152, 144), 1520);
    EXPECT_EQ(twipsToPixels(1520, 144), 152);
    EXPECT_EQ(twipsToPixels(-15, 96), -1);
    EXPECT_EQ(twipsToPixels(1440, 0), 96);  // a nonsense DPI is taken as 96, never divided by
}
