// The display's power from the system's notifications.
#include "display_power.h"

#include <optional>

namespace {

// The display's state a notification tells, or nothing when it tells none.
std::optional<bool> displayOnFrom(DisplayPowerSetting setting, std::uint32_t value) {
    switch (setting) {
    case DisplayPowerSetting::SessionDisplayStatus:
        if (value == 0) return false;
        if (value == 1 || value == 2) return true;  // 2: dimmed, still visible
        return std::nullopt;
    case DisplayPowerSetting::MonitorPowerOn:
        if (value <= 1) return value == 1;
        return std::nullopt;
    case DisplayPowerSetting::Other:
        break;
    }
    return std::nullopt;
}

}  // namespace

bool DisplayPower::notify(DisplayPowerSetting setting, std::uint32_t dataLength, std::uint32_t value) {
    if (dataLength != sizeof value) return false;
    const std::optional<bool> on = displayOnFrom(setting, value);
    if (!on || *on == on_) return false;
    on_ = *on;
    return true;
}
