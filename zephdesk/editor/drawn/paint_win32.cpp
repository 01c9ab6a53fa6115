// Painting of the drawn objects, with the designer's named brushes and pens.
#include <string>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/drawn/blockobject.h"
#include "editor/drawn/lineobjects.h"
#include "editor/support/drawing_win32.h"
#include "framework/kvnamed.h"

namespace ed {
namespace {

HBRUSH NamedBrush(const char* name) {
  const DrawingTables& t = GetDrawingTables();
  BrushObject* b = t.brushes != nullptr ? t.brushes->Find(name) : nullptr;
  return b != nullptr ? b->GetBrush() : static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}

COLORREF NamedColour(const char* name) {
  const DrawingTables& t = GetDrawingTables();
  BrushObject* b = t.brushes != nullptr ? t.brushes->Find(name) : nullptr;
  return b != nullptr ? b->GetColor() : RGB(0, 0, 0);
}

HPEN NamedPen(const char* name) {
  const DrawingTables& t = GetDrawingTables();
  PenObject* p = t.pens != nullptr ? t.pens->Find(name) : nullptr;
  return p != nullptr ? p->GetPen() : static_cast<HPEN>(::GetStockObject(BLACK_PEN));
}

std::int32_t TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// One stroke of the branch fan: an embossed bar of four one-pixel lines.
void EmbossedStroke(HDC dc, POINT a, POINT b, bool horizontal) {
  struct Band {
    int offset;
    int colour;
  };
  const Band bands[] = {{-2, COLOR_BTNFACE}, {-1, COLOR_BTNHIGHLIGHT}, {0, COLOR_BTNFACE}, {1, COLOR_BTNSHADOW}};
  for (const Band& band : bands) {
    HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(band.colour));
    HGDIOBJ old = ::SelectObject(dc, pen);
    if (horizontal) {
      ::MoveToEx(dc, a.x, a.y + band.offset, nullptr);
      ::LineTo(dc, b.x, b.y + band.offset);
    } else {
      ::MoveToEx(dc, a.x + band.offset, a.y, nullptr);
      ::LineTo(dc, b.x + band.offset, b.y);
    }
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
  }
}

}  // namespace

void VavurOrezoObject::Paint(HDC dc, const RECT*) {
  VavurOrezo* block = Block();
  if (block == nullptr) return;
  const std::string label = block->Icon() ? block->Icon()->Text() : block->CustomTypeName();
  const BlockMetrics metrics = Canvas() != nullptr ? Canvas()->GetBlockMetrics() : BlockMetrics{};
  Layout(metrics, TextWidth(dc, block->Name()), TextWidth(dc, label));

  int mode = OPAQUE;
  COLORREF background = 0;
  COLORREF text = ::GetSysColor(COLOR_CAPTIONTEXT);
  if (block->Flags() & kBlockLocated) {
    background = NamedColour("vavurorezo_breakpoint");
  } else if (block->Flags() & kBlockMarked) {
    background = NamedColour("vavurorezo_current");
  } else if (ObjectSelected()) {
    background = ::GetSysColor(COLOR_ACTIVECAPTION);
  } else {
    mode = TRANSPARENT;
    text = ::GetSysColor(COLOR_WINDOWTEXT);
  }
  const int oldMode = ::SetBkMode(dc, mode);
  const COLORREF oldBk = ::SetBkColor(dc, background);
  const COLORREF oldText = ::SetTextColor(dc, text);
  ::TextOutA(dc, NameRect().left + 1, NameRect().top, block->Name().c_str(), static_cast<int>(block->Name().size()));
  ::TextOutA(dc, LabelRect().left + 1, LabelRect().top, label.c_str(), static_cast<int>(label.size()));
  ::SetBkMode(dc, oldMode);
  ::SetBkColor(dc, oldBk);
  ::SetTextColor(dc, oldText);

  Icons* icons = GetDrawingTables().icons;
  if (icons != nullptr && block->Icon() && !block->Icon()->BitmapName().empty()) {
    if (BitmapObject* bitmap = icons->Get(block->Icon()->BitmapName().c_str())) {
      const SIZE size = bitmap->GetLoadedSize();
      const RECT square = ToRECT(IconRect());
      if (bitmap->GetLoadedBitmap() != nullptr) {
        StretchDIBWithPalette(dc, bitmap->GetLoadedBitmap(), size.cx, size.cy, &square);
      }
    }
  }
  HGDIOBJ oldPen = ::SelectObject(dc, NamedPen(block->IsFinished() ? "gray_frame" : "pink_frame"));
  const Rect& r = IconRect();
  ::MoveToEx(dc, r.right, r.top, nullptr);
  ::LineTo(dc, r.left, r.top);
  ::LineTo(dc, r.left, r.bottom);
  ::LineTo(dc, r.right, r.bottom);
  ::LineTo(dc, r.right, r.top);
  ::SelectObject(dc, oldPen);
}

