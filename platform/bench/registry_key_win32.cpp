#include "registry_key.h"

#include <vector>

bool CRegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
  Close();
  return RegOpenKeyExA(root, path.c_str(), 0, access, &key_) == ERROR_SUCCESS;
}

void CRegistryKey::Close() {
  if (key_) RegCloseKey(key_);
  key_ = nullptr;
}

std::optional<std::string> CRegistryKey::QueryString(const std::string& name) const {
  if (!key_) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(data.data());
}
