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

// One frame of the simulation without drawing: every emitter in order, then the drift of
// every trail. The same steps, in the same order, as a drawn frame. Gives how many range
// guards fired.
int stepSimulation(AnimationState& state);
