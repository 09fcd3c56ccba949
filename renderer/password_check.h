// The screen-saver password round trip before the window may close. Only the Windows 9x
// family asks: there the system's password control panel offers the dialog. Portable: the
// platform side is reached through PasswordSystem, so the flow is tested with a stand-in.
#pragma once

#include "close_rules.h"

#include <memory>

// The loaded password dialog; releasing it unloads the library that provides it.
class PasswordVerifier {
public:
    virtual ~PasswordVerifier() = default;
    // Runs the system's dialog on this thread; true when the window may close.
    virtual bool verify() = 0;
};

class PasswordSystem {
public:
    virtual ~PasswordSystem() = default;
    // True on the Windows 9x family, the only one that asks here.
    virtual bool asksForPassword() = 0;
    // The dialog, or null when the library or its entry point is missing.
    virtual std::unique_ptr<PasswordVerifier> openVerifier() = 0;
    // Tells the system a saver runs (true) or has stopped (false), which on Windows 9x keeps
    // Ctrl+Alt+Del and task switching away while the dialog is up.
    virtual void announceSaverRunning(bool running) = 0;
};

// True when the window may close. Without a dialog to ask there is nothing to check.
// `rules` is told when the dialog runs, so that input reaching the window meanwhile is ignored.
bool runPasswordCheck(PasswordSystem& system, CloseRules& rules);
