// Telling a WAV from an MP3 file by its name.
#include "music_type.h"

#include "cp932_text.h"

MusicType musicTypeOf(const std::string& file) {
    // Characters, not bytes: a Japanese character ending in 'w' must not make "...wav".
    const std::string ending = cp932::upperAscii(cp932::lastCharacters(file, 3));
    if (ending == "WAV") return MusicType::Wav;
    if (ending == "MP3") return MusicType::Mp3;
    return MusicType::None;
}
