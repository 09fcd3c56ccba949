// Drawing every monitor's view into the one window: each view gets its viewport, a scissor
// that keeps its veil and sprites off its neighbours, and its own perspective.
#pragma once

#include "frame_drawing_gl.h"
#include "renderer_settings.h"
#include "sprite_texture.h"
#include "view_animations.h"
#include "view_layout.h"

// The set-up after the generator is seeded and a context is current: the scene over the whole
// window, then one animation per view, the primary's first. False when any cannot be built.
bool setupViews(const ViewLayout& layout, const RendererSettings& settings, SpriteTexture& sprite,
                ViewAnimations& views);

// Confines drawing to the view: its viewport, a scissor of the same rectangle, its perspective.
void applyView(const MonitorView& view);

// One frame on every view: for each, its veil and one step of its animation. Ends with glFlush.
void renderViews(ViewAnimations& views);

// Clears the whole window: after a display change the parts that were outside the old
// window hold no picture yet.
void clearWindow(const ViewLayout& layout);
