// Whether anyone can see the saver: the display's power as the system reports it. While the
// display is off the renderer does no work at all, and it is back at once when it comes on.
// Portable: the window decodes the system's notifications into notify() calls.
#pragma once

#include <cstdint>

// The power settings whose notifications tell the display's state.
enum class DisplayPowerSetting {
    SessionDisplayStatus,  // Windows 8 and later: 0 off, 1 on, 2 dimmed
    MonitorPowerOn,        // Windows Vista and 7: 0 off, 1 on
    Other,                 // any other setting: not the display's
};

class DisplayPower {
public:
    // A notification of `setting` carrying `dataLength` bytes, `value` being their first four.
    // Only a 4-byte value of a display setting counts; dimmed is still on, since the picture
    // can be seen. True when the display went dark or came back.
    bool notify(DisplayPowerSetting setting, std::uint32_t dataLength, std::uint32_t value);

    // On until the system says otherwise, whether or not it sends a first notification.
    bool displayOn() const { return on_; }

private:
    bool on_ = true;
};
