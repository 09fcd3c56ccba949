// A scripted stand-in for the platform's MCI and wave output: it records every call as a line
// of text and answers MCI commands from a script, cutting replies to the caller's buffer as the
// platform does. Installed for the lifetime of the object.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "multimedia_seam.h"

class ScriptedMci final : public MultimediaSeam {
public:
    ScriptedMci();
    ~ScriptedMci() override;
    ScriptedMci(const ScriptedMci&) = delete;
    ScriptedMci& operator=(const ScriptedMci&) = delete;

    // From now on `command` succeeds with `reply`.
    void answer(const std::string& command, const std::string& reply);
    // From now on `command` fails with `code`.
    void fail(const std::string& command, std::uint32_t code);
    // The platform's description of `code`; codes without one make errorString fail.
    void describe(std::uint32_t code, const std::string& text);
    void setWaveDevices(std::uint32_t count) { waveDevices_ = count; }

    // Every MCI command string in order (errorString, wave and PlaySound calls are not in it).
    const std::vector<std::string>& commands() const { return commands_; }
    // Every call in order, as "mci <command>", "error <code>", "wave devices",
    // "sound <name|null> <flags>".
    const std::vector<std::string>& calls() const { return calls_; }
    void forget();

    std::uint32_t sendString(const char* command, char* reply, std::uint32_t replySize) override;
    bool errorString(std::uint32_t code, char* text, std::uint32_t textSize) override;
    std::uint32_t waveOutDeviceCount() override;
    void playSound(const char* name, std::uint32_t flags) override;

private:
    struct Answer {
        std::uint32_t code = 0;
        std::string reply;
    };
    std::map<std::string, Answer> script_;
    std::map<std::uint32_t, std::string> descriptions_;
    std::uint32_t waveDevices_ = 0;
    std::vector<std::string> commands_;
    std::vector<std::string> calls_;
};

// Copies `text` into a platform buffer of `size` characters: cut to the buffer, and a text that
// fills it whole comes without NUL, the worst a caller can be handed.
void copyCut(const std::string& text, char* buffer, std::uint32_t size);
