// Command-line options of the developer tools (corvessa-trace, corvessa-frames). Portable, so
// that odd command lines are tested natively: every value is checked, nothing is guessed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ToolOptions {
    std::uint32_t seed = 0;  // the renderer's clock seed, replaced
    int frames = 0;          // frames to run, at least 1
    int every = 1;           // report (or write) after every K-th frame and after the last
    bool everyGiven = false; // --every was on the command line
    int width = 0;           // picture size in pixels (corvessa-frames only)
    int height = 0;
    std::string outDir;      // folder for the PNG files (corvessa-frames only)
    bool bench = false;      // print speed figures (corvessa-frames only)
    bool compare = false;    // draw both ways and print how the pictures differ (corvessa-frames only)
    int monitors = 1;        // monitors of --size side by side, the first the primary (corvessa-frames only)
};

// What a tool accepts besides --seed, --frames and --every.
struct ToolOptionSet {
    bool acceptsPictureOptions = false;  // --size, --out, --bench, --compare, --monitors
};

// The options, or nothing with `error` set when the command line is not one the tool accepts.
// `args` holds the arguments without the program name.
std::optional<ToolOptions> parseToolOptions(const std::vector<std::string>& args,
                                            ToolOptionSet set, std::string& error);

// The same for a drawing tool's own command line (argv[1] on), with the picture options.
std::optional<ToolOptions> parsePictureToolOptions(int argc, char** argv, std::string& error);

// True when frame `frame` (from 1) of `frames` is one to report.
bool isReportedFrame(int frame, int frames, int every);
