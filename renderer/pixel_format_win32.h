// Sets the saver window's pixel format: gathers the driver's formats and applies the choice
// made by the portable scoring.
#pragma once

#include <windows.h>

// Sets the best usable pixel format on `hdc`, or, when none is usable, whatever the system
// offers for 24-bit colour and a 24-bit depth buffer. A failure leaves the window without
// OpenGL, which shows as an empty picture.
void selectPixelFormat(HDC hdc);
