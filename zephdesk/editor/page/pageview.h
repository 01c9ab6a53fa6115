#pragma once
// The page canvas's view state apart from its window: zoom, the font's scale and the
// layout sizes derived from it, the page's extent from its scroll bars, and the page grid
// that marks the printed sheets (Print Grid option).

#include <cstdint>
#include <vector>

#include "editor/page/blockgeometry.h"
#include "editor/page/units.h"
#include "editor/page/zoom.h"
#include "editor/support/geometry.h"

namespace ed {

inline constexpr std::int32_t kScrollStep = 50;   // canvas units per scroll line
inline constexpr std::int32_t kScrollCount = 250;

class PageView {
 public:
  const Zoom& GetZoom() const { return zoom_; }
  void SetZoom(Zoom zoom) { zoom_ = zoom; }
  void ZoomIn() { zoom_ = ed::ZoomIn(zoom_); }
  void ZoomOut() { zoom_ = ed::ZoomOut(zoom_); }
  void ZoomNormal() { zoom_ = {100, kZoomSteps}; }

  // The font's scale and the sizes of the canvas layout (ComputeExtent).
  void ComputeExtent(std::int32_t lettersWidth, std::int32_t charHeight);
  const CanvasScale& Scale() const { return scale_; }
  const CanvasSizes& Sizes() const { return sizes_; }

  // The page's extent from the scroll steps (0 for a bar the canvas lacks).
  void SetScrollSteps(std::int32_t vertical, std::int32_t horizontal);
  std::int32_t PageWidth() const { return pageWidth_; }
  std::int32_t PageHeight() const { return pageHeight_; }

  // The printed sheet in page units (0 by 0 without a printer) becomes the grid spacing.
  void SetPrintedPageSize(std::int32_t width, std::int32_t height);
  std::int32_t GridX() const { return gridX_; }
  std::int32_t GridY() const { return gridY_; }

  struct Line {
    Point from, to;
    friend bool operator==(const Line&, const Line&) = default;
  };
  // The grid's vertical lines, then its horizontal ones; none without both spacings.
  std::vector<Line> GridLines() const;

 private:
  Zoom zoom_;
  CanvasScale scale_;
  CanvasSizes sizes_ = CanvasSizes::Compute(scale_);
  std::int32_t pageWidth_ = 9 * kScrollCount;  // no scroll bars yet
  std::int32_t pageHeight_ = 7 * kScrollCount;
  std::int32_t gridX_ = 0;
  std::int32_t gridY_ = 0;
};

// The union of the drawn rectangles; left and top start at the largest value and right
// and bottom at its negation, so an empty drawing gives those.
Rect DrawingBounds(const std::vector<Rect>& rects);

}  // namespace ed
