// Corvessa.ini through the platform's profile functions.
#include "vantrel_b_settings_file_win32.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "forms_app.h"
#include "music_settings.h"
#include "path_text.h"
#include "program_contract.h"
#include "system_text.h"
#include "vantrel_b_routines_win32.h"

std::string SettingsFile::read(const std::string& section, const std::string& key) {
    return ReadIniString(section, key, path_);
}

bool SettingsFile::write(const std::string& section, const std::string& key, const std::string& value) {
    return WriteIniString(section, key, value, path_);
}

std::string SettingsPath() { return besideProgram(forms::App::current().path(), kSettingsFileName); }
std::string RendererPath() { return besideProgram(forms::App::current().path(), kRendererFileName); }

namespace {

// The value as the ANSI call gives it: in the system's code page, at most 255 bytes.
std::string ansiValueOf(const wchar_t* value) {
    const int needed = WideCharToMultiByte(CP_ACP, 0, value, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(needed > 0 ? needed : 1), '\0');
    if (needed > 0) WideCharToMultiByte(CP_ACP, 0, value, -1, &ansi[0], needed, nullptr, nullptr);
    ansi.resize(std::min<size_t>(std::strlen(ansi.c_str()), 255));
    return ansi;
}

}  // namespace

// In a folder that only the Unicode calls reach, section, key and value cross them converted by
// the system's code page, just as the ANSI calls convert them inside: the file gets the same bytes.
std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file) {
    if (const std::optional<std::wstring> wide = forms::App::current().unicodeOnlyPath(file)) {
        std::array<wchar_t, 256> value{};
        GetPrivateProfileStringW(forms::wideOfAnsi(section).c_str(), forms::wideOfAnsi(key).c_str(), L"",
                                 value.data(), static_cast<DWORD>(value.size()), wide->c_str());
        value.back() = L'\0';
        return ansiValueOf(value.data());
    }
    // 256 bytes with room for the NUL: values longer than 255 bytes come back cut.
    std::array<char, 256> value{};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(),
                             static_cast<DWORD>(value.size()), file.c_str());
    value.back() = '\0';
    return value.data();
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) {
    // The settings dialog tells the user when a read-only folder or a full disk lost the choice.
    if (const std::optional<std::wstring> wide = forms::App::current().unicodeOnlyPath(file)) {
        return WritePrivateProfileStringW(forms::wideOfAnsi(section).c_str(), forms::wideOfAnsi(key).c_str(),
                                          forms::wideOfAnsi(value).c_str(), wide->c_str()) != FALSE;
    }
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

void LoadSettings() {
    SettingsFile file(SettingsPath());
    loadSettingsFrom(file, FileExists, musicSettings());
}

bool SaveSettings() {
    SettingsFile file(SettingsPath());
    return saveSettingsTo(file, musicSettings());
}
