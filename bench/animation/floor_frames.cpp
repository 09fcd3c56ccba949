// floor-frames --seed S --frames N --size WxH [--monitors M] --bench: the floor that the
// renderer's drawing is measured against. Per monitor the same view, veil and sprite state as
// the renderer, then 400 textured additive quads spread over the view and sent as one vertex
// array: about the least any drawing of such a picture can cost on the same GL. Prints its
// frames per second in the words of corvessa-frames --bench.
#include "frame_drawing_gl.h"
#include "frame_rules.h"
#include "monitors_in_a_row.h"
#include "offscreen_canvas.h"
#include "random15.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"
#include "tool_options.h"
#include "view_drawing_gl.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kQuads = 400;

struct QuadVertex {
    GLfloat s, t;
    GLfloat r, g, b;
    GLfloat x, y, z;
};

// Quads of the sprite's size at places and colours drawn from the generator.
std::vector<QuadVertex> spreadQuads(std::uint32_t seed) {
    std::vector<QuadVertex> vertices;
    seedRandom15(seed);
    const float h = spriteHalfSide(fixedRendererSettings());
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int q = 0; q < kQuads; ++q) {
        const float x = signedDraw() * 3.0f, y = signedDraw() * 2.5f, z = signedDraw();
        const float r = unitDraw(), g = unitDraw(), b = unitDraw();
        for (const auto& c : corners) {
            vertices.push_back({(c[0] + 1) / 2, (c[1] + 1) / 2, r, g, b, x + c[0] * h, y + c[1] * h, z});
        }
    }
    return vertices;
}

// One frame of the floor on every view; out of line, so that an instruction count can be
// confined to it (scripts/frame-instructions.sh).
[[gnu::noinline]] void drawFloorFrame(const ViewLayout& layout, const std::vector<QuadVertex>& quads) {
    for (const MonitorView& view : layout.views) {
        applyView(view);
        glLoadIdentity();
        drawVeil(view.aspect, veilAlpha(fixedRendererSettings().blur));
        glBlendFunc(GL_ONE, GL_ONE);
        glInterleavedArrays(GL_T2F_C3F_V3F, sizeof(QuadVertex), quads.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quads.size()));
    }
    glFlush();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    ToolOptionSet set;
    set.acceptsPictureOptions = true;
    const auto options = parseToolOptions(args, set, error);
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
    const std::vector<QuadVertex> quads = spreadQuads(options->seed);

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
