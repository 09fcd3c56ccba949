// Silent stand-in for the music module until the MCI player exists.
#include "vantrel_bgm.h"

void CD_Open() {}
void CD_Poll() {}
void CD_Stop() {}
bool CD_PollOK() { return false; }
void MP3_Start() {}
bool MP3_IsPlaying() { return false; }
void MP3_KeepPlaying() {}
void MP3_Stop() {}
void WAV_Start() {}
void WAV_Stop() {}
