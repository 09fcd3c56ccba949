// Program entry of the renderer (placeholder until the saver window exists).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
