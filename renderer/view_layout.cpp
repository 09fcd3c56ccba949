// The saver window's rectangle and the per-monitor views.
#include "view_layout.h"

#include "frame_rules.h"

#include <algorithm>
#include <tuple>

namespace {

bool containsOrigin(const ScreenRect& r) {
    return r.left <= 0 && r.top <= 0 && r.right > 0 && r.bottom > 0;
}

// The primary among the usable monitors: the one the system marks, else the one at 0,0.
size_t primaryIndex(const std::vector<MonitorRecord>& monitors) {
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].primary) return i;
    }
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (containsOrigin(monitors[i].bounds)) return i;
    }
    return 0;
}

ScreenRect unionOf(const std::vector<MonitorRecord>& monitors) {
    ScreenRect u = monitors.front().bounds;
    for (const MonitorRecord& m : monitors) {
        u.left = std::min(u.left, m.bounds.left);
        u.top = std::min(u.top, m.bounds.top);
        u.right = std::max(u.right, m.bounds.right);
        u.bottom = std::max(u.bottom, m.bounds.bottom);
    }
    return u;
}

MonitorView viewOf(const MonitorRecord& monitor, const ScreenRect& window) {
    MonitorView view;
    view.monitor = monitor;
    view.viewport.x = monitor.bounds.left - window.left;
    // GL counts rows from the bottom of the window.
    view.viewport.y = window.bottom - monitor.bounds.bottom;
    view.viewport.width = monitor.bounds.width();
    view.viewport.height = monitor.bounds.height();
    view.aspect = viewAspect(view.viewport.width, view.viewport.height);
    return view;
}

}  // namespace

ViewLayout layoutViews(const std::vector<MonitorRecord>& monitors, const ScreenRect& fallbackScreen) {
    std::vector<MonitorRecord> usable;
    for (const MonitorRecord& m : monitors) {
        if (m.bounds.empty()) continue;
        const bool mirrored = std::any_of(usable.begin(), usable.end(), [&](const MonitorRecord& u) {
            return u.bounds == m.bounds;
        });
        if (mirrored) {
            // The mirror keeps the primary mark, so the primary's animation stays today's.
            if (m.primary) {
                for (MonitorRecord& u : usable) {
                    if (u.bounds == m.bounds) u.primary = true;
                }
            }
            continue;
        }
        usable.push_back(m);
    }
    if (usable.empty()) {
        MonitorRecord screen;
        screen.bounds = fallbackScreen;
        screen.primary = true;
        usable.push_back(screen);
    }
    const size_t primary = primaryIndex(usable);
    for (size_t i = 0; i < usable.size(); ++i) usable[i].primary = i == primary;
    // A fixed order for the others, whatever order the system enumerates them in. Mirrors are
    // gone, so no two monitors share a rectangle.
    std::sort(usable.begin(), usable.end(), [](const MonitorRecord& a, const MonitorRecord& b) {
        if (a.primary != b.primary) return a.primary;
        const ScreenRect& x = a.bounds;
        const ScreenRect& y = b.bounds;
        return std::tie(x.left, x.top, x.right, x.bottom) < std::tie(y.left, y.top, y.right, y.bottom);
    });

    ViewLayout layout;
    layout.window = unionOf(usable);
    for (const MonitorRecord& m : usable) layout.views.push_back(viewOf(m, layout.window));
    return layout;
}

bool sameLayout(const ViewLayout& a, const ViewLayout& b) {
    if (a.window != b.window || a.views.size() != b.views.size()) return false;
    for (size_t i = 0; i < a.views.size(); ++i) {
        const MonitorRecord& x = a.views[i].monitor;
        const MonitorRecord& y = b.views[i].monitor;
        if (x.bounds != y.bounds || x.deviceName != y.deviceName) return false;
    }
    return true;
}
