// Corners of the frame's sprites on the CPU.
#include "sprite_batch.h"

#include "hsv_colour.h"
#include "trail_walk.h"

#include <cstdint>

namespace {

std::size_t spriteCorners(const RendererSettings& s) {
    if (s.emitterCount <= 0 || s.streamsPerEmitter <= 0 || s.trailLength <= 0) return 0;
    return static_cast<std::size_t>(std::int64_t{s.emitterCount} * s.streamsPerEmitter *
                                    s.trailLength * kVerticesPerSprite);
}

}  // namespace

void sizeSpriteBatch(SpriteBatch& batch, const RendererSettings& settings) {
    batch.vertices.assign(spriteCorners(settings), SpriteVertex{});
    batch.used = 0;
}

bool spriteBatchSized(const SpriteBatch& batch, const RendererSettings& settings) {
    return batch.vertices.size() == spriteCorners(settings);
}

GlMatrix multiplyGlMatrices(const GlMatrix& a, const GlMatrix& b) {
    GlMatrix product{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = a[0 * 4 + row] * b[column * 4 + 0];
            sum = sum + a[1 * 4 + row] * b[column * 4 + 1];
            sum = sum + a[2 * 4 + row] * b[column * 4 + 2];
            sum = sum + a[3 * 4 + row] * b[column * 4 + 3];
            product[column * 4 + row] = sum;
        }
    }
    return product;
}

void appendTrailSprites(SpriteBatch& batch, const Stream& stream, const SpriteFrame& frame) {
    const int n = static_cast<int>(stream.points.size());
    if (batch.vertices.size() - batch.used < static_cast<std::size_t>(n) * kVerticesPerSprite) {
        return;
    }
    SpriteVertex* out = batch.vertices.data() + batch.used;
    walkTrail(stream, frame.hueStep, [&](const TrailPoint& p, int placeFromNewest, float lightness) {
        const Rgb colour = hsvToRgb(p.hue, p.saturation, lightness);
        const TurnedPosition centre = turnAboutVertical(p.x, p.y, p.z, frame.cosA, frame.sinA);
        // The point's own matrix: its translation to the turned position, then the taper.
        const float scale = taperScale(placeFromNewest);
        const GlMatrix point = {scale, 0.0f,  0.0f,  0.0f,      0.0f,     scale,    0.0f,  0.0f,
                                0.0f,  0.0f,  scale, 0.0f,      centre.x, centre.y, centre.z, 1.0f};
        const GlMatrix m = multiplyGlMatrices(frame.projection, point);
        for (const SquareCorner& c : kSpriteSquare) {
            // The corner (x, y, 0, 1) through m; its z and w terms are the last column alone.
            const float x = c.dx * frame.halfSide;
            const float y = c.dy * frame.halfSide;
            float clip[4];
            for (int row = 0; row < 4; ++row) {
                clip[row] = m[0 * 4 + row] * x + m[1 * 4 + row] * y + m[3 * 4 + row];
            }
            *out++ = SpriteVertex{c.s, c.t, colour.r, colour.g, colour.b, clip[0], clip[1], clip[2], clip[3]};
        }
    });
    batch.used += static_cast<std::size_t>(n) * kVerticesPerSprite;
}
