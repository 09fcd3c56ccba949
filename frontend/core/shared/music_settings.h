// The three music settings of the front end, process-wide: filled by LoadSettings, edited and
// saved by the settings dialog, read by the saver form and the music module.
#pragma once

#include <cstdint>
#include <string>

struct MusicSettings {
    std::int16_t BGM_Kind = 0;         // 0 none, 1 CD audio, 2 music file; other values play nothing
    std::int16_t BGM_RepeatTrack = 0;  // CD track to loop; 0 = the whole disc
    std::string BGM_File;              // full path of an MP3 or WAV file, in the ANSI code page
};

// The one instance of the process.
MusicSettings& musicSettings();
