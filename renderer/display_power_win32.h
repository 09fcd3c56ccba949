// The saver window's part in the display's power: the system's notifications, registered while
// the window lives and decoded into DisplayPower's terms.
#pragma once

#include "display_power.h"

#include <windows.h>

#include <cstdint>
#include <utility>

// The settings that tell the display's state: the session's display (Windows 8 and later) and
// the monitor's power (Vista and 7). Spelled out here: the headers' declarations need an
// import library.
inline constexpr GUID kSessionDisplayStatus = {
    0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};
inline constexpr GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

// The window's registrations for the display's power settings. Where the system has no such
// notifications, nothing is registered, none arrives and the display counts as on throughout.
class DisplayPowerNotifications {
public:
    DisplayPowerNotifications() = default;
    ~DisplayPowerNotifications() { stop(); }
    DisplayPowerNotifications(const DisplayPowerNotifications&) = delete;
    DisplayPowerNotifications& operator=(const DisplayPowerNotifications&) = delete;
    DisplayPowerNotifications& operator=(DisplayPowerNotifications&& other) noexcept {
        stop();
        std::swap(sessionDisplay_, other.sessionDisplay_);
        std::swap(monitorPower_, other.monitorPower_);
        return *this;
    }

    void start(HWND window);
    void stop();

private:
    HPOWERNOTIFY sessionDisplay_ = nullptr;
    HPOWERNOTIFY monitorPower_ = nullptr;
};

// What a WM_POWERBROADCAST of PBT_POWERSETTINGCHANGE says; its lParam points at the system's
// POWERBROADCAST_SETTING, which lives in this process.
struct DisplayPowerNotice {
    DisplayPowerSetting setting = DisplayPowerSetting::Other;
    std::uint32_t dataLength = 0;
    std::uint32_t value = 0;  // the data's first four bytes, when it has them
};
DisplayPowerNotice decodePowerSetting(LPARAM lParam);
