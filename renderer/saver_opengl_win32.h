// The OpenGL work of the saver window, given to runSaverWindow: the program's own (the
// animation), a test's stand-in, or the paced floor's. The window calls it on its one thread,
// handing it the window's state to read, never to change.
#pragma once

#include <windows.h>

struct SaverWindowState;

class SaverOpenGl {
public:
    virtual ~SaverOpenGl() = default;

    // Binds OpenGL to the window and builds one animation per view of `window.layout`, the
    // primary's first. False when the emitters, streams or trails cannot be had: the renderer
    // must then end with a non-zero exit code, and drawFrame never draws. A failing pixel
    // format or context is not reported: it shows as a black window.
    virtual bool initOpenGL(HWND hwnd, const SaverWindowState& window) = 0;
    // Frees the animation and releases OpenGL; safe after a failed or partial initOpenGL, and
    // once the window has gone.
    virtual void shutdownOpenGL(HWND hwnd, const SaverWindowState& window) = 0;

    // The window now covers `window.layout`: the views follow it, a monitor that stayed keeps
    // its animation and a new one gets its own. False when a new animation cannot be built.
    virtual bool relayoutOpenGL(const SaverWindowState& window) = 0;

    // Lets the display's refresh pace the frames where the driver can: every `interval`-th
    // refresh. Only while the rendering context is current.
    virtual void askForSwapInterval(int interval) = 0;

    // Draws and presents one frame; only called while the rendering context is current.
    virtual void drawFrame() = 0;
};
