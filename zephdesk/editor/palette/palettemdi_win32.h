#pragma once
// PaletteMDI: the palette window, an MDI child with the group pane above the VavurOrezo
// pane and its scroll bar. A click on a group shows its types below and in the main
// frame's tabbed palette; the VavurOrezo pane draws the drag outline of a type dragged
// over it.

#include <functional>
#include <memory>

#include "editor/palette/bandlist.h"
#include "editor/palette/palettepanes.h"
#include "editor/palette/palettestate.h"
#include "editor/palette/tabbedpalettelink.h"
#include "editor/panes/childwindow_win32.h"

namespace ed {

class EditorHost;
class PaletteDrag;
class PaletteIconList;
class Program;

// The window of one palette pane: paints its icons (scrolled by its vertical bar, when
// it has one), passes left clicks to the group pane and draws the outline.
class PalettePaneWindow : public ChildWindow, public PaneSurface, public BandPainter {
 public:
  PalettePaneWindow(TWindow* parent, const LayoutEntry* entry, const char* className);
  ~PalettePaneWindow() override;
  void SetPane(PalettePane* pane, GroupPalettePane* groups) { pane_ = pane, groups_ = groups; }
  // The VavurOrezo pane's types are dragged out of it onto page windows.
  void EnableTypeDrag(EditorHost& host);
  std::int32_t ScrollY() const { return scrollY_; }

  const char* GetClassName() override { return className_; }
  void GetWindowClass(WNDCLASSA& wndClass) override;
  void Paint(HDC dc, bool erase, RECT& rect) override;
  int GetChildType() const override { return Entry() != nullptr ? Entry()->type : 0; }

  // ChildWindow
  void SetScrollBar(TWindow* bar, bool horizontal) override;
  void SetScrollPosition(int position, bool horizontal) override;
  void ComputeExtent() override;
  // PaneSurface (pane units are pixels below the scroll origin)
  void InvalidateCanvasRect(const Rect& r) override;
  void InvalidateAll() override;
  void UpdateNow() override;
  // BandPainter
  void InvertBand(const BandObject& band) override;

  // The outline of an object of the class dragged to a client point, less the grip
  // offset; a refused drag shows the pane's message.
  bool DragOutline(EditorHost& host, int draggedClass, Point client, Point grip);

  void EvSize(UINT sizeType, const TSize& size);
  void EvLButtonDown(UINT keys, const TPoint& p);
  void EvLButtonUp(UINT keys, const TPoint& p);
  void EvMouseMove(UINT keys, const TPoint& p);
  LRESULT EvObjectPaneKind(WPARAM, LPARAM) { return kKindObjectPane; }

 private:
  const char* className_;
  PalettePane* pane_ = nullptr;
  GroupPalettePane* groups_ = nullptr;
  ScrollBar* vertical_ = nullptr;
  std::int32_t scrollY_ = 0;
  std::unique_ptr<PaletteDrag> drag_;

  DECLARE_RESPONSE_TABLE(PalettePaneWindow);
};

class PaletteMDI : public UIMDIChild {
 public:
  // tabs: the main frame's tabbed palette as it is now (null while there is none).
  PaletteMDI(TMDIClient& client, EditorHost& host, PaletteIconList& icons, const char* title,
             std::function<HWND()> tabs, HWND mainFrame);
  ~PaletteMDI() override;

  void SetupWindow() override;

  void SetProgram(Program* program);
  void SelectGroup(GroupIcon* group) { state_.SelectGroup(group); }
  void BuildGroupTabs() { state_.BuildGroupTabs(); }
  void RefillGroupTabs() { state_.RefillGroupTabs(); }
  void RebuildGroupTabs(int tab) { state_.RebuildGroupTabs(tab); }

  // Called when the window goes (its owner forgets it); null: nobody is told.
  void SetGoneHandler(std::function<void()> gone) { gone_ = std::move(gone); }

  PaletteState& State() { return state_; }
  PaletteIconList& Icons() const { return icons_; }
  PalettePaneWindow* GroupWindow() const { return groupWindow_; }
  PalettePaneWindow* BlockWindow() const { return blockWindow_; }
  GroupPalettePane* GroupPane() const { return groupPane_.get(); }
  VavurOrezoPalettePane* BlockPane() const { return blockPane_.get(); }

 private:
  EditorHost& host_;
  PaletteIconList& icons_;
  TabbedPaletteLink link_;
  PaletteState state_;
  PalettePaneWindow* groupWindow_ = nullptr;   // children of this window
  PalettePaneWindow* blockWindow_ = nullptr;
  std::unique_ptr<GroupPalettePane> groupPane_;
  std::unique_ptr<VavurOrezoPalettePane> blockPane_;
  std::function<void()> gone_;
};

}  // namespace ed
