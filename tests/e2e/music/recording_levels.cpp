// WAV parsing and level windows for the music scenarios.
#include "recording_levels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

RecordingLevels RecordingLevels::load(const std::string& path, double windowSeconds) {
    RecordingLevels levels;
    levels.window_ = windowSeconds;
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) return levels;

    unsigned channels = 0, bits = 0, rate = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = le32(&bytes[at + 4]);
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && at + 24 <= bytes.size()) {
            channels = le16(&bytes[at + 10]);
            rate = le32(&bytes[at + 12]);
            bits = le16(&bytes[at + 22]);
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            levels.dataOffset_ = at + 8;
            break;
        }
        at += 8 + size + (size & 1);
    }
    if (levels.dataOffset_ == 0 || bits != 16 || channels == 0 || rate == 0) return levels;

    const std::size_t frameBytes = 2 * channels;
    levels.bytesPerSecond_ = static_cast<double>(frameBytes) * rate;
    const auto samplesPerWindow = static_cast<std::size_t>(windowSeconds * rate) * channels;
    const std::size_t totalSamples = (bytes.size() - levels.dataOffset_) / 2;
    for (std::size_t first = 0; first + samplesPerWindow <= totalSamples; first += samplesPerWindow) {
        double sum = 0;
        for (std::size_t i = first; i < first + samplesPerWindow; ++i) {
            const auto sample = static_cast<std::int16_t>(le16(&bytes[levels.dataOffset_ + 2 * i]));
            sum += static_cast<double>(sample) * sample;
        }
        const double rms = std::sqrt(sum / static_cast<double>(samplesPerWindow)) / 32768.0;
        levels.db_.push_back(rms > 0 ? 20.0 * std::log10(rms) : -120.0);
    }
    return levels;
}

double RecordingLevels::secondsAtFileSize(std::uint64_t fileBytes) const {
    if (fileBytes <= dataOffset_ || bytesPerSecond_ <= 0) return 0;
    return static_cast<double>(fileBytes - dataOffset_) / bytesPerSecond_;
}

std::size_t RecordingLevels::index(double seconds) const {
    if (seconds <= 0) return 0;
    return std::min(db_.size(), static_cast<std::size_t>(std::ceil(seconds / window_ - 1e-9)));
}

double RecordingLevels::peakDb(double from, double to) const {
    double peak = -120.0;
    for (std::size_t i = index(from); i < index(to); ++i) peak = std::max(peak, db_[i]);
    return peak;
}

double RecordingLevels::soundShare(double from, double to) const {
    const std::size_t a = index(from), b = index(to);
    if (b <= a) return 0;
    std::size_t count = 0;
    for (std::size_t i = a; i < b; ++i) count += loud(i) ? 1 : 0;
    return static_cast<double>(count) / static_cast<double>(b - a);
}

double RecordingLevels::firstSoundFrom(double from) const {
    for (std::size_t i = index(from); i < db_.size(); ++i) {
        if (loud(i)) return static_cast<double>(i) * window_;
    }
    return -1;
}

double RecordingLevels::firstSilenceFrom(double from) const {
    for (std::size_t i = index(from); i < db_.size(); ++i) {
        if (!loud(i)) return static_cast<double>(i) * window_;
    }
    return -1;
}

double RecordingLevels::longestSilence(double from, double to) const {
    std::size_t longest = 0, run = 0;
    for (std::size_t i = index(from); i < index(to); ++i) {
        run = loud(i) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return static_cast<double>(longest) * window_;
}
