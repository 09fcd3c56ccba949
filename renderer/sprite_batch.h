// The textured sprites of one frame (geometry kind 2) as one vertex array, so that a frame
// costs the driver one draw instead of a matrix push, translation, scale, list call and pop
// per trail point. Each corner is worked out here exactly as the GL worked it out from the
// per-point matrices: the view's projection times the point's translation and taper scale,
// formed in the GL's own order of products and sums, then applied to the corner. The GL is
// handed the finished clip coordinates and draws them with identity matrices, so no rounding
// differs and the picture stays the one the per-point matrices drew. Portable: no GL here.
#pragma once

#include "frame_rules.h"
#include "particle_streams.h"
#include "renderer_settings.h"

#include <array>
#include <cstddef>
#include <vector>

// A 4x4 matrix as OpenGL keeps it: column after column (element [column * 4 + row]).
using GlMatrix = std::array<float, 16>;

// One corner of a sprite's square (kSpriteSquare): texture coordinates, colour, and the
// position in clip coordinates (x, y, z, w).
struct SpriteVertex {
    float s, t;
    float r, g, b;
    float x, y, z, w;
};

struct SpriteBatch {
    std::vector<SpriteVertex> vertices;  // room for every trail point, sized once
    std::size_t used = 0;                // corners written this frame
};

// What every sprite of one view's frame shares.
struct SpriteFrame {
    GlMatrix projection{};  // the view's projection, as the GL holds it
    float cosA = 1.0f;      // the scene's turn about the vertical axis
    float sinA = 0.0f;
    float hueStep = 0.0f;   // lightness step from the oldest point of a trail to the newest
    float halfSide = 0.0f;  // the untapered sprite's half-side in scene units
};

// Gives the batch room for every point of every trail the settings make; throws
// std::bad_alloc when that cannot be had. The only allocation: frames reuse the room.
void sizeSpriteBatch(SpriteBatch& batch, const RendererSettings& settings);

// True when the batch has room for every point of every trail the settings make.
bool spriteBatchSized(const SpriteBatch& batch, const RendererSettings& settings);

// Appends the stream's trail, oldest point first: each point turned about the vertical axis,
// scaled by the head taper and coloured at a lightness rising by `hueStep` along the trail.
// Writes nothing when the batch has no room left for the whole trail.
void appendTrailSprites(SpriteBatch& batch, const Stream& stream, const SpriteFrame& frame);

// a x b, each element summed left to right over its four products, as OpenGL implementations
// form a matrix product on the CPU.
GlMatrix multiplyGlMatrices(const GlMatrix& a, const GlMatrix& b);
