#include "editor/page/pageview.h"

#include <algorithm>
#include <limits>

namespace ed {

void PageView::ComputeExtent(std::int32_t lettersWidth, std::int32_t charHeight) {
  scale_ = CanvasScale::FromFont(lettersWidth, charHeight);
  sizes_ = CanvasSizes::Compute(scale_);
}

void PageView::SetScrollSteps(std::int32_t vertical, std::int32_t horizontal) {
  pageHeight_ = (vertical + 7) * kScrollCount;
  pageWidth_ = (horizontal + 9) * kScrollCount;
}

void PageView::SetPrintedPageSize(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) {
    gridX_ = gridY_ = 0;
    return;
  }
  gridX_ = scale_.PageToCanvasX(width);
  gridY_ = scale_.PageToCanvasY(height);
}

std::vector<PageView::Line> PageView::GridLines() const {
  std::vector<Line> lines;
  if (gridX_ <= 0 || gridY_ <= 0) return lines;
  for (std::int32_t x = gridX_; x < pageWidth_; x += gridX_) lines.push_back({{x, 0}, {x, pageHeight_}});
  for (std::int32_t y = gridY_; y < pageHeight_; y += gridY_) lines.push_back({{0, y}, {pageWidth_, y}});
  return lines;
}

Rect DrawingBounds(const std::vector<Rect>& rects) {
  constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
  Rect r{kMost, kMost, -kMost, -kMost};
  for (const Rect& d : rects) {
    r.left = std::min(r.left, d.left);
    r.top = std::min(r.top, d.top);
    r.right = std::max(r.right, d.right);
    r.bottom = std::max(r.bottom, d.bottom);
  }
  return r;
}

}  // namespace ed
