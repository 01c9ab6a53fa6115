#include "editor/support/geometry.h"

#include <algorithm>

namespace ed {

bool PointInRect(const Rect& r, std::int32_t x, std::int32_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool PointOnRect(const Rect& r, std::int32_t x, std::int32_t y) {
  return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

void InflateRect(Rect& r, std::int32_t dx, std::int32_t dy) {
  r.left -= dx;
  r.right += dx;
  r.top -= dy;
  r.bottom += dy;
}

void CenterRect(const Rect& rect, std::int32_t width, std::int32_t height, Rect& result) {
  if (&result != &rect) result = rect;
  const std::int32_t dx = (width != 0 && width < result.Width()) ? (result.Width() - width) / 2 : 0;
  const std::int32_t dy = (height != 0 && height < result.Height()) ? (result.Height() - height) / 2 : 0;
  InflateRect(result, -dx, -dy);
}

}  // namespace ed
