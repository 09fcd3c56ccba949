// The floor the renderer's drawing is measured against, shared by the off-screen floor
// (floor-frames) and the paced one under Wine (paced_floor.exe): per monitor the renderer's
// own view and veil, then 400 textured additive quads of the sprite's size spread over the
// view and sent as one vertex array, about the least any drawing of such a picture can cost.
#pragma once

#include "view_layout.h"

#include <cstdint>
#include <vector>

struct FloorVertex {
    float s, t;
    float r, g, b;
    float x, y, z;
};

// 400 quads at places and colours drawn from the generator seeded with `seed`.
std::vector<FloorVertex> spreadFloorQuads(std::uint32_t seed);

// One frame of the floor on every view of the layout, ending with glFlush. The scene must
// be set up as the renderer's (setupScene) in the current context.
void drawFloorFrame(const ViewLayout& layout, const std::vector<FloorVertex>& quads);
