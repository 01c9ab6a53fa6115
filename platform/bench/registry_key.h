#pragma once
// A registry key opened for reading, closed with the object (Windows only).
#include <windows.h>

#include <optional>
#include <string>

#include "bench_export.h"

class ZEPHBENCH_API CRegistryKey {
 public:
  CRegistryKey() = default;
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;
  ~CRegistryKey() { Close(); }

  bool Open(HKEY root, const std::string& path, REGSAM access = KEY_READ);
  void Close();
  // A string value; nullopt when the key is not open or the value is missing or no text.
  std::optional<std::string> QueryString(const std::string& name) const;

 private:
  HKEY key_ = nullptr;
};
