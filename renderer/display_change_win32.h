// Following the monitors while the saver runs: a new arrangement, a monitor switched on or
// off, a new resolution or refresh rate.
#pragma once

#include "saver_window_state_win32.h"

#include <windows.h>

// The monitors changed (or may have): covers and animates the new layout. Never ends the
// saver by itself; the system's own move of the pointer is not taken for the user's.
void followDisplayChange(SaverWindowState& state, HWND hwnd);
// The same where no message tells of a change (a pointer move, the loop's regular look): only
// when the monitors differ from those the window covers.
void followMonitorsIfChanged(SaverWindowState& state, HWND hwnd);
