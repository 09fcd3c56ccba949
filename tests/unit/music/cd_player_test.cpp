// The CD watcher against a scripted drive: which commands each tick sends, and when it gives up.
#include <string>

#include <gmock/gmock.h>

#include "cd_player.h"
#include "music_test_fixture.h"

using ::testing::ElementsAre;

namespace {

const std::string kTrack = "status cdaudio current track";
const std::string kCount = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";

class CdWatcherTest : public MusicTest {
protected:
    // A disc of 10 tracks in a drive at `track` in `mode`.
    void drive(const std::string& track, const std::string& mode) {
        mci.answer(kTrack, track);
        mci.answer(kCount, "10");
        mci.answer(kMode, mode);
        for (int n = 1; n <= 10; ++n) {
            mci.answer("status cdaudio position track " + std::to_string(n), std::to_string(n) + ":00:00:00");
        }
    }
    void tick(std::int16_t repeatTrack) {
        mci.forget();
        CD_Poll(repeatTrack);
    }
};

using CdDeviceTest = MusicTest;

TEST_F(CdDeviceTest, OpensInTracksAndStopsThenCloses) {
    CD_Open();
    CD_Stop();
    EXPECT_THAT(mci.commands(), ElementsAre("open cdaudio", "set cdaudio time format tmsf",
                                            "stop cdaudio", "close cdaudio"));
}

TEST_F(CdWatcherTest, WholeDiscRestartsWheneverTheDriveHasStopped) {
    drive("10", "stopped");
    tick(0);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode, "play cdaudio"));
    EXPECT_TRUE(CD_PollOK());

    drive("1", "playing");
    tick(0);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode));

    drive("10", "stopped");
    tick(0);
    EXPECT_EQ(mci.commands().back(), "play cdaudio");
}

TEST_F(CdWatcherTest, LoopedTrackIsSentBackWhenTheNextBegins) {
    drive("1", "stopped");
    tick(3);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode, "status cdaudio position track 3",
                                            "play cdaudio from 3:00:00:00"));
    drive("3", "playing");
    tick(3);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode));

    drive("4", "playing");
    tick(3);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode, "status cdaudio position track 3",
                                            "play cdaudio from 3:00:00:00"));
    EXPECT_TRUE(CD_PollOK());
}

TEST_F(CdWatcherTest, PausedDiscIsLeftAloneForTheWholeDisc) {
    drive("5", "paused");
    tick(0);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode));
}

TEST_F(CdWatcherTest, PausedDiscIsSentBackOnlyWhenOffTheLoopedTrack) {
    drive("3", "paused");
    tick(3);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode));

    drive("5", "paused");
    tick(3);
    EXPECT_EQ(mci.commands().back(), "play cdaudio from 3:00:00:00");
}

TEST_F(CdWatcherTest, FirstStatusErrorSwitchesTheWatcherOff) {
    mci.fail(kTrack, 266);
    tick(0);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack));
    EXPECT_FALSE(CD_PollOK());
}

TEST_F(CdWatcherTest, TrackCountErrorSwitchesTheWatcherOff) {
    drive("1", "stopped");
    mci.fail(kCount, 266);
    tick(2);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount));
    EXPECT_FALSE(CD_PollOK());
}

TEST_F(CdWatcherTest, EachTickJudgesAfresh) {
    mci.fail(kTrack, 266);
    tick(0);
    ASSERT_FALSE(CD_PollOK());
    drive("1", "playing");
    tick(0);
    EXPECT_TRUE(CD_PollOK());
}

TEST_F(CdWatcherTest, TrackBeyondTheLastPlaysNothingOnEveryTick) {
    drive("1", "stopped");
    mci.fail("status cdaudio position track 12", 277);
    mci.fail("play cdaudio from Error:277", 274);
    for (int i = 0; i < 2; ++i) {
        tick(12);
        EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode, "status cdaudio position track 12",
                                                "play cdaudio from Error:277"));
        EXPECT_TRUE(CD_PollOK());
    }
}

TEST_F(CdWatcherTest, PositionReplyGoesIntoThePlayCommandAsOneWord) {
    drive("1", "stopped");
    mci.answer("status cdaudio position track 3", " 03:00:00:00 wait");
    tick(3);
    EXPECT_EQ(mci.commands().back(), "play cdaudio from 03:00:00:00");
}

TEST_F(CdWatcherTest, UnreadableTrackNumberSwitchesTheWatcherOffWithoutPlaying) {
    drive("three", "stopped");
    tick(3);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode));
    EXPECT_FALSE(CD_PollOK());
}

TEST_F(CdWatcherTest, OnlySevenCharactersOfTheModeAreCompared) {
    drive("10", "stopped, and more the drive says");
    tick(0);
    EXPECT_EQ(mci.commands().back(), "play cdaudio");
}

TEST_F(CdWatcherTest, FailedModeQueryIsNotReadAsTheEarlierMode) {
    drive("10", "stopped");
    tick(0);
    mci.fail(kMode, 266);
    tick(0);
    EXPECT_THAT(mci.commands(), ElementsAre(kTrack, kCount, kMode));
}

TEST_F(CdWatcherTest, ModeQueryUsesTheBufferOf255Characters) {
    drive("10", std::string(300, 's'));
    tick(0);
    EXPECT_EQ(bufferText(bgmState().cdMode), std::string(255, 's'));
}

}  // namespace
