// Module Vantrel_B, its settings-file half: where Corvessa.ini and Corvessa.dll lie, the two
// access routines of the profile file, and loading and saving the music settings. The settings
// dialog and Main use it; SettingsFile lets the portable settings rules reach the file.
#pragma once

#include <string>
#include <utility>

#include "settings_rules.h"

// <program folder>\Corvessa.ini and <program folder>\Corvessa.dll.
std::string SettingsPath();
std::string RendererPath();

// The profile file: values of at most 255 bytes; a missing key reads as "". A write reports
// whether the value was stored.
std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file);
bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file);

// Fills musicSettings() from Corvessa.ini.
void LoadSettings();
// Writes musicSettings() to Corvessa.ini: kind, track, file, in that order; false when any of
// the three writes failed.
bool SaveSettings();

// Corvessa.ini (or another profile file) through ReadIniString and WriteIniString, as the
// settings rules reach it.
class SettingsFile : public ProfileAccess {
public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}
    std::string read(const std::string& section, const std::string& key) override;
    bool write(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::string path_;
};
