// Turning the stored texts of Corvessa.ini into the music settings and back.
#include "settings_rules.h"

#include "number_text.h"

namespace {

// One numeric key: empty text is 0, a bad number leaves the setting as it is.
void loadNumber(ProfileAccess& profile, const char* key, std::int16_t& setting) {
    const std::string text = profile.read(kSettingsSection, key);
    if (text.empty()) {
        setting = 0;
        return;
    }
    if (const std::optional<std::int16_t> value = settingNumberOf(text)) setting = *value;
}

}  // namespace

std::optional<std::int16_t> settingNumberOf(const std::string& text) {
    const std::optional<double> floor = floorIntegerOf(text);
    if (!floor) return std::nullopt;
    const double floored = *floor;
    if (!(floored >= -32768.0 && floored <= 32767.0)) return std::nullopt;  // also inf
    return static_cast<std::int16_t>(floored);
}

std::string decimalText(int value) { return std::to_string(value); }

void loadSettingsFrom(ProfileAccess& profile,
                      const std::function<bool(const std::string&)>& fileExists,
                      MusicSettings& settings) {
    loadNumber(profile, kKindKey, settings.BGM_Kind);
    loadNumber(profile, kRepeatTrackKey, settings.BGM_RepeatTrack);

    settings.BGM_File = profile.read(kSettingsSection, kFileKey);
    // The file test runs whatever the kind; only the music-file kind depends on it.
    if (!settings.BGM_File.empty() && !fileExists(settings.BGM_File)) settings.BGM_File.clear();
    if (settings.BGM_File.empty() && settings.BGM_Kind == 2) settings.BGM_Kind = 0;
}

bool saveSettingsTo(ProfileAccess& profile, const MusicSettings& settings) {
    // All three are written even after a failure, so that what can be stored is.
    const bool kindWritten = profile.write(kSettingsSection, kKindKey, decimalText(settings.BGM_Kind));
    const bool trackWritten = profile.write(kSettingsSection, kRepeatTrackKey, decimalText(settings.BGM_RepeatTrack));
    const bool fileWritten = profile.write(kSettingsSection, kFileKey, settings.BGM_File);
    return kindWritten && trackWritten && fileWritten;
}
