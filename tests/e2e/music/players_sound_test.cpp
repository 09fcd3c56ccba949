// The music players with the real winmm, recorded from the null sink: the sound path itself,
// before any saver is involved.
#include <gtest/gtest.h>

#include <cstdio>

#include "file_player.h"
#include "process.h"
#include "sound_recording.h"
#include "test_media.h"

namespace {

using e2e::SoundRecording;

TEST(PlayersSound, Mp3WithBlanksInItsPathPlaysAndIsRestartedAfterItsEnd) {
    const std::string dir = e2e::freshDir("players mp3");
    const std::string file = dir + "\\slow tide.mp3";
    ASSERT_TRUE(e2e::copyMp3Tone(file));
    SoundRecording recording;
    ASSERT_TRUE(recording.start(dir + "\\recorded.wav", 9));

    Sleep(300);
    const auto started = recording.mark();
    MP3_Start(file);
    for (int tick = 0; tick < 5; ++tick) {
        Sleep(1000);
        MP3_KeepPlaying();
    }
    const auto stopped = recording.mark();
    MP3_Stop();

    const RecordingLevels levels = recording.finish();
    ASSERT_TRUE(levels.valid());
    const double t0 = levels.secondsAtFileSize(started), t1 = levels.secondsAtFileSize(stopped);
    const double firstSound = levels.firstSoundFrom(t0);
    ASSERT_GE(firstSound, 0.0);
    EXPECT_LT(firstSound - t0, 1.0);
    const double end = levels.firstSilenceFrom(firstSound);
    const double again = levels.firstSoundFrom(end);
    std::printf("mp3: starts %.2f s after MP3_Start, peak %.1f dB, ends after %.2f s, "
                "silent %.2f s before restarting, silent %.2f s after MP3_Stop\n",
                firstSound - t0, levels.peakDb(t0, t1), end - firstSound, again - end,
                levels.firstSilenceFrom(t1) - t1);
    EXPECT_GT(levels.peakDb(t0, t1), -20.0);
    ASSERT_GT(again, end);
    EXPECT_LT(again, t1) << "restarted after its end";
    EXPECT_LE(again - end, 1.6) << "one 1000 ms tick and the restart";
    EXPECT_LT(levels.peakDb(t1 + 0.5, levels.duration()), kSilenceDb);
}

TEST(PlayersSound, WavLoopsPastItsEndUntilStopped) {
    const std::string dir = e2e::freshDir("players wav");
    const std::string file = dir + "\\tone.wav";
    ASSERT_TRUE(e2e::writeToneWav(file, 1.0));
    SoundRecording recording;
    ASSERT_TRUE(recording.start(dir + "\\recorded.wav", 7));

    Sleep(300);
    const auto started = recording.mark();
    WAV_Start(file);
    Sleep(3500);
    const auto stopped = recording.mark();
    WAV_Stop();

    const RecordingLevels levels = recording.finish();
    ASSERT_TRUE(levels.valid());
    const double t0 = levels.secondsAtFileSize(started), t1 = levels.secondsAtFileSize(stopped);
    const double firstSound = levels.firstSoundFrom(t0);
    ASSERT_GE(firstSound, 0.0);
    std::printf("wav: starts %.2f s after WAV_Start, peak %.1f dB, sound in %.0f%% of the run, "
                "silent %.2f s after WAV_Stop\n",
                firstSound - t0, levels.peakDb(t0, t1), 100 * levels.soundShare(firstSound, t1),
                levels.firstSilenceFrom(t1) - t1);
    EXPECT_GT(levels.soundShare(firstSound, t1), 0.9) << "a 1 s file heard all through 3.5 s";
    EXPECT_LT(levels.peakDb(t1 + 0.5, levels.duration()), kSilenceDb);
}

TEST(PlayersSound, Mp3ThatCannotBeOpenedIsNeverPlaying) {
    const std::string dir = e2e::freshDir("players missing");
    MP3_Start(dir + "\\missing.mp3");
    EXPECT_FALSE(MP3_IsPlaying());
    MP3_KeepPlaying();
    EXPECT_FALSE(MP3_IsPlaying());
    MP3_Stop();
}

}  // namespace
