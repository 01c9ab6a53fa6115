#pragma once
// Where the page canvas draws a block, its output boxes and branch, and the pieces of a
// goto line, in canvas units. The sizes come from the canvas layout's page-unit measures
// converted with the canvas font's scale.

#include <cstdint>
#include <vector>

#include "editor/page/units.h"
#include "editor/support/geometry.h"

namespace ed {

// The canvas layout's measures in page units and the sizes derived from them.
struct CanvasSizes {
  std::int32_t iconWidth = 0, iconHeight = 0;
  std::int32_t labelWidth = 0, labelHeight = 0;
  std::int32_t outputBoxOffset = 0;
  std::int32_t marginY = 0, marginX = 0;

  static CanvasSizes Compute(const CanvasScale& scale);
};

// The canvas font's measures that the layout reads.
struct CanvasFontMetrics {
  std::int32_t charHeight = 0;       // text-metric height less internal leading
  std::int32_t internalLeading = 0;
};

// The block's whole rectangle (name label above, type label below the icon) and its icon
// square, for a block whose position converted to canvas units is (x, y).
Rect BlockRectAt(const CanvasSizes& sizes, std::int32_t x, std::int32_t y);
Rect IconRectAt(const CanvasSizes& sizes, std::int32_t x, std::int32_t y);

struct OutputBoxLayout {
  Point junction;            // where the branch leaves the icon
  std::vector<Rect> boxes;   // box 0 is the topmost
};

// The boxes of the n outputs a block shows. tableEntries is the size of the block's
// output table (fewer than 2: small odd squares); widestName is the text width of the
// widest shown output name in the canvas font.
OutputBoxLayout LayoutOutputBoxes(const CanvasSizes& sizes, const CanvasFontMetrics& font,
                                  const CanvasScale& scale, const Rect& icon, int n,
                                  int tableEntries, std::int32_t widestName);

struct BranchShape {
  Rect rect;                  // empty without outputs
  Point start;                // the junction
  std::vector<Point> points;  // one per box, at its left edge
};

// The branch from the junction to the boxes; an odd count keeps its middle branch straight.
BranchShape BranchGeometry(const CanvasScale& scale, const OutputBoxLayout& layout);

// A goto line's segment between two page points: its rectangle, thickness max(2, h / 4)
// either side; horizontal is true for a segment of equal y.
struct SegmentShape {
  Rect rect;
  bool horizontal = false;
};
SegmentShape SegmentRect(const CanvasScale& scale, std::int32_t charHeight, Point from, Point to);

// The block at a segment's end, by the segment's direction (1 right, 2 down, 4 left, 8 up).
Rect SegmentEndRect(const Rect& segment, int direction);

// The label of a labelled stub: text-sized, its left at the last segment's right, centred
// on the segment's height.
Rect StubLabelRect(const Rect& lastSegment, std::int32_t textWidth, std::int32_t textHeight);

}  // namespace ed
