// The real renderer, Corvessa.dll from the build's bin folder, started for one scenario and
// ended with it. The pointer is parked before the start, so the move message that a window
// gets when it appears under the pointer happens where the renderer took its baseline.
#pragma once

#include "process.h"
#include "program_contract.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Where the pointer waits while the renderer starts, in screen pixels.
inline constexpr POINT kParkedPointer{512, 384};

class RunningRenderer {
public:
    // Starts the renderer with `arguments` and waits for its window (up to 10 s), the pointer
    // parked at `pointer`.
    explicit RunningRenderer(const std::string& arguments = {}, POINT pointer = kParkedPointer);
    ~RunningRenderer();
    RunningRenderer(const RunningRenderer&) = delete;
    RunningRenderer& operator=(const RunningRenderer&) = delete;

    HWND window() const { return window_; }
    Process& process() { return process_; }

    // True while the process runs and its window exists, after the window handled its queue.
    // Only a check that it survived: a close that is slow to come may still be on its way.
    bool stillRunning();
    // True when the window goes within `timeoutMs`.
    bool closes(DWORD timeoutMs = 3000);
    // The exit code once the window has gone and the process ended within `timeoutMs`.
    std::optional<DWORD> waitForClose(DWORD timeoutMs = 5000);

private:
    Process process_;
    HWND window_ = nullptr;
};

std::string rendererPath();

// Puts the pointer at `at`, for the system and for X alike.
void parkPointer(POINT at = kParkedPointer);

// Top-level windows that belong to the process, visible or not.
std::vector<HWND> windowsOfProcess(DWORD processId);
std::vector<HWND> visibleWindowsOfProcess(DWORD processId);

// A plain window of this test program, standing for another application.
class OtherApplicationWindow {
public:
    OtherApplicationWindow();
    ~OtherApplicationWindow();
    OtherApplicationWindow(const OtherApplicationWindow&) = delete;
    OtherApplicationWindow& operator=(const OtherApplicationWindow&) = delete;
    HWND window() const { return window_; }
    // Brings it to the front, which takes activation from whichever program had it.
    void activate();

private:
    HWND window_ = nullptr;
};

// Handles this thread's queued messages for `ms` milliseconds.
void pumpMessages(DWORD ms);

}  // namespace e2e
