// The Windows 9x screen-saver password dialog, reached through PASSWORD.CPL.
#include "password_check_win32.h"

#include "password_check.h"

#include <memory>

namespace {

using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);

// PASSWORD.CPL, loaded for one call of its dialog and unloaded with this object.
class PasswordControlPanel final : public PasswordVerifier {
public:
    PasswordControlPanel(HMODULE library, VerifyScreenSavePwdFunction entry, HWND owner)
        : library_(library), verify_(entry), owner_(owner) {}
    ~PasswordControlPanel() override { FreeLibrary(library_); }
    PasswordControlPanel(const PasswordControlPanel&) = delete;
    PasswordControlPanel& operator=(const PasswordControlPanel&) = delete;

    bool verify() override { return verify_(owner_) != 0; }

private:
    HMODULE library_;
    VerifyScreenSavePwdFunction verify_;
    HWND owner_;
};

class Win32PasswordSystem final : public PasswordSystem {
public:
    explicit Win32PasswordSystem(HWND owner) : owner_(owner) {}

    bool asksForPassword() override {
        OSVERSIONINFOA version{};
        version.dwOSVersionInfoSize = sizeof version;
        if (!GetVersionExA(&version)) return false;
        return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    }

    std::unique_ptr<PasswordVerifier> openVerifier() override {
        HMODULE library = LoadLibraryA("PASSWORD.CPL");
        if (!library) return nullptr;
        FARPROC entry = GetProcAddress(library, "VerifyScreenSavePwd");
        if (!entry) {
            FreeLibrary(library);
            return nullptr;
        }
        // Through the generic function pointer type, which may be cast to any other.
        auto function = reinterpret_cast<VerifyScreenSavePwdFunction>(
            reinterpret_cast<void (*)()>(entry));
        return std::make_unique<PasswordControlPanel>(library, function, owner_);
    }

    void announceSaverRunning(bool running) override {
        UINT previous = 0;  // the system writes the old state here; nobody needs it
        SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &previous, 0);
    }

private:
    HWND owner_;
};

}  // namespace

int verifyScreenSaverPassword(HWND hwnd, CloseRules& rules) {
    Win32PasswordSystem system(hwnd);
    return runPasswordCheck(system, rules) ? 1 : 0;
}
