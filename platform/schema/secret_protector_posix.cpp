#ifndef _WIN32
#include "secret_protector.h"

namespace {

// This build has no protection service of the user's: secrets are refused, never kept.
class NoProtector final : public SecretProtector {
 public:
  std::optional<std::string> Protect(const std::string&) override { return std::nullopt; }
  std::optional<std::string> Unprotect(const std::string&) override { return std::nullopt; }
};

}  // namespace

SecretProtector& PlatformSecretProtector() {
  static NoProtector protector;
  return protector;
}
#endif
