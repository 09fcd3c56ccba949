// What the saver window calls on the OpenGL side: set-up on WM_CREATE, one frame per idle
// pass, teardown on WM_DESTROY.
#pragma once

#include <windows.h>

// Fills the fixed settings and retitles the window to the name the front end watches for.
void applyFixedSettings(HWND hwnd);

// Binds OpenGL to the window and builds one animation per view of saverWindowState().layout,
// the primary's first. False when the emitters, streams or
// trails cannot be had: the renderer must then end with a non-zero exit code, and drawFrame
// never draws. A failing pixel format or context is not reported: it shows as a black window.
bool initOpenGL(HWND hwnd);
// Frees the animation and releases OpenGL; safe after a failed or partial initOpenGL.
void shutdownOpenGL(HWND hwnd);

// The window now covers saverWindowState().layout: the views follow it, a monitor that stayed
// keeps its animation and a new one gets its own. False when a new animation cannot be built.
bool relayoutOpenGL(HWND hwnd);

// Lets the display's refresh pace the frames where the driver can: every `interval`-th
// refresh. Only while the rendering context is current.
void askForSwapInterval(int interval);

// Draws and presents one frame; only called while the rendering context is current.
void drawFrame();
