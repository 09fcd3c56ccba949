// The CD watcher: status queries, then a play command when the drive has stopped or left the
// track it should loop.
#include "cd_player.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "bgm_state.h"
#include "mci_layer.h"
#include "multimedia_seam.h"

namespace {

constexpr const char kDevice[] = "cdaudio";

// A command whose result nobody looks at: a failure here changes nothing the saver could act on.
void sendIgnoringResult(const char* command) {
    multimediaSeam().sendString(command, nullptr, 0);
}

// The drive answered with an error: MCI_Query folds errors into "Error:<code>".
bool reportsError(const std::string& reply) {
    std::string upper = reply;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("ERR") != std::string::npos;
}

// A track number as the drive writes it: decimal digits with an optional sign, blanks around
// them allowed. Nothing for any other text or a value out of range.
std::optional<long> trackNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    std::string digits = text.substr(first, last - first + 1);
    bool negative = false;
    if (digits[0] == '+' || digits[0] == '-') {
        negative = digits[0] == '-';
        digits.erase(0, 1);
    }
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The reply to "status cdaudio mode", in the module's own mode buffer.
void readMode() {
    auto& mode = bgmState().cdMode;
    // Cleared first: a failed query must not leave the previous tick's mode to be acted on.
    mode.fill('\0');
    multimediaSeam().sendString("status cdaudio mode", mode.data(), static_cast<std::uint32_t>(mode.size()));
}

}  // namespace

void CD_Open() {
    sendIgnoringResult("open cdaudio");
    sendIgnoringResult("set cdaudio time format tmsf");
}

void CD_Poll(std::int16_t repeatTrack) {
    BgmState& state = bgmState();
    state.cdPollOK = true;

    const std::string track = MCI_Query("status cdaudio current track");
    if (reportsError(track)) {
        state.cdPollOK = false;
        return;
    }
    // Only asked to learn whether a disc is there: the count itself is not needed.
    if (reportsError(MCI_Query("status cdaudio number of tracks"))) {
        state.cdPollOK = false;
        return;
    }
    readMode();
    const bool stopped = modeIs(state.cdMode, "stopped");

    if (repeatTrack == 0) {
        if (stopped) MCI_Play(kDevice, "", "");
        return;
    }
    const std::optional<long> current = trackNumber(track);
    if (!current) {
        state.cdPollOK = false;
        return;
    }
    if (stopped || *current != repeatTrack) {
        // A track beyond the last makes this query fail; its "Error:" text then goes into the
        // play command, which fails in turn, and nothing plays.
        const std::string start = MCI_Query("status cdaudio position track " + std::to_string(repeatTrack));
        MCI_Play(kDevice, start, "");
    }
}

void CD_Stop() {
    sendIgnoringResult("stop cdaudio");
    sendIgnoringResult("close cdaudio");
}

bool CD_PollOK() { return bgmState().cdPollOK; }
