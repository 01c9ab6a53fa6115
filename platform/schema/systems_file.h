#pragma once
// The text form of a systems store: a header line, then per system a "[system]" line and
// "Field=value" lines (backslash, CR and LF escaped). The dial-up password is kept only
// sealed by a protector, as hexadecimal digits.
#include <optional>
#include <string>
#include <vector>

#include "secret_protector.h"
#include "system_info.h"

struct SystemsFileResult {
  std::vector<CSystemInfo> systems;
  std::string problem;  // empty when the text was sound
};

SystemsFileResult ParseSystemsFile(const std::string& text, SecretProtector& protector);
// The file text; nullopt (with `problem`) when a dial-up password cannot be sealed.
std::optional<std::string> FormatSystemsFile(const std::vector<CSystemInfo>& systems, SecretProtector& protector,
                                             std::string& problem);
