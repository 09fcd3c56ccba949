// Which player a music file needs, told by the last three characters of its name.
#pragma once

#include <string>

enum class MusicType { Wav, Mp3, None };

// "WAV" or "MP3" in any case as the last three characters; anything else plays nothing.
MusicType musicTypeOf(const std::string& file);
