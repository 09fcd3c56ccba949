// The fixed animation settings and their one process-wide instance.
#include "renderer_settings.h"

RendererSettings fixedRendererSettings() {
    RendererSettings s;
    s.emitterCount = 2;
    s.streamsPerEmitter = 2;
    s.geometryKind = 2;
    s.randomizeInterval = 0;
    s.expansion = 0;
    s.rotationSpeed = 0;
    s.wind = 0;
    s.trailLength = 100;
    s.particleSize = 50;
    s.sphereComplexity = 3;
    s.controlSpeed = 100;
    s.blur = 30;
    return s;
}

RendererSettings& rendererSettings() {
    static RendererSettings settings;
    return settings;
}
