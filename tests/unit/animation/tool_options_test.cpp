// Command lines of the developer tools, and the trace text they print.
#include "animation_state.h"
#include "random15.h"
#include "renderer_settings.h"
#include "tool_options.h"
#include "trace_lines.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::optional<ToolOptions> parse(std::vector<std::string> args, bool pictures = false) {
    std::string error;
    ToolOptionSet set;
    set.acceptsPictureOptions = pictures;
    auto options = parseToolOptions(args, set, error);
    if (!options) {
        EXPECT_FALSE(error.empty());
    }
    return options;
}

TEST(ToolOptions, TraceCommandLine) {
    const auto options = parse({"--seed", "4294967295", "--frames", "300", "--every", "7"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->seed, 4294967295u);
    EXPECT_EQ(options->frames, 300);
    EXPECT_EQ(options->every, 7);
    EXPECT_EQ(parse({"--frames", "3", "--seed", "1"})->every, 1);
}

TEST(ToolOptions, OddCommandLinesAreRefused) {
    EXPECT_FALSE(parse({}));
    EXPECT_FALSE(parse({"--seed", "1"}));
    EXPECT_FALSE(parse({"--seed", "1", "--frames"}));
    EXPECT_FALSE(parse({"--seed", "-1", "--frames", "3"}));
    EXPECT_FALSE(parse({"--seed", "4294967296", "--frames", "3"}));
    EXPECT_FALSE(parse({"--seed", "1x", "--frames", "3"}));
    EXPECT_FALSE(parse({"--seed", "1", "--frames", "0"}));
    EXPECT_FALSE(parse({"--seed", "1", "--frames", "3", "--every", "0"}));
    EXPECT_FALSE(parse({"--seed", "1", "--frames", "99999999999999999999"}));
    EXPECT_FALSE(parse({"--seed", "1", "--frames", "3", "--size", "10x10"})) << "trace has no pictures";
    EXPECT_FALSE(parse({"--seed", "1", "--frames", "3", "--bogus", "1"}));
}

TEST(ToolOptions, FramesCommandLine) {
    const auto options = parse({"--seed", "2", "--frames", "5", "--size", "1920x1080", "--out", "d"}, true);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->width, 1920);
    EXPECT_EQ(options->height, 1080);
    EXPECT_EQ(options->outDir, "d");
    EXPECT_FALSE(options->bench);
    EXPECT_EQ(options->monitors, 1);
    EXPECT_TRUE(parse({"--seed", "2", "--frames", "5", "--size", "8x8", "--bench"}, true));
    const auto three = parse({"--seed", "2", "--frames", "5", "--size", "960x540", "--monitors", "3", "--bench"}, true);
    ASSERT_TRUE(three);
    EXPECT_EQ(three->monitors, 3);
    for (const char* count : {"0", "5", "two"}) {
        EXPECT_FALSE(parse({"--seed", "2", "--frames", "5", "--size", "8x8", "--monitors", count, "--bench"}, true)) << count;
    }
    EXPECT_FALSE(parse({"--seed", "2", "--frames", "5", "--size", "4096x8", "--monitors", "3", "--bench"}, true))
        << "wider than a picture may be";
    EXPECT_FALSE(parse({"--seed", "2", "--frames", "5", "--size", "8x8"}, true)) << "nowhere to write";
    for (const char* size : {"0x10", "10x", "x10", "10*10", "100000x100000", "-5x5"}) {
        EXPECT_FALSE(parse({"--seed", "2", "--frames", "5", "--size", size, "--bench"}, true)) << size;
    }
}

TEST(ToolOptions, ReportsEveryKthFrameAndTheLast) {
    EXPECT_TRUE(isReportedFrame(5, 12, 5));
    EXPECT_FALSE(isReportedFrame(6, 12, 5));
    EXPECT_TRUE(isReportedFrame(12, 12, 5));
}

TEST(TraceLines, PrintFloatsWithNineSignificantDigits) {
    EXPECT_EQ(formatTraceFloat(0.1f), "0.100000001");
    EXPECT_EQ(formatTraceFloat(-1.0f), "-1");
    EXPECT_EQ(formatTraceFloat(3e-8f), "2.99999989e-08");
    EXPECT_EQ(formatTraceFloat(std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(formatTraceFloat(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(TraceLines, OneControlLineAndOneLinePerStream) {
    startRandom15(1);
    AnimationState state;
    ASSERT_TRUE(buildAnimation(state, fixedRendererSettings()));
    stepSimulation(state);
    const std::string text = traceLines(1, state);
    EXPECT_EQ(text.rfind("frame 1 emitter 0 control ", 0), 0u);
    EXPECT_NE(text.find("\nframe 1 emitter 0 stream 1 head 1 point "), std::string::npos);
    EXPECT_NE(text.find("\nframe 1 emitter 1 control "), std::string::npos);
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 6u);
    EXPECT_EQ(text.back(), '\n');
}

}  // namespace
