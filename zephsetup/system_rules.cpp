#include "system_rules.h"

#include <cctype>

namespace setup {

std::int32_t SystemNameRefusal(const std::string& name) {
  if (name.empty()) return 20005;
  if (name.find_first_of(kForbiddenNameCharacters) != std::string::npos) return 20006;
  return 0;
}

std::int64_t ReadPort(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  std::int64_t value = 0;
  for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
    value = value * 10 + (text[at] - '0');
    // Far beyond any port: held at the largest 32-bit value instead of overflowing.
    if (value > INT32_MAX) {
      value = INT32_MAX;
      break;
    }
  }
  return negative ? -value : value;
}

std::int32_t PortRefusal(const std::string& text) {
  if (text.empty()) return 20016;
  const std::int64_t port = ReadPort(text);
  return port < 0 || port > 65535 ? 20017 : 0;
}

bool IsDottedAddress(const std::string& text) {
  int parts = 0;
  std::size_t at = 0;
  while (true) {
    std::size_t digits = 0;
    int value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && digits < 4) {
      value = value * 10 + (text[at++] - '0');
      ++digits;
    }
    if (digits == 0 || digits > 3 || value > 255) return false;
    if (++parts == 4) return at == text.size();
    if (at >= text.size() || text[at] != '.') return false;
    ++at;
  }
}

}  // namespace setup
