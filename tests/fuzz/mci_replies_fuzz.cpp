// Fuzz target: the MCI replies that the CD watcher and the MP3 player act on, through the
// scripted MCI of the music tests. Input, one line each:
//   "cd <track to loop>", then four replies per watcher tick: current track, number of tracks,
//   mode, and the position of the track to loop;
//   "mp3 <file>", then the open command's reply, then one mode reply per watcher tick.
// A reply line "!<code>" or "!<code> <description>" makes that command fail with the code.
// Checked: every command sent has one of the shapes the players send, a device's reply never
// adds words to a command, nothing plays after a failed query, and the ticks follow the rules.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "bgm_state.h"
#include "cd_player.h"
#include "file_player.h"
#include "fuzz_target.h"
#include "scripted_mci.h"

namespace {

using Commands = std::vector<std::string>;

// The error code a reply line asks for; 0 (success) for a plain reply.
std::uint32_t failureIn(const std::string& line) {
    if (line.empty() || line[0] != '!') return 0;
    return static_cast<std::uint32_t>(std::strtoul(line.substr(1, 10).c_str(), nullptr, 10));
}

// Installs `line` as the outcome of `command`.
void script(ScriptedMci& mci, const std::string& command, const std::string& line) {
    const std::uint32_t code = failureIn(line);
    if (code == 0) {
        mci.answer(command, line);
        return;
    }
    mci.fail(command, code);
    const std::size_t blank = line.find(' ');
    if (blank != std::string::npos) mci.describe(code, line.substr(blank + 1));
}

// What MCI_Query makes of a line: an error folded into "Error:", or the reply as it lands in
// the 512-character buffer, up to its first NUL; then looked at for "ERR" in any case.
bool readsAsError(const std::string& line) {
    if (failureIn(line) != 0) return true;
    std::string reply = line.substr(0, std::min(line.find('\0'), std::size_t{512}));
    std::transform(reply.begin(), reply.end(), reply.begin(), [](unsigned char c) { return std::toupper(c); });
    return reply.find("ERR") != std::string::npos;
}

std::int16_t trackToLoop(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<std::int16_t>(std::clamp<long>(value, -32768, 32767));
}

bool oneWord(const std::string& text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](unsigned char c) { return c <= ' '; });
}

bool isCdCommand(const std::string& command, std::int16_t track) {
    static const Commands fixed = {"open cdaudio", "set cdaudio time format tmsf", "status cdaudio current track",
                                   "status cdaudio number of tracks", "status cdaudio mode", "play cdaudio",
                                   "stop cdaudio", "close cdaudio"};
    const std::string from = "play cdaudio from ";
    return std::find(fixed.begin(), fixed.end(), command) != fixed.end() ||
           command == "status cdaudio position track " + std::to_string(track) ||
           (command.compare(0, from.size(), from) == 0 && oneWord(command.substr(from.size())));
}

bool playsIn(const Commands& commands) {
    return std::any_of(commands.begin(), commands.end(),
                       [](const std::string& c) { return c.compare(0, 5, "play ") == 0; });
}

void runCdWatcher(ScriptedMci& mci, std::int16_t track, const std::vector<std::string>& lines) {
    CD_Open();
    bool polling = true;  // Timer2 of the saver form, which follows CD_PollOK
    for (std::size_t at = 1; polling && at + 4 <= lines.size(); at += 4) {
        script(mci, "status cdaudio current track", lines[at]);
        script(mci, "status cdaudio number of tracks", lines[at + 1]);
        script(mci, "status cdaudio mode", lines[at + 2]);
        script(mci, "status cdaudio position track " + std::to_string(track), lines[at + 3]);
        const std::size_t before = mci.commands().size();
        CD_Poll(track);
        const Commands tick(mci.commands().begin() + static_cast<std::ptrdiff_t>(before), mci.commands().end());
        polling = CD_PollOK();
        fuzzCheck(!tick.empty() && tick[0] == "status cdaudio current track", "a tick starts with the track");
        fuzzCheck(polling || !playsIn(tick), "nothing plays in a tick that found an error");
        const bool errorReply = readsAsError(lines[at]) || readsAsError(lines[at + 1]);
        fuzzCheck(!errorReply || !polling, "an error reply switches the watcher off");
        fuzzCheck(errorReply || polling || track != 0, "the whole disc is given up on an error reply only");
        fuzzCheck(track != 0 || tick.size() <= 4, "the whole disc needs no position");
    }
    if (polling) CD_Stop();
    for (const std::string& command : mci.commands()) {
        fuzzCheck(isCdCommand(command, track), "every CD command has a known shape");
    }
}

void runMp3Player(ScriptedMci& mci, const std::string& file, const std::vector<std::string>& lines) {
    const std::string open = "open \"" + file + "\" type MPEGVideo Alias MP3Play";
    const std::string openReply = lines.size() > 1 ? lines[1] : std::string();
    script(mci, open, openReply);
    MP3_Start(file);
    const Commands started = mci.commands();
    const bool sent = !started.empty();
    fuzzCheck(!sent || started[0] == open, "the open command names the whole file and the alias");
    const bool opened = sent && failureIn(openReply) == 0;
    fuzzCheck(started.size() == (opened ? 2u : sent ? 1u : 0u) && (!opened || started[1] == "play MP3Play"),
              "the file is played once it has opened, and only then");
    for (std::size_t at = 2; at < lines.size(); ++at) {
        script(mci, "status MP3Play mode", lines[at]);
        mci.forget();
        MP3_KeepPlaying();
        const bool playing = failureIn(lines[at]) == 0 && lines[at].compare(0, 7, "playing") == 0;
        fuzzCheck(mci.commands() == (playing ? Commands{"status MP3Play mode"}
                                             : Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}),
                  "a file that is not playing is started again from 0");
    }
    mci.forget();
    MP3_Stop();
    fuzzCheck(mci.commands() == Commands{"stop MP3Play", "close MP3Play"}, "the end stops and closes the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = inputLines(data, size);
    bgmState() = BgmState{};
    ScriptedMci mci;
    const std::string& header = lines[0];
    if (header.compare(0, 3, "cd ") == 0) runCdWatcher(mci, trackToLoop(header.substr(3)), lines);
    if (header.compare(0, 4, "mp3 ") == 0) runMp3Player(mci, header.substr(4), lines);
    return 0;
}
