#pragma once
// Pieces of the launcher's tests under Wine: the program's folder, files read whole, and a
// machine value of the launcher's key set for one test and put back afterwards.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "registry_key.h"

namespace gate::testing {
namespace fs = std::filesystem;

inline constexpr const char* kKey = "SOFTWARE\\Tarvix\\Vantora\\Flowsmith";

inline std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline fs::path ProgramFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

// A machine value set for the test and put back afterwards.
class MachineValue {
 public:
  MachineValue(const std::string& name, const std::optional<std::string>& value) : name_(name) {
    CRegistryKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, kKey)) old_ = key.QueryString(name);
    Set(value);
  }
  ~MachineValue() { Set(old_); }

 private:
  void Set(const std::optional<std::string>& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    if (value) {
      RegSetValueExA(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                     static_cast<DWORD>(value->size() + 1));
    } else {
      RegDeleteValueA(key, name_.c_str());
    }
    RegCloseKey(key);
  }
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace gate::testing
