// OpenGL state of the animation that is set once, after a context is current: viewport,
// perspective, and the shape every trail point is drawn with. Plain OpenGL 1.1 and GLU, so
// the Windows renderer and the off-screen tools share it.
#pragma once

#include "animation_state.h"
#include "renderer_settings.h"
#include "sprite_texture.h"

// The display list every point's shape (a sprite or a sphere) is compiled into.
inline constexpr unsigned kShapeList = 1;

// The fixed perspective for a view of this width / height, viewer included; leaves the
// modelview matrix selected.
void setProjection(float aspect);

// Sets the viewport to width x height pixels and the fixed perspective, leaves the modelview
// matrix selected and clean, clears the picture, and prepares display list 1 (and, for
// sprites, texture object 1 from `sprite`, which the caller keeps for the whole run).
void setupScene(int width, int height, const RendererSettings& settings, SpriteTexture& sprite);

// The whole set-up after the random generator is seeded and a context is current: the scene
// above, then the animation built first emitter to last for a view of width x height pixels.
// False when the animation cannot be built (see buildAnimation).
bool setupAnimation(int width, int height, const RendererSettings& settings, SpriteTexture& sprite,
                    AnimationState& animation);
