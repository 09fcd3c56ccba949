// Everything the renderer's one GUI thread owns about its window. runSaverWindow makes it
// before the window and keeps it until OpenGL is released; it hands it to the window
// procedure, the loop, the input and the password check, and lends it to the OpenGL work.
#pragma once

#include "close_rules.h"
#include "display_power_win32.h"
#include "frame_pacer.h"
#include "saver_opengl_win32.h"
#include "view_layout.h"

#include <windows.h>

struct SaverWindowState {
    SaverWindowState(HINSTANCE programInstance, SaverOpenGl& openGlWork)
        : instance(programInstance), openGl(openGlWork) {}
    SaverWindowState(const SaverWindowState&) = delete;
    SaverWindowState& operator=(const SaverWindowState&) = delete;

    HINSTANCE instance;
    SaverOpenGl& openGl;
    HWND window = nullptr;
    bool rendererReady = false;  // frames are drawn only from startRenderer until WM_DESTROY
    bool openGLStarted = false;  // initOpenGL was called and shutdownOpenGL is still due
    bool startFailed = false;    // the animation could not be built during WM_CREATE
    CloseRules closeRules;
    ViewLayout layout;     // the monitors the window covers now, one view each
    int swapInterval = 1;  // refreshes per frame, from the primary monitor's refresh rate
    FramePacer pacer;
    DisplayPower displayPower;  // nothing is drawn while the display is off
    DisplayPowerNotifications powerNotifications;
};
