// The saver form's entry points into the music module: they read the file and the track from
// the process-wide music settings and hand them to the players.
#include "vantrel_bgm.h"

#include "cd_player.h"
#include "file_player.h"
#include "music_settings.h"

void CD_Poll() { CD_Poll(musicSettings().BGM_RepeatTrack); }

void MP3_Start() { MP3_Start(musicSettings().BGM_File); }

void WAV_Start() { WAV_Start(musicSettings().BGM_File); }
