// The saver window's input: messages decoded for the close rules, their answers applied.
#pragma once

#include "close_rules.h"
#include "saver_window_state_win32.h"

#include <windows.h>

// Input, cursor and close rules; what it does not finish goes to DefWindowProcA.
LRESULT handleSaverInput(SaverWindowState& state, HWND hwnd, UINT message, WPARAM wParam,
                         LPARAM lParam);

// The pointer in screen pixels; `fallback` when the system cannot tell (for example while
// another desktop has the input), so that a failed read never counts as movement.
ScreenPoint cursorPosition(ScreenPoint fallback);
