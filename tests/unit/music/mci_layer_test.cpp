// The MCI command layer: replies, error texts, the empty command and the play-command shapes.
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "mci_layer.h"
#include "music_test_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using MciSendTest = MusicTest;
using MciQueryTest = MusicTest;
using MciPlayTest = MusicTest;

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

TEST_F(MciSendTest, EmptyCommandNeverReachesThePlatform) {
    std::string output = "left over";
    EXPECT_EQ(MCI_Send("", output), -1);
    EXPECT_THAT(mci.calls(), IsEmpty());
    // "コマンド文字列が指定されていません" in the system's code page.
    EXPECT_EQ(output.substr(0, 6), bytes({0x83, 0x52, 0x83, 0x7D, 0x83, 0x93}));
    EXPECT_EQ(output.size(), 34u);
}

TEST_F(MciSendTest, SuccessGivesTheDevicesReply) {
    mci.answer("status cdaudio mode", "playing");
    std::string output;
    EXPECT_EQ(MCI_Send("status cdaudio mode", output), 0);
    EXPECT_EQ(output, "playing");
    EXPECT_THAT(mci.calls(), ElementsAre("mci status cdaudio mode"));
}

TEST_F(MciSendTest, FailureGivesThePlatformsDescription) {
    mci.fail("status cdaudio mode", 266);
    mci.describe(266, "The device is not ready.");
    std::string output;
    EXPECT_EQ(MCI_Send("status cdaudio mode", output), 266);
    EXPECT_EQ(output, "The device is not ready.");
    EXPECT_THAT(mci.calls(), ElementsAre("mci status cdaudio mode", "error 266"));
}

TEST_F(MciSendTest, FailureWithoutDescriptionGivesTheLayersOwnText) {
    mci.fail("open cdaudio", 999);
    std::string output;
    EXPECT_EQ(MCI_Send("open cdaudio", output), 999);
    // "Error (文字列が取れません)": ASCII up to the bracket, then 文 = 95 B6.
    EXPECT_EQ(output.substr(0, 9), "Error (" + bytes({0x95, 0xB6}));
    EXPECT_EQ(output.back(), ')');
}

TEST_F(MciSendTest, ReplyFillingTheWholeBufferIsReadNoFurther) {
    mci.answer("info cdaudio", std::string(600, 'x'));
    std::string output;
    EXPECT_EQ(MCI_Send("info cdaudio", output), 0);
    EXPECT_EQ(output, std::string(512, 'x'));
}

TEST_F(MciSendTest, FailureGivesTheDescriptionNeverAnEarlierReply) {
    mci.answer("status cdaudio mode", "stopped");
    std::string output;
    MCI_Send("status cdaudio mode", output);
    mci.fail("status cdaudio mode", 266);
    mci.describe(266, "not ready");
    EXPECT_EQ(MCI_Send("status cdaudio mode", output), 266);
    EXPECT_EQ(output, "not ready");
}

TEST_F(MciQueryTest, ErrorGivesTheCodeNeverTheDescription) {
    mci.fail("status cdaudio current track", 263);
    mci.describe(263, "The specified device is not open.");
    EXPECT_EQ(MCI_Query("status cdaudio current track"), "Error:263");
}

TEST_F(MciQueryTest, EmptyCommandGivesMinusOne) {
    EXPECT_EQ(MCI_Query(""), "Error:-1");
    EXPECT_THAT(mci.calls(), IsEmpty());
}

TEST_F(MciPlayTest, BuildsOneCommandPerShapeOfPositions) {
    MCI_Play("cdaudio", "03:00:00:00", "04:00:00:00");
    MCI_Play("cdaudio", "03:00:00:00", "");
    MCI_Play("cdaudio", "", "04:00:00:00");
    MCI_Play("cdaudio", "", "");
    MCI_Play("cdaudio", " 03:00:00:00 wait", "04:00:00:00 notify");
    MCI_Play("cdaudio", " \t", "");
    EXPECT_THAT(mci.commands(), ElementsAre("play cdaudio from 03:00:00:00 to 04:00:00:00",
                                            "play cdaudio from 03:00:00:00",
                                            "play cdaudio to 04:00:00:00",
                                            "play cdaudio",
                                            "play cdaudio from 03:00:00:00 to 04:00:00:00",
                                            "play cdaudio"));
}

TEST_F(MciPlayTest, GivesTheResultOfTheSend) {
    mci.fail("play cdaudio", 266);
    EXPECT_EQ(MCI_Play("cdaudio", "", ""), 266);
}

}  // namespace
