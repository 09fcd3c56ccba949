// Monitors side by side for the off-screen tools.
#include "monitors_in_a_row.h"

#include <string>
#include <vector>

ViewLayout monitorsInARow(int count, int width, int height) {
    std::vector<MonitorRecord> monitors;
    for (int i = 0; i < count; ++i) {
        MonitorRecord m;
        m.bounds = ScreenRect{i * width, 0, (i + 1) * width, height};
        m.primary = i == 0;
        m.deviceName = "monitor " + std::to_string(i + 1);
        monitors.push_back(m);
    }
    return layoutViews(monitors, monitors.front().bounds);
}
