// Everything the animation keeps from one frame to the next, in one record: the settings it
// was built with, the emitters, and the values derived once from the settings.
#pragma once

#include "particle_streams.h"
#include "renderer_settings.h"
#include "sprite_batch.h"

#include <vector>

struct AnimationState {
    RendererSettings settings;
    std::vector<Emitter> emitters;
    float hueStep = 0.0f;          // lightness step along a trail: 1 / trailLength
    float expansionFactor = 1.0f;  // every point is scaled by this once per frame
    float windStep = 0.0f;         // scene units every point moves along z per frame
    float rotationAngle = 0.0f;    // degrees about the vertical axis, in [0, 360) when turning forwards
    float cosA = 1.0f;             // cosine and sine of rotationAngle, for turning points by hand
    float sinA = 0.0f;
    float viewAspect = 1.0f;       // width / height of the view, for the veil
    SpriteBatch sprites;           // the frame's sprites as one array (geometry kind 2 only)
};

// Builds the emitters first to last (their random draws follow one another in that order),
// the derived values and, for sprites, the room for a frame's corners. False, with no
// emitters, when the settings ask for sizes that cannot exist or memory for the trails or the
// corners cannot be had: the animation must then not run.
bool buildAnimation(AnimationState& state, const RendererSettings& settings);

// True when every emitter, stream and trail the settings ask for is in place.
bool animationReady(const AnimationState& state);

// Advances the scene's turn for one frame and refreshes its cosine and sine.
void advanceRotation(AnimationState& state);

// What draws a frame while it is stepped.
class FrameVisitor {
public:
    virtual ~FrameVisitor() = default;
    // The scene has turned for this frame; no point has moved yet.
    virtual void turned(const AnimationState&) {}
    // The stream after its emitter's update and before its trail's drift: as the frame shows it.
    virtual void stream(const Stream&) {}
};

// One frame of the animation: the turn, then every emitter in order, updated, and each of its
// streams shown to `visitor` and drifted. The one way a frame is stepped, drawn or not, so that
// the renderer's pictures, the tools' and the trace all follow the same steps in the same
// order. Gives how many range guards fired.
int stepAnimation(AnimationState& state, FrameVisitor& visitor);

// One frame of the simulation without drawing.
int stepSimulation(AnimationState& state);
