// Saving the settings dialog's choices.
#include "dialog_save.h"

#include "track_box_rules.h"

SaveOutcome saveDialogChoices(ProfileAccess& profile, MusicSettings& settings, const std::string& trackText) {
    const TrackFromText track = trackOfBoxText(trackText);
    if (track.kind == TrackTextKind::OutOfRange) return SaveOutcome::TrackOutOfRange;
    settings.BGM_RepeatTrack = track.track;
    return saveSettingsTo(profile, settings) ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

std::string saveFailedText(const std::string& settingsPath) {
    return kSaveFailedHead + settingsPath + kSaveFailedTail;
}
