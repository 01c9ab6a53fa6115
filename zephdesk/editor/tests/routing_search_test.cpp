// What the router's search reads of the page and keeps between searches: the per-search
// view of the grid's cells, the point table, and the straight runs its estimate takes as
// refused, checked against the moves the router itself refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "editor/drawn/blockobject.h"
#include "editor/drawn/grid.h"
#include "editor/routing/gotorouter.h"
#include "editor/routing/pointtable.h"
#include "editor/routing/searchcells.h"
#include "editor/routing/straightrun.h"
#include "routing_fixture.h"

namespace ed::test {
namespace {

TEST(SearchCellsTest, GiveWhatTheGridScanGivesInTheSameOrder) {
  Grid grid(nullptr);
  std::vector<std::unique_ptr<DisplayObject>> objects;
  const auto plain = [&](const Rect& r) {
    objects.push_back(std::make_unique<DisplayObject>(nullptr, nullptr));
    objects.back()->SetRect(r);
    grid.Register(objects.back().get());
  };
  // Round cell 0 (which reaches from -239 to 239 across), over cell borders, and a block
  // whose parts leave a gap across its middle.
  plain({-300, -150, -100, -20});
  plain({-10, -10, 10, 10});
  plain({200, 100, 260, 130});
  plain({0, 0, 700, 4});
  plain({230, -5, 250, 400});
  VavurOrezo model;
  auto block = std::make_unique<VavurOrezoObject>(nullptr, &model);
  block->SetRect({100, 20, 190, 120});
  BlockMetrics metrics;
  metrics.textHeight = 40;
  metrics.gap = 20;
  block->Layout(metrics, 88, 88);
  grid.Register(block.get());
  objects.push_back(std::move(block));

  const Rect rects[] = {{-400, -400, 800, 500}, {-5, -5, 5, 5},     {220, 90, 280, 140}, {-250, -30, 250, 2},
                        {100, 62, 190, 78},     {100, 30, 190, 78}, {240, 0, 240, 2},    {-120, -160, -110, -10},
                        {600, 300, 700, 400}};
  SearchCells cells;
  const auto compare = [&](const Grid& grid, const char* stage) {
    cells.Reset(&grid);
    for (const Rect& r : rects) {
      std::vector<DisplayObject*> scanned, blocks;
      GridQuery q;
      while (DisplayObject* o = grid.NextInRect(q, r)) {
        scanned.push_back(o);
        if (o->isA() == kDrawnVavurOrezo && std::find(blocks.begin(), blocks.end(), o) == blocks.end()) blocks.push_back(o);
      }
      std::vector<DisplayObject*> seen;
      cells.ForEachInRect(r, [&](DisplayObject* o) {
        seen.push_back(o);
        return true;
      });
      EXPECT_EQ(seen, scanned) << stage << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
      std::vector<DisplayObject*> seenBlocks;
      cells.ForEachBlockInRect(r, [&](DisplayObject* o) {
        if (std::find(seenBlocks.begin(), seenBlocks.end(), o) == seenBlocks.end()) seenBlocks.push_back(o);
        return true;
      });
      EXPECT_EQ(seenBlocks, blocks) << stage << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
      if (scanned.size() > 1) {
        int visits = 0;
        cells.ForEachInRect(r, [&](DisplayObject*) { return ++visits < 1; });
        EXPECT_EQ(visits, 1) << "a visit that answers false ends the scan";
      }
    }
  };
  compare(grid, "first search");
  // The cells are kept between searches: what changed in the grid since must show, and a
  // second grid is not read as the first.
  grid.Unregister(objects[1].get());
  plain({-20, -20, 5, 5});
  VavurOrezoObject* drawnBlock = static_cast<VavurOrezoObject*>(objects[5].get());
  grid.Unregister(drawnBlock);
  drawnBlock->SetRect({-200, 20, -110, 120});
  drawnBlock->Layout(metrics, 88, 88);
  grid.Register(drawnBlock);
  compare(grid, "after changes");
  Grid other(nullptr);
  other.Register(objects[3].get());
  compare(other, "another grid");
  compare(grid, "the first grid again");
}

// A straight run from (0, 0), 300 long, past one block. The estimate may call a run refused
// only where the router refuses every course along it, and should wherever it refuses the
// straight one: a straight route finds a course without turns exactly when the run is free.
TEST(PointTableTest, HoldsWhatAMapHoldsThroughGrowthAndClears) {
  // Keys as the router makes them (two 32-bit halves, negative ones included), many more
  // than the first slots hold, with clears between rounds of different sizes.
  PointTable<std::int32_t> table;
  std::mt19937 random(7);
  for (const int round : {3000, 10, 0, 700, 5000}) {
    table.Clear();
    std::map<std::uint64_t, std::int32_t> reference;
    for (int i = 0; i < round; ++i) {
      const auto x = static_cast<std::int32_t>(random() % 200) - 100, y = static_cast<std::int32_t>(random() % 200) - 100;
      const std::uint64_t key = (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y);
      bool fresh = false;
      std::int32_t& value = table.Claim(key, fresh);
      EXPECT_EQ(fresh, reference.count(key) == 0) << x << "," << y;
      if (fresh) value = 0;
      value += i;
      reference[key] += i;
    }
    for (std::int32_t x = -100; x < 100; ++x) {
      for (std::int32_t y = -100; y < 100; ++y) {
        const std::uint64_t key = (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y);
        const std::int32_t* value = table.Find(key);
        const auto in = reference.find(key);
        ASSERT_EQ(value != nullptr, in != reference.end()) << round << ": " << x << "," << y;
        if (value != nullptr) {
          EXPECT_EQ(*value, in->second);
        }
      }
    }
  }
}

TEST(StraightRunTest, RefusedExactlyWhereTheRouterCannotGoStraight) {
  struct Case {
    const char* what;
    std::function<void(PlainPage&)> place;
    bool vertical;
    bool refused;
  };
  // Canvas metrics of a block 60 high (120 on the canvas) with a free band across its
  // middle: name above it, label below.
  BlockMetrics split;
  split.textHeight = 50;
  split.gap = 10;
  // A block whose only part on the run is a narrow name in its middle.
  BlockMetrics narrowName;
  narrowName.textHeight = 40;
  const Case cases[] = {
      {"nothing", [](PlainPage&) {}, false, false},
      {"a block across the run", [](PlainPage& p) { p.AddBlock({100, -20, 190, 20}); }, false, true},
      {"a block across a vertical run", [](PlainPage& p) { p.AddBlock({-20, 100, 20, 190}); }, true, true},
      {"a block just clear of the run's reach", [](PlainPage& p) { p.AddBlock({100, 2, 190, 40}); }, false, false},
      {"a block one unit into its reach", [](PlainPage& p) { p.AddBlock({100, 1, 190, 40}); }, false, true},
      {"the block the run starts in", [](PlainPage& p) { p.AddBlock({-50, -20, 40, 20}); }, false, false},
      {"a block the run starts on the edge of", [](PlainPage& p) { p.AddBlock({0, -20, 90, 20}); }, false, true},
      {"a block whose parts leave the run free",
       [&](PlainPage& p) { p.AddBlock({100, -30, 190, 30}, split, 178, 178); }, false, false},
      {"a block entered through a gap before its narrow name",
       [&](PlainPage& p) { p.AddBlock({100, -20, 190, 20}, narrowName, 40, 40); }, false, false},
      {"a narrow name reaching into the run from beside",
       [&](PlainPage& p) { p.AddBlock({100, 1, 190, 40}, narrowName, 40, 40); }, false, true},
  };
  for (const Case& c : cases) {
    PlainPage page;
    c.place(page);
    const Point end = c.vertical ? Point{0, 300} : Point{300, 0};
    SearchCells cells;
    cells.Reset(&page.PageGrid());
    EXPECT_EQ(StraightRunRefused(cells, page, 0, 0, end.x, end.y), c.refused) << c.what;

    VavurOrezo* source = page.AddBlock({-400, -400, -390, -390});
    VavurOrezo* target = page.AddBlock({1000, 1000, 1010, 1010});
    Goto* line = page.AddLine(source, target);
    CountingPool::Stats stats;
    GotoRouter router(CountingPool::Maker(stats));
    ScriptedUi ui;
    Rect box{end.x + 10, end.y - 20, end.x + 100, end.y + 20};
    Path* path = nullptr;
    const bool straight = router.Route(*line, page, ui, 0, 0, end.x, end.y, box, path) == 1 && path->turns == 0;
    EXPECT_EQ(straight, !c.refused) << c.what;
  }
}

}  // namespace
}  // namespace ed::test
