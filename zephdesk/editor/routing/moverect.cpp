#include "editor/routing/moverect.h"

#include "editor/canvas/gotoline.h"

namespace ed {

Rect MoveRect(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int direction) {
  switch (direction) {
    case kDirRight: return {x0, y0 - kMoveHalfWidth, x1, y1 + kMoveHalfWidth};
    case kDirDown: return {x0 - kMoveHalfWidth, y0, x1 + kMoveHalfWidth, y1};
    case kDirLeft: return {x1, y1 - kMoveHalfWidth, x0, y0 + kMoveHalfWidth};
    default: return {x1 - kMoveHalfWidth, y1, x0 + kMoveHalfWidth, y0};
  }
}

Rect MoveCanvasRect(const RoutePage& page, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                    int direction) {
  const Rect r = MoveRect(x0, y0, x1, y1, direction);
  const Point a = page.PageToCanvas(r.left, r.top);
  const Point b = page.PageToCanvas(r.right, r.bottom);
  return {a.x, a.y, b.x, b.y};
}

}  // namespace ed
