// The designer's settings file "VOXTRELL.INI" (in the Windows folder) read through the
// private-profile calls, for the user-defined sentence types.
#include <windows.h>

#include <vector>

#include "editors/sentences/profileini.h"

namespace zeph {
namespace {

constexpr const char* kSettingsFile = "VOXTRELL.INI";

class ProfileIni : public IniReader {
 public:
  int ReadInt(const char* section, const char* key, int defaultValue) override {
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, kSettingsFile));
  }
  std::string ReadString(const char* section, const char* key, const char* defaultValue, int maxChars) override {
    std::vector<char> buffer(static_cast<std::size_t>(maxChars) + 1);
    GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), static_cast<DWORD>(buffer.size()),
                             kSettingsFile);
    return std::string(buffer.data());
  }
};

}  // namespace

IniReader& SettingsIni() {
  static ProfileIni ini;
  return ini;
}

}  // namespace zeph
