#include "editor/palette/tabbedpalettelink.h"

#include <map>

#include "framework/kvintabw.h"

namespace ed {
namespace {

// The items of the one tabbed palette, by data; weak, since a program's own groups go
// with the program.
std::map<std::uint32_t, std::weak_ptr<VavurOrezoIcon>>& ListedTypes() {
  static std::map<std::uint32_t, std::weak_ptr<VavurOrezoIcon>> types;
  return types;
}

}  // namespace

std::shared_ptr<VavurOrezoIcon> TabbedPaletteType(std::uint32_t data) {
  const auto found = ListedTypes().find(data);
  return found != ListedTypes().end() ? found->second.lock() : nullptr;
}

LRESULT TabbedPaletteLink::SendToTabs(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND tabs = tabs_ ? tabs_() : nullptr;
  return tabs != nullptr ? ::SendMessageA(tabs, message, wParam, lParam) : 0;
}

bool TabbedPaletteLink::TabsExist() {
  HWND tabs = tabs_ ? tabs_() : nullptr;
  return tabs != nullptr && ::IsWindow(tabs);
}

void TabbedPaletteLink::ClearTabs() { SendToTabs(kMsgPaletteClearTabs, 0, 0); }

void TabbedPaletteLink::AddTab(const std::string& name, GroupIcon* group) {
  SendToTabs(kMsgPaletteAddTab, reinterpret_cast<WPARAM>(name.c_str()), reinterpret_cast<LPARAM>(group));
}

void TabbedPaletteLink::EndTabs(int select) { SendToTabs(kMsgPaletteEndTabs, static_cast<WPARAM>(select), 0); }

void TabbedPaletteLink::ClearItems() {
  ListedTypes().clear();
  SendToTabs(kMsgPaletteClearItems, 0, 0);
}

void TabbedPaletteLink::AddItem(const std::string& name, int image, std::uint32_t data,
                                const std::shared_ptr<VavurOrezoIcon>& type) {
  ListedTypes()[data] = type;
  // The receiver copies the item before the call returns.
  KvPalettePBItem item(CString(name.c_str()), static_cast<DWORD>(image), data);
  SendToTabs(kMsgPaletteAddItem, 0, reinterpret_cast<LPARAM>(&item));
}

void TabbedPaletteLink::SelectGroupInFrame(GroupIcon* group) {
  if (mainFrame_ != nullptr) ::SendMessageA(mainFrame_, kMsgPaletteSelectGroup, 0, reinterpret_cast<LPARAM>(group));
}

void TabbedPaletteLink::InvalidateTabs() {
  HWND tabs = tabs_ ? tabs_() : nullptr;
  if (tabs != nullptr) ::InvalidateRect(tabs, nullptr, TRUE);
}

void TabbedPaletteLink::RefreshTabs() {
  HWND tabs = tabs_ ? tabs_() : nullptr;
  if (tabs != nullptr) ::RedrawWindow(tabs, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TabbedPaletteLink::ShowMembers(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) {
  if (pane_) pane_(members);
}

}  // namespace ed
