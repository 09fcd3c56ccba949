// The music files the scenarios play: a WAV tone written on the spot and a shipped MP3 tone.
#pragma once

#include <string>

namespace e2e {

// Writes a 440 Hz sine of `seconds` at half of full scale, 22050 Hz mono 16-bit.
bool writeToneWav(const std::string& path, double seconds);

// Copies the shipped MP3 tone (1.07 s, 440 Hz) to `path`.
bool copyMp3Tone(const std::string& path);

}  // namespace e2e
