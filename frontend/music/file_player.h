// One music file played in a loop: MP3 through MCI's MPEG device under the alias "MP3Play",
// restarted by a watcher tick once a second; WAV through PlaySoundA, which loops it itself.
// `file` is a full path in the system's code page.
#pragma once

#include <cstdint>
#include <string>

// PlaySoundA flags: SND_ASYNC | SND_LOOP to start, none to stop. Neither SND_FILENAME nor
// SND_ALIAS: the name is looked up as a sound alias first, then as a file.
constexpr std::uint32_t kWavLoopFlags = 9;
constexpr std::uint32_t kWavStopFlags = 0;

// Opens `file` under the alias and, only if that worked, plays it.
void MP3_Start(const std::string& file);
// True exactly when the alias's mode reads "playing".
bool MP3_IsPlaying();
// One watcher tick: a file that is not playing is stopped and played again from its start.
void MP3_KeepPlaying();
// Stops and closes the alias.
void MP3_Stop();

// Loops `file` when the system has a wave output device; otherwise does nothing.
void WAV_Start(const std::string& file);
// Stops any sound this process is playing.
void WAV_Stop();
