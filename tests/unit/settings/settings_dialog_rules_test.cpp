// The settings dialog's decisions: track box text both ways, the music-kind rows, placement,
// gradients and what "設定" writes.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "dialog_geometry.h"
#include "dialog_save.h"
#include "music_kind_view.h"
#include "track_box_rules.h"

namespace {

class RecordingProfile : public ProfileAccess {
public:
    std::string read(const std::string&, const std::string& key) override { return values[key]; }
    bool write(const std::string&, const std::string& key, const std::string& value) override {
        writes.push_back(key + "=" + value);
        if (key == failingKey) return false;
        values[key] = value;
        return true;
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
    std::string failingKey;
};

std::int16_t storedTrack(const char* text) {
    const TrackFromText track = trackOfBoxText(text);
    EXPECT_NE(track.kind, TrackTextKind::OutOfRange) << text;
    return track.track;
}

}  // namespace

TEST(TrackBox, ShowsTheTrackWithABlankForTheWholeDisc) {
    EXPECT_EQ(trackBoxText(0), "");
    EXPECT_EQ(trackBoxText(5), "5");
    EXPECT_EQ(trackBoxText(-12), "-12");
    const std::vector<std::string> entries = trackBoxEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries.front(), "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries.back(), "30");
}

TEST(TrackBox, NumericTextGoesToTheNearestIntegerWithHalvesToEven) {
    EXPECT_EQ(storedTrack("2.5"), 2);
    EXPECT_EQ(storedTrack("3.5"), 4);
    EXPECT_EQ(storedTrack(" -2.5 "), -2);
    EXPECT_EQ(storedTrack("2.51"), 3);
    EXPECT_EQ(storedTrack("45"), 45);
    EXPECT_EQ(storedTrack("+1e1"), 10);
    EXPECT_EQ(storedTrack("-32768.5"), -32768);
    EXPECT_EQ(storedTrack("32767.4"), 32767);
    for (const char* text : {"", "abc", "5x", "0x10", "inf", "nan", "1,5", "."}) {
        EXPECT_EQ(trackOfBoxText(text).kind, TrackTextKind::NotNumeric) << text;
        EXPECT_EQ(trackOfBoxText(text).track, 0) << text;
    }
}

// A double holds none of these exactly: the digits typed decide, as the rule says.
TEST(TrackBox, RoundsOnTheDigitsTypedNotOnTheirNearestDouble) {
    EXPECT_EQ(storedTrack("2.50000000000000000001"), 3);
    EXPECT_EQ(storedTrack("32767.49999999999999999"), 32767);
    EXPECT_EQ(storedTrack("25e-1"), 2);
    EXPECT_EQ(storedTrack("0.0000000000000000000000000000035e30"), 4);
    EXPECT_EQ(storedTrack("1e-400"), 0);
    EXPECT_EQ(trackOfBoxText("-32768.50000000000000001").kind, TrackTextKind::OutOfRange);
}

TEST(TrackBox, NumbersBeyondTheSixteenBitRangeAreRefusedNotWrapped) {
    for (const char* text : {"65536", "32767.5", "-32769", "1e400", "-1e10"}) {
        EXPECT_EQ(trackOfBoxText(text).kind, TrackTextKind::OutOfRange) << text;
    }
}

TEST(MusicKindRows, SelectOneMarkerAndEnableOnlyTheControlOfTheKind) {
    const MusicKindView none = musicKindViewOf(0);
    const MusicKindView cd = musicKindViewOf(1);
    const MusicKindView file = musicKindViewOf(2);
    EXPECT_EQ(none.selectedMarker, 0);
    EXPECT_FALSE(none.trackBoxEnabled || none.fileButtonEnabled);
    EXPECT_EQ(cd.selectedMarker, 1);
    EXPECT_TRUE(cd.trackBoxEnabled);
    EXPECT_FALSE(cd.fileButtonEnabled);
    EXPECT_EQ(file.selectedMarker, 2);
    EXPECT_FALSE(file.trackBoxEnabled);
    EXPECT_TRUE(file.fileButtonEnabled);
    for (int odd : {3, -1, 32767}) {
        const MusicKindView view = musicKindViewOf(odd);
        EXPECT_EQ(view.selectedMarker, -1);
        EXPECT_FALSE(view.trackBoxEnabled || view.fileButtonEnabled);
    }
}

TEST(DialogPlacement, CentresAcrossWithTheTopAtAThirdOfTheFreeHeight) {
    const DialogPosition onXga = dialogPosition(15360, 11520, 7275, 4245);
    EXPECT_EQ(onXga.left, 4042);  // 8085 / 2, truncated
    EXPECT_EQ(onXga.top, 2425);
    const DialogPosition tooLarge = dialogPosition(1500, 1500, 7275, 4245);
    EXPECT_EQ(tooLarge.left, -2887);  // truncated toward zero, not down
    EXPECT_EQ(tooLarge.top, -915);
}

TEST(DialogMarkers, AreDrawnPicturesThatGrowWithTheScaleAndFitTheirBoxes) {
    EXPECT_EQ(markerPictureSize(96), 12);
    EXPECT_EQ(markerPictureSize(120), 15);
    EXPECT_EQ(markerPictureSize(144), 18);
    EXPECT_EQ(markerPictureSize(192), 24);
    EXPECT_EQ(markerPictureSize(168), 18) << "between two drawn sizes: the smaller";
    EXPECT_EQ(markerPictureSize(72), 12) << "never below the original";
    EXPECT_EQ(markerPictureSize(480), 24);
}

TEST(DialogGradient, IsAHalfSineOverTheRowsZeroToTheHeight) {
    const std::vector<int> dialog = gradientLevels(252);
    ASSERT_EQ(dialog.size(), 253u);
    EXPECT_EQ(dialog[0], 0);
    EXPECT_EQ(dialog[1], 3);
    EXPECT_EQ(dialog[10], 27);
    EXPECT_EQ(dialog[63], 156);
    EXPECT_EQ(dialog[126], 220);
    EXPECT_EQ(dialog[252], 0);
    EXPECT_EQ(dialogRowColour(220).blue, 250);
    EXPECT_EQ(panelRowColour(0).red, 30);
    EXPECT_TRUE(gradientLevels(0).empty());
    EXPECT_TRUE(gradientLevels(-5).empty());
}

TEST(DialogSave, WritesAllThreeKeysWithTheTrackFromTheBox) {
    RecordingProfile profile;
    MusicSettings settings;
    settings.BGM_Kind = 0;
    settings.BGM_RepeatTrack = 5;
    settings.BGM_File = "C:\\a.mp3";
    EXPECT_EQ(saveDialogChoices(profile, settings, "2.5"), SaveOutcome::Saved);
    EXPECT_EQ(settings.BGM_RepeatTrack, 2);
    EXPECT_EQ(profile.writes, (std::vector<std::string>{std::string(kKindKey) + "=0",
                                                         std::string(kRepeatTrackKey) + "=2",
                                                         std::string(kFileKey) + "=C:\\a.mp3"}));
}

TEST(DialogSave, RefusesATrackOutOfRangeBeforeWritingAnything) {
    RecordingProfile profile;
    MusicSettings settings;
    settings.BGM_RepeatTrack = 7;
    EXPECT_EQ(saveDialogChoices(profile, settings, "65536"), SaveOutcome::TrackOutOfRange);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_EQ(settings.BGM_RepeatTrack, 7);
}

TEST(DialogSave, AFailedWriteIsReportedNotTakenForSuccess) {
    RecordingProfile profile;
    profile.failingKey = kFileKey;
    MusicSettings settings;
    EXPECT_EQ(saveDialogChoices(profile, settings, ""), SaveOutcome::WriteFailed);
    EXPECT_EQ(profile.writes.size(), 3u);
    const std::string text = saveFailedText("C:\\Saver\\Corvessa.ini");
    EXPECT_NE(text.find("C:\\Saver\\Corvessa.ini"), std::string::npos);
}
