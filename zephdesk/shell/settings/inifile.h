// A settings file kept as a plain INI file at a given path: sections in brackets, key=value
// lines, CR LF when written. Section and key names match without regard to case, as the
// platform's profile calls do. Every write rewrites the file at once.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/settings/profile.h"

class IniFileProfile : public SettingsProfile {
public:
    explicit IniFileProfile(std::string path);

    std::string ReadText(const char* section, const char* key, const char* fallback, int size) override;
    std::int32_t ReadNumber(const char* section, const char* key, std::int32_t fallback) override;
    void WriteText(const char* section, const char* key, const char* value) override;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    void Load();
    void Save() const;
    const std::string* Find(const char* section, const char* key) const;

    std::string m_path;
    std::vector<Section> m_sections;
};

// The leading decimal number of text as the platform's profile reader takes it: blanks,
// an optional sign, digits; 0 when there are none.
std::int32_t ProfileNumber(const std::string& text);
