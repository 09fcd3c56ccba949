// corvessa-frames --seed S --frames N --size WxH --out DIR [--every K] [--monitors M] [--bench]:
// renders the renderer's frames off-screen with its very set-up and drawing code and writes
// PNG files (frame-000001.png, ...); with --monitors, M monitors of WxH side by side, each
// with its own view, as the renderer draws on several monitors. With --bench it prints frames
// per second and the simulation's cost per frame instead of (or besides) writing pictures.
#include "animation_state.h"
#include "drawing_comparison.h"
#include "monitors_in_a_row.h"
#include "offscreen_canvas.h"
#include "png_file.h"
#include "random15.h"
#include "renderer_settings.h"
#include "tool_options.h"
#include "view_drawing_gl.h"
#include "view_layout.h"

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

// Draws every frame both ways and prints how far the pictures lie apart at the worst.
int compareDrawings(const ToolOptions& options, const ViewLayout& layout) {
    DrawingComparison comparison(layout, options.seed);
    if (!comparison.valid()) {
        std::fprintf(stderr, "corvessa-frames: no off-screen OpenGL context or animation\n");
        return 1;
    }
    ComparisonTally tally;
    for (int frame = 1; frame <= options.frames; ++frame) tally.add(comparison.nextFrame());
    std::printf("one vertex array against one shape per point, %d frames of %dx%d: %d frames differ; "
                "at most %zu pixels in a frame (%.4f %%), by at most %d of 255\n",
                tally.frames, layout.window.width(), layout.window.height(), tally.framesDiffering,
                tally.mostDifferingPixels, 100.0 * static_cast<double>(tally.mostDifferingPixels) /
                                               static_cast<double>(tally.pixelsPerFrame),
                tally.largestChannelDifference);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parsePictureToolOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr,
                     "corvessa-frames: %s\nusage: corvessa-frames --seed S --frames N --size WxH "
                     "--out DIR [--every K] [--monitors M] [--bench] [--compare]\n",
                     error.c_str());
        return 2;
    }
    const ViewLayout layout = monitorsInARow(options->monitors, options->width, options->height);
    if (options->compare) return compareDrawings(*options, layout);
    OffscreenCanvas canvas(layout.window.width(), layout.window.height());
    if (!canvas.valid()) {
        std::fprintf(stderr, "corvessa-frames: no off-screen OpenGL context\n");
        return 1;
    }
    startRandom15(options->seed);
    SpriteTexture sprite{};
    ViewAnimations views;
    if (!setupViews(layout, fixedRendererSettings(), sprite, views)) {
        std::fprintf(stderr, "corvessa-frames: the animation could not be built\n");
        return 1;
    }

    double drawingSeconds = 0.0;
    for (int frame = 1; frame <= options->frames; ++frame) {
        const Clock::time_point start = Clock::now();
        renderViews(views);
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
        std::printf("corvessa-frames %d monitor%s of %dx%d: %d frames in %.3f s, %.1f frames per second\n",
                    options->monitors, options->monitors == 1 ? "" : "s", options->width,
                    options->height, options->frames, drawingSeconds, options->frames / drawingSeconds);
        std::printf("simulation alone: %.3f microseconds per frame\n",
                    simulationMicrosecondsPerFrame(*options));
    }
    return 0;
}
