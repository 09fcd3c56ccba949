// The saver's music as a user hears it: the real Corvessa.scr and Corvessa.dll under Wine, the
// sound recorded from the session's null sink while the saver runs and after it has ended.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "process.h"
#include "saver_run.h"
#include "sound_recording.h"
#include "test_media.h"

namespace {

using e2e::MusicSettingsFile;
using e2e::SaverRun;
using e2e::SoundRecording;

// Wine finds no sound server at this address, so the programs it starts have no wave device.
constexpr const char kNoSoundServer[] = "PULSE_SERVER=unix:/nonexistent";

struct Heard {
    RecordingLevels levels;
    double started = 0;  // recording time at which the saver was started, seconds
    double closed = 0;   // recording time at which the renderer's window had gone, seconds
};

// Starts the saver with the recorder running, lets it play for `seconds`, ends it by a key, and
// checks that the front end follows by itself.
void runSaver(SaverRun& saver, double seconds, Heard& heard, const std::string& unixEnvironment = {}) {
    SoundRecording recording;
    ASSERT_TRUE(recording.start(saver.dir() + "\\recorded.wav", static_cast<int>(seconds) + 6));
    Sleep(300);
    const auto started = recording.mark();
    ASSERT_TRUE(unixEnvironment.empty() ? saver.start() : saver.startWithUnixEnvironment(unixEnvironment))
        << "the renderer's window never showed";
    Sleep(static_cast<DWORD>(seconds * 1000));
    ASSERT_TRUE(saver.endByKey()) << "the renderer did not end on a key";
    const auto closed = recording.mark();
    DWORD code = 0;
    ASSERT_TRUE(saver.frontEndEnded(3000, &code)) << "the front end outlived its renderer";
    EXPECT_LT(code, 0xC0000000u) << "the front end ended by an exception";
    heard.levels = recording.finish();
    ASSERT_TRUE(heard.levels.valid());
    heard.started = heard.levels.secondsAtFileSize(started);
    heard.closed = heard.levels.secondsAtFileSize(closed);
    ASSERT_LT(heard.closed + 1.0, heard.levels.duration()) << "recording too short to hear the end";
}

TEST(SaverMusic, WavFileLoopsWhileTheSaverRunsAndStopsWithIt) {
    SaverRun saver("saver wav");
    const std::string file = saver.dir() + "\\Loop Tone.wav";
    ASSERT_TRUE(e2e::writeToneWav(file, 1.0));
    saver.writeSettings(MusicSettingsFile{2, 0, file});
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(runSaver(saver, 3.5, heard));

    const RecordingLevels& levels = heard.levels;
    const double firstSound = levels.firstSoundFrom(heard.started);
    ASSERT_GE(firstSound, 0.0);
    ASSERT_LT(firstSound, heard.closed);
    const double stopLatency = levels.firstSilenceFrom(heard.closed) - heard.closed;
    std::printf("saver wav: sound %.2f s after start, peak %.1f dB, heard in %.0f%% of %.2f s, "
                "silent %.2f s after the renderer's window closed\n",
                firstSound - heard.started, levels.peakDb(firstSound, heard.closed),
                100 * levels.soundShare(firstSound, heard.closed), heard.closed - firstSound, stopLatency);
    EXPECT_GT(heard.closed - firstSound, 2.0) << "ran past the 1 s file's end";
    EXPECT_GT(levels.soundShare(firstSound, heard.closed), 0.9);
    EXPECT_LT(stopLatency, 0.5);
    EXPECT_LT(levels.peakDb(heard.closed + 0.5, levels.duration()), kSilenceDb);
}

TEST(SaverMusic, Mp3WithBlanksAndLowerCaseEndingRestartsAfterItsEnd) {
    SaverRun saver("saver mp3");
    const std::string file = saver.dir() + "\\slow tide.mp3";
    ASSERT_TRUE(e2e::copyMp3Tone(file));
    saver.writeSettings(MusicSettingsFile{2, 0, file});
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(runSaver(saver, 5.0, heard));

    const RecordingLevels& levels = heard.levels;
    const double firstSound = levels.firstSoundFrom(heard.started);
    ASSERT_GE(firstSound, 0.0);
    const double end = levels.firstSilenceFrom(firstSound);
    const double again = levels.firstSoundFrom(end);
    std::printf("saver mp3: sound %.2f s after start, peak %.1f dB, played %.2f s, restarted after "
                "%.2f s of silence, silent %.2f s after the renderer's window closed\n",
                firstSound - heard.started, levels.peakDb(firstSound, heard.closed), end - firstSound,
                again - end, levels.firstSilenceFrom(heard.closed) - heard.closed);
    ASSERT_GT(again, end);
    EXPECT_LT(again, heard.closed) << "restarted while the saver ran";
    EXPECT_LE(again - end, 1.6) << "one 1000 ms tick and the restart";
    EXPECT_LT(levels.peakDb(heard.closed + 0.5, levels.duration()), kSilenceDb);
}

TEST(SaverMusic, FileOfAnotherTypePlaysNothing) {
    SaverRun saver("saver ogg");
    // An MP3 inside: had the saver handed it to a player, it would be heard.
    const std::string file = saver.dir() + "\\tide.ogg";
    ASSERT_TRUE(e2e::copyMp3Tone(file));
    saver.writeSettings(MusicSettingsFile{2, 0, file});
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(runSaver(saver, 2.5, heard));
    EXPECT_LT(heard.levels.peakDb(0, heard.levels.duration()), kSilenceDb);
}

TEST(SaverMusic, WithoutAWaveDeviceTheSaverRunsSilentAndEnds) {
    // First make sure that a program started this way really sees no wave device.
    const std::string dir = e2e::freshDir("no wave device");
    const std::string countFile = dir + "\\count.txt";
    ASSERT_TRUE(e2e::startLinuxProgram(std::string("/usr/bin/env ") + kNoSoundServer +
                                       " /usr/lib/wine/wine64 \"" +
                                       e2e::unixPath(e2e::programDir() + "\\music_wave_device_count.exe") +
                                       "\" \"" + e2e::unixPath(countFile) + "\""));
    int devices = -1;
    for (int i = 0; i < 100 && devices < 0; ++i) {
        Sleep(100);
        std::ifstream(countFile) >> devices;
    }
    ASSERT_EQ(devices, 0);

    SaverRun saver("saver no wave device");
    const std::string file = saver.dir() + "\\loop.wav";
    ASSERT_TRUE(e2e::writeToneWav(file, 1.0));
    saver.writeSettings(MusicSettingsFile{2, 0, file});
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(runSaver(saver, 2.0, heard, kNoSoundServer));
    EXPECT_LT(heard.levels.peakDb(0, heard.levels.duration()), kSilenceDb);
}

TEST(SaverMusic, CdAudioWithoutADriveRunsSilentAndEnds) {
    SaverRun saver("saver cd");
    saver.writeSettings(MusicSettingsFile{1, 3, ""});
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(runSaver(saver, 2.0, heard));
    EXPECT_LT(heard.levels.peakDb(0, heard.levels.duration()), kSilenceDb);
}

}  // namespace
