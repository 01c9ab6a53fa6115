#pragma once
// Points and rectangles of the editor in 32-bit units, with the rectangle rules of the
// window system (right and bottom edges outside the rectangle), so that the canvas
// arithmetic builds and is tested without the platform.

#include <cstdint>

namespace ed {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// True when the two rectangles share at least one unit of area. Inline: grid scans test
// every object of a cell with it.
inline bool RectsIntersect(const Rect& a, const Rect& b) {
  if (a.IsEmpty() || b.IsEmpty()) return false;
  return (a.left > b.left ? a.left : b.left) < (a.right < b.right ? a.right : b.right) &&
         (a.top > b.top ? a.top : b.top) < (a.bottom < b.bottom ? a.bottom : b.bottom);
}
// The point lies in the rectangle, right and bottom edges excluded.
bool PointInRect(const Rect& r, std::int32_t x, std::int32_t y);
// The point lies in the rectangle, all four edges included.
bool PointOnRect(const Rect& r, std::int32_t x, std::int32_t y);
void InflateRect(Rect& r, std::int32_t dx, std::int32_t dy);
// Copies the rectangle into result and shrinks it evenly to width x height; an axis whose
// size is 0 or not smaller than the rectangle's stays as it is.
void CenterRect(const Rect& rect, std::int32_t width, std::int32_t height, Rect& result);

}  // namespace ed
