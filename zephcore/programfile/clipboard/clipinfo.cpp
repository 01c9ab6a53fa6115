#include "programfile/clipboard/clipinfo.h"

#include <cstring>

namespace zeph {
namespace {

void CopyName(char (&to)[kClipNameSize], const char* from) {
  to[0] = '\0';
  if (from == nullptr) return;
  std::strncpy(to, from, kClipNameSize - 1);
  to[kClipNameSize - 1] = '\0';
}

}  // namespace

TClipInfo::TClipInfo(const char* name, int kind, int dependent, const char* newName, int itemId,
                     int itemTag, int second)
    : Kind(static_cast<std::int16_t>(kind)),
      Dependent(static_cast<std::int16_t>(dependent)),
      ItemTag(itemTag),
      Second(second),
      ItemId(itemId) {
  CopyName(Name, name);
  CopyName(NewName, newName);
}

void TClipInfo::SetNewName(const char* name) { CopyName(NewName, name); }

bool TClipInfo::Matches(const TClipInfo& key) const {
  if (std::strcmp(Name, key.Name) != 0) return false;
  return ItemId <= 0 || ItemTag == key.ItemTag;
}

std::string PagePartOf(const std::string& name) {
  const std::size_t dollar = name.find('$');
  return dollar == std::string::npos ? std::string() : name.substr(0, dollar);
}

std::string SymbolPartOf(const std::string& name) {
  const std::size_t dollar = name.find('$');
  return dollar == std::string::npos ? name : name.substr(dollar + 1);
}

}  // namespace zeph
