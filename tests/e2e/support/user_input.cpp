// Input injection through SendInput and SetCursorPos.
#include "user_input.h"

#include "process.h"
#include "windows_probe.h"

namespace e2e {
namespace {

void sendKey(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void sendMouse(DWORD flags, DWORD data = 0, int dx = 0, int dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    input.mi.dx = dx;
    input.mi.dy = dy;
    SendInput(1, &input, sizeof input);
}

DWORD buttonFlag(MouseButton button, bool release) {
    switch (button) {
    case MouseButton::Left: return release ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    case MouseButton::Right: return release ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
    case MouseButton::Middle: return release ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN;
    }
    return 0;
}

// SendInput returns before the target has seen the input; a WM_NULL round trip after a short
// pause orders what follows after it.
void settle(HWND target) {
    Sleep(30);
    if (target) waitUntilIdle(target);
}

}  // namespace

void movePointerTo(HWND target, int x, int y) {
    SetCursorPos(x, y);
    settle(target);
}

void moveByAPixelFor(HWND target, DWORD ms) {
    const double end = nowMs() + ms;
    for (int dx = 1; dx == -1 || nowMs() < end; dx = -dx) {  // ends where it began
        sendMouse(MOUSEEVENTF_MOVE, 0, dx, 0);
        settle(target);
    }
}

POINT pointerPosition() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

void keyDown(HWND target, WORD virtualKey) { sendKey(virtualKey, false); settle(target); }
void keyUp(HWND target, WORD virtualKey) { sendKey(virtualKey, true); settle(target); }

void pressKey(HWND target, WORD virtualKey, bool withAlt) {
    if (withAlt) sendKey(VK_MENU, false);
    sendKey(virtualKey, false);
    sendKey(virtualKey, true);
    if (withAlt) sendKey(VK_MENU, true);
    settle(target);
}

void pressButton(HWND target, MouseButton button) { sendMouse(buttonFlag(button, false)); settle(target); }
void releaseButton(HWND target, MouseButton button) { sendMouse(buttonFlag(button, true)); settle(target); }

void turnWheel(HWND target, int clicks) {
    sendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(clicks * WHEEL_DELTA));
    settle(target);
}

}  // namespace e2e
