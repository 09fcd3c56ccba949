// Audio CD through the MCI device "cdaudio": opened at the saver's start, kept going by a
// watcher tick every 200 ms (the whole disc restarted, or one track looped), stopped and closed
// at the end. The watcher switches itself off on the first error the drive reports.
#pragma once

#include <cstdint>

// Sends "open cdaudio" and "set cdaudio time format tmsf"; results ignored.
void CD_Open();

// One watcher tick. `repeatTrack`: 0 plays the whole disc over and over, N >= 1 loops track N.
void CD_Poll(std::int16_t repeatTrack);

// Sends "stop cdaudio" and "close cdaudio"; results ignored.
void CD_Stop();

// Set by every CD_Poll: true means poll again, false means the drive reported an error.
bool CD_PollOK();
