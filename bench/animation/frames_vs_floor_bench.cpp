// Frames per second of the real drawing (corvessa-frames --bench, off-screen over OSMesa) on
// one, two and three monitors of 1920x1080 side by side, beside a floor for one: the same veil
// and 400 textured additive quads sent as one vertex array, which is about the least any
// drawing of this picture can cost on the same GL.
#include "frame_drawing_gl.h"
#include "frame_rules.h"
#include "offscreen_canvas.h"
#include "random15.h"
#include "renderer_settings.h"
#include "scene_setup_gl.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kFrames = 300;
constexpr int kQuads = 400;

struct QuadVertex {
    GLfloat s, t;
    GLfloat r, g, b;
    GLfloat x, y, z;
};

std::vector<QuadVertex> spreadQuads() {
    std::vector<QuadVertex> vertices;
    seedRandom15(7);
    const float h = 0.25f;
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

double floorFramesPerSecond() {
    OffscreenCanvas canvas(kWidth, kHeight);
    if (!canvas.valid()) return 0.0;
    SpriteTexture sprite{};
    setupScene(kWidth, kHeight, fixedRendererSettings(), sprite);
    const std::vector<QuadVertex> vertices = spreadQuads();
    const float aspect = viewAspect(kWidth, kHeight);
    glInterleavedArrays(GL_T2F_C3F_V3F, sizeof(QuadVertex), vertices.data());

    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFrames; ++frame) {
        glLoadIdentity();
        drawVeil(aspect, veilAlpha(30));
        glBlendFunc(GL_ONE, GL_ONE);
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices.size()));
        glFinish();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return kFrames / seconds;
}

}  // namespace

int main() {
    std::printf("%d frames at %dx%d per monitor, OSMesa (llvmpipe), one process at a time\n", kFrames,
                kWidth, kHeight);
    std::fflush(stdout);
    std::string toolOutput;
    for (int monitors = 1; monitors <= 3; ++monitors) {
        const std::string command = std::string(CORVESSA_FRAMES_TOOL) + " --seed 1 --frames " +
                                    std::to_string(kFrames) + " --size 1920x1080 --monitors " +
                                    std::to_string(monitors) + " --bench";
        if (FILE* tool = popen(command.c_str(), "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, tool) != nullptr) toolOutput += line;
            pclose(tool);
        }
    }
    const double floorFps = floorFramesPerSecond();
    std::printf("  renderer drawing (corvessa-frames --bench):\n");
    std::printf("%s", toolOutput.empty() ? "    (corvessa-frames did not run)\n" : "");
    size_t from = 0;
    while (from < toolOutput.size()) {
        const size_t end = toolOutput.find('\n', from);
        std::printf("    %s\n", toolOutput.substr(from, end - from).c_str());
        from = end == std::string::npos ? toolOutput.size() : end + 1;
    }
    std::printf("  floor (veil + %d textured quads, one vertex array): %.1f frames per second\n",
                kQuads, floorFps);
    return 0;
}
