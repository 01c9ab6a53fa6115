#pragma once
// The server's rules for a new mailbox password and its password code.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

struct PasswordAccount {
  std::string current;               // the stored password
  std::vector<std::string> history;  // earlier passwords
  std::string mailbox;               // the mailbox number
  int minimumLength = 0;
};

// The server code refusing `proposed` (given with the caller's `old` password), 0 when it
// is accepted. Checked in order: old password 49, length 54740, re-use 54742, all digits
// equal 54736, a run of consecutive digits 54737, the mailbox number 54738.
std::int32_t checkPasswordChange(const PasswordAccount& account, const std::string& old, const std::string& proposed);

// The 8-byte password code of a text as 16 upper-case hexadecimal digits.
std::string encodePassword(const std::string& plain);

}  // namespace standin
