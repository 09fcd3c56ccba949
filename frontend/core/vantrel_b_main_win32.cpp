// Main: the instance guard, the mode, the settings, the renderer check and the mode's window.
#include "vantrel_b_main_win32.h"

#include "command_line.h"
#include "forms_app.h"
#include "vantrel_b_routines_win32.h"
#include "vantrel_b_settings_file_win32.h"

namespace {

VantrelForms* theForms = nullptr;

HWND windowFromHandleBits(std::uint32_t bits) {
    // 32-bit handle values are sign-extended on 64-bit Windows.
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<LONG>(bits)));
}

// The preview inside the host window named on the command line; returns with it shown.
void startPreview(const std::string& argumentText) {
    forms::App& app = forms::App::current();
    HWND host = windowFromHandleBits(previewHostHandleOf(argumentText));
    // A handle of no window would leave an invisible process with nothing to end it.
    if (!host || !IsWindow(host)) app.end();

    RECT hostRect{};
    GetWindowRect(host, &hostRect);
    const int width = hostRect.right - hostRect.left;
    const int height = hostRect.bottom - hostRect.top;

    Vantrel_R& preview = vantrelForms().preview;
    preview.load();
    HWND window = preview.hWnd();
    if (!window) app.end();
    // The child style first, then the new parent, then the place in the parent's coordinates.
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CHILD);
    // The host may have gone in the meantime; a preview outside it must not linger either.
    if (!SetParent(window, host)) app.end();
    preview.movePixels(0, 0, width, height);
    preview.Img_Prev.movePixels(0, 0, width, height);
    preview.show();
}

}  // namespace

VantrelForms::VantrelForms() { theForms = this; }
VantrelForms::~VantrelForms() { theForms = nullptr; }
VantrelForms& vantrelForms() { return *theForms; }

void Main() {
    forms::App& app = forms::App::current();
    // Both look-ups are made whatever the first one finds.
    const bool saverRunning = FindWindowA(nullptr, kSaverFormTitle) != nullptr;
    const bool settingsOpen = FindWindowA(nullptr, kSettingsFormTitle) != nullptr;
    if (saverRunning || settingsOpen) app.end();

    const std::string& argumentText = app.argumentText();
    const StartupAction action = startupActionFor(argumentText);
    if (action == StartupAction::Preview) {
        startPreview(argumentText);
        return;
    }

    LoadSettings();
    if (!FileExists(RendererPath())) {
        app.msgBox(kRendererMissingText);
        app.end();
    }

    switch (action) {
    case StartupAction::Settings:
        vantrelForms().settings.showModal();
        app.end();
    case StartupAction::QuitSilently:
        app.end();
    case StartupAction::SaverHidingCursor:
        ShowCursor(FALSE);
        [[fallthrough]];
    case StartupAction::Saver:
        vantrelForms().saver.load();
        return;
    case StartupAction::Preview:
        return;  // started above, before the settings
    }
}
