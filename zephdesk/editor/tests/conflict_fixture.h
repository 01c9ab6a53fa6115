#pragma once
// The paste target of the conflict tests: the application's symbols, names in use,
// reserved names and items, and the item clipboard, as sets the test fills.

#include <map>
#include <set>
#include <string>

#include "editor/clipboard/kvcopyconflict.h"

namespace ed::test {

class FakeTarget : public ConflictTarget {
 public:
  std::set<std::string> symbols, inUse, reserved, clipboardNames;
  std::map<std::string, std::pair<int, std::int32_t>> items;  // symbol -> media, id
  std::set<std::pair<int, std::int32_t>> appIds, clipboardIds;
  bool fromActive = false;

  bool HasSymbol(const std::string& name) const override { return symbols.count(name) > 0 || items.count(name) > 0; }
  bool SymbolItem(const std::string& name, int& media, std::int32_t& id) const override {
    auto it = items.find(name);
    if (it == items.end()) return false;
    media = it->second.first;
    id = it->second.second;
    return true;
  }
  bool NameInUse(const std::string& name) const override { return inUse.count(name) > 0; }
  bool IsReservedBlockName(const std::string& name) const override { return reserved.count(name) > 0; }
  bool ItemIdExists(int media, std::int32_t id) const override { return appIds.count({media, id}) > 0; }
  bool ClipboardHasItemNamed(const std::string& name) const override { return clipboardNames.count(name) > 0; }
  bool ClipboardHasItemId(int media, std::int32_t id) const override { return clipboardIds.count({media, id}) > 0; }
  bool ClipboardFromActiveApp() const override { return fromActive; }
};

inline zeph::TClipInfo Block(const char* name) { return zeph::TClipInfo(name, zeph::kClipVavurOrezo); }
inline zeph::TClipInfo Voice(const char* name, std::int32_t id) {
  zeph::TClipInfo e(name, zeph::kClipSentence);
  e.ItemId = id;
  return e;
}
inline zeph::TClipInfo Fax(const char* name, std::int32_t id) {
  zeph::TClipInfo e(name, zeph::kClipFaxDocument);
  e.ItemId = id;
  return e;
}

}  // namespace ed::test
