// Counts and times typed into the delay-sequence forms.
#include "forms/engine/typedcount.h"

namespace zeph {

bool ReadTypedCount(const std::string& text, std::int32_t max, std::int32_t* value) {
  std::size_t at = 0;
  while (at + 1 < text.size() && text[at] == '0') ++at;
  if (text.size() - at == 1 && text[at] == '0') {
    *value = 0;
    return true;
  }
  std::int64_t number = 0;
  bool digits = false;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    digits = true;
    number = number * 10 + (text[at] - '0');
    if (number > max) return false;
  }
  if (!digits || number == 0) return false;
  *value = static_cast<std::int32_t>(number);
  return true;
}

}  // namespace zeph
