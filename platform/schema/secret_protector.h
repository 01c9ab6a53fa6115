#pragma once
// Protection of stored secrets (the dial-up password): on Windows the data-protection API
// of the signed-in user; a build without one refuses, so no secret is ever kept in clear.
#include <optional>
#include <string>

#include "schema_export.h"

class ZEPHSCHEMA_API SecretProtector {
 public:
  virtual ~SecretProtector() = default;
  virtual std::optional<std::string> Protect(const std::string& clear) = 0;
  virtual std::optional<std::string> Unprotect(const std::string& sealed) = 0;
};

// The platform's protector (data-protection API on Windows, a refusing one elsewhere).
ZEPHSCHEMA_API SecretProtector& PlatformSecretProtector();
