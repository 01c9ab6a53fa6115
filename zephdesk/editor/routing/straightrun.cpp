#include "editor/routing/straightrun.h"

#include "editor/canvas/gotoline.h"
#include "editor/routing/moverect.h"

namespace ed {

bool StraightRunRefused(SearchCells& cells, const RoutePage& page, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                        std::int32_t y1) {
  if (x0 == x1 && y0 == y1) return false;
  const bool horizontal = y0 == y1;
  const int direction = horizontal ? (x1 > x0 ? kDirRight : kDirLeft) : (y1 > y0 ? kDirDown : kDirUp);
  const bool forward = direction == kDirRight || direction == kDirDown;
  // The moves' rectangles tile the run's: a block that meets one meets the other.
  const Rect run = MoveCanvasRect(page, x0, y0, x1, y1, direction);
  const Point from = page.PageToCanvas(x0, y0);
  bool refused = false;
  cells.ForEachBlockInRect(run, [&](const DisplayObject* block) {
    const Rect bounds = block->Bounds();
    const bool lineInside = horizontal ? (bounds.top < from.y && from.y < bounds.bottom)
                                       : (bounds.left < from.x && from.x < bounds.right);
    if (!lineInside) {
      // No move along a line beside or across the block starts inside it.
      refused = true;
    } else if (!StrictlyInside(bounds, from)) {
      // The run comes in through an edge: the move over it starts outside and covers at
      // least the unit past the edge. Once in, later moves start inside and are let out.
      Rect edge = run;
      if (horizontal) {
        edge.left = forward ? bounds.left : bounds.right - 1;
        edge.right = edge.left + 1;
      } else {
        edge.top = forward ? bounds.top : bounds.bottom - 1;
        edge.bottom = edge.top + 1;
      }
      refused = block->Intersects(edge);
    }
    return !refused;
  });
  return refused;
}

}  // namespace ed
