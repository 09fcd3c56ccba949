// Track box text.
#include "track_box_rules.h"

#include "number_text.h"

std::string trackBoxText(int track) { return track == 0 ? std::string() : std::to_string(track); }

std::vector<std::string> trackBoxEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= kLastListedTrack; ++track) entries.push_back(trackBoxText(track));
    return entries;
}

TrackFromText trackOfBoxText(const std::string& text) {
    const std::optional<double> nearest = nearestIntegerOf(text);
    if (!nearest) return {TrackTextKind::NotNumeric, 0};
    if (!(*nearest >= -32768.0 && *nearest <= 32767.0)) return {TrackTextKind::OutOfRange, 0};  // also inf
    return {TrackTextKind::Number, static_cast<std::int16_t>(*nearest)};
}
