#include "editor/clipboard/pastemap.h"

#include <cctype>
#include <cstdlib>

#include "programfile/clipboard/clipinfo.h"

namespace ed {

std::string ClipboardBlockName(const std::string& page, const std::string& block) { return page + "$" + block; }

std::string CanvasNameOf(const std::string& modelName) { return zeph::SymbolPartOf(modelName); }

std::string LibraryFileName(const std::string& blockName) {
  const std::size_t dot = blockName.find('.');
  return (dot == std::string::npos ? blockName : blockName.substr(0, dot)) + ".RLL";
}

std::optional<std::string> SelfImportId(const std::string& superBlockName, std::int32_t appId) {
  const std::size_t dot = superBlockName.rfind('.');
  if (dot == std::string::npos) return std::nullopt;
  const std::string digits = superBlockName.substr(dot + 1);
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  for (char c : digits)
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
  if (std::strtoll(digits.c_str(), nullptr, 10) != appId) return std::nullopt;
  return digits;
}

void MinimaTracker::Add(Point p) {
  if (empty_) {
    min_ = p;
    empty_ = false;
    return;
  }
  if (p.x < min_.x) min_.x = p.x;
  if (p.y < min_.y) min_.y = p.y;
}

}  // namespace ed
