// Module Vantrel_B, its small routines that the forms share: FileExists, and the caption zoom
// between the saved pointer position CursorPoint and a window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// True when the path can be opened for reading; one trailing "\" is ignored. Leaves no error.
bool FileExists(const std::string& path);

// Saved pointer position, screen pixels; origin and target of the zoom animations.
struct CursorPosition {
    std::int16_t X = 0;
    std::int16_t Y = 0;
};
CursorPosition& CursorPoint();
void ZoomFromCursor(HWND window);
void ZoomToCursor(HWND window);
