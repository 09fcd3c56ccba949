// The rules of the settings file Corvessa.ini: its section and keys, how the stored texts become
// the three music settings, and the order in which they are written back. Portable: the file is
// reached through ProfileAccess, which the Windows build implements over the profile functions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "music_settings.h"

// Section and keys, in the ANSI code page (CP932 bytes in the compiled program).
inline constexpr const char* kSettingsSection = "Section";
inline constexpr const char* kKindKey = "BGM区分";
inline constexpr const char* kRepeatTrackKey = "BGMﾘﾋﾟｰﾄ";
inline constexpr const char* kFileKey = "BGMﾌｧｲﾙ";

// Read and write access to one profile file.
class ProfileAccess {
public:
    virtual ~ProfileAccess() = default;
    // The stored value; empty for a missing file, section or key.
    virtual std::string read(const std::string& section, const std::string& key) = 0;
    // False when the value could not be stored (a read-only folder, a full disk).
    virtual bool write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

// A stored number as a signed 16-bit setting: the largest integer not above the number.
// Accepts blanks, an optional sign, digits with an optional fraction and exponent, blanks.
// Nothing when the text is not such a number or the result lies outside -32768...32767.
std::optional<std::int16_t> settingNumberOf(const std::string& text);

// Digits with a leading '-' for negatives, no blanks or leading zeros.
std::string decimalText(int value);

// Fills `settings` from the profile. `fileExists` tests the stored music file.
void loadSettingsFrom(ProfileAccess& profile,
                      const std::function<bool(const std::string&)>& fileExists,
                      MusicSettings& settings);

// Writes all three keys, in the order kind, track, file; false when any write failed.
bool saveSettingsTo(ProfileAccess& profile, const MusicSettings& settings);
