#include "password_rules.h"

#include <algorithm>

#include "mesh/zephmesh.h"
#include "server_reply.h"

namespace standin {
namespace {

bool allEqual(const std::string& text) {
  return text.size() > 1 && std::all_of(text.begin(), text.end(), [&](char c) { return c == text.front(); });
}

// "1234" or "8765": every digit one above (or one below) the one before it.
bool digitRun(const std::string& text) {
  if (text.size() < 3) return false;
  for (const int step : {1, -1}) {
    bool run = true;
    for (std::size_t i = 1; i < text.size() && run; ++i) run = text[i] - text[i - 1] == step;
    if (run) return true;
  }
  return false;
}

}  // namespace

std::int32_t checkPasswordChange(const PasswordAccount& account, const std::string& old, const std::string& proposed) {
  if (old != account.current) return kInvalidCredentials;
  if (static_cast<int>(proposed.size()) < account.minimumLength) return kPwdTooShort;
  if (proposed == account.current ||
      std::find(account.history.begin(), account.history.end(), proposed) != account.history.end())
    return kPwdReused;
  if (allEqual(proposed)) return kPwdEqualDigits;
  if (digitRun(proposed)) return kPwdDigitRun;
  if (proposed == account.mailbox) return kPwdMailbox;
  return kOk;
}

std::string encodePassword(const std::string& plain) {
  // The code the client library computes itself (the outside password encryption), as hex.
  char code[8];
  std::int16_t status = 0;
  Zephmesh_PwdEncrypt(plain.c_str(), code, &status);
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : code) {
    const auto byte = static_cast<unsigned char>(c);
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
  }
  return out;
}

}  // namespace standin
