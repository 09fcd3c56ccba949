// Module Vantrel_B: the entry Main with its dispatch, the settings file access, and the small
// routines the forms share (FileExists, CursorPoint and the caption zoom animations).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The one message the front end shows: the renderer is not beside it (CP932 in the program).
inline constexpr const char* kRendererMissingText = "Corvessa.dll が Corvessa.scr と同じﾌｫﾙﾀﾞに見つかりません！";

// Window titles that mark a running saver and an open settings dialog.
inline constexpr const char* kSaverFormTitle = "Vantrel_Main";
inline constexpr const char* kSettingsFormTitle = "<Corvessa>";
inline constexpr const char* kRendererWindowTitle = "Vantrel_VC";

// Decides the mode and opens its window, or ends the process.
void Main();

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

// <program folder>\Corvessa.ini and <program folder>\Corvessa.dll.
std::string SettingsPath();
std::string RendererPath();

// The profile file: values of at most 255 bytes; a missing key reads as "". A write reports
// whether the value was stored.
std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file);
bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file);

// Fills musicSettings() from Corvessa.ini.
void LoadSettings();
// Writes musicSettings() to Corvessa.ini: kind, track, file, in that order; false when any of
// the three writes failed.
bool SaveSettings();
