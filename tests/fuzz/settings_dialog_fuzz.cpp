// Fuzz target: the settings dialog's portable state table, driven as a user and a failing disk
// would drive it. Input, one event a line (other lines are ignored):
//   "kind <n>"   the music kind becomes n (a row click gives 0..2, a hand-edited file anything)
//   "track <t>"  the track box holds the text t, typed or chosen from its list
//   "shown"      the track box shows the stored track again, as the dialog does when it opens
//   "file <p>"   the file chooser returned the path p
//   "fail <abc>" from now on, the writes of kind, track and file fail where the letter is '1'
//   "save"       "設定" is pressed
// Checked after every event: exactly the marker of a kind 0..2 is selected, the track box is
// enabled exactly for 1 and the file button exactly for 2. On every save: a refused track
// writes nothing and changes nothing; otherwise kind, track and file are written in that order,
// the outcome is Saved exactly when every write was stored, and what was saved loads back.
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include "dialog_save.h"
#include "fuzz_target.h"
#include "music_kind_view.h"
#include "track_box_rules.h"

namespace {

using Write = std::pair<std::string, std::string>;

// A settings file whose writes fail on request, and that remembers the writes asked of it.
class FailingProfile : public ProfileAccess {
public:
    std::string read(const std::string&, const std::string& key) override {
        const auto found = stored_.find(key);
        return found == stored_.end() ? std::string() : found->second;
    }
    bool write(const std::string&, const std::string& key, const std::string& value) override {
        writes.emplace_back(key, value);
        if (failing.count(key) != 0) return false;
        stored_[key] = value;
        return true;
    }

    std::set<std::string> failing;
    std::vector<Write> writes;

private:
    std::map<std::string, std::string> stored_;
};

bool startsWith(const std::string& line, const char* word, std::string& rest) {
    const std::string prefix = word;
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    rest = line.substr(prefix.size());
    return true;
}

std::int16_t kindOf(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<std::int16_t>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
}

void checkView(int kind) {
    const MusicKindView view = musicKindViewOf(kind);
    const bool known = kind >= 0 && kind <= 2;
    fuzzCheck(view.selectedMarker == (known ? kind : -1), "exactly the marker of the kind is selected");
    fuzzCheck(view.trackBoxEnabled == (kind == 1), "the track box is enabled exactly for the audio CD");
    fuzzCheck(view.fileButtonEnabled == (kind == 2), "the file button is enabled exactly for a music file");
}

void checkSave(FailingProfile& profile, MusicSettings& settings, const std::string& boxText) {
    const MusicSettings before = settings;
    profile.writes.clear();
    const SaveOutcome outcome = saveDialogChoices(profile, settings, boxText);
    const TrackFromText track = trackOfBoxText(boxText);
    fuzzCheck(settings.BGM_Kind == before.BGM_Kind && settings.BGM_File == before.BGM_File,
              "saving changes neither the kind nor the file");
    if (track.kind == TrackTextKind::OutOfRange) {
        fuzzCheck(outcome == SaveOutcome::TrackOutOfRange, "a track out of range is refused");
        fuzzCheck(profile.writes.empty() && settings.BGM_RepeatTrack == before.BGM_RepeatTrack,
                  "a refused track writes nothing and keeps the track");
        return;
    }
    fuzzCheck(settings.BGM_RepeatTrack == track.track, "the track saved is the box's");
    if (boxText == trackBoxText(before.BGM_RepeatTrack)) {
        fuzzCheck(track.track == before.BGM_RepeatTrack, "the track as shown saves back unchanged");
    }
    const std::vector<Write> expected = {{kKindKey, decimalText(settings.BGM_Kind)},
                                         {kRepeatTrackKey, decimalText(settings.BGM_RepeatTrack)},
                                         {kFileKey, settings.BGM_File}};
    fuzzCheck(profile.writes == expected, "kind, track and file are written, in that order");
    const bool anyFailed = !profile.failing.empty();
    fuzzCheck(outcome == (anyFailed ? SaveOutcome::WriteFailed : SaveOutcome::Saved),
              "saved exactly when every write was stored");
    if (outcome != SaveOutcome::Saved) return;
    MusicSettings loaded;
    loadSettingsFrom(profile, [&](const std::string& path) { return path == settings.BGM_File; }, loaded);
    const bool fileKindWithoutFile = settings.BGM_Kind == 2 && settings.BGM_File.empty();
    fuzzCheck(loaded.BGM_Kind == (fileKindWithoutFile ? 0 : settings.BGM_Kind) &&
                  loaded.BGM_RepeatTrack == settings.BGM_RepeatTrack && loaded.BGM_File == settings.BGM_File,
              "what was saved loads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MusicSettings settings;
    FailingProfile profile;
    std::string boxText = trackBoxText(settings.BGM_RepeatTrack);
    for (const std::string& line : inputLines(data, size)) {
        std::string rest;
        if (startsWith(line, "kind ", rest)) settings.BGM_Kind = kindOf(rest);
        if (startsWith(line, "track ", rest)) boxText = rest;
        if (line == "shown") boxText = trackBoxText(settings.BGM_RepeatTrack);
        if (startsWith(line, "file ", rest)) settings.BGM_File = rest;
        if (startsWith(line, "fail ", rest)) {
            profile.failing.clear();
            const char* keys[] = {kKindKey, kRepeatTrackKey, kFileKey};
            for (std::size_t i = 0; i < 3 && i < rest.size(); ++i) {
                if (rest[i] == '1') profile.failing.insert(keys[i]);
            }
        }
        if (line == "save") checkSave(profile, settings, boxText);
        checkView(settings.BGM_Kind);
    }
    return 0;
}
