// The settings file as the designer reads and writes it: texts and integers by section and
// key. On Windows the platform's private-profile calls; a plain INI file elsewhere and in
// tests. Writes may fail silently: the settings are never required.
#pragma once

#include <cstdint>
#include <string>

class SettingsProfile {
public:
    virtual ~SettingsProfile() = default;
    // The key's text (at most size - 1 characters), or fallback when it is missing.
    virtual std::string ReadText(const char* section, const char* key, const char* fallback, int size) = 0;
    // The key's leading decimal number, or fallback when it is missing.
    virtual std::int32_t ReadNumber(const char* section, const char* key, std::int32_t fallback) = 0;
    virtual void WriteText(const char* section, const char* key, const char* value) = 0;
};

// The designer's settings file name; the platform places it in the Windows folder.
inline constexpr const char kSettingsFileName[] = "VOXTRELL.INI";
