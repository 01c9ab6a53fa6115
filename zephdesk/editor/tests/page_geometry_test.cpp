// The page canvas's arithmetic: the zoom scale and its commands, page and canvas units,
// the layout sizes, and the geometry of blocks, output boxes, branches and line pieces.
#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/page/blockgeometry.h"
#include "editor/page/dragmove.h"
#include "editor/page/pageview.h"
#include "editor/page/units.h"
#include "editor/page/zoom.h"

namespace ed::test {
namespace {

TEST(ZoomTest, ClampMapsFreePercentsOntoTheScale) {
  struct Case {
    Zoom in, out;
  } cases[] = {
      {{50, 0}, {49, 5}},    {{51, 0}, {49, 5}},   {{52, 0}, {55, 6}},   {{36, 0}, {37, 2}},
      {{93, 0}, {89, 10}},   {{94, 0}, {100, 11}}, {{100, 0}, {100, 11}}, {{150, 0}, {100, 11}},
      {{35, 0}, {35, 1}},    {{20, 7}, {35, 1}},   {{60, 4}, {60, 4}},   {{62, 0}, {62, 7}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClampZoom(c.in), c.out) << c.in.percent << "/" << c.in.step;
  }
}

TEST(ZoomTest, InAndOutWalkTheElevenStepsAndStopAtTheEnds) {
  const std::int32_t scale[] = {35, 37, 40, 44, 49, 55, 62, 70, 79, 89, 100};
  Zoom z{35, 1};
  for (int i = 1; i < 11; ++i) {
    z = ZoomIn(z);
    EXPECT_EQ(z, (Zoom{scale[i], i + 1}));
  }
  EXPECT_EQ(ZoomIn(z), (Zoom{100, 11}));
  for (int i = 9; i >= 0; --i) {
    z = ZoomOut(z);
    EXPECT_EQ(z, (Zoom{scale[i], i + 1}));
  }
  EXPECT_EQ(ZoomOut(z), (Zoom{35, 1}));
}

TEST(ZoomTest, AFreePercentGoesOntoTheScaleBeforeItsStep) {
  EXPECT_EQ(ZoomIn({50, 0}), (Zoom{55, 6}));
  EXPECT_EQ(ZoomOut({50, 0}), (Zoom{44, 4}));
}

// A font of average width 7 and character height 16.
const CanvasScale kFontScale = CanvasScale::FromFont(7 * 52, 16);
const CanvasScale kIdentity{8192, 8192};

TEST(UnitsTest, ScaleFromFontAndRoundedConversions) {
  EXPECT_EQ(kFontScale.sx, 7168);
  EXPECT_EQ(kFontScale.sy, 16384);
  // x: (x * 7168 + 4096) / 8192, truncated toward zero.
  EXPECT_EQ(kFontScale.PageToCanvasX(8), 7);
  EXPECT_EQ(kFontScale.PageToCanvasX(-8), -6);
  EXPECT_EQ(kFontScale.PageToCanvasY(10), 20);
  EXPECT_EQ(kFontScale.CanvasToPageX(7), 8);
  EXPECT_EQ(kFontScale.CanvasToPageY(20), 10);
  EXPECT_EQ(kFontScale.CanvasToPageY(21), 11);  // 10.5 rounds up
  EXPECT_EQ(kFontScale.CanvasToPage(Rect{7, 20, 14, 40}), (Rect{8, 10, 16, 20}));
}

TEST(UnitsTest, PagePointsSurviveTheRoundTrip) {
  for (std::int32_t v : {0, 1, 8, 53, 256, 1000, 14750, 120000}) {
    EXPECT_EQ(kFontScale.CanvasToPageY(kFontScale.PageToCanvasY(v)), v) << v;
    // Eight page units make seven canvas units in x: a canvas point is one page unit at most off.
    const std::int32_t back = kFontScale.CanvasToPageX(kFontScale.PageToCanvasX(v));
    EXPECT_LE(std::abs(back - v), 1) << v;
  }
  // Large pages do not overflow.
  EXPECT_EQ(kFontScale.PageToCanvasY(1000000), 2000000);
}

TEST(UnitsTest, ZoomMapsCanvasToDevice) {
  EXPECT_EQ(CanvasToDevice(200, 55), 110);
  EXPECT_EQ(DeviceToCanvas(110, 55), 200);
  EXPECT_EQ(CanvasToDevice(200, 100), 200);
}

TEST(CanvasSizesTest, LayoutMeasuresConvertWithTheFont) {
  const CanvasSizes s = CanvasSizes::Compute(kFontScale);
  EXPECT_EQ(s.iconWidth, 46);
  EXPECT_EQ(s.iconHeight, 46);
  EXPECT_EQ(s.marginX, 4);
  EXPECT_EQ(s.marginY, 4);
  EXPECT_EQ(s.labelWidth, 224);
  EXPECT_EQ(s.labelHeight, 20);
  EXPECT_EQ(s.outputBoxOffset, 21);
}

CanvasSizes SimpleSizes() {
  CanvasSizes s;
  s.iconWidth = s.iconHeight = 40;
  s.labelWidth = 200;
  s.labelHeight = 10;
  s.marginY = 2;
  s.marginX = 3;
  s.outputBoxOffset = 20;
  return s;
}

TEST(BlockGeometryTest, LabelsAboveAndBelowTheIcon) {
  const CanvasSizes s = SimpleSizes();
  EXPECT_EQ(BlockRectAt(s, 100, 100), (Rect{20, 88, 220, 152}));
  EXPECT_EQ(IconRectAt(s, 100, 100), (Rect{100, 100, 140, 140}));
}

struct BoxCase {
  int n;
  int tableEntries;
  std::vector<Rect> boxes;
  Rect branch;
  std::vector<Point> points;
};

TEST(BlockGeometryTest, OutputBoxesAndBranchForOneTwoAndFiveOutputs) {
  const CanvasSizes s = SimpleSizes();
  const CanvasFontMetrics font{12, 2};  // row height 14
  const Rect icon{100, 100, 140, 140};  // junction (140, 120)
  const BoxCase cases[] = {
      // One entry in the table: a small odd square half an offset to the right, centred.
      {1, 1, {{150, 117, 157, 124}}, {140, 117, 150, 124}, {{150, 120}}},
      // Two: one row above and one below the junction, as wide as the widest name + margins.
      {2, 3, {{160, 106, 196, 120}, {160, 120, 196, 134}}, {140, 106, 160, 134}, {{160, 113}, {160, 127}}},
      // Five: one and a half offsets out, the middle row centred on the junction and straight.
      {5,
       5,
       {{170, 85, 206, 99}, {170, 99, 206, 113}, {170, 113, 206, 127}, {170, 127, 206, 141}, {170, 141, 206, 155}},
       {140, 85, 170, 155},
       {{170, 92}, {170, 106}, {170, 120}, {170, 134}, {170, 148}}},
  };
  for (const auto& c : cases) {
    const OutputBoxLayout layout = LayoutOutputBoxes(s, font, kIdentity, icon, c.n, c.tableEntries, 30);
    EXPECT_EQ(layout.junction, (Point{140, 120}));
    EXPECT_EQ(layout.boxes, c.boxes) << c.n;
    const BranchShape branch = BranchGeometry(kIdentity, layout);
    EXPECT_EQ(branch.rect, c.branch) << c.n;
    EXPECT_EQ(branch.start, (Point{140, 120}));
    EXPECT_EQ(branch.points, c.points) << c.n;
  }
}

TEST(BlockGeometryTest, NoOutputsNoBoxesAndAnEmptyBranch) {
  const OutputBoxLayout layout =
      LayoutOutputBoxes(SimpleSizes(), {12, 2}, kIdentity, {100, 100, 140, 140}, 0, 0, 0);
  EXPECT_TRUE(layout.boxes.empty());
  EXPECT_TRUE(BranchGeometry(kIdentity, layout).rect.IsEmpty());
}

TEST(BlockGeometryTest, JunctionSnapsToAPageUnit) {
  // Canvas 3 is page 3.43 in x (7/8 of a page unit per canvas unit) and page 1.5 in y.
  const CanvasScale scale{7168, 16384};
  const OutputBoxLayout layout = LayoutOutputBoxes(SimpleSizes(), {12, 2}, scale, {0, 0, 3, 6}, 0, 0, 0);
  EXPECT_EQ(layout.junction, scale.PageToCanvas(scale.CanvasToPage(Point{3, 3})));
  EXPECT_EQ(layout.junction, (Point{3, 4}));
}

TEST(LineGeometryTest, SegmentsEndsAndStubLabels) {
  const SegmentShape h = SegmentRect(kIdentity, 12, {90, 50}, {10, 50});
  EXPECT_TRUE(h.horizontal);
  EXPECT_EQ(h.rect, (Rect{10, 47, 90, 53}));
  const SegmentShape v = SegmentRect(kIdentity, 12, {40, 80}, {40, 20});
  EXPECT_FALSE(v.horizontal);
  EXPECT_EQ(v.rect, (Rect{37, 20, 43, 80}));
  // A small font still gives a thickness of 2 either side.
  EXPECT_EQ(SegmentRect(kIdentity, 4, {10, 50}, {90, 50}).rect, (Rect{10, 48, 90, 52}));

  struct EndCase {
    Rect segment;
    int direction;
    Rect end;
  } ends[] = {
      {h.rect, 1, {87, 47, 93, 53}},
      {h.rect, 4, {7, 47, 13, 53}},
      {v.rect, 2, {37, 77, 43, 83}},
      {v.rect, 8, {37, 17, 43, 23}},
  };
  for (const auto& e : ends) EXPECT_EQ(SegmentEndRect(e.segment, e.direction), e.end) << e.direction;

  EXPECT_EQ(StubLabelRect(h.rect, 24, 10), (Rect{90, 45, 114, 55}));
}

}  // namespace
}  // namespace ed::test

