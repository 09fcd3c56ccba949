// corvessa-trace --seed S --frames N [--every K]: runs the renderer's simulation with the
// fixed settings and a chosen seed, without drawing, and prints its state as text. The native
// and the Windows builds must print the same bytes for the same seed.
#include "animation_state.h"
#include "random15.h"
#include "renderer_settings.h"
#include "tool_options.h"
#include "trace_lines.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseToolOptions(args, ToolOptionSet{}, error);
    if (!options) {
        std::fprintf(stderr, "corvessa-trace: %s\nusage: corvessa-trace --seed S --frames N [--every K]\n",
                     error.c_str());
        return 2;
    }
#ifdef _WIN32
    // Plain '\n' line ends, so that the text is the same bytes as the native build's.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    startRandom15(options->seed);
    AnimationState state;
    if (!buildAnimation(state, fixedRendererSettings())) {
        std::fprintf(stderr, "corvessa-trace: the animation could not be built\n");
        return 1;
    }
    for (int frame = 1; frame <= options->frames; ++frame) {
        stepSimulation(state);
        if (isReportedFrame(frame, options->frames, options->every)) {
            const std::string lines = traceLines(frame, state);
            std::fwrite(lines.data(), 1, lines.size(), stdout);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
