// What the settings dialog shows for a music kind: which of the three markers carries the
// selected picture, and whether the track box and the file button are enabled. Portable.
#pragma once

// The markers Img_BGM(0..2) stand for the kinds 0 (none), 1 (audio CD) and 2 (music file); the
// rows lie on screen in the order 1, 0, 2.
inline constexpr int kMusicKindCount = 3;

struct MusicKindView {
    int selectedMarker;      // index of the marker showing the selected picture; -1 for none
    bool trackBoxEnabled;    // only for the audio CD
    bool fileButtonEnabled;  // only for a music file
};

// A kind read from a hand-edited file (3, -1...) selects no row and enables neither control.
MusicKindView musicKindViewOf(int kind);
