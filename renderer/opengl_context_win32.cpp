// Placeholder OpenGL side of the renderer: the window and its close rules run without a picture.
#include "renderer_hooks_win32.h"

void initOpenGL(HWND) {}
void shutdownOpenGL(HWND) {}
void drawFrame() {}
