// The floor's quads and its frame.
#include "floor_scene.h"

#include "frame_drawing_gl.h"
#include "frame_rules.h"
#include "random15.h"
#include "renderer_settings.h"
#include "sprite_batch.h"
#include "view_drawing_gl.h"

#ifdef _WIN32
#include <windows.h>
#endif
#include <GL/gl.h>

namespace {

constexpr int kQuads = 400;

}  // namespace

std::vector<FloorVertex> spreadFloorQuads(std::uint32_t seed) {
    std::vector<FloorVertex> vertices;
    seedRandom15(seed);
    const float h = particleSizeInScene(fixedRendererSettings());
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

void drawFloorFrame(const ViewLayout& layout, const std::vector<FloorVertex>& quads) {
    for (const MonitorView& view : layout.views) {
        applyView(view);
        glLoadIdentity();
        drawVeil(view.aspect, veilAlpha(fixedRendererSettings().blur));
        glBlendFunc(GL_ONE, GL_ONE);
        glEnable(GL_TEXTURE_2D);
        glInterleavedArrays(GL_T2F_C3F_V3F, sizeof(FloorVertex), quads.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quads.size()));
    }
    glFlush();
}
