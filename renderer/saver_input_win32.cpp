// Decodes the saver window's input messages for the close rules and applies their answers.
#include "saver_input_win32.h"

#include "display_change_win32.h"
#include "password_check_win32.h"

namespace {

SaverInput decodeInput(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        return wParam ? SaverInput::WindowShown : SaverInput::Other;
    case WM_SETCURSOR:
        return SaverInput::CursorQuery;
    case WM_ACTIVATEAPP:
        // Only losing activation to another application closes.
        return wParam ? SaverInput::Other : SaverInput::CloseAction;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return SaverInput::CloseAction;
    default:
        return SaverInput::Other;
    }
}

LRESULT applyReaction(const SaverReaction& reaction, HWND hwnd, UINT message, WPARAM wParam,
                      LPARAM lParam) {
    if (reaction.hideCursor) SetCursor(nullptr);
    if (reaction.postClose) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    if (reaction.passToDefault) return DefWindowProcA(hwnd, message, wParam, lParam);
    return static_cast<LRESULT>(reaction.result);
}

}  // namespace

ScreenPoint cursorPosition(ScreenPoint fallback) {
    POINT p{};
    if (!GetCursorPos(&p)) return fallback;
    return ScreenPoint{static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

LRESULT handleSaverInput(SaverWindowState& state, HWND hwnd, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    CloseRules& rules = state.closeRules;
    SaverReaction reaction;
    switch (message) {
    case WM_CLOSE:
        reaction = rules.closeRequest();
        if (reaction.checkPassword) {
            bool mayClose = verifyScreenSaverPassword(hwnd, rules) != 0;
            reaction = rules.closeVerdict(mayClose, cursorPosition(rules.baseline()));
        }
        break;
    case WM_MOUSEMOVE:
        // A display change can move the pointer (off a monitor that went, or with the whole
        // desktop's coordinates) before its own message arrives: that move is the system's.
        followMonitorsIfChanged(state, hwnd);
        // The message's own coordinates are client-relative and may be stale; the system's
        // pointer position is what the user did.
        reaction = rules.mouseMove(cursorPosition(rules.baseline()), GetTickCount());
        break;
    default:
        reaction = rules.input(decodeInput(message, wParam));
        break;
    }
    return applyReaction(reaction, hwnd, message, wParam, lParam);
}
