// Fills the renderer's fixed settings and gives the window the title the front end watches.
#include "apply_fixed_settings_win32.h"

#include "program_contract.h"
#include "renderer_settings.h"

void applyFixedSettings(HWND hwnd) {
    rendererSettings() = fixedRendererSettings();
    SetWindowTextA(hwnd, kRendererWindowTitle);
}
