// The renderer's full-screen saver window: its state, entry points and window procedure.
// Decisions about closing live in close_rules.h; this layer only decodes and applies.
#pragma once

#include "close_rules.h"
#include "display_power_win32.h"
#include "frame_pacer.h"
#include "program_contract.h"
#include "view_layout.h"

#include <windows.h>

// Everything the renderer's one GUI thread owns about its window.
struct SaverWindowState {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    bool rendererReady = false;  // frames are drawn only from startRenderer until WM_DESTROY
    bool openGLStarted = false;  // initOpenGL was called and shutdownOpenGL is still due
    bool startFailed = false;    // the animation could not be built during WM_CREATE
    CloseRules closeRules;
    ViewLayout layout;     // the monitors the window covers now, one view each
    int swapInterval = 1;  // refreshes per frame, from the primary monitor's refresh rate
    FramePacer pacer;
    DisplayPower displayPower;  // nothing is drawn while the display is off
    DisplayPowerNotifications powerNotifications;
};

SaverWindowState& saverWindowState();

// The title of the window while it is being created; WM_CREATE renames it. A window of the
// class still carrying this title belongs to a saver that has not started yet.
inline constexpr const char* kSaverCreationTitle = "Screensaver";

// Process exit codes when no window could be made.
inline constexpr int kExitClassNotRegistered = 1;
inline constexpr int kExitWindowNotCreated = 2;
inline constexpr int kExitRendererNotStarted = 3;

// Registers the class, applies the single-instance test, creates the window and runs the
// message loop. Returns the process exit code: 0 after the user closed the animation or when
// another saver was already starting.
int runSaverWindow(HINSTANCE instance);

LRESULT CALLBACK saverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Input, cursor and close rules; what it does not finish goes to DefWindowProcA.
LRESULT handleSaverInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Nonzero when the window may close (always, except when the Windows 9x dialog refuses).
int verifyScreenSaverPassword(HWND hwnd);

// Creation and destruction hooks: settings and title, thread priority, OpenGL.
// startRenderer is false when the animation cannot be built; the window is then not made.
// stopRenderer runs once the window has gone (or at once when its creation failed): a closing
// saver's window vanishes first, and OpenGL is released behind it.
bool startRenderer(HWND hwnd);
void stopRenderer(HWND hwnd);

// The monitors changed (or may have): covers and animates the new layout. Never ends the
// saver by itself; the system's own move of the pointer is not taken for the user's.
void followDisplayChange(HWND hwnd);
// The same where no message tells of a change (a pointer move, the loop's regular look): only
// when the monitors differ from those the window covers.
void followMonitorsIfChanged(HWND hwnd);

// Draws a frame whenever one is due and the queue is empty, and otherwise waits on the queue
// so that input is handled at once; returns the WM_QUIT wParam.
int runMessageLoop();
void idleFrame();

// The pointer in screen pixels; `fallback` when the system cannot tell (for example while
// another desktop has the input), so that a failed read never counts as movement.
ScreenPoint cursorPosition(ScreenPoint fallback);
