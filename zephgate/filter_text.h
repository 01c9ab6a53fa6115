#pragma once
// Values put into directory requests: filter values get the RFC 4515 escapes, and values
// holding the attribute-list separators ("~{") cannot be sent at all.
#include <cstdint>
#include <string>

namespace gate {

std::string EscapeFilterValue(const std::string& value);
// False for text that would break the attribute-list or entry syntax of a request.
bool IsSendableValue(const std::string& value);
// printf-like "%x" of an HRESULT (lower-case hexadecimal, no prefix).
std::string HexText(std::int32_t value);

}  // namespace gate
