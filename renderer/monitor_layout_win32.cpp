// Gathers the monitors for the portable layout and places the saver window over them.
#include "monitor_layout_win32.h"

#include <vector>

namespace {

// A named callback, not a lambda: on i686 only a CALLBACK function has the calling convention
// that EnumDisplayMonitors uses.
BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* monitors = reinterpret_cast<std::vector<MonitorRecord>*>(data);
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    MonitorRecord record;
    record.bounds = ScreenRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                               info.rcMonitor.bottom};
    record.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    record.deviceName = info.szDevice;
    monitors->push_back(record);
    return TRUE;
}

}  // namespace

ViewLayout currentViewLayout() {
    std::vector<MonitorRecord> monitors;
    EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&monitors));
    const ScreenRect primaryScreen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return layoutViews(monitors, primaryScreen);
}

double primaryRefreshRate() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0.0;
    return static_cast<double>(mode.dmDisplayFrequency);
}

void placeSaverWindow(HWND hwnd, const ViewLayout& layout) {
    const ScreenRect& r = layout.window;
    SetWindowPos(hwnd, HWND_TOPMOST, r.left, r.top, r.width(), r.height(), SWP_NOACTIVATE);
}
