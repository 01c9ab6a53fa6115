#pragma once
// Pieces of the launcher's tests under Wine: the program's folder and files read whole.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "testing/machine_value.h"

namespace gate::testing {
namespace fs = std::filesystem;

inline constexpr const char* kKey = MachineValue::kInstallationKey;

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

using ::MachineValue;

}  // namespace gate::testing
