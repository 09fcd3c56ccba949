// Corners of the frame's sprites on the CPU.
#include "sprite_batch.h"

#include "frame_rules.h"
#include "hsv_colour.h"

#include <cstdint>

namespace {

// The single-sprite square's corners in its own units of its half-side, with their texture
// coordinates, in the order its two triangles give them.
struct SquareCorner {
    float dx, dy, s, t;
};
constexpr SquareCorner kSquare[kVerticesPerSprite] = {
    {-1.0f, -1.0f, 0.0f, 0.0f}, {1.0f, -1.0f, 1.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f},
    {-1.0f, -1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f},  {-1.0f, 1.0f, 0.0f, 1.0f},
};

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

float spriteHalfSide(const RendererSettings& settings) {
    return static_cast<float>(settings.particleSize) * 0.005f;
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
    float lightness = frame.hueStep;
    for (int i = 1; i <= n; ++i) {
        const TrailPoint& p = stream.points[static_cast<std::size_t>((stream.head + i) % n)];
        const Rgb colour = hsvToRgb(p.hue, p.saturation, lightness);
        const TurnedPosition centre = turnAboutVertical(p.x, p.y, p.z, frame.cosA, frame.sinA);
        // The point's own matrix: its translation to the turned position, then the taper.
        const float scale = taperScale(n - i);
        const GlMatrix point = {scale, 0.0f,  0.0f,  0.0f,      0.0f,     scale,    0.0f,  0.0f,
                                0.0f,  0.0f,  scale, 0.0f,      centre.x, centre.y, centre.z, 1.0f};
        const GlMatrix m = multiplyGlMatrices(frame.projection, point);
        for (const SquareCorner& c : kSquare) {
            // The corner (x, y, 0, 1) through m; its z and w terms are the last column alone.
            const float x = c.dx * frame.halfSide;
            const float y = c.dy * frame.halfSide;
            float clip[4];
            for (int row = 0; row < 4; ++row) {
                clip[row] = m[0 * 4 + row] * x + m[1 * 4 + row] * y + m[3 * 4 + row];
            }
            *out++ = SpriteVertex{c.s, c.t, colour.r, colour.g, colour.b, clip[0], clip[1], clip[2], clip[3]};
        }
        lightness += frame.hueStep;
    }
    batch.used += static_cast<std::size_t>(n) * kVerticesPerSprite;
}
