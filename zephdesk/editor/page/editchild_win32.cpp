#include "editor/page/editchild_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "editor/canvas/icons.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/notes/textnote.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/pageservices.h"
#include "editor/palette/tabbedpalettelink.h"
#include "editor/support/drawing_win32.h"
#include "editor/support/editorhost.h"
#include "framework/kvmainfr.h"
#include "framework/kvnamed.h"

namespace ed {
namespace {

PasteHandler& Paster() {
  static PasteHandler handler;
  return handler;
}

// The drag outline: one at a time, drawn inverted into one canvas, so that drawing the
// same rectangles again erases them.
struct Outline {
  HWND window = nullptr;
  std::vector<Rect> rects;
};
Outline& TheOutline() {
  static Outline outline;
  return outline;
}

void InvertRects(HDC dc, const std::vector<Rect>& rects) {
  const int oldRop = ::SetROP2(dc, R2_NOT);
  HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
  for (const Rect& r : rects) {
    ::MoveToEx(dc, r.left, r.top, nullptr);
    ::LineTo(dc, r.right, r.top);
    ::LineTo(dc, r.right, r.bottom);
    ::LineTo(dc, r.left, r.bottom);
    ::LineTo(dc, r.left, r.top);
  }
  ::SelectObject(dc, oldPen);
  ::SetROP2(dc, oldRop);
}

HIMAGELIST& DragImage() {
  static HIMAGELIST image = nullptr;
  return image;
}

void FreeDragImage() {
  if (DragImage() != nullptr) ::ImageList_Destroy(DragImage());
  DragImage() = nullptr;
}

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

void SetPasteHandler(PasteHandler handler) { Paster() = std::move(handler); }

DEFINE_RESPONSE_TABLE(EditChild, ChildWindow)
  EV_WM_LBUTTONDOWN,
  EV_WM_LBUTTONUP,
  EV_WM_LBUTTONDBLCLK,
  EV_WM_RBUTTONDOWN,
  EV_WM_RBUTTONDBLCLK,
  EV_WM_MOUSEMOVE,
  EV_MESSAGE(kMsgWindowKind, EvObjectPaneKind),
  EV_MESSAGE(kMsgDropFromFrame, EvDropFromFrame),
  EV_MESSAGE(kMsgSnapDragPoint, EvSnapDragPoint),
END_RESPONSE_TABLE;

EditChild::EditChild(TWindow* parent, const LayoutEntry* entry, Program& program, Page* page, PageServices& services)
    : ChildWindow(parent, entry), services_(services) {
  Attr.Style |= WS_CLIPCHILDREN;
  canvas_ = std::make_unique<PageCanvas>(program, page, this);
  mouse_ = std::make_unique<PaneMouse>(*canvas_, canvas_.get(), *this);
}

EditChild::~EditChild() {
  if (TheOutline().window == HWindow) TheOutline() = Outline();
  mouse_.reset();
  canvas_.reset();
}

void EditChild::GetWindowClass(WNDCLASSA& wndClass) {
  ChildWindow::GetWindowClass(wndClass);
  wndClass.style |= CS_DBLCLKS | CS_OWNDC;
  wndClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wndClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

void EditChild::SetupWindow() {
  ChildWindow::SetupWindow();
  canvas_->View().SetZoom({100, kZoomSteps});
  ComputeExtent();
}

HDC EditChild::CanvasDC() const {
  // The class's own context keeps its mapping between calls.
  return HWindow != nullptr ? ::GetDC(HWindow) : nullptr;
}

void EditChild::ApplyMapping() const {
  HDC dc = CanvasDC();
  if (dc == nullptr) return;
  const std::int32_t percent = GetZoom().percent;
  ::SetMapMode(dc, MM_ANISOTROPIC);
  ::SetWindowExtEx(dc, 100, 100, nullptr);
  ::SetViewportExtEx(dc, percent, percent, nullptr);
  ::SetWindowOrgEx(dc, origin_.x, origin_.y, nullptr);
  if (font_ != nullptr) ::SelectObject(dc, font_);
  ::SetBkMode(dc, TRANSPARENT);
  ::ReleaseDC(HWindow, dc);
}

void EditChild::ComputeExtent() {
  const FontObject* named = GetFont();
  font_ = named != nullptr ? named->GetFont() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  ApplyMapping();
  canvas_->ComputeExtent();
}

CanvasFont EditChild::Font() {
  CanvasFont f;
  if (const FontObject* named = GetFont()) {
    f.lettersWidth = static_cast<std::int32_t>(named->GetAverageWidth()) * 52;
    f.charHeight = named->GetCharHeight();
    f.internalLeading = named->GetInternalLeading();
    return f;
  }
  HDC dc = CanvasDC();
  if (dc == nullptr) return f;
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, kLetters, 52, &size);
  ::ReleaseDC(HWindow, dc);
  f.lettersWidth = size.cx;
  f.charHeight = metrics.tmHeight - metrics.tmInternalLeading;
  f.internalLeading = metrics.tmInternalLeading;
  return f;
}

std::int32_t EditChild::TextWidth(const std::string& text) {
  HDC dc = CanvasDC();
  if (dc == nullptr) return 0;
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::ReleaseDC(HWindow, dc);
  return size.cx;
}

// ---- painting ---------------------------------------------------------------------------

void EditChild::Paint(HDC dc, bool, RECT& rect) {
  HCURSOR old = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
  RECT area = rect;
  ::DPtoLP(dc, reinterpret_cast<POINT*>(&area), 2);
  const PageView& view = canvas_->View();
  if (Canvas().Host().IsOptionSet(kOptPrintGrid) && view.GridX() > 0 && view.GridY() > 0) {
    Pens* pens = GetDrawingTables().pens;
    PenObject* pen = pens != nullptr ? pens->Find("page_grid") : nullptr;
    HGDIOBJ oldPen = ::SelectObject(dc, pen != nullptr ? pen->GetPen() : ::GetStockObject(BLACK_PEN));
    for (const PageView::Line& line : view.GridLines()) {
      ::MoveToEx(dc, line.from.x, line.from.y, nullptr);
      ::LineTo(dc, line.to.x, line.to.y);
    }
    ::SelectObject(dc, oldPen);
  }
  for (DisplayObject* d : canvas_->ObjectsToPaint(FromRECT(area))) d->Paint(dc, &area);
  ::SetCursor(old);
}

void EditChild::InvalidateCanvasRect(const Rect& r) {
  if (HWindow == nullptr) return;
  HDC dc = CanvasDC();
  RECT device = ToRECT(r);
  ::LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
  ::ReleaseDC(HWindow, dc);
  ::InflateRect(&device, 2, 2);
  ::InvalidateRect(HWindow, &device, TRUE);
}

void EditChild::InvalidateAll() {
  if (HWindow != nullptr) ::InvalidateRect(HWindow, nullptr, TRUE);
}

void EditChild::UpdateNow() {
  if (HWindow != nullptr) ::UpdateWindow(HWindow);
}

void EditChild::SetBusy(bool busy) {
  SetBusyState(busy ? 3 : 2, 0, nullptr);
  ::SetCursor(::LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void EditChild::PrintedPageSize(int firstBuild, std::int32_t& width, std::int32_t& height) {
  services_.PrintedPageSize(firstBuild, width, height);
}

void EditChild::ShowPage(Page* page) { services_.ShowPage(page); }

bool EditChild::AskBlockName(const std::string& caption, std::string& name) {
  return services_.AskBlockName(HWindow, caption, name);
}

// ---- building, updates, zoom and scrolling ----------------------------------------------

void EditChild::BuildDisplay() {
  ApplyMapping();
  canvas_->BuildDisplay(vertical_ != nullptr, horizontal_ != nullptr);
  for (ScrollBar* bar : {vertical_, horizontal_}) {
    if (bar == nullptr) continue;
    RECT client{};
    GetClientRect(client);
    const int extent = bar == vertical_ ? client.bottom : client.right;
    bar->SetRange(0, kScrollCount, 1, std::max(1, extent / kScrollStep));
  }
}

void EditChild::ObjectUpdate(UIObject* object, int kind, int scope) { canvas_->ObjectUpdate(object, kind, scope); }

void EditChild::SetZoom(std::int32_t percent, std::int32_t step) {
  canvas_->View().SetZoom({percent, step});
  ApplyMapping();
  InvalidateAll();
}

void EditChild::SetScrollBar(TWindow* bar, bool horizontal) {
  (horizontal ? horizontal_ : vertical_) = dynamic_cast<ScrollBar*>(bar);
}

void EditChild::SetScrollPosition(int position, bool horizontal) {
  if (canvas_->Mode() == kMouseNoteEditing) ResetMode();
  (horizontal ? origin_.x : origin_.y) = kScrollStep * position;
  ApplyMapping();
  InvalidateAll();
}

void EditChild::Scroll(int bar, int kind, int code) {
  ScrollBar* target = bar == 0 ? vertical_ : horizontal_;
  if (target == nullptr) return;
  TScrollBar& control = target->Control();
  if (code == 6) {
    control.SBTop();
  } else if (code == 7) {
    control.SBBottom();
  } else if (kind == 2) {
    code == 4 ? control.SBLineUp() : control.SBPageUp();
  } else if (kind == 3) {
    code == 4 ? control.SBLineDown() : control.SBPageDown();
  }
}

int EditChild::GetVertScrollPos() const { return vertical_ != nullptr ? vertical_->GetPosition() : 0; }
int EditChild::GetHorzScrollPos() const { return horizontal_ != nullptr ? horizontal_->GetPosition() : 0; }

void EditChild::ScrollIntoView(VavurOrezo* block, bool select) {
  auto* drawn = canvas_->FindDrawnObject(block, kDrawnVavurOrezo);
  if (drawn == nullptr || HWindow == nullptr) return;
  const Rect r = drawn->Bounds();
  RECT client{};
  GetClientRect(client);
  HDC dc = CanvasDC();
  ::DPtoLP(dc, reinterpret_cast<POINT*>(&client), 2);
  ::ReleaseDC(HWindow, dc);
  const Rect visible = FromRECT(client);
  if (PointInRect(visible, r.left, r.top) && PointInRect(visible, r.right, r.bottom)) {
    if (select) canvas_->SelectObject(block, 1, 1);
    return;
  }
  origin_.x = std::max(0, r.left - (visible.Width() - r.Width()) / 2);
  origin_.y = std::max(0, r.top - (visible.Height() - r.Height()) / 2);
  if (horizontal_ != nullptr) horizontal_->SetPosition(origin_.x / kScrollStep);
  if (vertical_ != nullptr) vertical_->SetPosition(origin_.y / kScrollStep);
  ApplyMapping();
  if (select) canvas_->SelectObject(block, 1, 1);
  InvalidateAll();
}

// ---- the mouse's window ------------------------------------------------------------------

void EditChild::Capture() {
  if (HWindow != nullptr) ::SetCapture(HWindow);
}

void EditChild::ReleaseCapture() {
  if (HWindow != nullptr && ::GetCapture() == HWindow) ::ReleaseCapture();
}

Point EditChild::DeviceToCanvas(Point device) const {
  POINT p{device.x, device.y};
  HDC dc = CanvasDC();
  if (dc != nullptr) {
    ::DPtoLP(dc, &p, 1);
    ::ReleaseDC(HWindow, dc);
  }
  return {p.x, p.y};
}

Point EditChild::CanvasToDevice(Point canvas) const {
  POINT p{canvas.x, canvas.y};
  HDC dc = CanvasDC();
  if (dc != nullptr) {
    ::LPtoDP(dc, &p, 1);
    ::ReleaseDC(HWindow, dc);
  }
  return {p.x, p.y};
}

Point EditChild::ClientToScreen(Point device) const {
  POINT p{device.x, device.y};
  ::ClientToScreen(HWindow, &p);
  return {p.x, p.y};
}

Point EditChild::FromScreen(Point screen) {
  POINT p{screen.x, screen.y};
  ::ScreenToClient(HWindow, &p);
  return {p.x, p.y};
}

Point EditChild::ToClient(std::int32_t x, std::int32_t y) const {
  return CanvasToDevice(canvas_->Scale().PageToCanvas(Point{x, y}));
}

void EditChild::SetArrowCursor() {
  SetBusyState(2, 0, nullptr);
  ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
}

void EditChild::SetCrossCursor() {
  SetBusyState(3, 0, nullptr);
  ::SetCursor(::LoadCursorA(nullptr, IDC_CROSS));
}

void EditChild::Beep() { canvas_->Host().Beep(MB_ICONEXCLAMATION); }

DropTarget* EditChild::TargetAt(Point screen) {
  HWND window = ::WindowFromPoint(POINT{screen.x, screen.y});
  return dynamic_cast<EditChild*>(TWindow::GetWindowPtr(window));
}

void EditChild::EraseOutline() { EraseDragOutline(); }

void EditChild::EraseDragOutline() {
  Outline& outline = TheOutline();
  if (outline.window != nullptr && ::IsWindow(outline.window)) {
    if (auto* owner = dynamic_cast<EditChild*>(TWindow::GetWindowPtr(outline.window))) {
      HDC dc = owner->CanvasDC();
      InvertRects(dc, outline.rects);
      ::ReleaseDC(outline.window, dc);
    }
  }
  outline = Outline();
}

void EditChild::DrawOutline(const DragRecord& drag, Point client) {
  EraseOutline();
  Outline& outline = TheOutline();
  outline.window = HWindow;
  outline.rects = canvas_->OutlineAt(drag, DeviceToCanvas(client));
  HDC dc = CanvasDC();
  InvertRects(dc, outline.rects);
  ::ReleaseDC(HWindow, dc);
}

int EditChild::CanDrop(const DragRecord& drag, Point) { return canvas_->CanDrop(drag); }

void EditChild::ActivateOwnWindow() {
  if (auto* mdi = dynamic_cast<EditMDI*>(Parent)) mdi->BringToFront();
}

void EditChild::DropObjects(const DragRecord& drag, Point client) {
  ActivateOwnWindow();
  canvas_->DropObjects(drag, DeviceToCanvas(client));
}

void EditChild::AutoScrollAtEdge(Point device) {
  const Point screen = ClientToScreen(device);
  const bool left = screen.x < lastPointer_.x, right = screen.x > lastPointer_.x;
  const bool up = screen.y < lastPointer_.y, down = screen.y > lastPointer_.y;
  lastPointer_ = screen;
  RECT window{};
  GetWindowRect(window);
  auto step = [this](ScrollBar* bar, bool forward) {
    if (bar == nullptr) return;
    forward ? bar->Control().SBLineDown() : bar->Control().SBLineUp();
    SetScrollPosition(bar->GetPosition(), bar == horizontal_);
  };
  if (screen.y >= window.bottom && !up) step(vertical_, true);
  if (screen.y < window.top && !down) step(vertical_, false);
  if (screen.x >= window.right && !left) step(horizontal_, true);
  if (screen.x < window.left && !right) step(horizontal_, false);
}

void EditChild::BeginImageDrag(VavurOrezo& block, Point screen) {
  KvMainFrame* frame = services_.MainFrame();
  if (frame == nullptr) return;
  FreeDragImage();
  const int side = std::max(8, canvas_->Sizes().iconWidth * GetZoom().percent / 100);
  DragImage() = ::ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, 1, 0);
  HDC screenDc = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screenDc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screenDc, side, side);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  RECT all{0, 0, side, side};
  ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  Icons* icons = GetDrawingTables().icons;
  BitmapObject* picture = icons != nullptr && block.Icon() && !block.Icon()->BitmapName().empty()
                              ? icons->Get(block.Icon()->BitmapName().c_str())
                              : nullptr;
  if (picture != nullptr && picture->GetLoadedBitmap() != nullptr) {
    const SIZE size = picture->GetLoadedSize();
    StretchDIBWithPalette(memory, picture->GetLoadedBitmap(), size.cx, size.cy, &all);
  }
  ::FrameRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::SelectObject(memory, old);
  ::ImageList_AddMasked(DragImage(), bitmap, RGB(255, 255, 255) + 1);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screenDc);
  const POINT hot{0, 0};
  frame->BeginDrag(DragImage(), screen.x, screen.y, 0, &hot);
}

void EditChild::MoveImageDrag(unsigned keys, Point screen) {
  if (KvMainFrame* frame = services_.MainFrame()) frame->DragMove(keys, screen.x, screen.y, this);
}

void EditChild::EndImageDrag(Point screen) {
  if (KvMainFrame* frame = services_.MainFrame()) frame->EndDrag(screen.x, screen.y, FALSE);
  FreeDragImage();
}

void EditChild::CancelImageDrag() {
  if (KvMainFrame* frame = services_.MainFrame()) frame->CancelDrag();
  FreeDragImage();
}

LRESULT EditChild::EvDropFromFrame(WPARAM item, LPARAM packed) {
  POINT screen{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
  HWND window = ::WindowFromPoint(screen);
  auto* target = dynamic_cast<EditChild*>(TWindow::GetWindowPtr(window));
  if (target == nullptr) {
    ::MessageBeep(0);
    return 0;
  }
  const Point client = target->FromScreen({screen.x, screen.y});
  target->ActivateOwnWindow();
  const Point at = target->DeviceToCanvas(client);
  PageCanvas& canvas = target->Canvas();
  if (item == 0) {
    const DragRecord* drag = CurrentDrag();
    const int code = drag != nullptr && drag->owner != nullptr ? drag->owner->isA() : 0;
    if (code == kClassVavurOrezo || code == kClassTextNote)
      canvas.MoveDraggedObjects(*drag, at.x, at.y);
    else
      Beep();
    return 0;
  }
  // An entry of the tabbed palette names its block type.
  std::shared_ptr<VavurOrezoIcon> icon = TabbedPaletteType(static_cast<std::uint32_t>(item));
  if (!icon) {
    Beep();
    return 0;
  }
  canvas.AddBlock(icon, at.x, at.y, canvas.Host().IsOptionSet(kOptAutoName));
  return 0;
}

LRESULT EditChild::EvSnapDragPoint(WPARAM, LPARAM point) {
  auto* p = reinterpret_cast<POINT*>(point);
  if (p == nullptr || !canvas_->Host().IsOptionSet(kOptSnapToGrid)) return 0;
  const Point snapped = CanvasToDevice(canvas_->SnapCanvasPoint(DeviceToCanvas({p->x, p->y})));
  p->x = snapped.x;
  p->y = snapped.y;
  return 0;
}

void EditChild::ShowBlockMenu(VavurOrezo& block, Point screen) {
  services_.ShowBlockMenu(HWindow, block, screen.x, screen.y);
}

void EditChild::ShowPageMenu(Point screen) { services_.ShowPageMenu(HWindow, screen.x, screen.y); }

void EditChild::InvertBand(const Rect& band) {
  HDC dc = CanvasDC();
  if (dc == nullptr) return;
  InvertRects(dc, {band});
  ::ReleaseDC(HWindow, dc);
}

void EditChild::PasteAt(Point screen) {
  auto* target = dynamic_cast<EditChild*>(TWindow::GetWindowPtr(::WindowFromPoint(POINT{screen.x, screen.y})));
  SetArrowCursor();
  if (target == nullptr || !Paster()) {
    Beep();
    return;
  }
  target->ActivateOwnWindow();
  Paster()(target->Canvas(), target->DeviceToCanvas(target->FromScreen(screen)));
}

void EditChild::CancelPaste() { SetArrowCursor(); }

// ---- text notes -------------------------------------------------------------------------

KvTextUI* EditChild::EditedNote() const {
  if (canvas_->Mode() != kMouseNoteEditing) return nullptr;
  UIObject* first = canvas_->FirstSelected();
  return first != nullptr && first->isA() == kClassTextNote ? static_cast<KvTextUI*>(first) : nullptr;
}

HWND EditChild::EditedNoteWindow() const {
  KvTextUI* note = EditedNote();
  return note != nullptr ? note->Base().GetWindowHandle() : nullptr;
}

bool EditChild::PassToNoteEditor(unsigned message, unsigned keys, Point device) {
  KvTextUI* note = EditedNote();
  if (note == nullptr || !note->Base().IsPointInEditor(device.x, device.y)) return false;
  HWND editor = note->Base().GetWindowHandle();
  POINT p{device.x, device.y};
  ::MapWindowPoints(HWindow, editor, &p, 1);
  ::SendMessageA(editor, message, keys, MAKELPARAM(p.x, p.y));
  return true;
}

void EditChild::ResetMode() {
  KvTextUI* note = EditedNote();
  canvas_->SetMode(kMouseIdle);
  ReleaseCapture();
  if (note == nullptr) return;
  CloseNoteEditor(note);
}

void EditChild::CloseNoteEditor(KvTextUI* note) {
  Rect inside;
  note->Base().CloseEditor(false, &inside);
  const Point a = DeviceToCanvas({inside.left, inside.top});
  const Point b = DeviceToCanvas({inside.right, inside.bottom});
  const Rect r = canvas_->Scale().CanvasToPage(Rect{a.x, a.y, b.x, b.y});
  note->SetRect(r.left, r.right, r.top, r.bottom);
  canvas_->ObjectUpdate(note, kUpdateRebuilt, 0);
  canvas_->ClearSelection();
}

void EditChild::CloseNoteEditors() {
  Page* page = canvas_->GetShownPage();
  if (page == nullptr) return;
  for (const auto& note : page->Notes()) {
    if (note->Base().GetWindowHandle() != nullptr) CloseNoteEditor(note.get());
  }
}

KvTextUI* EditChild::CreateTextNote(const Rect& band) {
  Page* page = canvas_->GetShownPage();
  if (page == nullptr) return nullptr;
  const Rect clamped{std::max(0, band.left), std::max(0, band.top), band.right, band.bottom};
  const Rect r = canvas_->Scale().CanvasToPage(clamped);
  std::shared_ptr<FontObject> font;
  Fonts* fonts = GetDrawingTables().fonts;
  if (FontObject* named = fonts != nullptr ? fonts->Find("default_textnotes") : nullptr)
    font = std::make_shared<FontObject>("", *named);
  auto* note = new KvTextUI(page, r.left, r.right, r.top, r.bottom, font, font ? font->GetFont() : nullptr);
  // The file keeps the note's font by its description.
  if (font) note->SetFontSpec(NoteFontSpecOf(*font));
  page->AddTextNote(note);
  canvas_->ObjectUpdate(note, kUpdateAdded, 0);
  return note;
}

void EditChild::OpenNoteEditor(KvTextUI* note) {
  if (DisplayObject* drawn = canvas_->FindDrawnObject(note)) canvas_->RunMouseEvent(drawn, 0, 0, 3);
}

void EditChild::UpdateObject(KvTextUI* note, int kind) { canvas_->ObjectUpdate(note, kind, 0); }

}  // namespace ed
