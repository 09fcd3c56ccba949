// Background music of the saver (module Vantrel_BGM), as the saver form calls it from its
// events and timers. The file and track come from musicSettings().
#pragma once

// CD audio: open the drive's device, one 200 ms watcher tick, stop and close it.
void CD_Open();
void CD_Poll();
void CD_Stop();
// Set by every CD_Poll: true means poll again, false means the drive reported an error.
bool CD_PollOK();

// MP3 through MCI under the alias MP3Play, restarted by a 1000 ms watcher when it has ended.
void MP3_Start();
bool MP3_IsPlaying();
void MP3_KeepPlaying();
void MP3_Stop();

// WAV through PlaySoundA, looped by the platform.
void WAV_Start();
void WAV_Stop();
