// The page grid and the hit tests of drawn objects.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/drawn/blockobject.h"
#include "editor/drawn/displayobject.h"
#include "editor/drawn/grid.h"
#include "editor/drawn/lineobjects.h"
#include "editor/notes/textnoteobject.h"

namespace ed {
namespace {

// A drawn object of a chosen layer.
class Layered : public DisplayObject {
 public:
  Layered(int layer, Rect r) : DisplayObject(nullptr, nullptr), layer_(layer) { SetRect(r); }
  int GetLayer() const override { return layer_; }

 private:
  int layer_;
};

std::vector<DisplayObject*> Scan(Grid& grid, GridQuery& q, const Rect& r, bool distinct) {
  std::vector<DisplayObject*> out;
  while (DisplayObject* o = distinct ? grid.NextDistinctInRect(q, r) : grid.NextInRect(q, r)) {
    out.push_back(o);
    if (out.size() > 100) break;
  }
  return out;
}

TEST(GridTest, RegistersInEveryCellItsRectangleTouches) {
  Grid grid(nullptr);
  Layered inside(1, {10, 10, 100, 100});
  Layered across(1, {200, 100, 260, 130});   // crosses x = 240 and y = 120
  grid.Register(&inside);
  EXPECT_EQ(grid.ElementCount(), 1u);
  grid.Register(&across);
  EXPECT_EQ(grid.ElementCount(), 4u);
  for (Point p : {Point{200, 100}, Point{250, 100}, Point{200, 125}, Point{250, 125}}) {
    const auto* cell = grid.CellAt(p.x, p.y);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->back(), &across);
    EXPECT_EQ(cell->size(), p.x == 200 && p.y == 100 ? 2u : 1u);
  }
  // Unregistering leaves the elements, empty.
  grid.Unregister(&across);
  EXPECT_EQ(grid.ElementCount(), 4u);
  EXPECT_TRUE(grid.CellAt(250, 125)->empty());
  EXPECT_EQ(grid.HitTest(250, 125), nullptr);
  EXPECT_EQ(grid.HitTest(50, 50), &inside);
  EXPECT_EQ(grid.HitTest(1000, 1000), nullptr);
}

TEST(GridTest, CellListsKeepLayerOrderAndRegistrationOrder) {
  Grid grid(nullptr);
  Layered a(4, {0, 0, 10, 10}), b(1, {0, 0, 10, 10}), c(4, {0, 0, 10, 10}), d(0, {0, 0, 10, 10}),
      e(5, {0, 0, 10, 10});
  for (DisplayObject* o : {static_cast<DisplayObject*>(&a), static_cast<DisplayObject*>(&b),
                           static_cast<DisplayObject*>(&c), static_cast<DisplayObject*>(&d),
                           static_cast<DisplayObject*>(&e)}) {
    grid.Register(o);
  }
  EXPECT_EQ(*grid.CellAt(0, 0), (std::vector<DisplayObject*>{&d, &b, &a, &c, &e}));
  // The topmost that accepts the point; edges included for plain objects.
  EXPECT_EQ(grid.HitTest(10, 10), &e);
}

TEST(GridTest, ScansReturnPerCellOrOnceAndRestartAfterTheEnd) {
  Grid grid(nullptr);
  Layered block(1, {200, 10, 300, 50});   // two cells
  Layered segment(4, {0, 0, 5, 5});
  Layered note(0, {260, 20, 280, 40});
  grid.Register(&block);
  grid.Register(&segment);
  grid.Register(&note);
  const Rect r{0, 0, 400, 100};
  GridQuery q;
  // Column 0 holds the block under the segment, column 1 the note under the block.
  EXPECT_EQ(Scan(grid, q, r, false), (std::vector<DisplayObject*>{&block, &segment, &note, &block}));
  GridQuery d;
  EXPECT_EQ(Scan(grid, d, r, true), (std::vector<DisplayObject*>{&note, &block, &segment}));
  // Two calls continue; after the end the same rectangle starts over.
  EXPECT_EQ(grid.NextInRect(q, r), &block);
  EXPECT_EQ(grid.NextInRect(q, r), &segment);
  EXPECT_EQ(grid.NextInRect(q, {0, 0, 50, 50}), &segment);   // another rectangle: new scan
  EXPECT_EQ(grid.NextInRect(q, {0, 0, 50, 50}), nullptr);
  EXPECT_EQ(grid.NextInRect(q, {0, 0, 50, 50}), &segment);
  // Objects that do not intersect the rectangle are left out.
  GridQuery small;
  EXPECT_EQ(Scan(grid, small, {250, 0, 255, 15}, false), (std::vector<DisplayObject*>{&block}));
}

TEST(GridTest, AnAbandonedScanDoesNotLeakIntoTheNext) {
  Grid grid(nullptr);
  Layered a(1, {0, 0, 10, 10}), b(1, {20, 0, 30, 10});
  grid.Register(&a);
  grid.Register(&b);
  const Rect r{0, 0, 100, 100};
  GridQuery snap;   // the router's snap gives up after the first answer
  EXPECT_EQ(grid.NextInRect(snap, r), &a);
  GridQuery next;
  EXPECT_EQ(Scan(grid, next, r, false), (std::vector<DisplayObject*>{&a, &b}));
  GridQuery distinctSnap;
  EXPECT_EQ(grid.NextDistinctInRect(distinctSnap, r), &a);
  GridQuery distinctNext;
  EXPECT_EQ(Scan(grid, distinctNext, r, true), (std::vector<DisplayObject*>{&a, &b}));
}

TEST(GridTest, SpanMeasure) {
  Grid grid(nullptr);
  EXPECT_EQ(grid.SpanMeasure({0, 0, 2000, 100}), 0);    // one row, however wide
  EXPECT_EQ(grid.SpanMeasure({0, 0, 480, 240}), 4);
  EXPECT_EQ(grid.SpanMeasure({250, 130, 700, 500}), 1 * 3);
}

TEST(GridTest, HitOrderFollowsLayers) {
  // A goto block over a segment over a label over a block over a note, all at one point.
  Segment segment(nullptr, 0, 0, 10, 0);
  Goto line;
  GotoBlock gotoBlock(nullptr, "Done");
  GotoBlockObject gb(nullptr, &gotoBlock);
  LineSegmentObject seg(nullptr, &segment, &line, true);
  LineLabelObject label(nullptr, &line);
  VavurOrezoObject block(nullptr, nullptr);
  KvTextDObj note(nullptr, nullptr);
  for (DisplayObject* o : {static_cast<DisplayObject*>(&gb), static_cast<DisplayObject*>(&seg),
                           static_cast<DisplayObject*>(&label), static_cast<DisplayObject*>(&block),
                           static_cast<DisplayObject*>(&note)}) {
    o->SetRect(0, 0, 40, 40);
  }
  block.Layout({10, 2, 16}, 36, 36);
  Grid grid(nullptr);
  std::vector<DisplayObject*> order{&note, &block, &label, &seg, &gb};
  for (DisplayObject* o : order) grid.Register(o);
  for (std::size_t i = order.size(); i > 0; --i) {
    EXPECT_EQ(grid.HitTest(20, 15), order[i - 1]) << i;
    grid.Unregister(order[i - 1]);
  }
  EXPECT_EQ(gb.GetLayer(), 5);
  EXPECT_EQ(seg.GetLayer(), 4);
  EXPECT_EQ(label.GetLayer(), 3);
  EXPECT_EQ(block.GetLayer(), 1);
  EXPECT_EQ(note.GetLayer(), 0);
}

TEST(DrawnObjectTest, BlockLayoutAndItsHitTest) {
  VavurOrezoObject block(nullptr, nullptr);
  block.SetRect(100, 50, 100, 100);
  block.Layout({10, 2, 32}, 80, 20);
  EXPECT_EQ(block.NameRect(), (Rect{109, 50, 191, 60}));     // 82 wide, centred on 150
  EXPECT_EQ(block.IconRect(), (Rect{134, 62, 166, 94}));
  EXPECT_EQ(block.LabelRect(), (Rect{139, 96, 161, 106}));
  EXPECT_EQ(block.Bounds().left, 109);
  EXPECT_EQ(block.Bounds().right, 191);
  EXPECT_EQ(block.GetRect(), block.IconRect());
  EXPECT_TRUE(block.HitTest(134, 62));
  EXPECT_FALSE(block.HitTest(166, 70));    // right edge excluded
  EXPECT_FALSE(block.HitTest(120, 100));   // beside the label
  EXPECT_TRUE(block.Intersects({0, 0, 120, 70}));
  EXPECT_FALSE(block.Intersects({110, 94, 130, 96}));   // inside the rect, in no part
  EXPECT_TRUE(block.IsBlock());
  BranchObject branch(nullptr, nullptr, {0, 0}, {{5, 5}});
  branch.SetRect(0, 0, 10, 10);
  EXPECT_FALSE(branch.HitTest(5, 5));
}

}  // namespace
}  // namespace ed
