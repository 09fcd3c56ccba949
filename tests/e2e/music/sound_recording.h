// Records what Wine plays, from the monitor of the session's PulseAudio null sink, into a WAV
// file. The recorder is a Linux program that ends itself after a fixed time, so a failing
// scenario cannot leave it running. While it records, the file grows in step with the clock,
// which lets a scenario mark the recording time of an event by the file's size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "recording_levels.h"

namespace e2e {

// The Linux path of a Windows path, as Wine maps it.
std::string unixPath(const std::string& windowsPath);

// Starts a Linux program by its full path with arguments; Wine gives no handle to wait on.
bool startLinuxProgram(const std::string& commandLine);

class SoundRecording {
public:
    // Records `seconds` of sound into `wavPath` (a Windows path) and waits until it has begun.
    bool start(const std::string& wavPath, int seconds);
    // The file's size now, to be turned into recording time once the recording is loaded.
    std::uint64_t mark() const;
    // Waits until the recorder has ended and the file holds everything; then loads its levels.
    RecordingLevels finish(DWORD timeoutMs = 20000) const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    double endsAtMs_ = 0;
};

}  // namespace e2e
