// What the front end's scenarios share: a folder with Corvessa.scr and a renderer beside it,
// a view of the cursor's display count of another program's thread, a host window for the
// preview, and a reader for the front end's message box.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "process.h"

namespace scenario {

enum class Renderer { StandIn, Real, None };

// A fresh folder holding Corvessa.scr and, unless None, the stand-in renderer or the real one
// as Corvessa.dll.
// `standInDelayMs` goes to stand_in.txt (see stand_in_renderer.cpp) when not 0.
std::string saverFolder(const std::string& name, Renderer renderer, int standInDelayMs = 0);

// The command line that starts Corvessa.scr in `folder` with `arguments`.
std::string saverCommand(const std::string& folder, const std::string& arguments);

// Shares the input state of another program's thread: the cursor's display count (below 0:
// hidden) is per input state, and GetCursorInfo only reports the foreground thread's. The
// state stays readable after that thread has ended, since the scenario's thread holds it too.
class CursorCountProbe {
public:
    explicit CursorCountProbe(DWORD threadId);
    ~CursorCountProbe();
    CursorCountProbe(const CursorCountProbe&) = delete;
    CursorCountProbe& operator=(const CursorCountProbe&) = delete;
    bool attached() const { return attached_; }
    // The display count, read by a hide and show that cancel out.
    int displayCount() const;

private:
    DWORD threadId_;
    bool attached_ = false;
};

// A top-level window of the given size, owned and served by its own thread, so that the
// preview process's calls into it never wait for the scenario.
class HostWindow {
public:
    HostWindow(int x, int y, int width, int height, const char* title = "Corvessa preview host");
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND hWnd() const { return window_; }
    // Destroys the window on its own thread and waits for that.
    void destroy();

private:
    std::thread thread_;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};

// The message box of the front end, found by its caption.
struct MessageBoxView {
    HWND window = nullptr;
    std::string text;
    int buttons = 0;
    bool hasIcon = false;
};
MessageBoxView waitForMessageBox(const char* caption, DWORD timeoutMs);

// The first window with `title` that belongs to process `processId`, within `timeoutMs`.
HWND waitForWindowOfProcess(const char* title, DWORD processId, DWORD timeoutMs);

// Starts Corvessa.scr /c from `folder` as `frontEnd` and waits for its dialog "<Corvessa>" to
// be made (15 s), shown (10 s) and idle; the dialog, or nothing when it did not come.
HWND openSettingsDialog(e2e::Process& frontEnd, const std::string& folder);

}  // namespace scenario
