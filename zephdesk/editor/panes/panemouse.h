#pragma once
// The mouse of an object pane: pointing (status-line texts), selecting (click, Shift+click,
// rubber band), dragging (an outline inside the page, a block's image across windows),
// connecting outputs, placing pasted objects and new text notes, passing clicks to a
// note being edited, and the context menus. The state is the pane's mouse mode; the
// window supplies capture, conversions, the drag image, menus and the note editor.

#include <cstdint>
#include <string>

#include "editor/page/pagecanvas.h"

namespace ed {

class KvTextUI;

// Mouse modes.
enum MouseMode : int {
  kMouseIdle = 0,
  kMousePressed = 1,
  kMouseDragging = 2,
  kMouseBand = 3,
  kMousePastePlacement = 4,
  kMouseNotePlacement = 5,
  kMouseNoteRect = 6,
  kMouseNoteEditing = 7,
};

// Key bits of a mouse message.
inline constexpr unsigned kKeyShift = 0x4;
inline constexpr unsigned kKeyCtrl = 0x8;

// Click codes passed to drawn objects and to the selection.
enum ClickCode : int { kClickLeft = 1, kClickRight = 2, kClickDouble = 3, kClickRightDouble = 4, kClickCtrlDouble = 7 };

// A pane window under the pointer during an outline drag.
class DropTarget {
 public:
  virtual ~DropTarget() = default;
  // Screen to the target's client pixels.
  virtual Point FromScreen(Point screen) = 0;
  // 0 refuses, 1 takes feedback only, 2 takes the drop (client pixels).
  virtual int CanDrop(const DragRecord& drag, Point client) = 0;
  virtual void DrawOutline(const DragRecord& drag, Point client) = 0;
  // Brings the target's page window to the front, then drops there.
  virtual void DropObjects(const DragRecord& drag, Point client) = 0;
};

// What the mouse asks of the pane's window.
class MouseWindow {
 public:
  virtual ~MouseWindow() = default;
  virtual void Capture() = 0;
  // Releases the capture when this window holds it.
  virtual void ReleaseCapture() = 0;
  virtual Point DeviceToCanvas(Point device) const = 0;
  virtual Point CanvasToDevice(Point canvas) const = 0;
  virtual Point ClientToScreen(Point device) const = 0;
  virtual void SetArrowCursor() = 0;
  // The cross cursor and busy state of a placement.
  virtual void SetCrossCursor() = 0;
  virtual void Beep() = 0;
  // The pane window under a screen point, null when it is none.
  virtual DropTarget* TargetAt(Point screen) = 0;
  virtual void EraseOutline() = 0;
  virtual void AutoScrollAtEdge(Point device) = 0;
  // The main frame's image drag of one block.
  virtual void BeginImageDrag(VavurOrezo& block, Point screen) = 0;
  virtual void MoveImageDrag(unsigned keys, Point screen) = 0;
  virtual void EndImageDrag(Point screen) = 0;
  // Ends the image drag without a drop, and the palette's dragging state.
  virtual void CancelImageDrag() = 0;
  // The context menus at a screen point.
  virtual void ShowBlockMenu(VavurOrezo& block, Point screen) = 0;
  virtual void ShowPageMenu(Point screen) = 0;
  // The band's rectangle drawn in inverting lines; drawing one twice erases it.
  virtual void InvertBand(const Rect& band) = 0;
  // Paste placement: the click at a screen point pastes there or cancels.
  virtual void PasteAt(Point screen) = 0;
  virtual void CancelPaste() = 0;
  // The note being edited: whether the device point lies in its editor (the message is
  // then passed on to the editor) ...
  virtual bool PassToNoteEditor(unsigned message, unsigned keys, Point device) = 0;
  // ... ending its editing (the note keeps the editor's rectangle and text) ...
  virtual void EndNoteEditing() = 0;
  // ... every open note editor of the page closed into its note ...
  virtual void CloseNoteEditors() = 0;
  // ... and a new note from the band (canvas units), null when none was made.
  virtual KvTextUI* CreateTextNote(const Rect& band) = 0;
  virtual void OpenNoteEditor(KvTextUI* note) = 0;
};

// The window messages passed to a note's editor.
inline constexpr unsigned kPassMouseMove = 0x0200;
inline constexpr unsigned kPassLButtonDown = 0x0201;
inline constexpr unsigned kPassLButtonUp = 0x0202;
inline constexpr unsigned kPassLButtonDblClk = 0x0203;
inline constexpr unsigned kPassRButtonDown = 0x0204;

// The process-wide drag in progress (one at a time), null when none.
DragRecord* CurrentDrag();
void SetCurrentDrag(const DragRecord* drag);

class PaneMouse {
 public:
  // canvas is the page canvas when the pane is one (null for a palette pane).
  PaneMouse(ObjectPane& pane, PageCanvas* canvas, MouseWindow& window);

  void LButtonDown(unsigned keys, Point device);
  void MouseMove(unsigned keys, Point device);
  void LButtonUp(unsigned keys, Point device);
  void LButtonDblClk(unsigned keys, Point device);
  void RButtonDown(unsigned keys, Point device);
  void RButtonDblClk(unsigned keys, Point device);

  // Outline drag over the window under the pointer; drop = 1 drops. The answer of a drop
  // tells whether it was taken.
  bool DragOver(bool drop, Point device);
  // Edit > Paste and Edit > Create Text Note start their placement.
  void BeginPastePlacement();
  void BeginTextNotePlacement();
  // The application lost the focus: a drag in progress ends.
  void CancelDrag();

  const Rect& Band() const { return band_; }

 private:
  void Status(const std::string& text);
  // The status text of what lies under a canvas point.
  void StatusAt(Point canvas);
  // The note alone selected and edited (mode 7), the mouse captured.
  void EditNote(UIObject* note);
  void BackToIdle();
  void StartDrag(Point canvas);
  void UpdateBand(Point canvas);
  UIObject* PressedOwner() const;
  bool DraggedAsOutline() const;

  ObjectPane& pane_;
  PageCanvas* canvas_;
  MouseWindow& window_;
  DisplayObject* pressed_ = nullptr;
  Point press_;
  Point anchor_;
  bool bandUndrawn_ = false;
  Rect band_;
};

}  // namespace ed
