// Corvessa.ini (or another profile file) through the platform's profile functions, as the
// settings rules reach it.
#pragma once

#include <string>
#include <utility>

#include "settings_rules.h"

class SettingsFile : public ProfileAccess {
public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}
    std::string read(const std::string& section, const std::string& key) override;
    bool write(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::string path_;
};
