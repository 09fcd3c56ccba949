// Program entry of the renderer. The command line is not read: whatever switches it is given,
// the renderer always runs full screen.
#include "animation_opengl_win32.h"
#include "saver_window_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    AnimationOpenGl openGl;
    return runSaverWindow(instance, openGl);
}
