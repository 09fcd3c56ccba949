// Drawing one frame of the animation with plain OpenGL 1.1: the veil over the last picture,
// then every emitter stepped and its trails drawn. Presenting the picture is the caller's.
#pragma once

#include "animation_state.h"

// Steps the simulation by one frame and draws it into the current context, ending with
// glFlush. Does nothing when the animation is not fully built: no frame is ever drawn with
// a missing emitter or trail.
void renderFrame(AnimationState& state);

// The black veil of opacity `alpha` over the whole view in the plane z = 0, blended over what
// is already there. The modelview matrix must be the identity.
void drawVeil(float aspect, float alpha);
