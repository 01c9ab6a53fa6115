#include "editor/panes/panemouse.h"

#include <cstdlib>
#include <memory>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/notes/textnote.h"
#include "editor/support/editorhost.h"

namespace ed {
namespace {

// A drag starts when the pointer moves this many device pixels from the press.
constexpr std::int32_t kDragThreshold = 4;

std::unique_ptr<DragRecord>& DragSlot() {
  static std::unique_ptr<DragRecord> drag;
  return drag;
}

Rect Normalised(Point a, Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

DragRecord* CurrentDrag() { return DragSlot().get(); }

void SetCurrentDrag(const DragRecord* drag) {
  if (drag == nullptr)
    DragSlot().reset();
  else
    DragSlot() = std::make_unique<DragRecord>(*drag);
}

PaneMouse::PaneMouse(ObjectPane& pane, PageCanvas* canvas, MouseWindow& window)
    : pane_(pane), canvas_(canvas), window_(window) {}

void PaneMouse::Status(const std::string& text) { pane_.Host().SetStatusText(text.c_str(), false); }

void PaneMouse::StatusAt(Point canvas) {
  DisplayObject* hit = pane_.FindObjectAt(canvas.x, canvas.y);
  Status(hit != nullptr ? hit->GetStatusText() : std::string());
}

void PaneMouse::EditNote(UIObject* note) {
  pane_.ClearSelection();
  pane_.SelectObject(note, 1, kClickLeft);
  pane_.SetMode(kMouseNoteEditing);
  pane_.Host().UpdateCommandStates();
  window_.Capture();
}

void PaneMouse::BackToIdle() {
  window_.ReleaseCapture();
  pane_.SetMode(kMouseIdle);
}

UIObject* PaneMouse::PressedOwner() const {
  const DragRecord* drag = CurrentDrag();
  return drag != nullptr ? drag->owner : nullptr;
}

bool PaneMouse::DraggedAsOutline() const {
  const DragRecord* drag = CurrentDrag();
  if (drag == nullptr || drag->owner == nullptr) return true;
  const int code = drag->owner->isA();
  // Only a block of the page goes as the frame's image; a type from a palette is
  // outlined where it would be placed.
  return code == kClassSegment || code == kClassTextNote || code == kClassVavurOrezoIcon || drag->objects.size() > 1;
}

void PaneMouse::UpdateBand(Point canvas) {
  if (!bandUndrawn_) window_.InvertBand(band_);
  band_ = Normalised(anchor_, canvas);
  window_.InvertBand(band_);
}

// ---- left button ------------------------------------------------------------------------

void PaneMouse::LButtonDown(unsigned keys, Point device) {
  const Point c = window_.DeviceToCanvas(device);
  const int mode = pane_.Mode();
  if (mode == kMousePastePlacement) {
    window_.PasteAt(window_.ClientToScreen(device));
    BackToIdle();
    return;
  }
  if (mode == kMouseNoteEditing) {
    if (window_.PassToNoteEditor(kPassLButtonDown, keys, device)) return;
    window_.EndNoteEditing();
  }
  if (canvas_ != nullptr) window_.CloseNoteEditors();
  if (pane_.Mode() == kMouseNotePlacement) {
    if (c.x < 0 || c.y < 0) {
      window_.ReleaseCapture();
      window_.SetArrowCursor();
      pane_.SetMode(kMouseIdle);
      return;
    }
    pane_.SetMode(kMouseNoteRect);
    pane_.ClearSelection();
    anchor_ = c;
    bandUndrawn_ = true;
    UpdateBand({c.x + 1, c.y + 1});
    bandUndrawn_ = false;
    window_.Capture();
    return;
  }
  if (pane_.Mode() != kMouseIdle) BackToIdle();

  DisplayObject* hit = pane_.FindObjectAt(c.x, c.y);
  const bool shift = (keys & kKeyShift) != 0;
  if (hit == nullptr) {
    Status("");
    if (shift) return;
    pane_.ClearSelection();
    if (canvas_ != nullptr) {
      pane_.SetMode(kMouseBand);
      anchor_ = c;
      band_ = {c.x, c.y, c.x, c.y};
      bandUndrawn_ = true;
      window_.Capture();
    }
    return;
  }
  UIObject* owner = hit->Object();
  if (owner == nullptr) return;
  bool shown = false;
  if (pane_.RunMouseEvent(hit, c.x, c.y, kClickLeft, &shown) || !shown) return;
  if (pane_.SelectObject(owner, shift ? 0 : 1, kClickLeft) != 1) return;
  Status(hit->GetHint());
  if (owner->CanDrag()) {
    pane_.SetMode(kMousePressed);
    press_ = device;
    pressed_ = hit;
    window_.Capture();
  }
}

void PaneMouse::StartDrag(Point canvas) {
  DragRecord drag;
  drag.objects = pane_.Selection();
  drag.owner = pressed_->Object();
  drag.pressedRect = pressed_->GetRect();
  drag.source = &pane_;
  drag.start = canvas;
  SetCurrentDrag(&drag);
  // A dragged segment's line shows its joints no longer.
  if (canvas_ != nullptr && drag.owner != nullptr && drag.owner->isA() == kClassSegment) {
    if (Goto* line = static_cast<Segment*>(drag.owner)->Line()) {
      canvas_->ObjectUpdate(line, kUpdateRedraw, 0);
      if (canvas_->Surface() != nullptr) canvas_->Surface()->UpdateNow();
    }
  }
}

void PaneMouse::MouseMove(unsigned keys, Point device) {
  const Point c = window_.DeviceToCanvas(device);
  switch (pane_.Mode()) {
    case kMouseIdle:
      StatusAt(c);
      break;
    case kMousePressed: {
      if (std::abs(device.x - press_.x) < kDragThreshold && std::abs(device.y - press_.y) < kDragThreshold) break;
      if (pressed_ == nullptr || !pane_.Owns(pressed_)) {
        BackToIdle();
        break;
      }
      Status(pressed_->GetActionText());
      window_.EraseOutline();
      pane_.SetMode(kMouseDragging);
      StartDrag(c);
      UIObject* owner = PressedOwner();
      if (owner != nullptr && owner->isA() == kClassGotoBlock) {
        // Outputs are connected by clicks, not dragged.
        BackToIdle();
        SetCurrentDrag(nullptr);
        pane_.ClearSelection();
      } else if (owner != nullptr && owner->isA() == kClassVavurOrezo && !DraggedAsOutline()) {
        window_.Capture();
        Point at = canvas_ != nullptr ? canvas_->SnapCanvasPoint(c) : c;
        window_.BeginImageDrag(*static_cast<VavurOrezo*>(owner), window_.ClientToScreen(window_.CanvasToDevice(at)));
      } else {
        DragOver(false, device);
      }
      break;
    }
    case kMouseDragging:
      if (DraggedAsOutline()) {
        window_.AutoScrollAtEdge(device);
        DragOver(false, device);
      } else {
        window_.MoveImageDrag(keys, window_.ClientToScreen(device));
      }
      break;
    case kMouseBand:
      UpdateBand(c);
      bandUndrawn_ = false;
      break;
    case kMouseNoteRect:
      UpdateBand(c);
      break;
    case kMouseNoteEditing:
      window_.PassToNoteEditor(kPassMouseMove, keys, device);
      break;
    default:
      break;
  }
}

void PaneMouse::LButtonUp(unsigned keys, Point device) {
  const Point c = window_.DeviceToCanvas(device);
  switch (pane_.Mode()) {
    case kMouseIdle:
      StatusAt(c);
      break;
    case kMousePressed:
      BackToIdle();
      break;
    case kMouseDragging: {
      BackToIdle();
      if (DraggedAsOutline()) {
        const bool taken = DragOver(true, device);
        DragRecord* drag = CurrentDrag();
        if (!taken && canvas_ != nullptr && drag != nullptr && drag->owner != nullptr &&
            drag->owner->isA() == kClassSegment) {
          if (Goto* line = static_cast<Segment*>(drag->owner)->Line()) canvas_->ObjectUpdate(line, kUpdateRedraw, 0);
        }
      } else {
        window_.EndImageDrag(window_.ClientToScreen(device));
      }
      SetCurrentDrag(nullptr);
      break;
    }
    case kMouseBand:
      BackToIdle();
      if (!bandUndrawn_) {
        window_.InvertBand(band_);
        if (canvas_ != nullptr) canvas_->SelectObjectsInBand(band_);
      }
      break;
    case kMouseNoteRect: {
      window_.ReleaseCapture();
      window_.SetArrowCursor();
      window_.InvertBand(band_);
      pane_.SetMode(kMouseIdle);
      KvTextUI* note = window_.CreateTextNote(band_);
      if (note != nullptr && pane_.FindDrawnObject(note) != nullptr) {
        EditNote(note);
        window_.OpenNoteEditor(note);
      }
      break;
    }
    case kMouseNoteEditing:
      window_.PassToNoteEditor(kPassLButtonUp, keys, device);
      break;
    default:
      break;
  }
}

void PaneMouse::LButtonDblClk(unsigned keys, Point device) {
  const int code = (keys & kKeyCtrl) != 0 ? kClickCtrlDouble : kClickDouble;
  const Point c = window_.DeviceToCanvas(device);
  if (pane_.Mode() == kMouseNoteEditing && window_.PassToNoteEditor(kPassLButtonDblClk, keys, device)) return;
  DisplayObject* hit = pane_.FindObjectAt(c.x, c.y);
  if (hit == nullptr) return;
  if (hit->isA() == kDrawnTextNote && hit->Object() != nullptr) EditNote(hit->Object());
  bool shown = false;
  if (!pane_.RunMouseEvent(hit, c.x, c.y, code, &shown) && shown) Status(hit->GetHint());
}

// ---- right button -----------------------------------------------------------------------

void PaneMouse::RButtonDown(unsigned keys, Point device) {
  const Point c = window_.DeviceToCanvas(device);
  const int mode = pane_.Mode();
  if (mode == kMouseBand) return;
  if (mode == kMousePastePlacement) {
    window_.CancelPaste();
    BackToIdle();
    return;
  }
  if (canvas_ != nullptr && mode != kMouseNoteEditing) window_.CloseNoteEditors();
  if (mode == kMouseNotePlacement || mode == kMouseNoteRect) {
    if (mode == kMouseNoteRect) window_.InvertBand(band_);
    window_.ReleaseCapture();
    window_.SetArrowCursor();
    pane_.SetMode(kMouseIdle);
    pane_.ClearSelection();
    return;
  }
  if (mode == kMouseNoteEditing) {
    if (window_.PassToNoteEditor(kPassRButtonDown, keys, device)) return;
    window_.EndNoteEditing();
  }
  if (pane_.Mode() != kMouseIdle) BackToIdle();

  DisplayObject* hit = pane_.FindObjectAt(c.x, c.y);
  const bool shift = (keys & kKeyShift) != 0;
  const Point screen = window_.ClientToScreen(device);
  UIObject* first = pane_.FirstSelected();
  if (first == nullptr || first->isA() != kClassGotoBlock) {
    UIObject* owner = hit != nullptr ? hit->Object() : nullptr;
    if (hit == nullptr) {
      window_.ShowPageMenu(screen);
    } else if (owner != nullptr && (owner->isA() == kClassVavurOrezo || owner->isA() == kClassTextNote)) {
      if (!pane_.RunMouseEvent(hit, c.x, c.y, kClickLeft)) {
        pane_.SelectObject(owner, shift ? 0 : 1, kClickLeft);
        if (owner->isA() == kClassVavurOrezo)
          window_.ShowBlockMenu(*static_cast<VavurOrezo*>(owner), screen);
        else
          window_.ShowPageMenu(screen);
      }
    }
  }
  // The menu's command may have removed what was under the pointer.
  hit = pane_.FindObjectAt(c.x, c.y);
  if (hit != nullptr && hit->Object() != nullptr) {
    UIObject* owner = hit->Object();
    if (!pane_.RunMouseEvent(hit, c.x, c.y, kClickRight)) pane_.SelectObject(owner, shift ? 0 : 1, kClickRight);
  }
}

void PaneMouse::RButtonDblClk(unsigned, Point device) {
  const Point c = window_.DeviceToCanvas(device);
  if (DisplayObject* hit = pane_.FindObjectAt(c.x, c.y)) pane_.RunMouseEvent(hit, c.x, c.y, kClickRightDouble);
}

// ---- drags and placements ---------------------------------------------------------------

bool PaneMouse::DragOver(bool drop, Point device) {
  DragRecord* drag = CurrentDrag();
  const Point screen = window_.ClientToScreen(device);
  DropTarget* target = drag != nullptr ? window_.TargetAt(screen) : nullptr;
  const int answer = target != nullptr ? target->CanDrop(*drag, target->FromScreen(screen)) : 0;
  if (answer == 0 || (answer == 1 && drop)) {
    window_.EraseOutline();
    if (drop) {
      window_.Beep();
      return false;
    }
    return true;
  }
  const Point client = target->FromScreen(screen);
  if (!drop) {
    target->DrawOutline(*drag, client);
    return true;
  }
  window_.EraseOutline();
  target->DropObjects(*drag, client);
  return true;
}

void PaneMouse::BeginPastePlacement() {
  window_.Capture();
  window_.SetCrossCursor();
  pane_.SetMode(kMousePastePlacement);
}

void PaneMouse::BeginTextNotePlacement() {
  window_.Capture();
  window_.SetCrossCursor();
  pane_.SetMode(kMouseNotePlacement);
}

void PaneMouse::CancelDrag() {
  if (pane_.Mode() == kMouseDragging) BackToIdle();
  if (CurrentDrag() != nullptr) {
    if (DraggedAsOutline())
      window_.EraseOutline();
    else
      window_.CancelImageDrag();
    SetCurrentDrag(nullptr);
  }
}

}  // namespace ed
