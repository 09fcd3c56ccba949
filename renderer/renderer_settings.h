// The twelve animation settings of the renderer. They are fixed: nothing reads them from a
// file, the registry or the command line, and nothing changes them once the window exists.
#pragma once

#include <cstdint>

struct RendererSettings {
    std::int32_t emitterCount = 0;      // number of emitters
    std::int32_t streamsPerEmitter = 0; // streams per emitter; also the divisor of the stream offsets
    std::int32_t geometryKind = 0;      // 0 smooth points, 1 lit spheres, 2 textured additive sprites
    std::int32_t randomizeInterval = 0; // 0 never; 1..100: control values redrawn every (101-v)^2..2(101-v)^2 frames
    std::int32_t expansion = 0;         // points scaled by 1 + v * 0.0005 per frame
    std::int32_t rotationSpeed = 0;     // scene turns by v * 0.01 degrees per frame about the vertical axis
    std::int32_t wind = 0;              // points drift by v * 0.001 scene units along z per frame
    std::int32_t trailLength = 0;       // points per trail; lightness step along a trail is 1 / v
    std::int32_t particleSize = 0;      // sprite half-side and sphere radius are v * 0.005 scene units
    std::int32_t sphereComplexity = 0;  // sphere slices v + 2, stacks v + 1
    std::int32_t controlSpeed = 0;      // control value velocities scale with v squared
    std::int32_t blur = 0;              // 0 clears each frame; otherwise veil opacity 0.5 - v^(1/4) * 0.15495
};

// The values the renderer always runs with.
RendererSettings fixedRendererSettings();

// The one instance for the whole run, filled when the saver window is created.
RendererSettings& rendererSettings();
