// View, veil, particle, taper and turn numbers of a frame.
#include "frame_rules.h"

#include <algorithm>
#include <cmath>

float viewAspect(int width, int height) {
    return static_cast<float>(width) / static_cast<float>(std::max(height, 1));
}

double viewHalfHeightAtOrigin() {
    const double halfAngle = kFieldOfViewDegrees / 2.0 * 3.14159265358979323846 / 180.0;
    return kViewerDistance * std::tan(halfAngle);
}

float veilAlpha(int blur) {
    return 0.5f - std::sqrt(std::sqrt(static_cast<float>(blur))) * 0.15495f;
}

VeilExtent veilExtent(float aspect) {
    VeilExtent extent;
    // The view reaches about 2.98 units up and 2.98 * aspect sideways at z = 0, so 4 by
    // 4 * aspect always covers it with room to spare; up to 5:4 the rectangle stays 5 by 4.
    extent.halfWidth = std::max(5.0f, 4.0f * aspect);
    return extent;
}

float particleSizeInScene(const RendererSettings& settings) {
    return static_cast<float>(settings.particleSize) * 0.005f;
}

float taperScale(int placeFromNewest) {
    switch (placeFromNewest) {
    case 0: return 0.259f;
    case 1: return 0.5f;
    case 2: return 0.707f;
    case 3: return 0.866f;
    case 4: return 0.966f;
    default: return 1.0f;
    }
}

float pointSizeFactor(int placeFromNewest) {
    switch (placeFromNewest) {
    case 0: return 0.001036f;
    case 1: return 0.002f;
    case 2: return 0.002828f;
    case 3: return 0.003464f;
    case 4: return 0.003864f;
    default: return 0.004f;
    }
}

TurnedPosition turnAboutVertical(float x, float y, float z, float cosA, float sinA) {
    return {x * cosA + z * sinA, y, z * cosA - x * sinA};
}
