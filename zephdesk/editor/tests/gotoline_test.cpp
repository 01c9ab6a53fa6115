// Laying out goto lines, adjusting hand-edited ones and editing their segments, on
// blocks and lines of the canvas only, placed by a fake canvas.
#include "canvas_fixture.h"

#include <map>

namespace ed::test {
namespace {

struct Seg {
  std::int32_t x1, y1, x2, y2;
  friend bool operator==(const Seg&, const Seg&) = default;
};

std::ostream& operator<<(std::ostream& os, const Seg& s) {
  return os << "(" << s.x1 << "," << s.y1 << ")->(" << s.x2 << "," << s.y2 << ")";
}

std::vector<Seg> Segs(const Goto& line) {
  std::vector<Seg> out;
  for (const auto& s : line.GetSegments()) out.push_back({s->fromX, s->fromY, s->toX, s->toY});
  return out;
}

void SetSegs(Goto& line, const std::vector<Seg>& segs) {
  line.DropAllSegments();
  for (const Seg& s : segs) line.PlaceSegment(s.x1, s.y1, s.x2, s.y2, -1);
}

class FakeLineCanvas : public LineCanvas {
 public:
  struct Place {
    Point connection;
    std::int32_t halfWidth = 0;
    Point entry;
    std::int32_t reachA = 0, reachB = 0;
    Rect rect;
  };
  void OutputConnection(VavurOrezo& block, const char*, Point& at, std::int32_t& halfWidth) override {
    at = places[&block].connection;
    halfWidth = places[&block].halfWidth;
  }
  void EntryPoint(VavurOrezo& block, Point& at, std::int32_t& a, std::int32_t& b) override {
    at = places[&block].entry;
    a = places[&block].reachA;
    b = places[&block].reachB;
  }
  Rect BlockRect(VavurOrezo& block) override { return places[&block].rect; }
  std::map<VavurOrezo*, Place> places;
};

class GotoLineTest : public CanvasTest {
 protected:
  GotoLineTest() {
    from = new VavurOrezo();
    to = new VavurOrezo();
    from->SetName("From");
    to->SetName("To");
    main->AddVavurOrezo(from);
    main->AddVavurOrezo(to);
    line = new Goto();
    line->SetOutputName("Done");
    line->SetEndBlock(to);
    from->AddGoto(line);
    program->ClearModified();
  }
  VavurOrezo* from;
  VavurOrezo* to;
  Goto* line;
  FakeLineCanvas canvas;
};

TEST_F(GotoLineTest, SegmentDirections) {
  struct Case {
    Seg s;
    int direction;
  } cases[] = {{{0, 0, 5, 0}, kDirRight}, {{0, 0, 0, 5}, kDirDown}, {{5, 0, 0, 0}, kDirLeft},
               {{0, 5, 0, 0}, kDirUp},    {{3, 3, 3, 3}, kDirUp},   {{0, 0, 5, 5}, kDirRight}};
  for (const Case& c : cases) {
    Segment s(nullptr, c.s.x1, c.s.y1, c.s.x2, c.s.y2);
    EXPECT_EQ(s.Direction(), c.direction) << c.s;
  }
  SetSegs(*line, {{0, 0, 1, 0}, {1, 1, 1, 1}});
  EXPECT_TRUE(line->GetSegments()[0]->IsEndSegment());
  EXPECT_FALSE(line->GetSegments()[1]->IsEndSegment());
  EXPECT_TRUE(line->GetSegments()[1]->IsPoint());
}

TEST_F(GotoLineTest, LayOutSimpleForms) {
  struct Case {
    const char* name;
    Seg ends;
    Rect start, end;
    std::vector<Seg> expected;
  };
  const Case cases[] = {
      {"right", {10, 20, 50, 60}, {}, {}, {{30, 60, 50, 60}, {30, 20, 30, 60}, {10, 20, 30, 20}}},
      {"same x", {10, 20, 10, 60}, {}, {}, {{10, 60, 10, 60}, {10, 20, 10, 60}, {10, 20, 10, 20}}},
      {"left, start above", {120, 20, 20, 120}, {100, 0, 150, 40}, {0, 100, 50, 140},
       {{20, 70, 20, 120}, {120, 70, 20, 70}, {120, 20, 120, 70}}},
      {"left, end above", {120, 120, 20, 20}, {100, 100, 150, 140}, {0, 0, 50, 40},
       {{20, 70, 20, 20}, {120, 70, 20, 70}, {120, 120, 120, 70}}},
      {"left, overlapping", {120, 30, 20, 50}, {100, 0, 150, 60}, {0, 20, 50, 80},
       {{20, 90, 20, 50}, {120, 90, 20, 90}, {120, 30, 120, 90}}},
      {"left, gap of exactly 10", {120, 20, 20, 120}, {100, 0, 150, 40}, {0, 50, 50, 90},
       {{20, 45, 20, 120}, {120, 45, 20, 45}, {120, 20, 120, 45}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    canvas.places[from].rect = c.start;
    canvas.places[to].rect = c.end;
    line->DropAllSegments();
    line->LayOutSimple(canvas, c.ends.x1, c.ends.y1, c.ends.x2, c.ends.y2);
    EXPECT_EQ(Segs(*line), c.expected);
  }
  EXPECT_FALSE(program->IsModified());
}

TEST_F(GotoLineTest, TidyEndsRemovesFoldsAtBothEnds) {
  SetSegs(*line, {{0, 0, 20, 0}, {10, 0, 0, 0}, {10, -30, 10, 0}});
  line->TidyEnds();
  EXPECT_EQ(Segs(*line), (std::vector<Seg>{{10, 0, 20, 0}, {10, -30, 10, 0}}));

  SetSegs(*line, {{50, 40, 60, 40}, {50, 5, 50, 40}, {20, 5, 10, 5}, {0, 5, 20, 5}});
  line->TidyEnds();
  EXPECT_EQ(Segs(*line), (std::vector<Seg>{{50, 40, 60, 40}, {50, 5, 50, 40}, {0, 5, 10, 5}}));

  // Nothing folds back: unchanged; one segment: unchanged.
  const std::vector<Seg> plain{{30, 60, 50, 60}, {30, 20, 30, 60}, {10, 20, 30, 20}};
  SetSegs(*line, plain);
  line->TidyEnds();
  EXPECT_EQ(Segs(*line), plain);
  SetSegs(*line, {{0, 0, 5, 0}});
  line->TidyEnds();
  EXPECT_EQ(line->GetSegments().size(), 1u);
}

// A hand-edited line from (0, 0) with half width 6 to (100, 50).
const std::vector<Seg> kEdited{{90, 50, 100, 50}, {40, 50, 90, 50}, {40, 0, 40, 50}, {0, 0, 40, 0}};

TEST_F(GotoLineTest, AdjustEndsKeepsTheMiddleOfAHandEditedLine) {
  struct Case {
    const char* name;
    Point start, end;
    bool handEdited;
    int result;
    std::vector<Seg> expected;   // empty: as it was
  };
  const Case cases[] = {
      {"nothing moved", {0, 0}, {100, 50}, true, 1, kEdited},
      {"end moved", {0, 0}, {120, 80}, true, 1,
       {{110, 80, 120, 80}, {110, 50, 110, 80}, {40, 50, 110, 50}, {40, 0, 40, 50}, {0, 0, 40, 0}}},
      {"start moved", {0, 20}, {100, 50}, true, 1,
       {{90, 50, 100, 50}, {40, 50, 90, 50}, {40, 20, 40, 50}, {0, 20, 40, 20}}},
      {"both by one offset", {10, 10}, {110, 60}, true, 1,
       {{100, 60, 110, 60}, {50, 60, 100, 60}, {50, 10, 50, 60}, {10, 10, 50, 10}}},
      {"both by different offsets", {10, 10}, {130, 70}, true, 1,
       {{120, 70, 130, 70}, {120, 60, 120, 70}, {50, 60, 120, 60}, {50, 10, 50, 60}, {10, 10, 50, 10}}},
      {"target now left of the start", {0, 0}, {-100, 50}, true, 0, {}},
      {"not hand-edited", {0, 0}, {120, 80}, false, 0, kEdited},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetSegs(*line, kEdited);
    line->ClearFlags(kGotoHandEdited);
    if (c.handEdited) line->SetFlags(kGotoHandEdited);
    EXPECT_EQ(line->AdjustEnds(c.start.x, c.start.y, c.end.x, c.end.y, 6), c.result);
    if (!c.expected.empty()) EXPECT_EQ(Segs(*line), c.expected);
    if (c.result == 1) {
      EXPECT_EQ(line->GetSegments().front()->toX, c.end.x);
      EXPECT_EQ(line->GetSegments().front()->toY, c.end.y);
      EXPECT_EQ(line->GetSegments().back()->fromX, c.start.x);
      EXPECT_EQ(line->GetSegments().back()->fromY, c.start.y);
    }
  }
  line->DropAllSegments();
  EXPECT_EQ(line->AdjustEnds(0, 0, 100, 50, 6), 0);
  EXPECT_FALSE(program->IsModified());
}

TEST_F(GotoLineTest, AdjustEndsGivesUpWhenNoSegmentCanReachTheNewEnd) {
  // A line of horizontal pieces only, whose end block moved far left of the clearance.
  SetSegs(*line, {{90, 50, 100, 50}, {0, 50, 90, 50}});
  line->GetSegments()[1]->fromY = 0;   // not axis-parallel: cannot be kept
  line->SetFlags(kGotoHandEdited);
  EXPECT_EQ(line->AdjustEnds(0, 0, 5, 50, 6), 0);
}

TEST_F(GotoLineTest, MovingSegments) {
  struct Case {
    const char* name;
    int index;
    Point to;
    std::vector<Seg> expected;
    bool warned;
  };
  const Case cases[] = {
      {"first", 0, {0, 70}, kEdited, true},
      {"last", 3, {0, 70}, kEdited, true},
      {"vertical sideways", 2, {60, 0},
       {{90, 50, 100, 50}, {60, 50, 90, 50}, {60, 0, 60, 50}, {0, 0, 60, 0}}, false},
      {"horizontal down beside a parallel neighbour", 1, {0, 70},
       {{90, 50, 100, 50}, {90, 70, 90, 50}, {40, 70, 90, 70}, {40, 0, 40, 70}, {0, 0, 40, 0}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetSegs(*line, kEdited);
    line->ClearFlags(kGotoHandEdited);
    program->ClearModified();
    host.statusTexts.clear();
    host.beeps.clear();
    Segment::Move(line, line->GetSegments()[c.index].get(), c.to.x, c.to.y);
    EXPECT_EQ(Segs(*line), c.expected);
    if (c.warned) {
      EXPECT_EQ(host.statusTexts, std::vector<std::string>{"Can not move first or last segments in a goto line."});
      EXPECT_TRUE(host.transients.back());
      EXPECT_EQ(host.beeps, std::vector<unsigned>{0x30});
      EXPECT_FALSE(line->TestFlags(kGotoHandEdited));
      EXPECT_FALSE(program->IsModified());
    } else {
      EXPECT_TRUE(host.statusTexts.empty());
      EXPECT_TRUE(line->TestFlags(kGotoHandEdited));
      EXPECT_TRUE(program->IsModified());
    }
  }
}

TEST_F(GotoLineTest, SplittingAndJoining) {
  SetSegs(*line, kEdited);
  Segment::Split(line, line->GetSegments()[1].get(), 60, 999);
  EXPECT_EQ(Segs(*line), (std::vector<Seg>{{90, 50, 100, 50}, {60, 50, 90, 50}, {40, 50, 60, 50}, {40, 0, 40, 50},
                                           {0, 0, 40, 0}}));
  EXPECT_TRUE(line->TestFlags(kGotoHandEdited));
  EXPECT_TRUE(program->IsModified());

  Segment::Split(line, line->GetSegments()[3].get(), 999, 20);
  EXPECT_EQ(Segs(*line)[3], (Seg{40, 20, 40, 50}));
  EXPECT_EQ(Segs(*line)[4], (Seg{40, 0, 40, 20}));

  program->ClearModified();
  Segment::Join(line, line->GetSegments()[1].get());
  EXPECT_EQ(Segs(*line)[0], (Seg{60, 50, 100, 50}));
  EXPECT_EQ(line->GetSegments().size(), 5u);
  EXPECT_TRUE(program->IsModified());

  // Perpendicular: the warning, nothing joined.
  const auto before = Segs(*line);
  Segment::Join(line, line->GetSegments()[2].get());
  EXPECT_EQ(Segs(*line), before);
  EXPECT_EQ(host.statusTexts.back(), "Segments must be in same direction and aligned before they can be joined.");
  EXPECT_EQ(host.beeps.back(), 0x30u);
  // The first segment has nothing before it.
  Segment::Join(line, line->GetSegments()[0].get());
  EXPECT_EQ(Segs(*line), before);
}

TEST_F(GotoLineTest, JoiningAcrossPointSegments) {
  SetSegs(*line, {{40, 50, 40, 80}, {40, 50, 40, 50}, {40, 50, 40, 50}, {40, 20, 40, 50}});
  Segment::Join(line, line->GetSegments()[3].get());
  EXPECT_EQ(Segs(*line), (std::vector<Seg>{{40, 20, 40, 80}}));
}

TEST_F(GotoLineTest, StubRestoreRule) {
  struct Case {
    std::uint32_t before;
    bool labelOption;
    std::uint32_t after;
  } cases[] = {
      {0x0, false, 0x8 | 0x2},   {0x0, true, 0x10 | 0x2}, {0x8 | 0x4, true, 0x2},
      {0x10, false, 0x2},        {0x18 | 0x4, false, 0x2}, {0x20 | 0x1, true, 0x20 | 0x10 | 0x2 | 0x1},
      {0x20 | 0x10, false, 0x20 | 0x2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    line->ClearFlags(0xFFFFFFFFu);
    line->SetFlags(c.before);
    program->ClearModified();
    host.notices.clear();
    line->ToggleStub(c.labelOption);
    EXPECT_EQ(line->Flags(), c.after);
    EXPECT_TRUE(program->IsModified());
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0].object, line);
  }
}

// ---- Routing on real blocks --------------------------------------------------------------

class RouteTest : public CanvasTest {
 protected:
  void Place(VavurOrezo* b, Point connection, std::int32_t half, Point entry, std::int32_t a = 0, std::int32_t r = 0) {
    canvas.places[b] = {connection, half, entry, a, r, {entry.x, entry.y - 20, entry.x + 40, entry.y + 20}};
  }
  FakeLineCanvas canvas;
};

TEST_F(RouteTest, StubsAndStubLengths) {
  VavurOrezo* from = Add(main, "From", 404);   // one output
  VavurOrezo* to = Add(main, "To", 393);
  Goto* line = from->CreateGoto(to, "Done", 0);
  ASSERT_NE(line, nullptr);
  program->ClearModified();
  struct Case {
    const char* name;
    std::uint32_t flags;
    Point start, entry;
    std::int32_t reachA, reachB;
    Seg first, last;   // end stub and start stub
    std::size_t count;
  };
  const Case cases[] = {
      {"labelled stub", 0x10, {100, 100}, {0, 300}, 0, 0, {100, 100, 124, 100}, {100, 100, 124, 100}, 1},
      {"stub", 0x8, {100, 100}, {400, 90}, 0, 0, {100, 100, 124, 100}, {100, 100, 124, 100}, 1},
      {"close target", 0, {100, 100}, {130, 110}, 0, 0, {120, 110, 130, 110}, {100, 100, 110, 100}, 5},
      {"near but not close", 0, {100, 100}, {190, 110}, 20, 4, {180, 110, 190, 110}, {100, 100, 116, 100}, 5},
      {"far", 0, {100, 100}, {400, 200}, 20, 4, {372, 200, 400, 200}, {100, 100, 116, 100}, 5},
      {"short reach", 0, {100, 100}, {400, 200}, 2, 0, {390, 200, 400, 200}, {100, 100, 116, 100}, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Place(from, c.start, 6, {0, 0});
    Place(to, {0, 0}, 0, c.entry, c.reachA, c.reachB);
    line->ClearFlags(0x18);
    line->SetFlags(c.flags | kGotoReroute);
    const auto& segs = line->GetRoutedSegments(canvas);
    ASSERT_EQ(segs.size(), c.count);
    EXPECT_EQ((Seg{segs.front()->fromX, segs.front()->fromY, segs.front()->toX, segs.front()->toY}), c.first);
    EXPECT_EQ((Seg{segs.back()->fromX, segs.back()->fromY, segs.back()->toX, segs.back()->toY}), c.last);
    EXPECT_FALSE(line->NeedsRouting());
  }
  EXPECT_FALSE(program->IsModified());
}

TEST_F(RouteTest, AHiddenOutputLosesItsSegments) {
  VavurOrezo* from = Add(main, "From", 393);
  VavurOrezo* to = Add(main, "To", 393);
  Goto* line = from->CreateGoto(to, "Done Playing", 0);
  ASSERT_NE(line, nullptr);
  Place(from, {10, 10}, 6, {0, 0});
  Place(to, {0, 0}, 0, {200, 10});
  line->Route(canvas);
  EXPECT_FALSE(line->GetSegments().empty());
  from->FindGotoBlock("Done Playing")->SetShown(0);
  line->Route(canvas);
  EXPECT_TRUE(line->GetSegments().empty());
}

TEST_F(RouteTest, HandEditedLinesAreAdjustedAndARouterIsAskedFirst) {
  VavurOrezo* from = Add(main, "From", 404);
  VavurOrezo* to = Add(main, "To", 393);
  Goto* line = from->CreateGoto(to, "Done", 0);
  Place(from, {0, 0}, 6, {0, 0});
  Place(to, {0, 0}, 0, {100, 50});
  SetSegs(*line, kEdited);
  line->SetFlags(kGotoHandEdited | kGotoReroute);
  Place(to, {0, 0}, 0, {120, 80});
  line->Route(canvas);
  EXPECT_EQ(Segs(*line)[2], (Seg{40, 50, 110, 50}));
  EXPECT_TRUE(line->TestFlags(kGotoHandEdited));

  struct StraightRouter : SmartRouter {
    bool Route(Goto& l, LineCanvas&, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
      ++calls;
      if (!answer) return false;
      l.PlaceSegment(x1, y1, x2, y2, -1);
      return true;
    }
    int calls = 0;
    bool answer = true;
  } router;
  SetSmartRouter(&router);
  host.options = kOptSmartRouting;
  line->ClearFlags(kGotoHandEdited);
  line->Route(canvas);
  EXPECT_EQ(router.calls, 1);
  EXPECT_EQ(line->GetSegments().size(), 3u);
  router.answer = false;
  line->Route(canvas);
  EXPECT_EQ(line->GetSegments().size(), 5u);   // the fixed form instead
  host.options = 0;
  line->Route(canvas);
  EXPECT_EQ(router.calls, 2);
  SetSmartRouter(nullptr);
}

TEST_F(RouteTest, LayingOutAPageTwiceLeavesTheProgramUnmodified) {
  std::vector<VavurOrezo*> blocks;
  for (int i = 0; i < 20; ++i) {
    blocks.push_back(Add(main, ("B" + std::to_string(i)).c_str(), 404));
    ASSERT_NE(blocks.back(), nullptr);
    Place(blocks.back(), {i * 50 + 40, (i % 5) * 60}, 6, {i * 50, (i % 5) * 60});
  }
  for (int i = 0; i < 20; ++i) ASSERT_NE(blocks[i]->CreateGoto(blocks[(i * 7 + 3) % 20], "Done", 0), nullptr);
  program->ClearModified();
  for (int pass = 0; pass < 2; ++pass) {
    for (VavurOrezo* b : blocks) {
      for (const auto& l : b->Gotos()) {
        l->SetRerouteFlag();
        EXPECT_FALSE(l->GetRoutedSegments(canvas).empty());
      }
    }
  }
  EXPECT_FALSE(program->IsModified());
  // Each edit kind marks it.
  Goto* l = blocks[0]->Gotos()[0].get();
  Segment::Split(l, l->GetSegments()[1].get(), 0, 5);
  EXPECT_TRUE(program->IsModified());
  program->ClearModified();
  blocks[1]->MoveTo(500, 500);
  EXPECT_TRUE(program->IsModified());
  EXPECT_TRUE(blocks[1]->Gotos()[0]->NeedsRouting());
  program->ClearModified();
  blocks[2]->DeleteGoto(blocks[2]->Gotos()[0].get());
  EXPECT_TRUE(program->IsModified());
  program->ClearModified();
  ASSERT_NE(blocks[2]->CreateGoto(blocks[3], "Done", 0), nullptr);
  EXPECT_TRUE(program->IsModified());
}

}  // namespace
}  // namespace ed::test
