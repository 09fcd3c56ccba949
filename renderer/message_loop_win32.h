// The renderer's message loop: input first, then a frame whenever one is due.
#pragma once

#include "saver_window_state_win32.h"

// Draws a frame whenever one is due and the queue is empty, and otherwise waits on the queue
// so that input is handled at once; returns the WM_QUIT wParam.
int runMessageLoop(SaverWindowState& state);

// One frame, unless the renderer is not ready or the password dialog owns the screen.
void idleFrame(SaverWindowState& state);
