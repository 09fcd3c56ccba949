// The Windows 9x screen-saver password dialog, reached through PASSWORD.CPL.
#pragma once

#include "close_rules.h"

#include <windows.h>

// Nonzero when the window may close (always, except when the Windows 9x dialog refuses).
// `rules` hear when the dialog runs, so that input reaching the window meanwhile is ignored.
int verifyScreenSaverPassword(HWND hwnd, CloseRules& rules);
