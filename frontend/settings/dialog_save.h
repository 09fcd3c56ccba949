// What "設定" does with the dialog's choices: the track from the track box, then the three
// writes of the settings file, and what the user is told when that cannot be done. Portable.
#pragma once

#include <string>

#include "music_settings.h"
#include "settings_rules.h"

enum class SaveOutcome {
    Saved,            // all three keys written: the dialog closes
    TrackOutOfRange,  // nothing written; the dialog stays open
    WriteFailed,      // a write failed; the dialog stays open with the user's choices
};

// Sets settings.BGM_RepeatTrack from the box text and writes kind, track and file, in that
// order, always all three. A track beyond the setting's range is refused before anything is
// written, so the file never holds half a choice for that reason.
SaveOutcome saveDialogChoices(ProfileAccess& profile, MusicSettings& settings, const std::string& trackText);

// The messages, in the program's own style (CP932 in the program).
inline constexpr const char* kTrackOutOfRangeText = "曲目は -32768 から 32767 までの数で入力してください！";
// Says that the settings could not be saved, and where: the head, the path, the tail.
inline constexpr const char* kSaveFailedHead = "設定を保存できませんでした！\r\n";
inline constexpr const char* kSaveFailedTail = " に書き込めません。";
std::string saveFailedText(const std::string& settingsPath);
