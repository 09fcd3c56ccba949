// Per-monitor animations and their generators.
#include "view_animations.h"

#include "random15.h"

namespace {

// Puts a view's generator state in place for its turn and keeps where it ended.
class GeneratorTurn {
public:
    explicit GeneratorTurn(std::uint32_t& viewState) : viewState_(viewState), outer_(random15State()) {
        seedRandom15(viewState_);
    }
    ~GeneratorTurn() {
        viewState_ = random15State();
        seedRandom15(outer_);
    }
    GeneratorTurn(const GeneratorTurn&) = delete;
    GeneratorTurn& operator=(const GeneratorTurn&) = delete;

private:
    std::uint32_t& viewState_;
    std::uint32_t outer_;
};

// Another monitor's generator must not simply continue where the one before it was left:
// its draws would then repeat that one's next draws. A fixed odd step apart per monitor; the
// first view (index 0) keeps its state as it is.
std::uint32_t offsetState(std::uint32_t state, size_t viewIndex) {
    return state ^ (0x9E3779B9u * static_cast<std::uint32_t>(viewIndex));
}

bool buildOne(ViewAnimation& v, const RendererSettings& settings) {
    GeneratorTurn turn(v.randomState);
    const bool built = buildAnimation(v.animation, settings);
    v.animation.viewAspect = v.view.aspect;
    return built;
}

// The old animation of the monitor that `view` shows, not yet handed on; or none.
ViewAnimation* findStaying(ViewAnimations& old, std::vector<bool>& taken, const MonitorView& view) {
    const MonitorRecord& m = view.monitor;
    auto pick = [&](auto matches) -> ViewAnimation* {
        for (size_t i = 0; i < old.size(); ++i) {
            if (!taken[i] && matches(old[i].view.monitor)) {
                taken[i] = true;
                return &old[i];
            }
        }
        return nullptr;
    };
    ViewAnimation* found = nullptr;
    if (!m.deviceName.empty()) {
        found = pick([&](const MonitorRecord& o) { return o.deviceName == m.deviceName; });
    }
    if (!found) found = pick([&](const MonitorRecord& o) { return o.bounds == m.bounds; });
    return found;
}

}  // namespace

bool buildViewAnimations(ViewAnimations& views, const ViewLayout& layout, const RendererSettings& settings) {
    // No monitor stays from before: every view is new, the primary's first from the generator
    // as it stands, which its unshifted state then continues.
    views.clear();
    return relayoutViewAnimations(views, layout, settings, random15State());
}

bool relayoutViewAnimations(ViewAnimations& views, const ViewLayout& layout,
                            const RendererSettings& settings, std::uint32_t seedForNew) {
    ViewAnimations next;
    next.reserve(layout.views.size());
    std::vector<bool> taken(views.size(), false);
    std::uint32_t chain = seedForNew;
    for (size_t i = 0; i < layout.views.size(); ++i) {
        const MonitorView& view = layout.views[i];
        if (ViewAnimation* staying = findStaying(views, taken, view)) {
            ViewAnimation v = std::move(*staying);
            v.view = view;
            v.animation.viewAspect = view.aspect;
            next.push_back(std::move(v));
            continue;
        }
        ViewAnimation v;
        v.view = view;
        v.randomState = chain;
        if (!buildOne(v, settings)) {
            views.clear();
            return false;
        }
        chain = v.randomState;
        v.randomState = offsetState(v.randomState, i);
        next.push_back(std::move(v));
    }
    views = std::move(next);
    return true;
}

void forEachView(ViewAnimations& views, const std::function<void(ViewAnimation&)>& step) {
    for (ViewAnimation& v : views) {
        GeneratorTurn turn(v.randomState);
        step(v);
    }
}
