// One animation per monitor. The primary's is built first, straight from the generator as
// the start left it, so that its emitters and every random number it draws are those of a
// saver on one monitor; the others are built after it, monitor by monitor. Each animation
// keeps its own generator state, swapped in while it is built or stepped, so that what one
// monitor draws never shifts another's sequence. Portable: no GL here.
#pragma once

#include "animation_state.h"
#include "view_layout.h"

#include <cstdint>
#include <functional>
#include <vector>

struct ViewAnimation {
    MonitorView view;
    AnimationState animation;
    std::uint32_t randomState = 0;  // this animation's generator between its turns
};

using ViewAnimations = std::vector<ViewAnimation>;

// Builds one animation per view of `layout`, in the layout's order (the primary first), from
// the generator as it stands. False, with no animations, when any cannot be built.
bool buildViewAnimations(ViewAnimations& views, const ViewLayout& layout, const RendererSettings& settings);

// After a display change: the animation of a monitor that stays (the same device name, or
// else the same rectangle) goes on where it was, now with the new view; a new monitor gets a
// new animation whose generator starts from `seedForNew`. False, with no animations, when a
// new one cannot be built.
bool relayoutViewAnimations(ViewAnimations& views, const ViewLayout& layout,
                            const RendererSettings& settings, std::uint32_t seedForNew);

// Runs `step` on each view in order, with that view's generator swapped in.
void forEachView(ViewAnimations& views, const std::function<void(ViewAnimation&)>& step);
