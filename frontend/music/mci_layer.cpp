// MCI command strings with their replies and error texts, over the multimedia seam.
#include "mci_layer.h"

#include <algorithm>

#include "bgm_state.h"
#include "multimedia_seam.h"

namespace {

// Texts of the layer itself, in the system's code page.
constexpr const char kNoCommandText[] = "コマンド文字列が指定されていません";
constexpr const char kNoErrorText[] = "Error (文字列が取れません)";

std::string errorDescription(std::uint32_t code) {
    auto& buffer = bgmState().errorText;
    buffer.fill('\0');
    if (!multimediaSeam().errorString(code, buffer.data(), static_cast<std::uint32_t>(buffer.size()))) {
        return kNoErrorText;
    }
    return bufferText(buffer);
}

// A position as one word, its first: a position with blanks in it (a drive's reply) would put
// words of its own into the play command, "wait" among them, which would hold the front end's
// one thread until the disc ends. A position of blanks alone counts as none, like an empty one.
std::string positionWord(const std::string& position) {
    const auto isSeparator = [](unsigned char c) { return c <= ' '; };
    const auto begin = std::find_if_not(position.begin(), position.end(), isSeparator);
    return std::string(begin, std::find_if(begin, position.end(), isSeparator));
}

}  // namespace

std::int32_t MCI_Send(const std::string& command, std::string& output) {
    if (command.empty()) {
        output = kNoCommandText;
        return kMciEmptyCommand;
    }
    auto& reply = bgmState().reply;
    // Cleared first, so that a failing call cannot leave an earlier reply to be read back.
    reply.fill('\0');
    const std::uint32_t code =
        multimediaSeam().sendString(command.c_str(), reply.data(), static_cast<std::uint32_t>(reply.size()));
    if (code != 0) {
        output = errorDescription(code);
        return static_cast<std::int32_t>(code);
    }
    output = bufferText(reply);
    return 0;
}

std::string MCI_Query(const std::string& command) {
    std::string output;
    const std::int32_t code = MCI_Send(command, output);
    if (code != 0) return "Error:" + std::to_string(code);
    return output;
}

std::int32_t MCI_Play(const std::string& device, const std::string& start, const std::string& end) {
    std::string command = "play " + device;
    const std::string from = positionWord(start);
    const std::string to = positionWord(end);
    if (!from.empty()) command += " from " + from;
    if (!to.empty()) command += " to " + to;
    std::string discarded;
    return MCI_Send(command, discarded);
}
