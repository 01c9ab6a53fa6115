#include <windows.h>
#include <wincrypt.h>

#include "secret_protector.h"

namespace {

class DataProtection final : public SecretProtector {
 public:
  std::optional<std::string> Protect(const std::string& clear) override {
    DATA_BLOB in{static_cast<DWORD>(clear.size()), reinterpret_cast<BYTE*>(const_cast<char*>(clear.data()))};
    DATA_BLOB out{};
    if (!CryptProtectData(&in, L"Flowsmith dial-up", nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
      return std::nullopt;
    std::string sealed(reinterpret_cast<const char*>(out.pbData), out.cbData);
    LocalFree(out.pbData);
    return sealed;
  }

  std::optional<std::string> Unprotect(const std::string& sealed) override {
    DATA_BLOB in{static_cast<DWORD>(sealed.size()), reinterpret_cast<BYTE*>(const_cast<char*>(sealed.data()))};
    DATA_BLOB out{};
    if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
      return std::nullopt;
    std::string clear(reinterpret_cast<const char*>(out.pbData), out.cbData);
    SecureZeroMemory(out.pbData, out.cbData);
    LocalFree(out.pbData);
    return clear;
  }
};

}  // namespace

SecretProtector& PlatformSecretProtector() {
  static DataProtection protector;
  return protector;
}
