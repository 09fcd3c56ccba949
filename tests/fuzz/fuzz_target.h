// What every fuzz target shares: its entry point, the check that turns a broken rule into a
// crash (which libFuzzer keeps as an input and the corpus replay reports), and the splitting of
// an input into the lines that the seed files are written in, and the C library's reading of a
// number that the numeric rules are checked against.
#pragma once

#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Ends the process when `holds` is false, naming the rule that broke.
inline void fuzzCheck(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", rule);
    std::abort();
}

inline std::string inputText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The input split at '\n' only: every other byte, NUL and CR among them, stays in its line.
inline std::vector<std::string> inputLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    return lines;
}

// `text` read by strtod under `roundingMode` (glibc's strtod honours it), blanks (space, tab)
// around it dropped: a reading independent of the code under test. Nothing unless the text
// holds only the characters of a decimal number, which keeps "inf", "nan", hexadecimal and
// other whitespace away from strtod, and strtod takes all of it.
inline std::optional<double> strtodReading(const std::string& text, int roundingMode) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    const std::string number = text.substr(begin, end - begin);
    if (number.empty() || number.find_first_not_of("0123456789+-.eE") != std::string::npos) return std::nullopt;
    std::fesetround(roundingMode);
    char* stop = nullptr;
    const double value = std::strtod(number.c_str(), &stop);
    std::fesetround(FE_TONEAREST);
    if (stop != number.c_str() + number.size()) return std::nullopt;
    return value;
}
