#include <windows.h>

#include <vector>

#include "shell/settings/privateprofile.h"

std::string PrivateProfile::ReadText(const char* section, const char* key, const char* fallback, int size) {
    std::vector<char> buf(size > 0 ? size : 1);
    GetPrivateProfileStringA(section, key, fallback, buf.data(), DWORD(buf.size()), m_fileName.c_str());
    return buf.data();
}

std::int32_t PrivateProfile::ReadNumber(const char* section, const char* key, std::int32_t fallback) {
    return std::int32_t(GetPrivateProfileIntA(section, key, fallback, m_fileName.c_str()));
}

void PrivateProfile::WriteText(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, m_fileName.c_str());
}
