// Registration and decoding of the display's power-setting notifications.
#include "display_power_win32.h"

#include <cstring>

namespace {

using RegisterProc = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
using UnregisterProc = BOOL(WINAPI*)(HPOWERNOTIFY);

// Looked up by name: systems before Windows Vista have neither call, and the saver runs there
// as it always has.
template <typename Proc>
Proc user32Proc(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC proc = user32 ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(proc));
}

HPOWERNOTIFY registerFor(HWND window, const GUID& setting) {
    const auto registerProc = user32Proc<RegisterProc>("RegisterPowerSettingNotification");
    if (!registerProc) return nullptr;
    return registerProc(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void unregister(HPOWERNOTIFY& handle) {
    if (!handle) return;
    if (const auto unregisterProc = user32Proc<UnregisterProc>("UnregisterPowerSettingNotification")) {
        unregisterProc(handle);
    }
    handle = nullptr;
}

bool sameGuid(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

void DisplayPowerNotifications::start(HWND window) {
    stop();
    // Windows 8 and later tell the session's display; Vista and 7 only the monitor's power.
    // Where both come, they agree.
    sessionDisplay_ = registerFor(window, kSessionDisplayStatus);
    monitorPower_ = registerFor(window, kMonitorPowerOn);
}

void DisplayPowerNotifications::stop() {
    unregister(sessionDisplay_);
    unregister(monitorPower_);
}

DisplayPowerNotice decodePowerSetting(LPARAM lParam) {
    DisplayPowerNotice notice;
    const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    if (!setting) return notice;
    if (sameGuid(setting->PowerSetting, kSessionDisplayStatus)) {
        notice.setting = DisplayPowerSetting::SessionDisplayStatus;
    } else if (sameGuid(setting->PowerSetting, kMonitorPowerOn)) {
        notice.setting = DisplayPowerSetting::MonitorPowerOn;
    }
    notice.dataLength = setting->DataLength;
    if (notice.dataLength >= sizeof notice.value) {
        std::memcpy(&notice.value, setting->Data, sizeof notice.value);
    }
    return notice;
}
