// Turning the stored texts of Corvessa.ini into the music settings and back.
#include "settings_rules.h"

#include <cmath>
#include <cstdlib>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at `i`.
std::size_t digitsAt(const std::string& text, std::size_t i) {
    std::size_t n = 0;
    while (i + n < text.size() && isDigit(text[i + n])) ++n;
    return n;
}

// The number the whole text spells, or nothing. Checked by hand first, so that strtod (which
// would also take "inf", "nan", hexadecimal floats and a number followed by rubbish) only ever
// converts text of the accepted form.
std::optional<double> numberOf(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string number = text.substr(begin, end - begin);

    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    const std::size_t whole = digitsAt(number, i);
    i += whole;
    std::size_t fraction = 0;
    if (i < number.size() && number[i] == '.') {
        fraction = digitsAt(number, i + 1);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) return std::nullopt;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < number.size() && (number[j] == '+' || number[j] == '-')) ++j;
        const std::size_t exponent = digitsAt(number, j);
        if (exponent == 0) return std::nullopt;
        i = j + exponent;
    }
    if (i != number.size()) return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
}

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
    const std::optional<double> number = numberOf(text);
    if (!number) return std::nullopt;
    const double floored = std::floor(*number);
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

void saveSettingsTo(ProfileAccess& profile, const MusicSettings& settings) {
    profile.write(kSettingsSection, kKindKey, decimalText(settings.BGM_Kind));
    profile.write(kSettingsSection, kRepeatTrackKey, decimalText(settings.BGM_RepeatTrack));
    profile.write(kSettingsSection, kFileKey, settings.BGM_File);
}
