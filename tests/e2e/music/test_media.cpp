// Test music files.
#include "test_media.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

#include "process.h"

namespace e2e {

namespace {

void put32(std::ofstream& out, std::uint32_t v) {
    const char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
    out.write(b, 4);
}
void put16(std::ofstream& out, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
    out.write(b, 2);
}

}  // namespace

bool writeToneWav(const std::string& path, double seconds) {
    constexpr std::uint32_t kRate = 22050;
    const auto frames = static_cast<std::uint32_t>(seconds * kRate);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + 2 * frames);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, 2 * kRate);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, 2 * frames);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * 3.14159265358979 * 440.0 * i / kRate;
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(16384.0 * std::sin(phase))));
    }
    return static_cast<bool>(out);
}

bool copyMp3Tone(const std::string& path) {
    return CopyFileA((programDir() + "\\music-media\\tone-1s.mp3").c_str(), path.c_str(), FALSE) != 0;
}

}  // namespace e2e
