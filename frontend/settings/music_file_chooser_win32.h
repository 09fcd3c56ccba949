// The music-file chooser that "..." opens: the system's file-open dialog titled "ﾌｧｲﾙを開く",
// with one filter for MP3 and WAV files, through the ANSI call where the system's code page is
// 932 and through the Unicode call elsewhere, so that its texts read in Japanese everywhere.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Shows the chooser owned by `owner`. The chosen file's path in the ANSI code page, as
// BGM_File keeps it; nothing when the user cancelled, the system failed, or no ANSI path (long
// or short) names the chosen file.
std::optional<std::string> chooseMusicFile(HWND owner, HINSTANCE instance);
