// Builds the luminance spot of the particle sprite.
#include "sprite_texture.h"

#include <algorithm>
#include <cmath>

SpriteTexture buildSpriteTexture() {
    SpriteTexture texels{};
    for (int i = 0; i < kSpriteTextureSize; ++i) {
        for (int j = 0; j < kSpriteTextureSize; ++j) {
            // The texel values are defined in double precision; float could round some differently.
            const double a = (i - 32) * 0.03125;
            const double b = (j - 32) * 0.03125;
            const double c = std::clamp(1.0 - std::sqrt(a * a + b * b), 0.0, 1.0);
            texels[static_cast<size_t>(i * kSpriteTextureSize + j)] =
                static_cast<std::uint8_t>(c * c * 255.0);
        }
    }
    return texels;
}
