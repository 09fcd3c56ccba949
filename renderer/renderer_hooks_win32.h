// What the saver window calls on the OpenGL side: set-up on WM_CREATE, one frame per idle
// pass, teardown on WM_DESTROY.
#pragma once

#include <windows.h>

// Fills the fixed settings and retitles the window to the name the front end watches for.
void applyFixedSettings(HWND hwnd);

void initOpenGL(HWND hwnd);
void shutdownOpenGL(HWND hwnd);

// Draws and presents one frame; only called while the rendering context is current.
void drawFrame();
