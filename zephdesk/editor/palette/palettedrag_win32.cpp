#include "editor/palette/palettedrag_win32.h"

#include <windows.h>

#include "editor/page/editchild_win32.h"
#include "editor/palette/palettemdi_win32.h"
#include "editor/support/editorhost.h"

namespace ed {

PaletteDrag::PaletteDrag(PalettePaneWindow& window, ObjectPane& pane, EditorHost& host)
    : window_(window), host_(host), mouse_(std::make_unique<PaneMouse>(pane, nullptr, *this)) {}

PaletteDrag::~PaletteDrag() = default;

void PaletteDrag::Capture() { ::SetCapture(window_.HWindow); }

void PaletteDrag::ReleaseCapture() {
  if (window_.HWindow != nullptr && ::GetCapture() == window_.HWindow) ::ReleaseCapture();
}

// The pane's units are its pixels below the scroll origin.
Point PaletteDrag::DeviceToCanvas(Point device) const { return {device.x, device.y + window_.ScrollY()}; }

Point PaletteDrag::CanvasToDevice(Point canvas) const { return {canvas.x, canvas.y - window_.ScrollY()}; }

Point PaletteDrag::ClientToScreen(Point device) const {
  POINT p{device.x, device.y};
  if (window_.HWindow != nullptr) ::ClientToScreen(window_.HWindow, &p);
  return {p.x, p.y};
}

void PaletteDrag::SetArrowCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW)); }

void PaletteDrag::SetCrossCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_CROSS)); }

void PaletteDrag::Beep() { host_.Beep(MB_ICONEXCLAMATION); }

DropTarget* PaletteDrag::TargetAt(Point screen) {
  HWND window = ::WindowFromPoint(POINT{screen.x, screen.y});
  return dynamic_cast<EditChild*>(TWindow::GetWindowPtr(window));
}

void PaletteDrag::EraseOutline() { EditChild::EraseDragOutline(); }

void PaletteDrag::InvertBand(const Rect& band) {
  if (window_.HWindow == nullptr) return;
  HDC dc = ::GetDC(window_.HWindow);
  RECT r{band.left, band.top - window_.ScrollY(), band.right, band.bottom - window_.ScrollY()};
  ::DrawFocusRect(dc, &r);
  ::ReleaseDC(window_.HWindow, dc);
}

}  // namespace ed
