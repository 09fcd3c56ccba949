// Corvessa.ini through the platform's profile functions.
#include <array>

#include "front_end_paths.h"
#include "forms/forms_app.h"
#include "settings_file_win32.h"
#include "vantrel_b.h"

std::string SettingsFile::read(const std::string& section, const std::string& key) {
    return ReadIniString(section, key, path_);
}

bool SettingsFile::write(const std::string& section, const std::string& key, const std::string& value) {
    return WriteIniString(section, key, value, path_);
}

std::string SettingsPath() { return besideProgram(forms::App::current().path(), kSettingsFileName); }
std::string RendererPath() { return besideProgram(forms::App::current().path(), kRendererFileName); }

std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file) {
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