namespace ed::test {
namespace {

TEST(PageViewTest, PageExtentFollowsTheScrollBars) {
  PageView view;
  EXPECT_EQ(view.PageWidth(), 2250);
  EXPECT_EQ(view.PageHeight(), 1750);
  view.SetScrollSteps(kScrollStep, kScrollStep);
  EXPECT_EQ(view.PageWidth(), 14750);
  EXPECT_EQ(view.PageHeight(), 14250);
}

TEST(PageViewTest, PrintGridMarksThePrintedSheetsAndNoneWithoutAPrinter) {
  PageView view;
  view.ComputeExtent(7 * 52, 16);  // 8 page units are 7 canvas units in x, 1 is 2 in y
  view.SetPrintedPageSize(1000, 400);
  EXPECT_EQ(view.GridX(), 875);
  EXPECT_EQ(view.GridY(), 800);
  const auto lines = view.GridLines();
  // Page 2250 x 1750: vertical lines at 875 and 1750, horizontal at 800 and 1600.
  const std::vector<PageView::Line> expected = {
      {{875, 0}, {875, 1750}}, {{1750, 0}, {1750, 1750}}, {{0, 800}, {2250, 800}}, {{0, 1600}, {2250, 1600}}};
  EXPECT_EQ(lines, expected);
  view.SetPrintedPageSize(0, 0);
  EXPECT_TRUE(view.GridLines().empty());
}

TEST(PageViewTest, ZoomCommandsAndTheSetZoomDialog) {
  PageView view;
  view.ZoomIn();
  EXPECT_EQ(view.GetZoom(), (Zoom{100, 11}));
  view.SetZoom({50, 0});
  view.ZoomIn();
  EXPECT_EQ(view.GetZoom(), (Zoom{55, 6}));
  view.ZoomNormal();
  EXPECT_EQ(view.GetZoom(), (Zoom{100, 11}));
}

TEST(PageViewTest, DrawingBoundsIsTheUnionOrTheEmptyStart) {
  EXPECT_EQ(DrawingBounds({{10, 20, 30, 40}, {-5, 25, 15, 90}}), (Rect{-5, 20, 30, 90}));
  EXPECT_EQ(DrawingBounds({}), (Rect{2147483647, 2147483647, -2147483647, -2147483647}));
}

}  // namespace
}  // namespace ed::test


namespace ed::test {
namespace {

TEST(DragMoveTest, ObjectsPushedPastTheEdgeLandTwentyUnitsIn) {
  struct Case {
    std::vector<Point> positions;
    Point pointer, pressed, offset;
  } cases[] = {
      // A plain move keeps the pointer's offset.
      {{{100, 100}, {150, 50}}, {130, 120}, {100, 100}, {30, 20}},
      // Dragged so that x would end at -40: the leftmost lands at 20; y moves freely.
      {{{100, 100}, {150, 50}}, {-40, 110}, {100, 100}, {-80, 10}},
      // Far out on the page: the minima come from the objects, not from a fixed start.
      {{{1500, 1200}, {1600, 1300}}, {-10, -10}, {1500, 1200}, {-1480, -1180}},
  };
  for (const auto& c : cases) EXPECT_EQ(DragMoveOffset(c.positions, c.pointer, c.pressed), c.offset);
}

}  // namespace
}  // namespace ed::test
