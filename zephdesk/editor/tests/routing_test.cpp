// The goto-line router on a plain page: costs of what a move meets, refused moves into
// VavurOrezos, the lattice near the goal, the pop budget, Escape, the pool's lifetime and
// a route asked for while another runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "editor/routing/gotorouter.h"
#include "editor/routing/smartroute.h"
#include "routing_fixture.h"

namespace ed::test {
namespace {

std::vector<Point> PointsNewestFirst(const Path& path) {
  std::vector<Point> points;
  for (const PathSeg* p = path.newest; p != nullptr; p = p->older) points.push_back({p->x, p->y});
  return points;
}

bool CrossesInterior(const Segment& s, const Rect& block) {
  const std::int32_t left = std::min(s.fromX, s.toX), right = std::max(s.fromX, s.toX);
  const std::int32_t top = std::min(s.fromY, s.toY), bottom = std::max(s.fromY, s.toY);
  return left < block.right && right > block.left && top < block.bottom && bottom > block.top;
}

class RouterTest : public ::testing::Test {
 protected:
  // Routes with the router alone; the found path stays valid until the next route.
  int Route(Goto* line, Point from, Point to, Rect endRect, Path*& out) {
    return router.Route(*line, page, ui, from.x, from.y, to.x, to.y, endRect, out);
  }

