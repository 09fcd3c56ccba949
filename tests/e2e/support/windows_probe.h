// Looking at windows the way the front end and a user see them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

// Polls for a top-level window with this title (and class, when given) for up to `timeoutMs`.
HWND waitForWindow(const char* title, DWORD timeoutMs, const char* className = nullptr);

// True when no window with this title exists within `timeoutMs`.
bool waitForNoWindow(const char* title, DWORD timeoutMs);

// Asks `condition` every 20 ms until it holds or `timeoutMs` have passed; its last answer.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Waits until the window's thread has handled everything queued before this call.
void waitUntilIdle(HWND window, DWORD timeoutMs = 2000);

// Key presses go to the foreground window: waits until `window`, made a moment ago, is up and
// has the keyboard (for up to about two seconds).
void waitForKeyboard(HWND window);

std::string windowTitle(HWND window);
std::string windowClass(HWND window);
DWORD windowProcessId(HWND window);

}  // namespace e2e
