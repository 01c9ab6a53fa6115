#pragma once
// What a move of the goto-line router tests: the stretch it covers widened across the
// motion, in canvas units, and the rule that lets a move out of the drawn VavurOrezo it
// starts in.

#include <cstdint>

#include "editor/routing/routepage.h"
#include "editor/support/geometry.h"

namespace ed {

// The test rectangle's reach across the motion, in page units.
inline constexpr std::int32_t kMoveHalfWidth = 2;

// The stretch from (x0, y0) to (x1, y1), a straight run in the direction (a segment
// direction code), widened across the motion; page units.
Rect MoveRect(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int direction);
// The same in the page's canvas units.
Rect MoveCanvasRect(const RoutePage& page, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                    int direction);

// A move may leave the block it starts in; a start on the block's edge is outside, or a
// course could step onto the edge and walk in.
inline bool StrictlyInside(const Rect& r, Point p) {
  return r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom;
}

}  // namespace ed
