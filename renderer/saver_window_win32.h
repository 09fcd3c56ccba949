// The renderer's full-screen saver window: its class, the single-instance test, creation, and
// the window procedure's lifecycle messages. Input is handed to saver_input_win32.h, frames to
// the loop in message_loop_win32.h; decisions about closing live in close_rules.h.
#pragma once

#include "program_contract.h"
#include "saver_opengl_win32.h"
#include "saver_window_state_win32.h"

#include <windows.h>

// The title of the window while it is being created; WM_CREATE renames it. A window of the
// class still carrying this title belongs to a saver that has not started yet.
inline constexpr const char* kSaverCreationTitle = "Screensaver";

// Process exit codes when no window could be made.
inline constexpr int kExitClassNotRegistered = 1;
inline constexpr int kExitWindowNotCreated = 2;
inline constexpr int kExitRendererNotStarted = 3;

// Registers the class, applies the single-instance test, creates the window and runs the
// message loop, with `openGl` doing the window's OpenGL work. Returns the process exit code:
// 0 after the user closed the animation or when another saver was already starting.
int runSaverWindow(HINSTANCE instance, SaverOpenGl& openGl);

LRESULT CALLBACK saverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Creation and destruction hooks: settings and title, thread priority, OpenGL.
// startRenderer is false when the animation cannot be built; the window is then not made.
// stopRenderer runs once the window has gone (or at once when its creation failed): a closing
// saver's window vanishes first, and OpenGL is released behind it.
bool startRenderer(SaverWindowState& state, HWND hwnd);
void stopRenderer(SaverWindowState& state, HWND hwnd);
