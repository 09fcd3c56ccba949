// The process's one record of music settings.
#include "music_settings.h"

MusicSettings& musicSettings() {
    static MusicSettings settings;
    return settings;
}
