#include "editor/print/gdiflowprint.h"

#include "editor/drawn/displayobject.h"
#include "editor/support/drawing_win32.h"
#include "framework/kvnamed.h"

namespace ed {

bool PrintStateFlowJob::BeginJob(const char* documentName) {
  // A job begun before (to lay the page out on its context) goes on as it is.
  if (begun_) return true;
  begun_ = firstPageOpen_ = state_.begin_job(documentName) != 0;
  return begun_;
}

bool PrintStateFlowJob::NewPage() {
  ++sheets_;
  if (firstPageOpen_) {
    firstPageOpen_ = false;
    return true;
  }
  return state_.new_page() != 0;
}

void PrintStateFlowJob::EndPage() { state_.end_page(); }

void PrintStateFlowJob::EndJob() {
  if (sheets_ == 0) {
    state_.cleanup(0);
    return;
  }
  state_.end_job();
}

GdiFlowTilePainter::GdiFlowTilePainter(HDC dc, const PrinterMeasures& measures, std::int32_t tileWidth,
                                       std::int32_t tileHeight, std::int32_t headerHeight,
                                       std::vector<DisplayObject*> objects, HFONT headerFont, bool printFrame)
    : dc_(dc),
      m_(measures),
      w_(tileWidth),
      h_(tileHeight),
      header_(headerHeight),
      objects_(std::move(objects)),
      headerFont_(headerFont),
      printFrame_(printFrame) {}

Rect GdiFlowTilePainter::PrintableArea() const {
  const std::int32_t left = m_.logPixelsX / 2, top = m_.logPixelsY / 2;
  return {left, top, left + w_, top + h_};
}

bool GdiFlowTilePainter::HasObjects(const Rect& tile) {
  for (const DisplayObject* object : objects_) {
    if (object->Intersects(tile)) return true;
  }
  return false;
}

bool GdiFlowTilePainter::PaintTile(const Rect& tile) {
  const Rect area = PrintableArea();
  // The context's own clip region is kept and given back afterwards.
  HRGN kept = ::CreateRectRgn(0, 0, 0, 0);
  const bool hadClip = ::GetClipRgn(dc_, kept) == 1;
  POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
  ::LPtoDP(dc_, corners, 2);
  HRGN clip = ::CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
  ::SelectClipRgn(dc_, clip);
  ::DeleteObject(clip);
  bool painted = false;
  for (DisplayObject* object : objects_) {
    if (!object->Intersects(tile)) continue;
    const Rect r = object->GetRect();
    object->SetRect(r.left - tile.left + area.left, r.top - tile.top + area.top, r.right - r.left, r.bottom - r.top);
    object->Paint(dc_, nullptr);
    object->SetRect(r);
    painted = true;
  }
  ::SelectClipRgn(dc_, hadClip ? kept : nullptr);
  ::DeleteObject(kept);
  if (printFrame_) {
    const Brushes* brushes = GetDrawingTables().brushes;
    const BrushObject* border = brushes != nullptr ? brushes->Find("vavurorezo_border") : nullptr;
    HBRUSH brush = border != nullptr ? border->GetBrush() : static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    const RECT frame = ToRECT(area);
    ::FrameRect(dc_, &frame, brush);
  }
  return painted;
}

void GdiFlowTilePainter::PaintHeader(const std::string& text) {
  ::SetWindowOrgEx(dc_, 0, 0, nullptr);
  const RECT band{m_.logPixelsX / 2, m_.logPixelsY / 4, w_, m_.logPixelsY / 4 + header_};
  HGDIOBJ previous = headerFont_ != nullptr ? ::SelectObject(dc_, headerFont_) : nullptr;
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  const int x = band.left + (band.right - band.left - size.cx) / 2;
  const int mode = ::SetBkMode(dc_, TRANSPARENT);
  ::ExtTextOutA(dc_, x, band.top, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  ::SetBkMode(dc_, mode);
  if (previous != nullptr) ::SelectObject(dc_, previous);
}

}  // namespace ed
