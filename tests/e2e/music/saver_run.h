// One run of the real saver for a music scenario: Corvessa.scr and Corvessa.dll copied into a
// folder of their own with the scenario's Corvessa.ini, started in saver mode, followed until
// the renderer's window shows, then ended the way a user ends it, by a key.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "process.h"

namespace e2e {

struct MusicSettingsFile {
    int kind = 0;
    int repeatTrack = 0;
    std::string file;
};

class SaverRun {
public:
    // A fresh folder `name` holding both programs.
    explicit SaverRun(const std::string& name);
    ~SaverRun();
    SaverRun(const SaverRun&) = delete;
    SaverRun& operator=(const SaverRun&) = delete;

    const std::string& dir() const { return dir_; }
    // Writes Corvessa.ini beside the programs, keys in the order the settings dialog writes them.
    void writeSettings(const MusicSettingsFile& settings) const;

    // Starts "Corvessa.scr /s" and waits for the renderer's window.
    bool start();
    // The same, started as a Linux command line through `env` with `environment` prepended
    // (for instance a sound server that does not exist). Wine gives no handle to such a start.
    bool startWithUnixEnvironment(const std::string& environment);

    // Presses a key on the renderer's window and waits until the window has gone.
    bool endByKey();
    // Waits for the front end to end; its exit code, or nothing if it is still running.
    bool frontEndEnded(DWORD timeoutMs, DWORD* exitCode);

private:
    bool waitForRenderer();

    std::string dir_;
    Process process_;
    HANDLE frontEnd_ = nullptr;  // opened from its window when started through `env`
    HWND renderer_ = nullptr;
};

}  // namespace e2e
