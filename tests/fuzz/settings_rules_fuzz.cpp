// Fuzz target: loading the music settings from a profile that holds anything at all.
// Input, one value a line (any byte but '\n', NUL included): the stored "BGM区分", "BGMﾘﾋﾟｰﾄ"
// and "BGMﾌｧｲﾙ" texts, then a fourth line that, when not empty, makes the named file missing.
// A missing line is a missing key. Checked: each number against the C library's reading of
// the same text, the file and kind rules, and that saving and loading again changes nothing.
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

#include "fuzz_target.h"
#include "settings_rules.h"

namespace {

// A profile file that holds whatever it is given, keyed by section and key.
class ProfileStandIn : public ProfileAccess {
public:
    std::string read(const std::string& section, const std::string& key) override {
        const auto found = values_.find({section, key});
        return found == values_.end() ? std::string() : found->second;
    }
    bool write(const std::string& section, const std::string& key, const std::string& value) override {
        values_[{section, key}] = value;
        return true;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The setting a stored number must give, by another reading: strtod over text that holds only
// the characters of a decimal number, which must then take all of it, rounded down. The largest
// double not above the number has the number's floor, since every integer of the range is a
// double; rounded to nearest, 5.99999999999999999999 would read as 6.
std::int16_t expectedNumber(const std::string& text) {
    const std::optional<double> reading = strtodReading(text, FE_DOWNWARD);
    if (!reading) return 0;
    const double value = std::floor(*reading);
    return value >= -32768.0 && value <= 32767.0 ? static_cast<std::int16_t>(value) : 0;
}

bool sameSettings(const MusicSettings& a, const MusicSettings& b) {
    return a.BGM_Kind == b.BGM_Kind && a.BGM_RepeatTrack == b.BGM_RepeatTrack && a.BGM_File == b.BGM_File;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = inputLines(data, size);
    const char* keys[] = {kKindKey, kRepeatTrackKey, kFileKey};
    ProfileStandIn profile;
    for (std::size_t i = 0; i < 3 && i < lines.size(); ++i) profile.write(kSettingsSection, keys[i], lines[i]);
    const std::string stored = profile.read(kSettingsSection, kFileKey);
    const bool fileMissing = lines.size() > 3 && !lines[3].empty();
    const auto fileExists = [&](const std::string& path) { return !fileMissing && path == stored; };

    MusicSettings loaded;
    loadSettingsFrom(profile, fileExists, loaded);

    fuzzCheck(loaded.BGM_RepeatTrack == expectedNumber(profile.read(kSettingsSection, kRepeatTrackKey)),
              "the track is the stored number's floor, or 0");
    const std::int16_t kind = expectedNumber(profile.read(kSettingsSection, kKindKey));
    fuzzCheck(loaded.BGM_File == (fileExists(stored) ? stored : std::string()),
              "the file is kept exactly when it exists");
    fuzzCheck(loaded.BGM_Kind == (kind == 2 && loaded.BGM_File.empty() ? 0 : kind),
              "the kind is the stored number, and the file kind needs a file");

    ProfileStandIn saved;
    fuzzCheck(saveSettingsTo(saved, loaded), "a profile that stores everything reports every write stored");
    MusicSettings reloaded;
    loadSettingsFrom(saved, fileExists, reloaded);
    fuzzCheck(sameSettings(loaded, reloaded), "saving and loading again changes nothing");
    return 0;
}
