#include "editor/page/blockgeometry.h"

#include <algorithm>

namespace ed {

CanvasSizes CanvasSizes::Compute(const CanvasScale& scale) {
  // The layout's measures in page units: margins 4 and 2, icon 53 (square, from x), label
  // 256 by 10 (32 average characters, one line), output box offset 24.
  CanvasSizes s;
  s.marginX = scale.PageToCanvasX(4);
  s.marginY = scale.PageToCanvasY(2);
  s.iconWidth = s.iconHeight = scale.PageToCanvasX(53);
  s.labelWidth = scale.PageToCanvasX(256);
  s.labelHeight = scale.PageToCanvasY(10);
  s.outputBoxOffset = scale.PageToCanvasX(24);
  return s;
}

Rect BlockRectAt(const CanvasSizes& s, std::int32_t x, std::int32_t y) {
  Rect r;
  r.left = x - (s.labelWidth - s.iconWidth) / 2;
  r.top = y - (s.labelHeight + s.marginY);
  r.right = r.left + s.labelWidth;
  r.bottom = r.top + 2 * s.labelHeight + s.iconHeight + 2 * s.marginY;
  return r;
}

Rect IconRectAt(const CanvasSizes& s, std::int32_t x, std::int32_t y) {
  return {x, y, x + s.iconWidth, y + s.iconHeight};
}

OutputBoxLayout LayoutOutputBoxes(const CanvasSizes& sizes, const CanvasFontMetrics& font,
                                  const CanvasScale& scale, const Rect& icon, int n,
                                  int tableEntries, std::int32_t widestName) {
  OutputBoxLayout out;
  out.junction = scale.RoundTrip({icon.right, icon.top + (icon.bottom - icon.top) / 2});
  if (n <= 0) return out;
  const std::int32_t r = font.charHeight + font.internalLeading;
  std::int32_t w = sizes.outputBoxOffset;
  if (n == 1) w /= 2;
  if (n > 4) w += w / 2;
  const bool odd = (n % 2) != 0;
  const std::int32_t jx = out.junction.x;
  const std::int32_t jy = out.junction.y;

  std::vector<std::int32_t> tops(static_cast<std::size_t>(n));
  const int middle = (n - 1) / 2;
  std::int32_t t = jy - (odd ? r / 2 : r);
  for (int i = middle; i >= 0; --i, t -= r) tops[static_cast<std::size_t>(i)] = t;
  t = jy + (odd ? r / 2 : 0);
  for (int i = middle + 1; i < n; ++i, t += r) tops[static_cast<std::size_t>(i)] = t;

  const bool squares = tableEntries < 2;
  std::int32_t side = font.charHeight / 2;
  if (side % 2 == 0) ++side;
  if (squares) tops[0] = jy - side / 2;
  const std::int32_t width = squares ? side : widestName + 2 * sizes.marginX;
  const std::int32_t height = squares ? side : r;
  for (int i = 0; i < n; ++i) {
    const std::int32_t top = tops[static_cast<std::size_t>(i)];
    out.boxes.push_back({jx + w, top, jx + w + width, top + height});
  }
  return out;
}

BranchShape BranchGeometry(const CanvasScale& scale, const OutputBoxLayout& layout) {
  BranchShape b;
  b.start = layout.junction;
  const int n = static_cast<int>(layout.boxes.size());
  if (n == 0) return b;
  b.rect = {layout.junction.x, layout.boxes.front().top, layout.boxes.front().left, layout.boxes.back().bottom};
  for (int i = 0; i < n; ++i) {
    const Rect& box = layout.boxes[static_cast<std::size_t>(i)];
    Point p = scale.RoundTrip({box.left, box.top + box.Height() / 2});
    if (n % 2 != 0 && i == (n - 1) / 2) p.y = layout.junction.y;
    b.points.push_back(p);
  }
  return b;
}

SegmentShape SegmentRect(const CanvasScale& scale, std::int32_t charHeight, Point from, Point to) {
  const std::int32_t t = std::max<std::int32_t>(2, charHeight / 4);
  const Point a = scale.PageToCanvas(from);
  const Point b = scale.PageToCanvas(to);
  if (from.y == to.y) return {{std::min(a.x, b.x), a.y - t, std::max(a.x, b.x), a.y + t}, true};
  return {{a.x - t, std::min(a.y, b.y), a.x + t, std::max(a.y, b.y)}, false};
}

Rect SegmentEndRect(const Rect& segment, int direction) {
  Rect r = segment;
  const std::int32_t halfH = segment.Height() / 2;
  const std::int32_t halfW = segment.Width() / 2;
  switch (direction) {
    case 1: r.left = segment.right - halfH; r.right = segment.right + halfH; break;
    case 2: r.top = segment.bottom - halfW; r.bottom = segment.bottom + halfW; break;
    case 4: r.right = segment.left + halfH; r.left = segment.left - halfH; break;
    case 8: r.bottom = segment.top + halfW; r.top = segment.top - halfW; break;
    default: break;
  }
  return r;
}

Rect StubLabelRect(const Rect& lastSegment, std::int32_t textWidth, std::int32_t textHeight) {
  const std::int32_t middle = lastSegment.top + lastSegment.Height() / 2;
  const std::int32_t top = middle - textHeight / 2;
  return {lastSegment.right, top, lastSegment.right + textWidth, top + textHeight};
}

}  // namespace ed
