// Drawing one frame of the animation with plain OpenGL 1.1: the veil over the last picture,
// then the animation stepped and its trails drawn. Presenting the picture is the caller's.
#pragma once

#include "animation_state.h"

// Steps the simulation by one frame and draws it into the current context: a frame's sprites
// (geometry kind 2) as one vertex array, points and spheres (kinds 0 and 1) each with its own
// matrix and shape. Presenting (or flushing) is the caller's. Does nothing when the animation
// is not fully built: no frame is ever drawn with a missing emitter or trail.
void renderFrame(AnimationState& state);

// For drawing a frame's points another way: what every frame does before its step (the veil
// over the last picture, or a clear), and once it has turned (the turn of spheres, and the
// GL state of the geometry kind). renderFrame is these around its own drawing of the points.
void beginFrame(const AnimationState& state);
void applyFrameState(const AnimationState& state);

// The black veil of opacity `alpha` over the whole view in the plane z = 0, blended over what
// is already there. The modelview matrix must be the identity; leaves texturing off.
void drawVeil(float aspect, float alpha);
