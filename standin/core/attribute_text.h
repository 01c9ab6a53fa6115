#pragma once
// The text forms in which attributes travel between the clients and the directory
// component: "name~{value}~v1~{mv}~v2~{attrib}~name2~{value}~..." for writes, and entry
// strings of values "v1~{value}~v2" (multi-values joined by "~{mv}~") for search results.
#include <string>
#include <string_view>
#include <vector>

namespace standin {

inline constexpr std::string_view kValueSep = "~{value}~";
inline constexpr std::string_view kAttribSep = "~{attrib}~";
inline constexpr std::string_view kMultiSep = "~{mv}~";

struct AttributeValues {
  std::string name;
  std::vector<std::string> values;  // one empty value stands for "no value"
};

std::vector<std::string> splitText(std::string_view text, std::string_view separator);
std::string joinText(const std::vector<std::string>& parts, std::string_view separator);

// Parses an attribute string; a piece without "~{value}~" is an attribute with one empty
// value. Throws Refusal(kInvalidSyntax) for a piece without a name.
std::vector<AttributeValues> parseAttributeString(std::string_view text);

// One field of an entry string: the values of one attribute ("" when there are none).
std::string entryField(const std::vector<std::string>& values);

}  // namespace standin
