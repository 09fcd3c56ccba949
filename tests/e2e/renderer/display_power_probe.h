// What the display-power probe and the code that loads it into a renderer agree on.
#pragma once

#include <windows.h>

inline constexpr const char* kProbeModuleName = "display_power_probe.dll";
// The message-only window the probe answers on, inside the renderer's process.
inline constexpr const char* kProbeWindowClass = "CorvessaDisplayPowerProbe";

// Sends a power-setting notification to the saver window. wParam packs it as 0xLLSSVV: data
// length LL, setting SS (0 the session's display, 1 the monitor's power, 2 another), value VV.
// Answers the window's result, or MAXDWORD when the renderer has no window.
inline constexpr UINT kProbeNotify = WM_APP + 1;
// The frames the renderer has presented since the probe came.
inline constexpr UINT kProbeFrames = WM_APP + 2;
// Microseconds from the last notification to the first frame after it; MAXDWORD while none.
inline constexpr UINT kProbeFirstFrameMicroseconds = WM_APP + 3;
