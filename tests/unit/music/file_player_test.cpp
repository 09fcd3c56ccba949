// The music-file players: the MP3 player's MCI commands and watcher, the WAV player's PlaySoundA.
#include <string>

#include <gmock/gmock.h>

#include "file_player.h"
#include "music_test_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Mp3PlayerTest = MusicTest;
using WavPlayerTest = MusicTest;

const std::string kPath = "C:\\My Music\\Slow Tide.mp3";
const std::string kOpen = "open \"C:\\My Music\\Slow Tide.mp3\" type MPEGVideo Alias MP3Play";

TEST_F(Mp3PlayerTest, OpensThePathInQuotesThenPlays) {
    MP3_Start(kPath);
    EXPECT_THAT(mci.commands(), ElementsAre(kOpen, "play MP3Play"));
}

TEST_F(Mp3PlayerTest, FailedOpenPlaysNothing) {
    mci.fail(kOpen, 277);
    MP3_Start(kPath);
    EXPECT_THAT(mci.commands(), ElementsAre(kOpen));
}

TEST_F(Mp3PlayerTest, PathThatCannotBeQuotedIsNeverSent) {
    MP3_Start("C:\\a\" type waveaudio alias x \"b.mp3");
    // Cut at the NUL, the command would end inside the quotes, without the alias.
    MP3_Start(std::string("C:\\a\0b.mp3", 10));
    EXPECT_THAT(mci.calls(), IsEmpty());
}

TEST_F(Mp3PlayerTest, KeepPlayingRestartsFromTheStartWhenNotPlaying) {
    for (const char* mode : {"stopped", "paused", "not ready"}) {
        mci.forget();
        mci.answer("status MP3Play mode", mode);
        MP3_KeepPlaying();
        EXPECT_THAT(mci.commands(), ElementsAre("status MP3Play mode", "stop MP3Play", "play MP3Play from 0"))
            << mode;
    }
}

TEST_F(Mp3PlayerTest, KeepPlayingLeavesAPlayingFileAlone) {
    mci.answer("status MP3Play mode", "playing");
    MP3_KeepPlaying();
    EXPECT_THAT(mci.commands(), ElementsAre("status MP3Play mode"));
}

TEST_F(Mp3PlayerTest, FailedStatusAfterPlayingCountsAsNotPlaying) {
    mci.answer("status MP3Play mode", "playing");
    ASSERT_TRUE(MP3_IsPlaying());
    mci.fail("status MP3Play mode", 263);
    EXPECT_FALSE(MP3_IsPlaying());
}

TEST_F(Mp3PlayerTest, ModeIsReadThroughItsThirtyCharacterBuffer) {
    mci.answer("status MP3Play mode", "playing" + std::string(40, '.'));
    EXPECT_TRUE(MP3_IsPlaying());
    EXPECT_EQ(bufferText(bgmState().mp3Mode).size(), 30u);
}

TEST_F(Mp3PlayerTest, StopStopsThenCloses) {
    MP3_Stop();
    EXPECT_THAT(mci.commands(), ElementsAre("stop MP3Play", "close MP3Play"));
}

TEST_F(WavPlayerTest, LoopsTheFileWhenThereIsAWaveDevice) {
    mci.setWaveDevices(2);
    WAV_Start("C:\\a b\\loop.wav");
    EXPECT_THAT(mci.calls(), ElementsAre("wave devices", "sound C:\\a b\\loop.wav 9"));
}

TEST_F(WavPlayerTest, DoesNothingWithoutAWaveDevice) {
    WAV_Start("C:\\loop.wav");
    EXPECT_THAT(mci.calls(), ElementsAre("wave devices"));
}

TEST_F(WavPlayerTest, StopPlaysNoSoundWithNoFlags) {
    WAV_Stop();
    EXPECT_THAT(mci.calls(), ElementsAre("sound null 0"));
}

}  // namespace
