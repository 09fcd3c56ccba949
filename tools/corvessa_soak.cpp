// corvessa-soak --seed S --frames N [--every K]: runs the renderer's simulation with the fixed
// settings for N frames without drawing and prints what a long run must not show: how far the
// points went, how often the range guard fired, and whether a NaN or an infinity outlived one
// lap of a trail. With --every, a line of the figures so far after every K-th frame too.
// Exit status 1 when a NaN or an infinity survived a lap.
#include "animation_state.h"
#include "random15.h"
#include "renderer_settings.h"
#include "soak_watch.h"
#include "tool_options.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = parseToolOptions(args, ToolOptionSet{}, error);
    if (!options) {
        std::fprintf(stderr, "corvessa-soak: %s\nusage: corvessa-soak --seed S --frames N [--every K]\n",
                     error.c_str());
        return 2;
    }
    // Without --every only the last frame's figures.
    if (!options->everyGiven) options->every = options->frames;

    startRandom15(options->seed);
    AnimationState state;
    if (!buildAnimation(state, fixedRendererSettings())) {
        std::fprintf(stderr, "corvessa-soak: the animation could not be built\n");
        return 1;
    }
    SoakWatch watch(state);
    for (int frame = 1; frame <= options->frames; ++frame) {
        watch.observe(state, stepSimulation(state));
        if (isReportedFrame(frame, options->frames, options->every)) {
            std::fputs(soakReport(options->seed, watch.figures()).c_str(), stdout);
            std::fflush(stdout);
        }
    }
    return watch.figures().nonFiniteSurvived() ? 1 : 0;
}
