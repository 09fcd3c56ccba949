// The monitors as the system reports them now, turned into the saver's layout, and the
// primary monitor's refresh rate.
#pragma once

#include "view_layout.h"

#include <windows.h>

// The layout of the monitors attached to the desktop now.
ViewLayout currentViewLayout();

// The primary monitor's refresh rate in hertz; 0 when the system does not say.
double primaryRefreshRate();

// Moves the saver window over the layout's rectangle, keeping it topmost.
void placeSaverWindow(HWND hwnd, const ViewLayout& layout);
