#include "attribute_text.h"

#include "server_reply.h"

namespace standin {

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::string joinText(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += separator;
    out += parts[i];
  }
  return out;
}

std::vector<AttributeValues> parseAttributeString(std::string_view text) {
  std::vector<AttributeValues> out;
  if (text.empty()) return out;
  for (const std::string& piece : splitText(text, kAttribSep)) {
    const std::size_t at = piece.find(kValueSep);
    AttributeValues attribute;
    attribute.name = piece.substr(0, at);
    if (attribute.name.empty()) throw Refusal(kInvalidSyntax, "attribute without a name in \"" + piece + "\"");
    if (at == std::string::npos) {
      attribute.values.emplace_back();
    } else {
      attribute.values = splitText(std::string_view(piece).substr(at + kValueSep.size()), kMultiSep);
    }
    out.push_back(std::move(attribute));
  }
  return out;
}

std::string entryField(const std::vector<std::string>& values) { return joinText(values, kMultiSep); }

}  // namespace standin
