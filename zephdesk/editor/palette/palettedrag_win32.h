#pragma once
// The mouse of the palette window's VavurOrezo pane (Windows only): a type pressed and
// moved is dragged as an outline over the page window under the pointer, and dropped
// there it becomes a new block named through the page's name dialog. The pane selects
// the pressed type and shows its status texts; it has no menus, notes, pastes or image
// drags, so those parts of the mouse's window do nothing here.

#include <memory>

#include "editor/panes/panemouse.h"

namespace ed {

class EditorHost;
class ObjectPane;
class PalettePaneWindow;

class PaletteDrag : public MouseWindow {
 public:
  PaletteDrag(PalettePaneWindow& window, ObjectPane& pane, EditorHost& host);
  ~PaletteDrag() override;

  PaneMouse& Mouse() { return *mouse_; }

  void Capture() override;
  void ReleaseCapture() override;
  Point DeviceToCanvas(Point device) const override;
  Point CanvasToDevice(Point canvas) const override;
  Point ClientToScreen(Point device) const override;
  void SetArrowCursor() override;
  void SetCrossCursor() override;
  void Beep() override;
  // The page canvas under the point; null over anything else.
  DropTarget* TargetAt(Point screen) override;
  void EraseOutline() override;
  void AutoScrollAtEdge(Point) override {}
  void BeginImageDrag(VavurOrezo&, Point) override {}
  void MoveImageDrag(unsigned, Point) override {}
  void EndImageDrag(Point) override {}
  void CancelImageDrag() override {}
  void ShowBlockMenu(VavurOrezo&, Point) override {}
  void ShowPageMenu(Point) override {}
  void InvertBand(const Rect& band) override;
  void PasteAt(Point) override {}
  void CancelPaste() override {}
  bool PassToNoteEditor(unsigned, unsigned, Point) override { return false; }
  void EndNoteEditing() override {}
  void CloseNoteEditors() override {}
  KvTextUI* CreateTextNote(const Rect&) override { return nullptr; }
  void OpenNoteEditor(KvTextUI*) override {}

 private:
  PalettePaneWindow& window_;
  EditorHost& host_;
  std::unique_ptr<PaneMouse> mouse_;
};

}  // namespace ed
