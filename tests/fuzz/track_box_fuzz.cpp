// Fuzz target: the settings dialog's track box text as "設定" reads it. Input: the box text.
// Checked against another reading: the C library converts the number once rounded down and
// once rounded up, which pins its exact decimal value between two neighbouring doubles (or on
// one), and the nearest integer, halves to even, follows from that bracket. Blanks around the
// text change nothing, and every track in range reads back from its "##" text.
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "fuzz_target.h"
#include "track_box_rules.h"

namespace {

TrackFromText expectedTrack(const std::string& text) {
    const std::optional<double> low = strtodReading(text, FE_DOWNWARD);
    const std::optional<double> high = strtodReading(text, FE_UPWARD);
    if (!low || !high) return {TrackTextKind::NotNumeric, 0};
    double nearest = std::nearbyint(*low);  // halves to even in the default mode
    // Inexact: the value lies strictly between the neighbours *low and *high. Every half
    // that matters here is a double, so none lies strictly between them; one may be a bound.
    if (*low != *high && std::floor(*low) + 0.5 == *low) nearest = std::ceil(*low);
    if (*low != *high && std::floor(*high) + 0.5 == *high) nearest = std::floor(*high);
    if (!(nearest >= -32768.0 && nearest <= 32767.0)) return {TrackTextKind::OutOfRange, 0};
    return {TrackTextKind::Number, static_cast<std::int16_t>(nearest)};
}

bool same(const TrackFromText& a, const TrackFromText& b) { return a.kind == b.kind && a.track == b.track; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = inputText(data, size);
    const TrackFromText track = trackOfBoxText(text);
    fuzzCheck(same(track, expectedTrack(text)), "the track is the nearest integer, halves to even, or refused, or 0");
    fuzzCheck(same(trackOfBoxText(" \t" + text + "\t "), track), "blanks around the text change nothing");
    if (track.kind == TrackTextKind::Number && track.track != 0) {
        fuzzCheck(same(trackOfBoxText(trackBoxText(track.track)), track), "a track reads back from its text");
    }
    return 0;
}
