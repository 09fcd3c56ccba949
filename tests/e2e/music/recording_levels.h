// Sound levels of a recorded WAV file, window by window, and the questions the music scenarios
// ask of them: when sound starts and ends, and how long the silences between are.
// Times are seconds from the start of the recording; levels are RMS in dB relative to full scale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Quieter than this counts as silence. The null sink's monitor gives exact zeros when nothing
// plays, and the test tones lie some 40 dB above.
constexpr double kSilenceDb = -50.0;

class RecordingLevels {
public:
    // Reads a 16-bit PCM WAV file; `valid()` is false when it cannot. A data size that the
    // recorder never filled in is taken from the file's length.
    static RecordingLevels load(const std::string& path, double windowSeconds = 0.05);

    bool valid() const { return !db_.empty(); }
    double windowSeconds() const { return window_; }
    double duration() const { return static_cast<double>(db_.size()) * window_; }
    // The recording time at which the file held `fileBytes` bytes (header included).
    double secondsAtFileSize(std::uint64_t fileBytes) const;

    // Loudest window in [from, to), dB.
    double peakDb(double from, double to) const;
    // Share of windows in [from, to) that hold sound, 0 to 1.
    double soundShare(double from, double to) const;
    // Start of the first window at or after `from` that holds sound; negative when none.
    double firstSoundFrom(double from) const;
    // Start of the first silent window at or after `from`; negative when none.
    double firstSilenceFrom(double from) const;
    // Longest run of silent windows that lies wholly inside [from, to), seconds.
    double longestSilence(double from, double to) const;

private:
    std::size_t index(double seconds) const;
    bool loud(std::size_t i) const { return db_[i] > kSilenceDb; }

    std::vector<double> db_;
    double window_ = 0.05;
    std::size_t dataOffset_ = 0;  // bytes into the file, which is read whole into memory
    double bytesPerSecond_ = 0;
};
