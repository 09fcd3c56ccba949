// The process-wide state of the music module: the fixed-size buffers that MCI replies and
// error texts land in, and the CD watcher's verdict. One owner, reused by every call.
#pragma once

#include <array>
#include <cstddef>
#include <string>

struct BgmState {
    std::array<char, 512> reply{};      // MCI_Send's reply buffer, characters
    std::array<char, 256> errorText{};  // MCI_Send's error-description buffer, characters
    std::array<char, 255> cdMode{};     // reply to "status cdaudio mode", characters
    std::array<char, 30> mp3Mode{};     // reply to "status MP3Play mode", characters
    bool cdPollOK = false;              // set by every CD_Poll: true means poll again
};

// The one instance of the process.
BgmState& bgmState();

// The text a platform call left in `buffer`: up to its first NUL, and never past its end, since
// a reply that fills the buffer exactly may come back without a terminator.
template <std::size_t N>
std::string bufferText(const std::array<char, N>& buffer) {
    std::size_t length = 0;
    while (length < N && buffer[length] != '\0') ++length;
    return std::string(buffer.data(), length);
}

// Modes are told apart by their first seven characters ("playing", "stopped"), as the replies
// of some drivers carry more after them.
constexpr std::size_t kModeCompareLength = 7;

template <std::size_t N>
bool modeIs(const std::array<char, N>& buffer, const char* mode) {
    return bufferText(buffer).substr(0, kModeCompareLength) == mode;
}
