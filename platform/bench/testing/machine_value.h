#pragma once
// For tests under Wine: a value of the installation's machine key set (or removed) for
// the life of the object and put back afterwards.
#include <windows.h>

#include <optional>
#include <string>

#include "registry_key.h"

class MachineValue {
 public:
  static constexpr const char* kInstallationKey = "SOFTWARE\\Tarvix\\Vantora\\Flowsmith";

  MachineValue(const std::string& name, const std::optional<std::string>& value) : name_(name) {
    CRegistryKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, kInstallationKey)) old_ = key.QueryString(name);
    Set(value);
  }
  ~MachineValue() { Set(old_); }
  MachineValue(const MachineValue&) = delete;
  MachineValue& operator=(const MachineValue&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallationKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
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
