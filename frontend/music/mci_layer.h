// The MCI command-string layer: send a command and get its reply or error text, query a status
// with the error folded into the reply, and build play commands. Results are the platform's MCI
// error codes (0 = success); -1 is the layer's own code for an empty command.
#pragma once

#include <cstdint>
#include <string>

// The layer's own code for an empty command, which never reaches the platform.
constexpr std::int32_t kMciEmptyCommand = -1;

// Sends `command`. Result 0: `output` is the device's reply. Otherwise `output` describes the
// error (the platform's description, or the layer's text when not even that can be had).
std::int32_t MCI_Send(const std::string& command, std::string& output);

// The reply of `command`, or "Error:" and the result code in decimal when it fails.
std::string MCI_Query(const std::string& command);

// Sends "play <device>" with " from <start>" and " to <end>" for the positions given (empty
// or blank: not given); each position goes in as its first word. Gives MCI_Send's result.
std::int32_t MCI_Play(const std::string& device, const std::string& start, const std::string& end);
