// The settings dialog's track box: the CD track to repeat shown as text, its list of entries,
// and how its text, chosen or typed, becomes the track that "設定" stores. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The "##" pattern: the digits without leading zeros, "-" before negatives, and the empty text
// for 0 (the whole disc).
std::string trackBoxText(int track);

// The list, in order: blank (the whole disc), then the tracks 1 to 30.
inline constexpr int kLastListedTrack = 30;
std::vector<std::string> trackBoxEntries();

enum class TrackTextKind {
    Number,      // a decimal number within the setting's range
    NotNumeric,  // anything else, the empty text included: stores 0
    OutOfRange,  // a number beyond -32768...32767: refused, so that it never wraps around
};

struct TrackFromText {
    TrackTextKind kind;
    std::int16_t track;  // what to store; 0 unless kind is Number
};

// The track a box text stands for: a decimal number (sign, fraction, exponent, blanks around)
// to the nearest integer with halves to even; non-numeric text gives 0. No test against the
// list: typed 45 stores 45.
TrackFromText trackOfBoxText(const std::string& text);
