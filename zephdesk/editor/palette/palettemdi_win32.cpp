#include "editor/palette/palettemdi_win32.h"

#include <algorithm>

#include "editor/canvas/icons.h"
#include "editor/palette/palettedrag_win32.h"
#include "editor/support/drawing_win32.h"
#include "editor/support/editorhost.h"
#include "framework/kvnamed.h"
#include "owl/mdiclient.h"

namespace ed {

// ---- PalettePaneWindow ------------------------------------------------------------------

DEFINE_RESPONSE_TABLE(PalettePaneWindow, ChildWindow)
  EV_WM_SIZE,
  EV_WM_LBUTTONDOWN,
  EV_WM_LBUTTONUP,
  EV_WM_MOUSEMOVE,
  EV_MESSAGE(kMsgWindowKind, EvObjectPaneKind),
END_RESPONSE_TABLE;

PalettePaneWindow::PalettePaneWindow(TWindow* parent, const LayoutEntry* entry, const char* className)
    : ChildWindow(parent, entry), className_(className) {}

PalettePaneWindow::~PalettePaneWindow() = default;

void PalettePaneWindow::EnableTypeDrag(EditorHost& host) {
  if (pane_ != nullptr) drag_ = std::make_unique<PaletteDrag>(*this, *pane_, host);
}

void PalettePaneWindow::GetWindowClass(WNDCLASSA& wndClass) {
  ChildWindow::GetWindowClass(wndClass);
  wndClass.style |= CS_DBLCLKS;
  wndClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  Brushes* brushes = GetDrawingTables().brushes;
  const BrushObject* named = brushes != nullptr ? brushes->Find("palette_background") : nullptr;
  wndClass.hbrBackground = named != nullptr ? named->GetBrush() : ::GetSysColorBrush(COLOR_BTNFACE);
}

void PalettePaneWindow::Paint(HDC dc, bool, RECT& rect) {
  if (pane_ == nullptr) return;
  const Rect area{rect.left, rect.top + scrollY_, rect.right, rect.bottom + scrollY_};
  POINT old{};
  ::SetWindowOrgEx(dc, 0, scrollY_, &old);
  HFONT font = nullptr;
  if (const FontObject* named = GetFont()) font = named->GetFont();
  HGDIOBJ oldFont = ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  RECT update = ToRECT(area);
  for (DisplayObject* d : pane_->ObjectsToPaint(area)) d->Paint(dc, &update);
  ::SelectObject(dc, oldFont);
  ::SetWindowOrgEx(dc, old.x, old.y, nullptr);
}

void PalettePaneWindow::SetScrollBar(TWindow* bar, bool horizontal) {
  if (!horizontal) vertical_ = dynamic_cast<ScrollBar*>(bar);
  ComputeExtent();
}

void PalettePaneWindow::SetScrollPosition(int position, bool horizontal) {
  if (horizontal) return;
  scrollY_ = position;
  InvalidateAll();
}

// The bar ranges over the part of the icons below the pane's height.
void PalettePaneWindow::ComputeExtent() {
  if (vertical_ == nullptr || vertical_->HWindow == nullptr || pane_ == nullptr || HWindow == nullptr) return;
  RECT client{};
  GetClientRect(client);
  const int over = std::max(0, pane_->ContentHeight() - int(client.bottom));
  const int cell = Entry() != nullptr ? Entry()->cellHeight + std::max<int>(Entry()->gapY, 0) : 10;
  vertical_->SetRange(0, over, cell, std::max<int>(client.bottom, 1));
  if (scrollY_ > over) {
    scrollY_ = over;
    vertical_->SetPosition(over);
    InvalidateAll();
  }
}

void PalettePaneWindow::InvalidateCanvasRect(const Rect& r) {
  if (HWindow == nullptr) return;
  RECT area{r.left - 2, r.top - scrollY_ - 2, r.right + 2, r.bottom - scrollY_ + 2};
  ::InvalidateRect(HWindow, &area, TRUE);
}

void PalettePaneWindow::InvalidateAll() {
  if (HWindow != nullptr) ::InvalidateRect(HWindow, nullptr, TRUE);
}

void PalettePaneWindow::UpdateNow() {
  if (HWindow != nullptr) ::UpdateWindow(HWindow);
}

void PalettePaneWindow::InvertBand(const BandObject& band) {
  if (HWindow == nullptr) return;
  HDC dc = ::GetDC(HWindow);
  const int oldRop = ::SetROP2(dc, R2_NOTXORPEN);
  HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
  if (band.kind == BandObject::kRect) {
    ::Rectangle(dc, band.x1, band.y1 - scrollY_, band.x2, band.y2 - scrollY_);
  } else {
    ::MoveToEx(dc, band.x1, band.y1 - scrollY_, nullptr);
    ::LineTo(dc, band.x2, band.y2 - scrollY_);
  }
  ::SelectObject(dc, oldPen);
  ::SelectObject(dc, oldBrush);
  ::SetROP2(dc, oldRop);
  ::ReleaseDC(HWindow, dc);
}

bool PalettePaneWindow::DragOutline(EditorHost& host, int draggedClass, Point client, Point grip) {
  const Point at{client.x - grip.x, client.y + scrollY_ - grip.y};
  const std::int32_t width = Entry() != nullptr ? Entry()->cellWidth : 0;
  const std::int32_t height = Entry() != nullptr ? Entry()->cellHeight : 0;
  if (OutlineInBlockPane(TheBandList(), *this, draggedClass, at, width, height)) return true;
  host.MessageBoxRes(kMsgUnsupportedDrag, kBoxIconExclamation);
  return false;
}

void PalettePaneWindow::EvSize(UINT sizeType, const TSize& size) {
  TWindow::EvSize(sizeType, size);
  if (pane_ != nullptr) pane_->Resize(size.cx, size.cy);
  ComputeExtent();
}

void PalettePaneWindow::EvLButtonDown(UINT keys, const TPoint& p) {
  if (groups_ != nullptr) groups_->Click({p.x, p.y + scrollY_});
  if (drag_) drag_->Mouse().LButtonDown(keys, {p.x, p.y});
}

void PalettePaneWindow::EvLButtonUp(UINT keys, const TPoint& p) {
  if (drag_) drag_->Mouse().LButtonUp(keys, {p.x, p.y});
}

void PalettePaneWindow::EvMouseMove(UINT keys, const TPoint& p) {
  if (drag_) drag_->Mouse().MouseMove(keys, {p.x, p.y});
}

// ---- PaletteMDI -------------------------------------------------------------------------

PaletteMDI::PaletteMDI(TMDIClient& client, EditorHost& host, PaletteIconList& icons, const char* title,
                       std::function<HWND()> tabs, HWND mainFrame)
    : UIMDIChild(client, title, FindLayoutGroup(kLayoutPalette)),
      host_(host),
      icons_(icons),
      link_(std::move(tabs), mainFrame,
            [this](const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) {
              if (blockPane_) blockPane_->SetGroup(members);
              if (blockWindow_ != nullptr) blockWindow_->ComputeExtent();
            }),
      state_(icons, link_) {
  const LayoutGroup* group = Group();
  for (int i = 0; group != nullptr && i < group->count; ++i) {
    const LayoutEntry& entry = group->entries[i];
    if (entry.type == kPaneGroupPalette) {
      groupWindow_ = new PalettePaneWindow(this, &entry, "GROUPPALETTE");
      groupPane_ = std::make_unique<GroupPalettePane>(host, groupWindow_, entry, state_);
      groupWindow_->SetPane(groupPane_.get(), groupPane_.get());
    } else if (entry.type == kPaneBlockPalette) {
      blockWindow_ = new PalettePaneWindow(this, &entry, "PBPALETTE");
      blockPane_ = std::make_unique<VavurOrezoPalettePane>(host, blockWindow_, entry);
      blockWindow_->SetPane(blockPane_.get(), nullptr);
      blockWindow_->EnableTypeDrag(host);
    }
  }
}

PaletteMDI::~PaletteMDI() {
  if (gone_) gone_();
  if (TheBandList().Owner() == blockWindow_) TheBandList().Clear();
  // The pane windows go before the panes they paint.
  while (TWindow* child = GetFirstChild()) delete child;
}

void PaletteMDI::SetupWindow() {
  UIMDIChild::SetupWindow();
  state_.SetGroups(nullptr);
  if (groupPane_) groupPane_->GroupsChanged();
}

void PaletteMDI::SetProgram(Program* program) {
  state_.SetProgram(program);
  if (groupPane_) groupPane_->GroupsChanged();
}

}  // namespace ed
