// Resource identifiers of the renderer, shared by the code and renderer.rc.
#pragma once

// The window class icon: 32x32 pixels in 16 colours.
#define IDI_RENDERER 7002
