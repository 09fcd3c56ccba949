// Loading and saving the music settings against an in-memory profile.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "settings_rules.h"

namespace {

class MemoryProfile : public ProfileAccess {
public:
    std::string read(const std::string& section, const std::string& key) override {
        const auto it = values.find(section + "/" + key);
        return it == values.end() ? std::string() : it->second;
    }
    bool write(const std::string& section, const std::string& key, const std::string& value) override {
        writes.push_back(section + "/" + key + "=" + value);
        if (failingKey == key) return false;
        values[section + "/" + key] = value;
        return true;
    }
    void set(const char* key, const std::string& value) { values[std::string(kSettingsSection) + "/" + key] = value; }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
    std::string failingKey;  // a write of this key fails
};

struct LoadCase : ::testing::Test {
    MusicSettings load() {
        MusicSettings settings;
        loadSettingsFrom(profile, [this](const std::string& path) { return existing.count(path) != 0; },
                         settings);
        return settings;
    }
    MemoryProfile profile;
    std::set<std::string> existing{"C:\\music\\song.mp3"};
};

}  // namespace

TEST(SettingNumber, TakesTheLargestIntegerNotAbove) {
    EXPECT_EQ(settingNumberOf("2"), 2);
    EXPECT_EQ(settingNumberOf("2.9"), 2);
    EXPECT_EQ(settingNumberOf("1.9"), 1);
    EXPECT_EQ(settingNumberOf("-0.5"), -1);
    EXPECT_EQ(settingNumberOf("  +7  "), 7);
    EXPECT_EQ(settingNumberOf("\t3\t"), 3);
    EXPECT_EQ(settingNumberOf(".5"), 0);
    EXPECT_EQ(settingNumberOf("5."), 5);
    EXPECT_EQ(settingNumberOf("1e2"), 100);
    EXPECT_EQ(settingNumberOf("25E-1"), 2);
}

TEST(SettingNumber, FloorsOnTheDigitsWrittenNotOnTheirNearestDouble) {
    EXPECT_EQ(settingNumberOf("5.99999999999999999999"), 5);
    EXPECT_EQ(settingNumberOf("-0.00000000000000000001"), -1);
    EXPECT_EQ(settingNumberOf("32767.99999999999999999"), 32767);
    EXPECT_EQ(settingNumberOf("-32768.00000000000000001"), std::nullopt);
    EXPECT_EQ(settingNumberOf("2e-1"), 0);
    EXPECT_EQ(settingNumberOf("-2e-1"), -1);
    EXPECT_EQ(settingNumberOf("0.03e2"), 3);
}

TEST(SettingNumber, KeepsToTheSixteenBitRange) {
    EXPECT_EQ(settingNumberOf("32767"), 32767);
    EXPECT_EQ(settingNumberOf("-32768"), -32768);
    EXPECT_EQ(settingNumberOf("32767.99"), 32767);
    EXPECT_EQ(settingNumberOf("-32768.5"), std::nullopt);
    EXPECT_EQ(settingNumberOf("40000"), std::nullopt);
    EXPECT_EQ(settingNumberOf("1e400"), std::nullopt);
}

TEST(SettingNumber, RefusesWhatIsNotANumber) {
    for (const char* text : {"abc", "", " ", "1x", "x1", "1 2", "--1", "+", ".", "e5", "1e", "1e+",
                             "inf", "nan", "0x10", "１"}) {
        EXPECT_EQ(settingNumberOf(text), std::nullopt) << text;
    }
}

TEST_F(LoadCase, NoFileGivesTheDefaults) {
    const MusicSettings settings = load();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);
    EXPECT_EQ(settings.BGM_File, "");
}

TEST_F(LoadCase, NumbersFollowTheFloorAndRangeRules) {
    profile.set(kKindKey, "abc");
    profile.set(kRepeatTrackKey, "1.9");
    MusicSettings settings = load();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_RepeatTrack, 1);

    profile.set(kKindKey, "3");
    profile.set(kRepeatTrackKey, "40000");
    settings = load();
    EXPECT_EQ(settings.BGM_Kind, 3);
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);
}

TEST_F(LoadCase, ABadNumberKeepsTheValueItFinds) {
    MusicSettings settings;
    settings.BGM_RepeatTrack = 9;
    profile.set(kRepeatTrackKey, "rubbish");
    loadSettingsFrom(profile, [](const std::string&) { return false; }, settings);
    EXPECT_EQ(settings.BGM_RepeatTrack, 9);
    profile.set(kRepeatTrackKey, "");
    loadSettingsFrom(profile, [](const std::string&) { return false; }, settings);
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);
}

TEST_F(LoadCase, MusicFileKindNeedsAnExistingFile) {
    profile.set(kKindKey, "2");
    EXPECT_EQ(load().BGM_Kind, 0);

    profile.set(kFileKey, "C:\\music\\missing.mp3");
    MusicSettings settings = load();
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(settings.BGM_File, "");

    profile.set(kFileKey, "C:\\music\\song.mp3");
    settings = load();
    EXPECT_EQ(settings.BGM_Kind, 2);
    EXPECT_EQ(settings.BGM_File, "C:\\music\\song.mp3");
}

TEST_F(LoadCase, AMissingFileIsClearedWhateverTheKind) {
    profile.set(kKindKey, "1");
    profile.set(kRepeatTrackKey, "5");
    profile.set(kFileKey, "C:\\music\\missing.wav");
    const MusicSettings settings = load();
    EXPECT_EQ(settings.BGM_Kind, 1);
    EXPECT_EQ(settings.BGM_RepeatTrack, 5);
    EXPECT_EQ(settings.BGM_File, "");
}

TEST(SaveSettings, WritesAllThreeKeysInOrder) {
    MemoryProfile profile;
    MusicSettings settings;
    EXPECT_TRUE(saveSettingsTo(profile, settings));
    settings.BGM_Kind = 2;
    settings.BGM_RepeatTrack = -12;
    settings.BGM_File = "C:\\曲\\ソング.mp3";
    EXPECT_TRUE(saveSettingsTo(profile, settings));
    const std::string section(kSettingsSection);
    EXPECT_EQ(profile.writes, (std::vector<std::string>{
                                  section + "/" + kKindKey + "=0",
                                  section + "/" + kRepeatTrackKey + "=0",
                                  section + "/" + kFileKey + "=",
                                  section + "/" + kKindKey + "=2",
                                  section + "/" + kRepeatTrackKey + "=-12",
                                  section + "/" + kFileKey + "=C:\\曲\\ソング.mp3",
                              }));
}

TEST(SaveSettings, ReportsAFailedWriteAfterTryingAllThree) {
    MemoryProfile profile;
    profile.failingKey = kKindKey;
    MusicSettings settings;
    settings.BGM_File = "C:\\a.wav";
    EXPECT_FALSE(saveSettingsTo(profile, settings));
    EXPECT_EQ(profile.writes.size(), 3u);
    EXPECT_EQ(profile.read(kSettingsSection, kFileKey), "C:\\a.wav");
}

TEST(SettingsKeys, AreCp932Bytes) {
    EXPECT_EQ(std::string(kKindKey), "\x42\x47\x4D\x8B\xE6\x95\xAA");
    EXPECT_EQ(std::string(kRepeatTrackKey), "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(std::string(kFileKey), "\x42\x47\x4D\xCC\xA7\xB2\xD9");
}
