#pragma once
// The editor's windows in the main frame: UIMDIChild, the MDI child that places its panes
// from a layout group; ChildWindow, the base of every pane so placed; the Divider strip
// and the ScrollBar pane that reports a released thumb to the pane it serves.

#include <windows.h>

#include "editor/panes/layout.h"
#include "owl/mdichild.h"
#include "owl/scrollbar.h"
#include "owl/window.h"

class FontObject;
class TMDIClient;

namespace ed {

class UIObject;
class VavurOrezo;

// The window-kind query and its answers; bit 0x10 marks a printing surface.
inline constexpr UINT kMsgWindowKind = 2026;
inline constexpr LRESULT kKindMDIChild = 2;
inline constexpr LRESULT kKindPane = 4;
inline constexpr LRESULT kKindObjectPane = 12;
inline constexpr LRESULT kKindPrinting = 0x10;

// Messages of the frame and the client.
inline constexpr UINT kMsgArrangeWindows = 2031;
inline constexpr UINT kCmResetWindows = 4199;
inline constexpr int kMsgNoChildWindow = 30;

class ChildWindow : public TWindow {
 public:
  // Placed in the parent's client area by the entry (when a parent is given).
  ChildWindow(TWindow* parent, const LayoutEntry* entry);

  const LayoutEntry* Entry() const { return entry_; }
  // The pane's rectangle in a parent of that client size.
  RECT LayoutIn(int width, int height) const;

  virtual void SetScrollBar(TWindow* bar, bool horizontal) { (void)bar, (void)horizontal; }
  virtual void SetScrollPosition(int position, bool horizontal) { (void)position, (void)horizontal; }
  virtual void BuildDisplay();
  virtual void RebuildDisplay() {}
  virtual void ObjectUpdate(UIObject* object, int kind, int scope) { (void)object, (void)kind, (void)scope; }
  virtual void ScrollIntoView(VavurOrezo* block, bool select) { (void)block, (void)select; }
  virtual void ComputeExtent() {}
  // The font named by the layout entry.
  virtual const FontObject* GetFont() const;
  virtual int GetChildType() const { return entry_ != nullptr ? entry_->type : 0; }

  LRESULT EvWindowKind(WPARAM, LPARAM) { return kKindPane; }

 private:
  const LayoutEntry* entry_;

  DECLARE_RESPONSE_TABLE(ChildWindow);
};

class Divider : public ChildWindow {
 public:
  Divider(TWindow* parent, const LayoutEntry* entry);
  int GetChildType() const override { return kPaneDivider; }
};

class ScrollBar : public ChildWindow {
 public:
  ScrollBar(TWindow* parent, const LayoutEntry* entry);

  void SetupWindow() override;
  int GetChildType() const override { return horizontal_ ? kPaneHorzScrollBar : kPaneVertScrollBar; }
  bool IsHorizontal() const { return horizontal_; }
  void SetRange(int min, int max, int line, int page);
  int GetPosition() const { return control_->GetPosition(); }
  // Moves the control only (the caller gives the new position to the pane).
  void SetPosition(int position) { control_->SetPosition(position); }
  TScrollBar& Control() { return *control_; }
  ChildWindow* Served() const { return served_; }
  // The pane is going: the bar reports to nothing any more.
  void Forget(const ChildWindow* pane) {
    if (served_ == pane) served_ = nullptr;
  }

  void EvSize(UINT sizeType, const TSize& size);
  void EvHScroll(UINT code, UINT thumb, HWND control);
  void EvVScroll(UINT code, UINT thumb, HWND control);

 private:
  void Report(UINT code);

  TScrollBar* control_;   // a child of this window, deleted with it
  ChildWindow* served_ = nullptr;
  bool horizontal_;
  int last_ = -1;

  DECLARE_RESPONSE_TABLE(ScrollBar);
};

class UIMDIChild : public TMDIChild {
 public:
  // Placed in the client by the group; makes its scroll bars and dividers (the derived
  // window makes its other panes). A pane whose window cannot be made is reported with
  // its type and left out; the window goes on without it.
  UIMDIChild(TMDIClient& client, const char* title, const LayoutGroup* group);

  const char* GetClassName() override { return "UIMDI"; }
  void GetWindowClass(WNDCLASSA& wndClass) override;
  void SetupWindow() override;
  const LayoutGroup* Group() const { return group_; }

  // Broadcasts to every pane, in child order.
  void BuildAll();
  virtual void UpdateAll(UIObject* object, int kind, int scope);
  void ComputeAllExtents();
  // The first pane of exactly the type, or null.
  ChildWindow* FindChildOfType(int type) const;

  void EvSize(UINT sizeType, const TSize& size);
  LRESULT EvWindowKind(WPARAM, LPARAM) { return kKindMDIChild; }

 private:
  void RemoveMissingPanes();

  const LayoutGroup* group_;

  DECLARE_RESPONSE_TABLE(UIMDIChild);
};

}  // namespace ed
