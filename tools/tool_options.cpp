// Parsing of the tools' command lines.
#include "tool_options.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

// A whole decimal number within [low, high], with nothing after it.
std::optional<long long> parseWhole(const std::string& text, long long low, long long high) {
    if (text.empty() || text[0] == ' ' || text[0] == '+') {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Larger pictures than this are no use and would only exhaust memory.
constexpr long long kMaxSide = 8192;
constexpr long long kMaxMonitors = 4;

bool parseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    const auto w = parseWhole(text.substr(0, x), 1, kMaxSide);
    const auto h = parseWhole(text.substr(x + 1), 1, kMaxSide);
    if (!w || !h) {
        return false;
    }
    width = static_cast<int>(*w);
    height = static_cast<int>(*h);
    return true;
}

}  // namespace

std::optional<ToolOptions> parseToolOptions(const std::vector<std::string>& args,
                                            ToolOptionSet set, std::string& error) {
    ToolOptions options;
    bool haveSeed = false;
    bool haveFrames = false;
    bool haveSize = false;
    constexpr long long kMaxCount = std::numeric_limits<int>::max();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (set.acceptsPictureOptions && name == "--bench") {
            options.bench = true;
            continue;
        }
        if (set.acceptsPictureOptions && name == "--compare") {
            options.compare = true;
            continue;
        }
        const bool known = name == "--seed" || name == "--frames" || name == "--every" ||
                           (set.acceptsPictureOptions &&
                            (name == "--size" || name == "--out" || name == "--monitors"));
        if (!known) {
            error = "unknown option: " + name;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = "missing value after " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--seed") {
            const auto v = parseWhole(value, 0, std::numeric_limits<std::uint32_t>::max());
            ok = v.has_value();
            options.seed = ok ? static_cast<std::uint32_t>(*v) : 0;
            haveSeed = ok;
        } else if (name == "--frames") {
            const auto v = parseWhole(value, 1, kMaxCount);
            ok = v.has_value();
            options.frames = ok ? static_cast<int>(*v) : 0;
            haveFrames = ok;
        } else if (name == "--every") {
            const auto v = parseWhole(value, 1, kMaxCount);
            ok = v.has_value();
            options.every = ok ? static_cast<int>(*v) : 1;
            options.everyGiven = ok;
        } else if (name == "--monitors") {
            const auto v = parseWhole(value, 1, kMaxMonitors);
            ok = v.has_value();
            options.monitors = ok ? static_cast<int>(*v) : 1;
        } else if (name == "--size") {
            ok = parseSize(value, options.width, options.height);
            haveSize = ok;
        } else {
            ok = !value.empty();
            options.outDir = value;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    if (!haveSeed || !haveFrames) {
        error = "--seed and --frames are required";
        return std::nullopt;
    }
    if (set.acceptsPictureOptions && !haveSize) {
        error = "--size is required";
        return std::nullopt;
    }
    if (static_cast<long long>(options.width) * options.monitors > kMaxSide) {
        error = "the monitors side by side are wider than " + std::to_string(kMaxSide) + " pixels";
        return std::nullopt;
    }
    if (set.acceptsPictureOptions && options.outDir.empty() && !options.bench && !options.compare) {
        error = "--out is required unless --bench or --compare is given";
        return std::nullopt;
    }
    return options;
}

std::optional<ToolOptions> parsePictureToolOptions(int argc, char** argv, std::string& error) {
    ToolOptionSet set;
    set.acceptsPictureOptions = true;
    return parseToolOptions(std::vector<std::string>(argv + 1, argv + argc), set, error);
}

bool isReportedFrame(int frame, int frames, int every) {
    return frame % every == 0 || frame == frames;
}
