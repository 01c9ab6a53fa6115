#pragma once
// EditChild: the page canvas's window inside a page window. It keeps the canvas's
// drawing context in the anisotropic mapping of its zoom and scroll origin, paints the
// page grid and the drawn objects, feeds the mouse machine, draws the rubber band and the
// drag outline, runs the main frame's image drag of one block, takes drops from it, and
// edits text notes in place.

#include <functional>
#include <memory>

#include "editor/notes/textnoteobject.h"
#include "editor/page/pagecanvas.h"
#include "editor/page/zoom.h"
#include "editor/panes/childwindow_win32.h"
#include "editor/panes/panemouse.h"

namespace ed {

class PageServices;

// Messages of the main frame's image drag to the canvas under the pointer.
inline constexpr UINT kMsgDropFromFrame = 1230;
inline constexpr UINT kMsgSnapDragPoint = 1231;

// Pastes the clipboard at a canvas point of the target canvas (the clipboard program
// installs it); without one a paste placement ends with a beep.
using PasteHandler = std::function<void(PageCanvas& target, Point at)>;
void SetPasteHandler(PasteHandler handler);

class EditChild : public ChildWindow,
                  public CanvasWindow,
                  public MouseWindow,
                  public DropTarget,
                  public NoteCanvas {
 public:
  EditChild(TWindow* parent, const LayoutEntry* entry, Program& program, Page* page, PageServices& services);
  ~EditChild() override;

  const char* GetClassName() override { return "UIOBJECTCHILD"; }
  void GetWindowClass(WNDCLASSA& wndClass) override;
  void SetupWindow() override;
  void Paint(HDC dc, bool erase, RECT& rect) override;

  PageCanvas& Canvas() { return *canvas_; }
  PaneMouse& Mouse() { return *mouse_; }
  Page* GetShownPage() const { return canvas_->GetShownPage(); }

  // ChildWindow
  void SetScrollBar(TWindow* bar, bool horizontal) override;
  void SetScrollPosition(int position, bool horizontal) override;
  void BuildDisplay() override;
  void ObjectUpdate(UIObject* object, int kind, int scope) override;
  void ScrollIntoView(VavurOrezo* block, bool select) override;
  void ComputeExtent() override;
  int GetChildType() const override { return kPanePageCanvas; }

  // Zoom: the percent and its step; the frame's commands.
  Zoom GetZoom() const { return canvas_->View().GetZoom(); }
  void SetZoom(std::int32_t percent, std::int32_t step);
  // Ends the editing of a text note (mode 7).
  void ResetMode();
  // The edit control of the text note being edited; null when none is.
  HWND EditedNoteWindow() const;
  // The frame's page scrolling: bar 0 vertical, 1 horizontal; codes 4 line, 5 page
  // (kind 2 up, 3 down), 6 top, 7 bottom. Only the bar moves.
  void Scroll(int bar, int kind, int code);
  int GetVertScrollPos() const;
  int GetHorzScrollPos() const;
  Point Origin() const { return origin_; }
  // The device context with the canvas's mapping, origin and font.
  HDC CanvasDC() const;

  // Erases the drag outline wherever it is drawn (any canvas).
  static void EraseDragOutline();

  void EvLButtonDown(UINT keys, const TPoint& p) { mouse_->LButtonDown(keys, {p.x, p.y}); }
  void EvLButtonUp(UINT keys, const TPoint& p) { mouse_->LButtonUp(keys, {p.x, p.y}); }
  void EvLButtonDblClk(UINT keys, const TPoint& p) { mouse_->LButtonDblClk(keys, {p.x, p.y}); }
  void EvRButtonDown(UINT keys, const TPoint& p) { mouse_->RButtonDown(keys, {p.x, p.y}); }
  void EvRButtonDblClk(UINT keys, const TPoint& p) { mouse_->RButtonDblClk(keys, {p.x, p.y}); }
  void EvMouseMove(UINT keys, const TPoint& p) { mouse_->MouseMove(keys, {p.x, p.y}); }
  LRESULT EvObjectPaneKind(WPARAM, LPARAM) { return kKindObjectPane; }
  LRESULT EvDropFromFrame(WPARAM item, LPARAM point);
  LRESULT EvSnapDragPoint(WPARAM, LPARAM point);

  // CanvasWindow
  void InvalidateCanvasRect(const Rect& r) override;
  void InvalidateAll() override;
  void UpdateNow() override;
  CanvasFont Font() override;
  std::int32_t TextWidth(const std::string& text) override;
  NoteCanvas* Notes() override { return this; }
  void SetBusy(bool busy) override;
  void PrintedPageSize(int firstBuild, std::int32_t& width, std::int32_t& height) override;
  void ShowPage(Page* page) override;
  bool AskBlockName(const std::string& caption, std::string& name) override;

  // MouseWindow
  void Capture() override;
  void ReleaseCapture() override;
  Point DeviceToCanvas(Point device) const override;
  Point CanvasToDevice(Point canvas) const override;
  Point ClientToScreen(Point device) const override;
  void SetArrowCursor() override;
  void SetCrossCursor() override;
  void Beep() override;
  DropTarget* TargetAt(Point screen) override;
  void EraseOutline() override;
  void AutoScrollAtEdge(Point device) override;
  void BeginImageDrag(VavurOrezo& block, Point screen) override;
  void MoveImageDrag(unsigned keys, Point screen) override;
  void EndImageDrag(Point screen) override;
  void CancelImageDrag() override;
  void ShowBlockMenu(VavurOrezo& block, Point screen) override;
  void ShowPageMenu(Point screen) override;
  void InvertBand(const Rect& band) override;
  void PasteAt(Point screen) override;
  void CancelPaste() override;
  bool PassToNoteEditor(unsigned message, unsigned keys, Point device) override;
  void EndNoteEditing() override { ResetMode(); }
  void CloseNoteEditors() override;
  KvTextUI* CreateTextNote(const Rect& band) override;
  void OpenNoteEditor(KvTextUI* note) override;

  // DropTarget
  Point FromScreen(Point screen) override;
  int CanDrop(const DragRecord& drag, Point client) override;
  void DrawOutline(const DragRecord& drag, Point client) override;
  void DropObjects(const DragRecord& drag, Point client) override;

  // NoteCanvas
  HWND Window() const override { return HWindow; }
  std::int32_t ZoomPercent() const override { return GetZoom().percent; }
  Point ToClient(std::int32_t x, std::int32_t y) const override;
  void UpdateObject(KvTextUI* note, int kind) override;

 private:
  void ApplyMapping() const;
  void ActivateOwnWindow();
  KvTextUI* EditedNote() const;
  // Closes the note's editor: the note keeps the text and the editor's rectangle.
  void CloseNoteEditor(KvTextUI* note);

  PageServices& services_;
  std::unique_ptr<PageCanvas> canvas_;
  std::unique_ptr<PaneMouse> mouse_;
  ScrollBar* vertical_ = nullptr;
  ScrollBar* horizontal_ = nullptr;
  Point origin_;
  Point lastPointer_;
  HFONT font_ = nullptr;

  DECLARE_RESPONSE_TABLE(EditChild);
};

}  // namespace ed
