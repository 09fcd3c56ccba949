// corvessa-frames --seed S --frames N --size WxH --out DIR [--every K] [--bench]: renders the
// renderer's frames off-screen with its very set-up and drawing code and writes PNG files
// (frame-000001.png, ...); with --bench it prints frames per second and the simulation's
// cost per frame instead of (or besides) writing pictures.
#include "animation_state.h"
#include "frame_drawing_gl.h"
#include "offscreen_canvas.h"
#include "png_file.h"
#include "random15.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"
#include "tool_options.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string framePath(const std::string& dir, int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06d.png", frame);
    return dir + "/" + name;
}

// The simulation alone, for as many frames as were drawn, from the same seed.
double simulationMicrosecondsPerFrame(const ToolOptions& options) {
    startRandom15(options.seed);
    AnimationState state;
    if (!buildAnimation(state, fixedRendererSettings())) {
        return 0.0;
    }
    const Clock::time_point start = Clock::now();
    for (int frame = 1; frame <= options.frames; ++frame) {
        stepSimulation(state);
    }
    return secondsSince(start) * 1e6 / options.frames;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    ToolOptionSet set;
    set.acceptsPictureOptions = true;
    const auto options = parseToolOptions(args, set, error);
    if (!options) {
        std::fprintf(stderr,
                     "corvessa-frames: %s\nusage: corvessa-frames --seed S --frames N --size WxH "
                     "--out DIR [--every K] [--bench]\n",
                     error.c_str());
        return 2;
    }
    OffscreenCanvas canvas(options->width, options->height);
    if (!canvas.valid()) {
        std::fprintf(stderr, "corvessa-frames: no off-screen OpenGL context\n");
        return 1;
    }
    startRandom15(options->seed);
    SpriteTexture sprite{};
    AnimationState animation;
    if (!setupAnimation(options->width, options->height, fixedRendererSettings(), sprite, animation)) {
        std::fprintf(stderr, "corvessa-frames: the animation could not be built\n");
        return 1;
    }

    double drawingSeconds = 0.0;
    for (int frame = 1; frame <= options->frames; ++frame) {
        const Clock::time_point start = Clock::now();
        renderFrame(animation);
        // As a buffer swap would: the frame counts once it is finished.
        glFinish();
        drawingSeconds += secondsSince(start);
        if (!options->outDir.empty() && isReportedFrame(frame, options->frames, options->every)) {
            const std::string path = framePath(options->outDir, frame);
            if (!writePng(canvas.picture(), path)) {
                std::fprintf(stderr, "corvessa-frames: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    if (options->bench) {
        std::printf("corvessa-frames %dx%d: %d frames in %.3f s, %.1f frames per second\n",
                    options->width, options->height, options->frames, drawingSeconds,
                    options->frames / drawingSeconds);
        std::printf("simulation alone: %.3f microseconds per frame\n",
                    simulationMicrosecondsPerFrame(*options));
    }
    return 0;
}