void GotoBlockObject::Paint(HDC dc, const RECT* update) {
  const RECT r = ToRECT(Bounds());
  const bool selected = ObjectSelected();
  if (Bounds().Width() == Bounds().Height()) {
    ::FillRect(dc, &r, NamedBrush(selected ? "selected_gotoblock" : "normal_gotoblock"));
    return;
  }
  GotoBlock* target = Target();
  if (target == nullptr) return;
  const std::string& name = target->OutputName();
  unsigned bits = 0x11;
  if (block_ != nullptr) {
    if (Program* program = block_->GetProgram()) {
      program->Activate();
      bits = program->Model().IsOutputOptionalApplicable(block_->TypeCode(), block_->Handle(), name.c_str());
    }
  }
  if ((bits & 0x11) == 0) {
    // An output that may not be left open and is not connected: a magenta checkerboard.
    const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP pattern = ::CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH brush = ::CreatePatternBrush(pattern);
    const COLORREF oldText = ::SetTextColor(dc, RGB(255, 0, 255));
    const COLORREF oldBk = ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    ::FillRect(dc, &r, brush);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBk);
    ::DeleteObject(brush);
    ::DeleteObject(pattern);
  } else {
    ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  }
  HBRUSH light = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);
  HBRUSH dark = ::GetSysColorBrush(COLOR_BTNSHADOW);
  Draw3DFrame(dc, selected ? dark : light, selected ? light : dark, &r, 1);
  if (name.empty()) return;
  const BlockMetrics metrics = Canvas() != nullptr ? Canvas()->GetBlockMetrics() : BlockMetrics{};
  const UINT oldAlign = ::SetTextAlign(dc, TA_RIGHT | TA_TOP);
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldText = ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  RECT clip = r;
  if (update != nullptr) ::IntersectRect(&clip, &r, update);
  ::ExtTextOutA(dc, r.right - metrics.labelMargin, r.top, update != nullptr ? ETO_CLIPPED : 0,
                update != nullptr ? &clip : nullptr, name.c_str(), static_cast<UINT>(name.size()), nullptr);
  ::SetTextAlign(dc, oldAlign);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldText);
}

void LineSegmentObject::Paint(HDC dc, const RECT*) {
  if (line_ == nullptr) return;
  const bool selected = Canvas() != nullptr && Canvas()->IsSelected(line_) && Canvas()->MouseMode() != 2;
  const char* pen = selected ? "selected_goto" : line_->IsStubbed() ? "stub_goto" : "normal_goto";
  HGDIOBJ old = ::SelectObject(dc, NamedPen(pen));
  const Rect& r = Bounds();
  if (horizontal_) {
    const int y = r.top + r.Height() / 2;
    ::MoveToEx(dc, r.left, y, nullptr);
    ::LineTo(dc, r.right + (selected ? 0 : 1), y);
  } else {
    const int x = r.left + r.Width() / 2;
    ::MoveToEx(dc, x, r.top, nullptr);
    ::LineTo(dc, x, r.bottom);
  }
  ::SelectObject(dc, old);
}

void LineLabelObject::Paint(HDC dc, const RECT* update) {
  const VavurOrezo* target = line_ != nullptr ? line_->EndBlock() : nullptr;
  const std::string name = target != nullptr ? target->Name() : std::string();
  FitToName(TextWidth(dc, name));
  const RECT r = ToRECT(Bounds());
  ::FillRect(dc, &r, NamedBrush("goto_label_background"));
  RECT clip = r;
  if (update != nullptr) ::IntersectRect(&clip, &r, update);
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldText = ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::ExtTextOutA(dc, r.left, r.top, ETO_CLIPPED, &clip, name.c_str(), static_cast<UINT>(name.size()), nullptr);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldText);
}

void LineBlockObject::Paint(HDC dc, const RECT*) {
  if (!Visible()) return;
  const RECT r = ToRECT(Bounds());
  ::FillRect(dc, &r, NamedBrush("goto_line_block"));
}

void BranchObject::Paint(HDC dc, const RECT* rect) {
  if (outputs_.empty()) return;
  POINT shift{0, 0};
  if (rect != nullptr) {
    shift.x = (rect->right - rect->left) / 2 - rect->left;
    shift.y = (rect->bottom - rect->top) / 2 - rect->top;
  }
  auto at = [&](Point p) { return POINT{p.x + shift.x, p.y + shift.y}; };
  const int spineX = Bounds().left + Bounds().Width() / 2 + shift.x;
  const POINT junction = at(junction_);
  const POINT top{spineX, at(outputs_.front()).y};
  const POINT bottom{spineX, at(outputs_.back()).y};
  EmbossedStroke(dc, junction, POINT{spineX, junction.y}, true);
  EmbossedStroke(dc, top, bottom, false);
  for (const Point& p : outputs_) {
    const POINT out = at(p);
    EmbossedStroke(dc, POINT{spineX, out.y}, out, true);
  }
  // Caps close the spine: button face at its top, shadow at its bottom.
  HPEN face = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
  HPEN shadow = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ old = ::SelectObject(dc, face);
  ::MoveToEx(dc, spineX - 2, top.y - 2, nullptr);
  ::LineTo(dc, spineX + 2, top.y - 2);
  ::SelectObject(dc, shadow);
  ::MoveToEx(dc, spineX - 2, bottom.y + 2, nullptr);
  ::LineTo(dc, spineX + 2, bottom.y + 2);
  ::SelectObject(dc, old);
  ::DeleteObject(face);
  ::DeleteObject(shadow);
}

}  // namespace ed
