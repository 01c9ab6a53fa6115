#include <cstdint>
#include <cstdio>

#include "filter_text.h"

namespace gate {

std::string EscapeFilterValue(const std::string& value) {
  std::string out;
  for (unsigned char c : value) {
    if (c == '*' || c == '(' || c == ')' || c == '\\' || c == '\0') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "\\%02x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool IsSendableValue(const std::string& value) { return value.find("~{") == std::string::npos; }

std::string HexText(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", static_cast<std::uint32_t>(value));
  return text;
}

}  // namespace gate
