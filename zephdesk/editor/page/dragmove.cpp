#include "editor/page/dragmove.h"

#include <algorithm>

namespace ed {

Point DragMoveOffset(const std::vector<Point>& positions, Point pointer, Point pressed) {
  Point offset{pointer.x - pressed.x, pointer.y - pressed.y};
  if (positions.empty()) return offset;
  Point minimum = positions.front();
  bool belowX = false, belowY = false;
  for (const Point& p : positions) {
    minimum.x = std::min(minimum.x, p.x);
    minimum.y = std::min(minimum.y, p.y);
    if (p.x + offset.x < 1) belowX = true;
    if (p.y + offset.y < 1) belowY = true;
  }
  if (belowX) offset.x = kDragEdgeMargin - minimum.x;
  if (belowY) offset.y = kDragEdgeMargin - minimum.y;
  return offset;
}

}  // namespace ed
