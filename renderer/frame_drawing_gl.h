// Drawing one frame of the animation with plain OpenGL 1.1: the veil over the last picture,
// then every emitter stepped and its trails drawn. Presenting the picture is the caller's.
#pragma once

#include "animation_state.h"

// How the trail points reach GL. The renderer sends a frame's sprites (geometry kind 2) as one
// vertex array; each point as its own matrix and shape is how points and spheres (kinds 0 and
// 1) are always drawn, and is kept for sprites so that the two pictures can be compared.
enum class PointDrawing { oneArray, shapeByShape };

// Steps the simulation by one frame and draws it into the current context; presenting (or
// flushing) is the caller's. Does nothing when the animation is not fully built: no frame is
// ever drawn with a missing emitter or trail.
void renderFrame(AnimationState& state, PointDrawing drawing = PointDrawing::oneArray);

// The black veil of opacity `alpha` over the whole view in the plane z = 0, blended over what
// is already there. The modelview matrix must be the identity; leaves texturing off.
void drawVeil(float aspect, float alpha);
