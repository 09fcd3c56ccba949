// The saver window's device context and OpenGL rendering context: bound together once when the
// window is made, released in the reverse order when it has gone.
#pragma once

#include <windows.h>

struct GlWindowContext {
    HDC deviceContext = nullptr;
    HGLRC renderingContext = nullptr;
};

// The window's DC (kept for the window's life: its class has CS_OWNDC), the best pixel format
// and a rendering context made current on this thread. Failures are not tested on purpose:
// without a context the GL calls that follow do nothing and the window stays black, while its
// close rules keep working.
void bindGlWindowContext(GlWindowContext& gl, HWND hwnd);

// Unbinds and deletes the context (display lists and textures go with it), then gives back the
// DC; safe after a failed or partial bind, and once the window has been destroyed.
void releaseGlWindowContext(GlWindowContext& gl, HWND hwnd);