  CountingPool::Stats stats;
  GotoRouter router{CountingPool::Maker(stats)};
  PlainPage page;
  ScriptedUi ui;
  VavurOrezo* source = page.AddBlock({-100, -20, -10, 20});
  VavurOrezo* target = page.AddBlock({410, -20, 500, 20});
  Goto* line = page.AddLine(source, target);
  const Rect targetBox{410, -20, 500, 20};
};

TEST_F(RouterTest, PopLimitFollowsTwiceTheDistanceBetween250And1000) {
  struct Case {
    Point from, to;
    std::int32_t limit;
  };
  const Case cases[] = {{{0, 0}, {30, 0}, 250}, {{0, 0}, {100, 25}, 250}, {{0, 0}, {200, 100}, 600},
                        {{0, 0}, {-499, 0}, 998}, {{0, 0}, {1000, 0}, 1000}, {{5, 5}, {5, 5}, 250}};
  for (const Case& c : cases) {
    EXPECT_EQ(GotoRouter::PopLimit(c.from.x, c.from.y, c.to.x, c.to.y), c.limit) << c.to.x << "," << c.to.y;
  }
}

TEST_F(RouterTest, StartOnTheEndIsFoundAtOnceWithoutPoints) {
  Path* path = nullptr;
  ASSERT_EQ(Route(line, {50, 50}, {50, 50}, targetBox, path), 1);
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(path->newest, nullptr);
  EXPECT_EQ(router.LastPops(), 1);
}

TEST_F(RouterTest, StepsShrinkNearTheGoalAndLandOnIt) {
  Path* path = nullptr;
  ASSERT_EQ(Route(line, {70, 0}, {100, 0}, targetBox, path), 1);
  EXPECT_EQ(PointsNewestFirst(*path), (std::vector<Point>{{100, 0}, {82, 0}}));
  EXPECT_EQ(path->value, 30);
  // Far away a step down is 20; within 60 of the goal it is 6.
  ASSERT_EQ(Route(line, {0, 0}, {0, 70}, targetBox, path), 1);
  EXPECT_EQ(PointsNewestFirst(*path), (std::vector<Point>{{0, 70}, {0, 62}, {0, 56}, {0, 50}, {0, 44}, {0, 38}, {0, 32}, {0, 26}, {0, 20}}));
}

TEST_F(RouterTest, AtEqualValueThePathNearerTheGoalGoesFirst) {
  // Across then down and down then across cost the same (60 long, one turn); the first
  // step across (12) ends 48 from the goal, the first step down (6) 54, so the course
  // starts across.
  Path* path = nullptr;
  ASSERT_EQ(Route(line, {0, 0}, {40, 20}, targetBox, path), 1);
  EXPECT_EQ(path->value, 110);
  const std::vector<Point> points = PointsNewestFirst(*path);
  EXPECT_EQ(points.back(), (Point{12, 0}));
  EXPECT_EQ(points.front(), (Point{40, 20}));
}

// One thing in the middle of a straight course from (0, 0) to (400, 0): what the course
// pays for it (it goes straight through, since any way round costs more turns).
struct Scene {
  PlainPage page;
  VavurOrezo* source = page.AddBlock({-100, -20, -10, 20});
  VavurOrezo* target = page.AddBlock({410, -20, 500, 20});
  VavurOrezo* elsewhere = page.AddBlock({1000, 1000, 1090, 1050});
  Goto* line = page.AddLine(source, target);
  Goto* toOther = page.AddLine(elsewhere, elsewhere);
  Goto* toSame = page.AddLine(elsewhere, target);
  Goto* fromSameBlock = page.AddLine(source, elsewhere);
  Goto* beingRouted = page.AddLine(elsewhere, elsewhere);
  GotoBlock gotoBlock{elsewhere, "Done"};
  Scene() { beingRouted->SetRerouteFlag(); }
};

TEST(RouterCostTest, WhatAStraightCourseMeetsAndPays) {
  const Rect mid{205, -3, 215, 3};
  struct Case {
    const char* what;
    std::function<void(Scene&)> place;
    std::int32_t value, obstacles, crossings, parallels;
  };
  const Case cases[] = {
      {"nothing", [](Scene&) {}, 400, 0, 0, 0},
      {"goto block", [&](Scene& s) { s.page.AddDrawn<GotoBlockObject>(mid, &s.gotoBlock); }, 500, 1, 0, 0},
      {"branch",
       [&](Scene& s) { s.page.AddDrawn<BranchObject>(mid, s.elsewhere, Point{}, std::vector<Point>{}); }, 500, 1, 0, 0},
      {"label of another block's line", [&](Scene& s) { s.page.AddDrawn<LineLabelObject>(mid, s.toOther); }, 500, 1,
       0, 0},
      {"label of a line from the same block", [&](Scene& s) { s.page.AddDrawn<LineLabelObject>(mid, s.fromSameBlock); },
       400, 0, 0, 0},
      {"label of a line being routed", [&](Scene& s) { s.page.AddDrawn<LineLabelObject>(mid, s.beingRouted); }, 400,
       0, 0, 0},
      {"line to another target across", [](Scene& s) { s.page.DrawSegments(s.toOther, {{220, -50, 220, 50}}); }, 401,
       0, 1, 0},
      {"line to the same target across", [](Scene& s) { s.page.DrawSegments(s.toSame, {{220, -50, 220, 50}}); }, 400,
       0, 0, 0},
      {"line being routed across", [](Scene& s) { s.page.DrawSegments(s.beingRouted, {{220, -50, 220, 50}}); }, 400,
       0, 0, 0},
  };
  for (const Case& c : cases) {
    Scene scene;
    c.place(scene);
    CountingPool::Stats stats;
    GotoRouter router(CountingPool::Maker(stats));
    ScriptedUi ui;
    Rect box{410, -20, 500, 20};
    Path* path = nullptr;
    ASSERT_EQ(router.Route(*scene.line, scene.page, ui, 0, 0, 400, 0, box, path), 1) << c.what;
    EXPECT_EQ(path->value, c.value) << c.what;
    EXPECT_EQ(path->pbIntersect, c.obstacles) << c.what;
    EXPECT_EQ(path->gotoIntersect, c.crossings) << c.what;
    EXPECT_EQ(path->parallels, c.parallels) << c.what;
    EXPECT_EQ(path->turns, 0) << c.what;
    EXPECT_EQ(box, (Rect{406, -24, 504, 24})) << "the end box grows by 4";
  }
}

TEST(RouterCostTest, ACourseJoinsALineIntoTheSameTargetRunningTheSameWay) {
  Scene scene;
  // Another line into the same target: its entering stub, then a long run to the right.
  scene.page.DrawSegments(scene.toSame, {{390, 0, 400, 0}, {100, 0, 390, 0}});
  CountingPool::Stats stats;
  GotoRouter router(CountingPool::Maker(stats));
  ScriptedUi ui;
  Rect box{410, -20, 500, 20};
  Path* path = nullptr;
  ASSERT_EQ(router.Route(*scene.line, scene.page, ui, 0, 0, 400, 0, box, path), 1);
  EXPECT_EQ(PointsNewestFirst(*path), (std::vector<Point>{{400, 0}, {390, 0}, {80, 0}, {40, 0}}));
  EXPECT_EQ(path->value, 400);
  EXPECT_EQ(path->parallels, 0);

  // The same run the other way is a parallel: the course keeps off it.
  Scene against;
  against.page.DrawSegments(against.toSame, {{390, 0, 400, 0}, {390, 0, 100, 0}});
  ASSERT_EQ(router.Route(*against.line, against.page, ui, 0, 0, 400, 0, box, path), 1);
  EXPECT_EQ(path->parallels, 0);
  EXPECT_GT(path->turns, 0);
}

TEST_F(RouterTest, VavurOrezosAreNeverEnteredButMayBeLeft) {
  page.AddBlock({150, -40, 240, 10});
  Path* path = nullptr;
  ASSERT_EQ(Route(line, {0, 0}, {400, 0}, targetBox, path), 1);
  EXPECT_EQ(path->pbIntersect, 0);
  EXPECT_EQ(path->turns, 2);   // down past the block's bottom, across, and up into the goal
  EXPECT_EQ(path->distance, 400 + 2 * 12);   // down to 12, two units clear of its bottom
  // A course that starts inside a block leaves it.
  ASSERT_EQ(Route(line, {200, -20}, {400, 0}, targetBox, path), 1);
  EXPECT_EQ(path->newest->x, 400);
}

TEST_F(RouterTest, AnEnclosedGoalSpendsTheWholeBudget) {
  // A ring of blocks round the goal: no move gets in.
  page.AddBlock({300, -60, 400, -40});
  page.AddBlock({300, 40, 400, 60});
  page.AddBlock({300, -60, 320, 60});
  page.AddBlock({380, -60, 400, 60});
  Path* path = reinterpret_cast<Path*>(&ui);
  EXPECT_EQ(Route(line, {0, 0}, {350, 0}, targetBox, path), 0);
  EXPECT_EQ(path, nullptr);
  const std::int32_t limit = GotoRouter::PopLimit(0, 0, 350, 0);
  EXPECT_EQ(limit, 700);
  EXPECT_EQ(router.LastPops(), GotoRouter::kBudgetFactor * limit);
  // The pump ran before pops 1, 202, 403, ... and each run added a dot.
  const int pumps = (GotoRouter::kBudgetFactor * limit - 1) / 201 + 1;
  EXPECT_EQ(ui.pumps, pumps);
  EXPECT_EQ(std::count(page.status.begin(), page.status.end(), std::make_pair(2, std::string("+."))), pumps);
}

TEST_F(RouterTest, EscapeEndsTheSearch) {
  page.AddBlock({300, -60, 400, -40});
  page.AddBlock({300, 40, 400, 60});
  page.AddBlock({300, -60, 320, 60});
  page.AddBlock({380, -60, 400, 60});
  ui.escapeAtPump = 3;
  Path* path = nullptr;
  EXPECT_EQ(Route(line, {0, 0}, {350, 0}, targetBox, path), 0);
  EXPECT_EQ(path, nullptr);
  EXPECT_EQ(router.LastPops(), 402);
}

TEST_F(RouterTest, MemoryFailuresLeaveTheOutParameterAlone) {
  struct Case {
    long failAfter;
    bool warned;
  };
  for (const Case c : {Case{1, false}, Case{2, true}}) {
    CountingPool::Stats dry;
    dry.failAfter = c.failAfter;
    GotoRouter starved(CountingPool::Maker(dry));
    ScriptedUi quiet;
    Path* path = reinterpret_cast<Path*>(&quiet);
    Rect box = targetBox;
    EXPECT_EQ(starved.Route(*line, page, quiet, 0, 0, 400, 0, box, path), 0);
    EXPECT_EQ(path, reinterpret_cast<Path*>(&quiet));
    EXPECT_EQ(quiet.warnings, c.warned ? std::vector<std::string>{kRouteOutOfMemoryText} : std::vector<std::string>{});
  }
  GotoRouter noPool([]() -> std::unique_ptr<SearchPool> { return nullptr; });
  Path* path = reinterpret_cast<Path*>(&ui);
  Rect box = targetBox;
  EXPECT_EQ(noPool.Route(*line, page, ui, 0, 0, 400, 0, box, path), 0);
  EXPECT_EQ(path, reinterpret_cast<Path*>(&ui));
}

TEST_F(RouterTest, ThePoolLastsFromARouteToTheRelease) {
  Path* path = nullptr;
  ASSERT_EQ(Route(line, {0, 0}, {400, 0}, targetBox, path), 1);
  ASSERT_EQ(Route(line, {0, 0}, {200, 40}, targetBox, path), 1);
  EXPECT_EQ(stats.made, 1);
  EXPECT_EQ(stats.live, 1);
  router.ReleaseMemory();
  EXPECT_EQ(stats.live, 0);
  ASSERT_EQ(Route(line, {0, 0}, {400, 0}, targetBox, path), 1);
  EXPECT_EQ(stats.made, 2);
}

TEST_F(RouterTest, ASearchKeepsNothingOfTheOneBefore) {
  // The router keeps its tables from one route to the next: a search after others (one of
  // them long enough to make the tables grow) finds what a fresh router finds, at the same
  // number of pops.
  page.AddBlock({150, -60, 250, 60});
  page.AddBlock({300, -60, 400, -40});
  page.AddBlock({300, 40, 400, 60});
  page.AddBlock({300, -60, 320, 60});
  page.AddBlock({380, -60, 400, 60});
  struct Course {
    Point from, to;
  };
  // First a goal inside the ring (the whole budget spent over the points round it), then
  // courses over the same points.
  const Course courses[] = {{{0, 0}, {350, 0}}, {{0, 0}, {400, 0}}, {{100, 100}, {0, -100}}, {{0, 0}, {350, 0}}};
  for (const Course& c : courses) {
    Path* used = nullptr;
    const int usedFound = Route(line, c.from, c.to, targetBox, used);
    const std::string usedCourse = used != nullptr ? used->Describe() : "none";
    const std::int32_t usedPops = router.LastPops();
    router.ReleaseMemory();
    CountingPool::Stats freshStats;
    GotoRouter fresh{CountingPool::Maker(freshStats)};
    Path* found = nullptr;
    Rect box = targetBox;
    EXPECT_EQ(fresh.Route(*line, page, ui, c.from.x, c.from.y, c.to.x, c.to.y, box, found), usedFound);
    EXPECT_EQ(found != nullptr ? found->Describe() : "none", usedCourse) << c.to.x << "," << c.to.y;
    EXPECT_EQ(fresh.LastPops(), usedPops);
  }
}

// ---- the line's layout through the router ---------------------------------------------

class SmartRouteTest : public RouterTest {
 protected:
  SmartRoute smart{CountingPool::Maker(stats), ui};
};

TEST_F(SmartRouteTest, TheLineFollowsTheCornersFromItsEndBackToItsStart) {
  page.AddBlock({150, -40, 240, 10});
  line->PlaceSegment(390, 0, 410, 0, -1);   // the end stub, as the layout places it first
  ASSERT_TRUE(smart.Route(*line, page, 0, 0, 390, 0));
  const auto& segments = line->GetSegments();
  ASSERT_EQ(segments.size(), 4u);
  Point at{390, 0};
  for (std::size_t i = 1; i < segments.size(); ++i) {
    const Segment& s = *segments[i];
    EXPECT_EQ((Point{s.toX, s.toY}), at) << i;
    EXPECT_TRUE(s.fromX == s.toX || s.fromY == s.toY) << i;
    EXPECT_FALSE(s.IsPoint()) << i;
    EXPECT_FALSE(CrossesInterior(s, {150, -40, 240, 10})) << i;
    if (i > 1) {
      EXPECT_NE(s.IsHorizontal(), segments[i - 1]->IsHorizontal()) << "straight runs merged, " << i;
    }
    at = {s.fromX, s.fromY};
  }
  EXPECT_EQ(at, (Point{0, 0}));
  EXPECT_EQ(stats.live, 0) << "the memory goes after each route";
  EXPECT_EQ(ui.enables, (std::vector<bool>{false, true}));
  ASSERT_GE(page.status.size(), 4u);
  EXPECT_EQ(page.status.front(), std::make_pair(2, std::string("=Routing goto lines.")));
  EXPECT_EQ(page.status[1], std::make_pair(2, std::string("+.")));
  EXPECT_EQ(page.status[page.status.size() - 2], std::make_pair(2, std::string("=")));
  EXPECT_EQ(page.status.back(), std::make_pair(0, std::string("=")));
}

TEST_F(SmartRouteTest, AStartOnTheEndAddsNoSegment) {
  EXPECT_TRUE(smart.Route(*line, page, 30, 30, 30, 30));
  EXPECT_TRUE(line->GetSegments().empty());
}

TEST_F(SmartRouteTest, EscapeBeforeOrDuringTheSearchGivesTheFixedForm) {
  ui.escapeAtPump = 1;
  EXPECT_FALSE(smart.Route(*line, page, 0, 0, 390, 0));
  EXPECT_TRUE(page.status.empty());
  EXPECT_EQ(ui.enables, (std::vector<bool>{false, true}));
  ui.pumps = 0;
  ui.escapeAtPump = 2;
  EXPECT_FALSE(smart.Route(*line, page, 0, 0, 390, 0));
  EXPECT_TRUE(line->GetSegments().empty());
  EXPECT_EQ(page.status.back(), std::make_pair(0, std::string("=")));
  EXPECT_EQ(stats.live, 0);
}

TEST_F(SmartRouteTest, ARouteAskedForDuringASearchIsLeftForLater) {
  Goto* other = page.AddLine(source, target);
  bool inner = true;
  ui.onPump = [&] {
    if (ui.pumps == 2) inner = smart.Route(*other, page, 0, 100, 390, 0);
  };
  EXPECT_TRUE(smart.Route(*line, page, 0, 0, 390, 0));
  EXPECT_FALSE(inner);
  EXPECT_TRUE(other->NeedsRouting());
  EXPECT_TRUE(other->GetSegments().empty());
  EXPECT_FALSE(line->GetSegments().empty());
}

TEST_F(SmartRouteTest, WithoutARoutingPageOrTargetNothingIsSearched) {
  struct NoPage : LineCanvas {
    void OutputConnection(VavurOrezo&, const char*, Point&, std::int32_t&) override {}
    void EntryPoint(VavurOrezo&, Point&, std::int32_t&, std::int32_t&) override {}
    Rect BlockRect(VavurOrezo&) override { return {}; }
  } bare;
  EXPECT_FALSE(smart.Route(*line, bare, 0, 0, 390, 0));
  Goto* loose = page.AddLine(source, nullptr);
  EXPECT_FALSE(smart.Route(*loose, page, 0, 0, 390, 0));
  EXPECT_EQ(ui.pumps, 0);
}

}  // namespace
}  // namespace ed::test
