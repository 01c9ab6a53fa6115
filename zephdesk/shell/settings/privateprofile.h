// The settings file through the platform's private-profile calls (Windows only).
#pragma once

#include <string>

#include "shell/settings/profile.h"

class PrivateProfile : public SettingsProfile {
public:
    // fileName as the calls take it: without a folder the platform places it in the
    // Windows folder.
    explicit PrivateProfile(std::string fileName = kSettingsFileName) : m_fileName(std::move(fileName)) {}

    std::string ReadText(const char* section, const char* key, const char* fallback, int size) override;
    std::int32_t ReadNumber(const char* section, const char* key, std::int32_t fallback) override;
    void WriteText(const char* section, const char* key, const char* value) override;

private:
    std::string m_fileName;
};
