// The display-power probe (display_power_probe.cpp) loaded into a running renderer: the
// display's power notifications delivered inside it, as Windows delivers them, and its frames
// counted. Used by the display-power scenario and, through display_power_switch, by
// scripts/pace.sh.
#pragma once

#include <windows.h>

#include <optional>

namespace e2e {

// What a notification says: the setting, its data's length in bytes, and the value.
enum class PowerSetting { SessionDisplay = 0, MonitorPower = 1, Other = 2 };
struct PowerNotice {
    PowerSetting setting = PowerSetting::SessionDisplay;
    DWORD value = 1;
    DWORD dataLength = 4;
};
inline constexpr PowerNotice kDisplayOff{PowerSetting::SessionDisplay, 0};
inline constexpr PowerNotice kDisplayOn{PowerSetting::SessionDisplay, 1};
inline constexpr PowerNotice kDisplayDimmed{PowerSetting::SessionDisplay, 2};
inline constexpr PowerNotice kMonitorOff{PowerSetting::MonitorPower, 0};
inline constexpr PowerNotice kMonitorOn{PowerSetting::MonitorPower, 1};

class DisplayPowerProbe {
public:
    // Loads the probe beside this program into the renderer whose window is `rendererWindow`,
    // unless it is there already. The renderer must be in its loop (past its start-up).
    explicit DisplayPowerProbe(HWND rendererWindow);

    // True once the probe runs inside the renderer and sees its frames.
    bool ready() const { return probeWindow_ != nullptr; }
    // Sends the notification to the renderer's window from inside its process; returns once the
    // window has handled it.
    bool send(PowerNotice notice);
    // Frames the renderer has presented since the probe came.
    DWORD frames();
    // Microseconds from the last notification to the first frame after it; nothing while none.
    std::optional<DWORD> firstFrameMicroseconds();

private:
    DWORD ask(UINT message, WPARAM argument = 0);

    HWND probeWindow_ = nullptr;
};

}  // namespace e2e
