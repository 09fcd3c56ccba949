// Music-file playback: the MCI commands of the MP3 player and the PlaySoundA calls of the WAV one.
#include "file_player.h"

#include "bgm_state.h"
#include "multimedia_seam.h"

namespace {

// A command whose result nobody looks at: the watcher's next tick notices a player that is not
// playing, and there is nothing else the saver could do about a failure.
void sendIgnoringResult(const std::string& command) {
    multimediaSeam().sendString(command.c_str(), nullptr, 0);
}

// No file name on the system can hold a double quotation mark or a NUL. A quotation mark here
// could only close the quoted path early and slip words of its own into the command; a NUL
// would end the command inside the quotes, so that the platform never sees the alias.
bool canBeQuoted(const std::string& file) {
    return file.find('"') == std::string::npos && file.find('\0') == std::string::npos;
}

}  // namespace

void MP3_Start(const std::string& file) {
    if (!canBeQuoted(file)) return;
    const std::string open = "open \"" + file + "\" type MPEGVideo Alias MP3Play";
    if (multimediaSeam().sendString(open.c_str(), nullptr, 0) == 0) {
        sendIgnoringResult("play MP3Play");
    }
}

bool MP3_IsPlaying() {
    auto& mode = bgmState().mp3Mode;
    // Cleared first: a failed query must not leave an earlier "playing" to be read back.
    mode.fill('\0');
    multimediaSeam().sendString("status MP3Play mode", mode.data(), static_cast<std::uint32_t>(mode.size()));
    return modeIs(mode, "playing");
}

void MP3_KeepPlaying() {
    if (MP3_IsPlaying()) return;
    sendIgnoringResult("stop MP3Play");
    sendIgnoringResult("play MP3Play from 0");
}

void MP3_Stop() {
    sendIgnoringResult("stop MP3Play");
    sendIgnoringResult("close MP3Play");
}

void WAV_Start(const std::string& file) {
    if (multimediaSeam().waveOutDeviceCount() == 0) return;
    multimediaSeam().playSound(file.c_str(), kWavLoopFlags);
}

void WAV_Stop() { multimediaSeam().playSound(nullptr, kWavStopFlags); }
