// The renderer's fixed settings, applied as its window is created.
#pragma once

#include <windows.h>

// Fills the fixed settings and retitles the window to the name the front end watches for.
void applyFixedSettings(HWND hwnd);
