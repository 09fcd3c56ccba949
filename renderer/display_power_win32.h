// The saver window's part in the display's power: the system's notifications, registered while
// the window lives and decoded into DisplayPower's terms.
#pragma once

#include "display_power.h"

#include <windows.h>

#include <cstdint>
#include <utility>

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
