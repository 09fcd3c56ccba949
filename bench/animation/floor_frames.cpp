// floor-frames --seed S --frames N --size WxH [--monitors M] --bench: the floor (floor_scene.h)
// drawn off-screen as corvessa-frames draws the renderer's frames, with its frames per second
// in the same words. Its frames are drawn by drawFloorFrame alone, so that an instruction count
// can be confined to it (scripts/frame-instructions.sh).
#include "floor_scene.h"
#include "monitors_in_a_row.h"
#include "offscreen_canvas.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"
#include "tool_options.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::string error;
    const auto options = parsePictureToolOptions(argc, argv, error);
    if (!options || !options->bench) {
        std::fprintf(stderr, "floor-frames: %s\nusage: floor-frames --seed S --frames N --size WxH "
                             "[--monitors M] --bench\n",
                     options ? "--bench is required" : error.c_str());
        return 2;
    }
    const ViewLayout layout = monitorsInARow(options->monitors, options->width, options->height);
    OffscreenCanvas canvas(layout.window.width(), layout.window.height());
    if (!canvas.valid()) {
        std::fprintf(stderr, "floor-frames: no off-screen OpenGL context\n");
        return 1;
    }
    SpriteTexture sprite{};
    setupScene(layout.window.width(), layout.window.height(), fixedRendererSettings(), sprite);
    const std::vector<FloorVertex> quads = spreadFloorQuads(options->seed);

    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < options->frames; ++frame) {
        drawFloorFrame(layout, quads);
        glFinish();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("floor-frames %d monitor%s of %dx%d: %d frames in %.3f s, %.1f frames per second\n",
                options->monitors, options->monitors == 1 ? "" : "s", options->width, options->height,
                options->frames, seconds, options->frames / seconds);
    return 0;
}
