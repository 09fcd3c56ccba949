// The soft circular spot that every trail point is drawn with (geometry kind 2).
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kSpriteTextureSize = 64;  // texels per side

// Luminance texels, row after row: texel (row i, column j) is byte i * 64 + j.
using SpriteTexture = std::array<std::uint8_t, kSpriteTextureSize * kSpriteTextureSize>;

// 255 in the centre texel (32, 32), falling off with the square of (1 - distance / 32),
// and 0 at and beyond 32 texels from the centre.
SpriteTexture buildSpriteTexture();
