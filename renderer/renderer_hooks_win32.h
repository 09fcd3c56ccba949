// What the saver window calls on the OpenGL side: set-up on WM_CREATE, one frame per idle
// pass, teardown on WM_DESTROY.
#pragma once

#include <windows.h>

// Fills the fixed settings and retitles the window to the name the front end watches for.
void applyFixedSettings(HWND hwnd);

// Binds OpenGL to the window and builds the animation. False when the emitters, streams or
// trails cannot be had: the renderer must then end with a non-zero exit code, and drawFrame
// never draws. A failing pixel format or context is not reported: it shows as a black window.
bool initOpenGL(HWND hwnd);
// Frees the animation and releases OpenGL; safe after a failed or partial initOpenGL.
void shutdownOpenGL(HWND hwnd);

// Draws and presents one frame; only called while the rendering context is current.
void drawFrame();
