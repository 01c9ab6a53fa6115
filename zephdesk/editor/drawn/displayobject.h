#pragma once
// The drawn object of a page canvas: one per VavurOrezo, goto block, segment, joint,
// label, branch fan and text note. It knows its rectangle in canvas units, its layer, how
// it is hit and which status-line texts it gives; painting is the Windows part.

#include <cstdint>
#include <string>

#include "editor/support/geometry.h"
#include "foundation/kvwintypes.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ed {

class UIObject;
class Goto;

// The canvas's layout metrics of drawn blocks, in canvas units.
struct BlockMetrics {
  std::int32_t textHeight = 0;
  std::int32_t gap = 0;
  std::int32_t iconSize = 0;
  std::int32_t labelMargin = 0;
};

class Page;

// What a drawn object asks of the canvas that shows it.
class DrawnCanvas {
 public:
  virtual ~DrawnCanvas() = default;
  virtual bool IsSelected(const UIObject* object) const = 0;
  virtual UIObject* FirstSelected() const = 0;
  virtual int SelectionCount() const = 0;
  // 1 while a selected goto line is being rerouted by hand.
  virtual int LineEditState() const = 0;
  // 2 while a block is dragged from the palette.
  virtual int MouseMode() const = 0;
  // Canvas units to page units.
  virtual Point ToPage(std::int32_t x, std::int32_t y) const = 0;
  // Selects a goto line (a click on one of its parts outside rerouting).
  virtual void SelectLine(Goto* line) = 0;
  // Brings the page's window to the front, creating it when it is not open.
  virtual void ShowPage(Page* page) = 0;
  virtual void RefreshStatusLine() = 0;
  virtual BlockMetrics GetBlockMetrics() const = 0;
};

enum DrawnClass : int {
  kDrawnBase = 0,
  kDrawnVavurOrezo = 308,
  kDrawnGotoBlock = 309,
  kDrawnSegment = 310,
  kDrawnLabel = 311,
  kDrawnJoint = 312,
  kDrawnBranch = 313,
  kDrawnTextNote = 314,
};

class DisplayObject {
 public:
  // Appends itself to the object's list of drawn objects; the destructor takes it out.
  DisplayObject(DrawnCanvas* canvas, UIObject* object);
  virtual ~DisplayObject();
  DisplayObject(const DisplayObject&) = delete;
  DisplayObject& operator=(const DisplayObject&) = delete;

  virtual int isA() const { return kDrawnBase; }
  const char* nameOf() const { return "VLXOBJECT"; }
  // Events: 3 double click, 7 double click with Ctrl; nonzero when handled.
  virtual int MouseEvent(std::int32_t x, std::int32_t y, int event);
#ifdef _WIN32
  virtual void Paint(HDC dc, const RECT* update);
#endif
  virtual bool IsFor(const UIObject* object) const { return object == object_; }
  virtual bool Intersects(const Rect& r) const { return RectsIntersect(r, rect_); }
  // All four edges included.
  virtual bool HitTest(std::int32_t x, std::int32_t y) const { return PointOnRect(rect_, x, y); }
  virtual bool IsBlock() const { return false; }
  virtual int GetLayer() const { return 1; }
  virtual Rect GetRect() const { return rect_; }
  // Status-line texts; empty for none.
  virtual std::string GetStatusText() const { return {}; }
  virtual std::string GetActionText() const { return {}; }
  virtual std::string GetHint() const { return {}; }

  // The canvas object (or a line or block it is also listed with) is going away.
  virtual void DetachFrom(const UIObject* object);

  DrawnCanvas* Canvas() const { return canvas_; }
  UIObject* Object() const { return object_; }
  const Rect& Bounds() const { return rect_; }
  void SetRect(const Rect& r) { rect_ = r; }
  void SetRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    rect_ = {x, y, x + width, y + height};
  }

 protected:
  bool ObjectSelected() const { return canvas_ != nullptr && canvas_->IsSelected(object_); }

 private:
  DrawnCanvas* canvas_;
  UIObject* object_;
  Rect rect_;
};

}  // namespace ed
