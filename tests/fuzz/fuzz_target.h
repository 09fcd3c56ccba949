// What every fuzz target shares: its entry point, the check that turns a broken rule into a
// crash (which libFuzzer keeps as an input and the corpus replay reports), and the splitting of
// an input into the lines that the seed files are written in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
