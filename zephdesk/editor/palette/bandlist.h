#pragma once
// The drag outline that follows the mouse while something is dragged between object
// windows: rectangles and lines drawn by one window in an inverting mode, so that drawing
// them twice erases them. One list serves the whole process.

#include <cstdint>
#include <vector>

#include "editor/support/geometry.h"

namespace ed {

struct BandObject {
  enum Kind { kRect, kLine } kind = kRect;
  // A rectangle's corners, or a line's ends.
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Draws band objects on the owning window (inverting: twice erases).
class BandPainter {
 public:
  virtual ~BandPainter() = default;
  virtual void InvertBand(const BandObject& band) = 0;
};

class BandList {
 public:
  // The window that draws the outline; null when there is none.
  BandPainter* Owner() const { return owner_; }
  bool Shown() const { return shown_; }
  Point Origin() const { return origin_; }
  const std::vector<BandObject>& Objects() const { return objects_; }

  // Erases the outline (when shown) and forgets it and its owner.
  void Clear();
  // A new outline drawn by the owner: one rectangle of the size at the point.
  void StartRect(BandPainter& owner, Point at, std::int32_t width, std::int32_t height);
  // Moves a shown outline to the point: erased, every object moved by the difference,
  // drawn again.
  void MoveTo(Point at);
  void Erase();

 private:
  void Draw();

  BandPainter* owner_ = nullptr;
  std::vector<BandObject> objects_;
  Point origin_;
  bool shown_ = false;
};

// The process-wide outline.
BandList& TheBandList();

// The VavurOrezo pane's outline at a pane point (the grip offset already taken off): only a
// dragged VavurOrezo type is outlined; anything else is refused (false) with the pane's
// message. An outline of this pane moves, any other is replaced.
bool OutlineInBlockPane(BandList& bands, BandPainter& pane, int draggedClass, Point at, std::int32_t cellWidth,
                        std::int32_t cellHeight);

}  // namespace ed
