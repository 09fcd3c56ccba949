// The scripted MCI of the music tests.
#include "scripted_mci.h"

#include <algorithm>
#include <cstring>

ScriptedMci::ScriptedMci() { useMultimediaSeam(this); }

ScriptedMci::~ScriptedMci() { useMultimediaSeam(nullptr); }

void ScriptedMci::answer(const std::string& command, const std::string& reply) {
    script_[command] = Answer{0, reply};
}

void ScriptedMci::fail(const std::string& command, std::uint32_t code) {
    script_[command] = Answer{code, {}};
}

void ScriptedMci::describe(std::uint32_t code, const std::string& text) { descriptions_[code] = text; }

void ScriptedMci::forget() {
    commands_.clear();
    calls_.clear();
}

void copyCut(const std::string& text, char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) return;
    const std::size_t n = std::min<std::size_t>(text.size(), size);
    std::memcpy(buffer, text.data(), n);
    if (n < size) buffer[n] = '\0';
}

std::uint32_t ScriptedMci::sendString(const char* command, char* reply, std::uint32_t replySize) {
    commands_.emplace_back(command);
    calls_.push_back("mci " + commands_.back());
    const auto found = script_.find(command);
    // Unscripted commands succeed silently, as most control commands of a working device do.
    const Answer answer = found != script_.end() ? found->second : Answer{};
    copyCut(answer.code == 0 ? answer.reply : std::string(), reply, replySize);
    return answer.code;
}

bool ScriptedMci::errorString(std::uint32_t code, char* text, std::uint32_t textSize) {
    calls_.push_back("error " + std::to_string(code));
    const auto found = descriptions_.find(code);
    if (found == descriptions_.end()) return false;
    copyCut(found->second, text, textSize);
    return true;
}

std::uint32_t ScriptedMci::waveOutDeviceCount() {
    calls_.emplace_back("wave devices");
    return waveDevices_;
}

void ScriptedMci::playSound(const char* name, std::uint32_t flags) {
    calls_.push_back(std::string("sound ") + (name != nullptr ? name : "null") + " " + std::to_string(flags));
}
