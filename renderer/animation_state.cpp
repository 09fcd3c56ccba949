// Building the animation's state and stepping it.
#include "animation_state.h"

#include <cmath>
#include <cstdint>
#include <new>
#include <stdexcept>

namespace {

// Far more than any setting allows; beyond it the sizes alone say the settings are broken.
constexpr std::int64_t kMaxTrailPoints = std::int64_t{1} << 28;

bool sizesPossible(const RendererSettings& s) {
    if (s.emitterCount < 0 || s.streamsPerEmitter < 1 || s.trailLength < 1) {
        return false;
    }
    const std::int64_t points =
        std::int64_t{s.emitterCount} * s.streamsPerEmitter * std::int64_t{s.trailLength};
    return points <= kMaxTrailPoints;
}

}  // namespace

bool buildAnimation(AnimationState& state, const RendererSettings& settings) {
    state = AnimationState{};
    state.settings = settings;
    if (!sizesPossible(settings)) {
        return false;
    }
    state.hueStep = 1.0f / static_cast<float>(settings.trailLength);
    state.expansionFactor = 1.0f + static_cast<float>(settings.expansion) * 0.0005f;
    state.windStep = static_cast<float>(settings.wind) * 0.001f;
    try {
        state.emitters.reserve(static_cast<size_t>(settings.emitterCount));
        for (int e = 0; e < settings.emitterCount; ++e) {
            state.emitters.push_back(
                makeEmitter(settings.streamsPerEmitter, settings.trailLength, settings.controlSpeed));
        }
        if (settings.geometryKind == 2) {
            sizeSpriteBatch(state.sprites, settings);
        }
    } catch (const std::bad_alloc&) {
        state.emitters.clear();
        state.emitters.shrink_to_fit();
        return false;
    } catch (const std::length_error&) {
        state.emitters.clear();
        state.emitters.shrink_to_fit();
        return false;
    }
    return true;
}

bool animationReady(const AnimationState& state) {
    const RendererSettings& s = state.settings;
    if (!sizesPossible(s) || state.emitters.size() != static_cast<size_t>(s.emitterCount)) {
        return false;
    }
    if (s.geometryKind == 2 && !spriteBatchSized(state.sprites, s)) {
        return false;
    }
    for (const Emitter& emitter : state.emitters) {
        if (emitter.streams.size() != static_cast<size_t>(s.streamsPerEmitter)) {
            return false;
        }
        for (const Stream& stream : emitter.streams) {
            if (stream.points.size() != static_cast<size_t>(s.trailLength)) {
                return false;
            }
        }
    }
    return true;
}

void advanceRotation(AnimationState& state) {
    state.rotationAngle += static_cast<float>(state.settings.rotationSpeed) * 0.01f;
    // Only a forward wrap: a backwards turn runs on below 0 unbounded, as it always has.
    if (state.rotationAngle >= 360.0f) {
        state.rotationAngle -= 360.0f;
    }
    const float radians = state.rotationAngle * 0.017453292f;
    state.cosA = std::cos(radians);
    state.sinA = std::sin(radians);
}

int stepAnimation(AnimationState& state, FrameVisitor& visitor) {
    advanceRotation(state);
    visitor.turned(state);
    int guardFirings = 0;
    for (Emitter& emitter : state.emitters) {
        guardFirings += updateEmitter(emitter, state.settings.randomizeInterval);
        // A stream's drawing reads only its own points, and its drift comes after it: the
        // same picture as drifting each point while drawing it.
        for (Stream& stream : emitter.streams) {
            visitor.stream(stream);
            driftTrail(stream, state.expansionFactor, state.windStep);
        }
    }
    return guardFirings;
}

int stepSimulation(AnimationState& state) {
    FrameVisitor nothingDrawn;
    return stepAnimation(state, nothingDrawn);
}
