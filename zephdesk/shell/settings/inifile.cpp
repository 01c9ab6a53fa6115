#include "shell/settings/inifile.h"

#include <cctype>
#include <cstdint>
#include <fstream>
#include <sstream>


namespace {

bool SameName(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

}  // namespace

std::int32_t ProfileNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL) value = 0xFFFFFFFFLL;  // wraps as a 32-bit value below
    }
    std::uint32_t bits = std::uint32_t(negative ? -value : value);
    return std::int32_t(bits);
}

IniFileProfile::IniFileProfile(std::string path) : m_path(std::move(path)) {}

void IniFileProfile::Load() {
    m_sections.clear();
    std::ifstream in(m_path, std::ios::binary);
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        std::string t = Trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            std::size_t close = t.find(']');
            m_sections.push_back({Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
            current = &m_sections.back();
            continue;
        }
        std::size_t eq = t.find('=');
        if (!current || eq == std::string::npos) continue;
        current->entries.emplace_back(Trim(t.substr(0, eq)), Trim(t.substr(eq + 1)));
    }
}

void IniFileProfile::Save() const {
    std::ostringstream out;
    for (const Section& s : m_sections) {
        out << '[' << s.name << "]\r\n";
        for (const auto& e : s.entries) out << e.first << '=' << e.second << "\r\n";
    }
    std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
    file << out.str();
}

const std::string* IniFileProfile::Find(const char* section, const char* key) const {
    for (const Section& s : m_sections) {
        if (!SameName(s.name, section)) continue;
        for (const auto& e : s.entries)
            if (SameName(e.first, key)) return &e.second;
    }
    return nullptr;
}

std::string IniFileProfile::ReadText(const char* section, const char* key, const char* fallback, int size) {
    Load();
    const std::string* value = Find(section, key);
    std::string text = value ? *value : std::string(fallback ? fallback : "");
    if (size > 0 && text.size() > std::size_t(size - 1)) text.resize(size - 1);
    return text;
}

std::int32_t IniFileProfile::ReadNumber(const char* section, const char* key, std::int32_t fallback) {
    Load();
    const std::string* value = Find(section, key);
    return value ? ProfileNumber(*value) : fallback;
}

void IniFileProfile::WriteText(const char* section, const char* key, const char* value) {
    Load();
    Section* target = nullptr;
    for (Section& s : m_sections)
        if (SameName(s.name, section)) target = &s;
    if (!target) {
        m_sections.push_back({section, {}});
        target = &m_sections.back();
    }
    bool replaced = false;
    for (auto& e : target->entries)
        if (SameName(e.first, key)) {
            e.second = value;
            replaced = true;
        }
    if (!replaced) target->entries.emplace_back(key, value);
    Save();
}
