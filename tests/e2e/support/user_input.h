// Real input, injected the way a user's devices deliver it. Every step waits until the target
// window has handled it: Wine merges queued mouse moves, so unpaced moves arrive as one jump.
#pragma once

#include <windows.h>

namespace e2e {

// Puts the pointer at (x, y) in screen pixels and waits for `target` to handle the move.
void movePointerTo(HWND target, int x, int y);
POINT pointerPosition();
// A pixel right and back again and again for `ms`, each move waited for: the smallest moves a
// user makes, which the renderer ignores. Relative moves through SendInput, as a mouse makes them
// (too small to be accelerated): the system's last input time follows, as it does not for
// SetCursorPos.
void moveByAPixelFor(HWND target, DWORD ms);

// A key press and release; `withAlt` holds Alt around it (the system-key path).
void pressKey(HWND target, WORD virtualKey, bool withAlt = false);
void keyDown(HWND target, WORD virtualKey);
void keyUp(HWND target, WORD virtualKey);

enum class MouseButton { Left, Right, Middle };
void pressButton(HWND target, MouseButton button);
void releaseButton(HWND target, MouseButton button);
void turnWheel(HWND target, int clicks);

}  // namespace e2e
