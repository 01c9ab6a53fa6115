#include "editor/panes/childwindow_win32.h"

#include <cstring>
#include <vector>

#include "editor/support/drawing_win32.h"
#include "editor/support/messages.h"
#include "framework/kvnamed.h"
#include "owl/mdiclient.h"
#include "owl/module.h"

namespace ed {

// ---- ChildWindow ------------------------------------------------------------------------

DEFINE_RESPONSE_TABLE(ChildWindow, TWindow)
  EV_MESSAGE(kMsgWindowKind, EvWindowKind),
END_RESPONSE_TABLE;

ChildWindow::ChildWindow(TWindow* parent, const LayoutEntry* entry) : TWindow(parent), entry_(entry) {
  Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (entry_ != nullptr && (entry_->flags & kLayoutBorder)) Attr.Style |= WS_BORDER;
  if (parent != nullptr && parent->HWindow != nullptr && entry_ != nullptr) {
    RECT client{};
    parent->GetClientRect(client);
    const RECT r = LayoutIn(client.right, client.bottom);
    Attr.X = r.left;
    Attr.Y = r.top;
    Attr.W = r.right - r.left;
    Attr.H = r.bottom - r.top;
  }
}

RECT ChildWindow::LayoutIn(int width, int height) const {
  if (entry_ == nullptr) return RECT{0, 0, width, height};
  return ToRECT(LayoutRect(*entry_, width, height));
}

void ChildWindow::BuildDisplay() {
  if (HWindow != nullptr) ::InvalidateRect(HWindow, nullptr, TRUE);
}

const FontObject* ChildWindow::GetFont() const {
  Fonts* fonts = GetDrawingTables().fonts;
  if (fonts == nullptr || entry_ == nullptr || entry_->font == nullptr) return nullptr;
  return fonts->Find(entry_->font);
}

// ---- Divider ----------------------------------------------------------------------------

Divider::Divider(TWindow* parent, const LayoutEntry* entry) : ChildWindow(parent, entry) { Attr.Style |= WS_BORDER; }

// ---- ScrollBar --------------------------------------------------------------------------

DEFINE_RESPONSE_TABLE(ScrollBar, ChildWindow)
  EV_WM_SIZE,
  EV_WM_HSCROLL,
  EV_WM_VSCROLL,
END_RESPONSE_TABLE;

ScrollBar::ScrollBar(TWindow* parent, const LayoutEntry* entry)
    : ChildWindow(parent, entry), horizontal_(entry != nullptr && entry->type == kPaneHorzScrollBar) {
  control_ = new TScrollBar(this, 1, 0, 0, Attr.W, Attr.H, horizontal_);
  control_->Attr.Style &= ~DWORD(WS_TABSTOP | WS_GROUP);
}

void ScrollBar::SetupWindow() {
  control_->Attr.W = Attr.W;
  control_->Attr.H = Attr.H;
  ChildWindow::SetupWindow();
  if (control_->HWindow == nullptr) ShowEditorError(kStrNoScrollBarControl);
  auto* child = dynamic_cast<UIMDIChild*>(Parent);
  if (child != nullptr && Entry() != nullptr) served_ = child->FindChildOfType(Entry()->servedType);
  if (served_ != nullptr) served_->SetScrollBar(this, horizontal_);
}

void ScrollBar::SetRange(int min, int max, int line, int page) {
  control_->SetRange(min, max);
  control_->LineMagnitude = line;
  control_->PageMagnitude = page;
}

void ScrollBar::EvSize(UINT sizeType, const TSize& size) {
  TWindow::EvSize(sizeType, size);
  if (control_->HWindow != nullptr)
    ::SetWindowPos(control_->HWindow, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Dragging the thumb moves the view only when the thumb is released.
void ScrollBar::Report(UINT code) {
  if (code == SB_THUMBTRACK || code == SB_ENDSCROLL) return;
  const int position = control_->GetPosition();
  if (position == last_) return;
  last_ = position;
  if (served_ != nullptr) served_->SetScrollPosition(position, horizontal_);
}

void ScrollBar::EvHScroll(UINT code, UINT thumb, HWND control) {
  TWindow::EvHScroll(code, thumb, control);
  Report(code);
}

void ScrollBar::EvVScroll(UINT code, UINT thumb, HWND control) {
  TWindow::EvVScroll(code, thumb, control);
  Report(code);
}

// ---- UIMDIChild -------------------------------------------------------------------------

DEFINE_RESPONSE_TABLE(UIMDIChild, TMDIChild)
  EV_WM_SIZE,
  EV_MESSAGE(kMsgWindowKind, EvWindowKind),
END_RESPONSE_TABLE;

UIMDIChild::UIMDIChild(TMDIClient& client, const char* title, const LayoutGroup* group)
    : TMDIChild(client, title), group_(group) {
  Attr.Style &= ~DWORD(WS_HSCROLL | WS_VSCROLL);
  if (title != nullptr && std::strcmp(title, "Blocks") == 0)
    Attr.Style &= ~DWORD(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  if (group_ != nullptr && client.HWindow != nullptr) {
    RECT area{};
    client.GetClientRect(area);
    const Rect r = LayoutRectSimple(group_->x, group_->y, group_->width, group_->height, area.right, area.bottom);
    Attr.X = r.left;
    Attr.Y = r.top;
    Attr.W = r.Width();
    Attr.H = r.Height();
  }
  if (group_ == nullptr) return;
  for (int i = 0; i < group_->count; ++i) {
    const LayoutEntry* entry = &group_->entries[i];
    if (entry->type == kPaneHorzScrollBar || entry->type == kPaneVertScrollBar)
      new ScrollBar(this, entry);
    else if (entry->type == kPaneDivider)
      new Divider(this, entry);
  }
}

void UIMDIChild::GetWindowClass(WNDCLASSA& wndClass) {
  TMDIChild::GetWindowClass(wndClass);
  HINSTANCE module = GetModule() != nullptr ? GetModule()->GetHandle() : ::GetModuleHandleA(nullptr);
  HICON icon = ::LoadIconA(module, "VLXPAGEICON");
  wndClass.hIcon = icon != nullptr ? icon : ::LoadIconA(module, "VLXICON");
}

void UIMDIChild::SetupWindow() {
  // The panes take their places from the client area before they are made.
  RECT client{};
  GetClientRect(client);
  ForEach([&client](TWindow& w) {
    auto* pane = dynamic_cast<ChildWindow*>(&w);
    if (pane == nullptr || pane->HWindow != nullptr) return;
    const RECT r = pane->LayoutIn(client.right, client.bottom);
    pane->Attr.X = r.left;
    pane->Attr.Y = r.top;
    pane->Attr.W = r.right - r.left;
    pane->Attr.H = r.bottom - r.top;
  });
  TMDIChild::SetupWindow();
  RemoveMissingPanes();
  HINSTANCE module = GetModule() != nullptr ? GetModule()->GetHandle() : ::GetModuleHandleA(nullptr);
  if (HICON icon = ::LoadIconA(module, "VLXPAGEICON"))
    ::SendMessageA(HWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void UIMDIChild::RemoveMissingPanes() {
  std::vector<ChildWindow*> missing;
  ForEach([&missing](TWindow& w) {
    auto* pane = dynamic_cast<ChildWindow*>(&w);
    if (pane != nullptr && pane->HWindow == nullptr) missing.push_back(pane);
  });
  for (ChildWindow* pane : missing) {
    ShowEditorError(kStrNoChildWindow, pane->Entry() != nullptr ? pane->Entry()->type : pane->GetChildType());
    ForEach([pane](TWindow& w) {
      if (auto* bar = dynamic_cast<ScrollBar*>(&w)) bar->Forget(pane);
    });
    delete pane;
  }
}

void UIMDIChild::BuildAll() {
  ForEach([](TWindow& w) {
    if (auto* pane = dynamic_cast<ChildWindow*>(&w)) pane->BuildDisplay();
  });
}

void UIMDIChild::UpdateAll(UIObject* object, int kind, int scope) {
  ForEach([=](TWindow& w) {
    if (auto* pane = dynamic_cast<ChildWindow*>(&w)) pane->ObjectUpdate(object, kind, scope);
  });
}

void UIMDIChild::ComputeAllExtents() {
  ForEach([](TWindow& w) {
    if (auto* pane = dynamic_cast<ChildWindow*>(&w)) pane->ComputeExtent();
  });
}

ChildWindow* UIMDIChild::FindChildOfType(int type) const {
  TWindow* found = FirstThat([type](TWindow& w) {
    auto* pane = dynamic_cast<ChildWindow*>(&w);
    return pane != nullptr && pane->GetChildType() == type;
  });
  return static_cast<ChildWindow*>(found);
}

void UIMDIChild::EvSize(UINT sizeType, const TSize& size) {
  if ((sizeType == SIZE_RESTORED || sizeType == SIZE_MAXIMIZED) && HWindow != nullptr) {
    RECT client{};
    GetClientRect(client);
    ForEach([&client](TWindow& w) {
      auto* pane = dynamic_cast<ChildWindow*>(&w);
      if (pane == nullptr || pane->HWindow == nullptr) return;
      const RECT want = pane->LayoutIn(client.right, client.bottom);
      RECT now{};
      ::GetWindowRect(pane->HWindow, &now);
      ::MapWindowPoints(nullptr, ::GetParent(pane->HWindow), reinterpret_cast<POINT*>(&now), 2);
      if (::EqualRect(&want, &now)) return;
      ::SetWindowPos(pane->HWindow, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
      pane->RebuildDisplay();
    });
  }
  TMDIChild::EvSize(sizeType, size);
}

}  // namespace ed
