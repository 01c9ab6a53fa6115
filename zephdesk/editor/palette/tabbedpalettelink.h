#pragma once
// The palette's messages to the main frame's tabbed palette and to the main frame
// (Windows only). The VavurOrezo pane is told through a callback, since the pane windows
// belong to the object-window base.

#include <windows.h>

#include <functional>

#include "editor/palette/palettestate.h"

namespace ed {

inline constexpr UINT kMsgPaletteAddItem = 1225;
inline constexpr UINT kMsgPaletteClearItems = 1226;
inline constexpr UINT kMsgPaletteAddTab = 1227;
inline constexpr UINT kMsgPaletteEndTabs = 1228;
inline constexpr UINT kMsgPaletteSelectGroup = 1232;
inline constexpr UINT kMsgPaletteClearTabs = 1233;

// The type behind an item of the tabbed palette, as the last palette filled it; null when
// the data names none or its type is gone (its program closed). A drag out of the tabbed
// palette carries only the item's 32-bit data, which cannot hold the type itself.
std::shared_ptr<VavurOrezoIcon> TabbedPaletteType(std::uint32_t data);

class TabbedPaletteLink : public PaletteFrameLink {
 public:
  using PaneShow = std::function<void(const std::vector<std::shared_ptr<VavurOrezoIcon>>*)>;
  // tabs: the frame's tabbed palette window as it is now (null while there is none).
  TabbedPaletteLink(std::function<HWND()> tabs, HWND mainFrame, PaneShow pane)
      : tabs_(std::move(tabs)), mainFrame_(mainFrame), pane_(std::move(pane)) {}

  bool TabsExist() override;
  void ClearTabs() override;
  void AddTab(const std::string& name, GroupIcon* group) override;
  void EndTabs(int select) override;
  void ClearItems() override;
  void AddItem(const std::string& name, int image, std::uint32_t data,
               const std::shared_ptr<VavurOrezoIcon>& type) override;
  void SelectGroupInFrame(GroupIcon* group) override;
  void InvalidateTabs() override;
  void RefreshTabs() override;
  void ShowMembers(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) override;

 private:
  LRESULT SendToTabs(UINT message, WPARAM wParam, LPARAM lParam);

  std::function<HWND()> tabs_;
  HWND mainFrame_;
  PaneShow pane_;
};

}  // namespace ed
