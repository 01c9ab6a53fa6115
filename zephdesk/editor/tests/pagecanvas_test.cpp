// The page canvas: building a page's drawn objects, the router's end points, the selection
// with its output connection rule, the rubber band, moving dragged objects, placing blocks
// and rerouting the lines a block comes to lie on.
#include "page_fixture.h"

#include <algorithm>

#include "editor/notes/textnote.h"
#include "editor/panes/layout.h"
#include "editor/routing/smartroute.h"
#include "routing_fixture.h"

namespace ed::test {
namespace {

TEST_F(PageCanvasTest, BuildDrawsBlocksOutputsAndRoutesEveryLineAfterAllBlocks) {
  const int type = TypeWithOutputs(2);
  ASSERT_NE(type, 0);
  VavurOrezo* a = Add(main, "A", type, 100, 100);
  VavurOrezo* b = Add(main, "B", type, 400, 300);
  VavurOrezo* c = Add(main, "C", type, 800, 100);
  ASSERT_TRUE(a && b && c);
  // Lines to blocks later in the page's list: routed before those were drawn they would
  // end at the page's origin.
  Goto* ac = a->CreateGoto(c, Output(a, 0).c_str(), 0);
  Goto* ab = a->CreateGoto(b, Output(a, 1).c_str(), 0);
  Goto* ba = b->CreateGoto(a, Output(b, 0).c_str(), 0);
  ASSERT_TRUE(ac && ab && ba);

  ASSERT_EQ(canvas->BuildDisplay(true, true), 1);
  EXPECT_EQ(canvas->View().PageWidth(), (50 + 9) * 250);
  EXPECT_EQ(canvas->View().PageHeight(), (50 + 7) * 250);
  for (VavurOrezo* block : {a, b, c}) {
    EXPECT_EQ(DrawnOf(block, kDrawnVavurOrezo).size(), 1u);
    EXPECT_EQ(static_cast<int>(DrawnOf(block, kDrawnGotoBlock).size()), block->CountShownOutputs());
    EXPECT_EQ(DrawnOf(block, kDrawnBranch).size(), 1u);
  }
  for (Goto* line : {ac, ab, ba}) {
    SCOPED_TRACE(line->OutputName());
    EXPECT_FALSE(line->NeedsRouting());
    ASSERT_FALSE(line->GetSegments().empty());
    EXPECT_EQ(DrawnOf(line, kDrawnSegment).size(), line->GetSegments().size());
    Point entry, start;
    std::int32_t reachA = 0, reachB = 0, half = 0;
    canvas->EntryPoint(*line->EndBlock(), entry, reachA, reachB);
    canvas->OutputConnection(*line->Block(), line->OutputName().c_str(), start, half);
    EXPECT_GT(entry.x, 0);
    const Segment& first = *line->GetSegments().front();   // enters the end block
    const Segment& last = *line->GetSegments().back();     // leaves the output
    EXPECT_EQ((Point{first.toX, first.toY}), entry);
    EXPECT_EQ((Point{last.fromX, last.fromY}), start);
  }
  // The drawn block's icon stands at its position converted to canvas units.
  auto* drawn = static_cast<VavurOrezoObject*>(DrawnOf(b, kDrawnVavurOrezo).front());
  EXPECT_EQ(drawn->IconRect().left, 400);
  EXPECT_EQ(drawn->IconRect().top, 600);
}

TEST_F(PageCanvasTest, PrintGridFollowsTheOptionAndThePrinter) {
  struct Case {
    bool option;
    std::int32_t width, height;
    bool lines;
  } cases[] = {{true, 400, 300, true}, {false, 400, 300, false}, {true, 0, 0, false}};
  for (const Case& c : cases) {
    host.options = c.option ? std::uint32_t{kOptPrintGrid} : 0u;
    window.printedWidth = c.width;
    window.printedHeight = c.height;
    canvas->BuildDisplay(true, true);
    EXPECT_EQ(canvas->View().GridLines().empty(), !c.lines) << c.option << " " << c.width;
    if (c.lines) {
      EXPECT_EQ(canvas->View().GridY(), 600);   // 300 page units, two canvas units each
    }
  }
}

TEST_F(PageCanvasTest, ClickOnABlockConnectsTheSelectedOutputs) {
  const int type = TypeWithOutputs(2);
  VavurOrezo* a = Add(main, "A", type, 100, 100);
  VavurOrezo* b = Add(main, "B", type, 500, 100);
  VavurOrezo* c = Add(main, "C", type, 500, 400);
  ASSERT_TRUE(a && b && c);
  GotoBlock* out0 = a->FindGotoBlock(Output(a, 0).c_str());
  GotoBlock* out1 = a->FindGotoBlock(Output(a, 1).c_str());
  // The second output already leads to C, and C is where the click goes.
  Goto* existing = a->CreateGoto(c, out1->OutputName().c_str(), 0);
  ASSERT_NE(existing, nullptr);
  canvas->BuildDisplay(true, true);

  ASSERT_EQ(canvas->SelectObject(out0, 1, 1), 1);
  ASSERT_EQ(canvas->SelectObject(out1, 0, 1), 1);
  const int created = model.createdGotos;
  EXPECT_EQ(canvas->SelectObject(c, 1, 1), 0);
  EXPECT_EQ(canvas->SelectionCount(), 0);
  ASSERT_NE(a->FindGoto(out0->OutputName().c_str()), nullptr);
  EXPECT_EQ(a->FindGoto(out0->OutputName().c_str())->EndBlock(), c);
  EXPECT_EQ(a->FindGoto(out1->OutputName().c_str()), existing);   // kept, only rerouted
  EXPECT_EQ(model.createdGotos, created + 1);
  EXPECT_FALSE(DrawnOf(a->FindGoto(out0->OutputName().c_str()), kDrawnSegment).empty());

  // Moved to B: the old line goes, a new one comes; a right click makes stubs.
  host.options = kOptLabelStubGotos;
  canvas->SelectObject(out0, 1, 1);
  canvas->SelectObject(out1, 0, 1);
  EXPECT_EQ(canvas->SelectObject(b, 0, 2), 0);
  for (GotoBlock* out : {out0, out1}) {
    Goto* line = a->FindGoto(out->OutputName().c_str());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->EndBlock(), b);
    EXPECT_TRUE(line->TestFlags(kGotoLabelledStub));
    EXPECT_FALSE(line->TestFlags(kGotoStub));
  }
  // A line that may not be removed keeps its target.
  Goto* fixed = a->FindGoto(out0->OutputName().c_str());
  fixed->SetFlags(kGotoNotDeletable);
  canvas->SelectObject(out0, 1, 1);
  canvas->SelectObject(c, 1, 1);
  EXPECT_EQ(a->FindGoto(out0->OutputName().c_str()), fixed);
  EXPECT_EQ(fixed->EndBlock(), b);
}

TEST_F(PageCanvasTest, SelectionRules) {
  const int type = TypeWithOutputs(2);
  VavurOrezo* a = Add(main, "A", type, 100, 100);
  VavurOrezo* b = Add(main, "B", type, 500, 100);
  auto* note = new KvTextUI(main, 10, 60, 10, 30, nullptr, nullptr);
  main->AddTextNote(note);
  canvas->BuildDisplay(true, true);
  GotoBlock* out = a->FindGotoBlock(Output(a, 0).c_str());

  struct Step {
    UIObject* object;
    int exclusive;
    int code;
    int answer;
    std::vector<UIObject*> after;
  };
  const Step steps[] = {
      {a, 1, 1, 1, {a}},
      {b, 0, 1, 1, {a, b}},          // Shift: blocks join
      {note, 0, 1, 1, {a, b, note}}, // a note joins blocks
      {b, 0, 1, 0, {a, note}},       // Shift on a selected one takes it out
      {out, 0, 1, 1, {out}},         // an output replaces blocks
      {a, 1, 2, 0, {}},              // a right click on a block connects, selecting nothing
      {note, 1, 1, 1, {note}},
      {a, 0, 1, 1, {note, a}},       // a block joins a note
      {a, 1, 1, 1, {note, a}},       // a click on one of two selected keeps both
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& s = steps[i];
    EXPECT_EQ(canvas->SelectObject(s.object, s.exclusive, s.code), s.answer) << "step " << i;
    EXPECT_EQ(canvas->Selection(), s.after) << "step " << i;
  }
  EXPECT_EQ(canvas->LineEditState(), 0);
  canvas->SelectObject(b, 1, 1);
  canvas->SelectObject(b, 1, 1);   // the only selected object clicked again
  EXPECT_EQ(canvas->LineEditState(), 1);
  // A click on a segment selects its line.
  Goto* line = a->FindGoto(out->OutputName().c_str());
  ASSERT_NE(line, nullptr);   // made by step 5
  canvas->SelectObject(line->GetSegments().front().get(), 1, 1);
  EXPECT_EQ(canvas->Selection(), std::vector<UIObject*>{line});
}

TEST_F(PageCanvasTest, BandSelectsNotesThenBlocksItTouches) {
  const int type = TypeWithOutputs(1);
  VavurOrezo* a = Add(main, "A", type, 100, 100);
  VavurOrezo* distant = Add(main, "Far", type, 2000, 2000);
  auto* note = new KvTextUI(main, 300, 360, 10, 30, nullptr, nullptr);
  main->AddTextNote(note);
  canvas->BuildDisplay(true, true);
  canvas->SelectObjectsInBand({0, 0, 400, 400});
  EXPECT_EQ(canvas->Selection(), (std::vector<UIObject*>{note, a}));
  EXPECT_FALSE(canvas->IsSelected(distant));
}

TEST_F(PageCanvasTest, DraggedBlocksKeepTheirShapeAndStayOnThePage) {
  const int type = TypeWithOutputs(1);
  VavurOrezo* a = Add(main, "A", type, 10, 100);
  VavurOrezo* b = Add(main, "B", type, 50, 140);
  VavurOrezo* c = Add(main, "C", type, 90, 100);
  canvas->BuildDisplay(true, true);
  DragRecord drag;
  drag.objects = {a, b, c};
  drag.owner = a;
  drag.pressedRect = DrawnOf(a, kDrawnVavurOrezo).front()->GetRect();
  drag.source = canvas.get();
  // The pointer puts the leftmost at x = -40: the group lands with it at 20.
  canvas->MoveDraggedObjects(drag, -40, drag.pressedRect.top + 2 * 30);
  EXPECT_EQ((Point{a->X(), a->Y()}), (Point{20, 130}));
  EXPECT_EQ((Point{b->X(), b->Y()}), (Point{60, 170}));
  EXPECT_EQ((Point{c->X(), c->Y()}), (Point{100, 130}));
  EXPECT_EQ(static_cast<VavurOrezoObject*>(DrawnOf(b, kDrawnVavurOrezo).front())->IconRect().left, 60);

  // Blocks of another page are not moved here.
  VavurOrezo* elsewhere = Add(otherMain, "E", type, 10, 10);
  drag.objects = {elsewhere};
  drag.owner = elsewhere;
  host.boxes.clear();
  canvas->MoveDraggedObjects(drag, 300, 300);
  EXPECT_EQ(host.boxes, std::vector<int>{kMsgMoveBetweenPages});
  EXPECT_EQ(elsewhere->X(), 10);
}

TEST_F(PageCanvasTest, DropsTheCanvasTakes) {
  const int type = TypeWithOutputs(1);
  VavurOrezo* a = Add(main, "A", type, 10, 100);
  VavurOrezo* b = Add(main, "B", type, 400, 100);
  Goto* line = a->CreateGoto(b, Output(a, 0).c_str(), 0);
  canvas->BuildDisplay(true, true);
  Segment* segment = line->GetSegments().front().get();
  auto icon = palette->FindIconShared(type);
  struct Case {
    UIObject* owner;
    std::uint32_t flags;
    int answer;
  } cases[] = {{a, 0, 2}, {icon.get(), 0, 2}, {segment, 0, 2}, {segment, kGotoStub, 0},
               {segment, kGotoLabelledStub, 0}, {line, 0, 0}};
  for (const Case& c : cases) {
    line->ClearFlags(kGotoStub | kGotoLabelledStub);
    line->SetFlags(c.flags);
    DragRecord drag;
    drag.owner = c.owner;
    EXPECT_EQ(canvas->CanDrop(drag), c.answer) << c.owner->isA() << " " << c.flags;
  }
}

TEST_F(PageCanvasTest, NamedDropAsksAgainAfterARefusedName) {
  const int type = TypeWithOutputs(1);
  auto icon = palette->FindIconShared(type);
  model.refusedNames = {"Taken"};
  window.names = {"Taken", "Fresh"};
  VavurOrezo* block = canvas->AddBlock(icon, 200, 300, false);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->Name(), "Fresh");
  EXPECT_EQ((Point{block->X(), block->Y()}), (Point{200, 150}));
  ASSERT_EQ(window.captions.size(), 2u);
  EXPECT_EQ(window.captions[0], "Add " + icon->Text() + " Block");
  EXPECT_EQ(DrawnOf(block, kDrawnVavurOrezo).size(), 1u);
  // Cancelled: nothing made.
  const std::size_t blocks = main->Blocks().size();
  EXPECT_EQ(canvas->AddBlock(icon, 200, 600, false), nullptr);
  EXPECT_EQ(main->Blocks().size(), blocks);
}

class SmartPageTest : public PageCanvasTest {
 protected:
  SmartPageTest() : route(CountingPool::Maker(stats), ui) { SetSmartRouter(&route); }
  ~SmartPageTest() override { SetSmartRouter(nullptr); }
  CountingPool::Stats stats;
  ScriptedUi ui;
  SmartRoute route;
};

std::vector<Rect> SegmentRects(const std::vector<DisplayObject*>& drawn) {
  std::vector<Rect> out;
  for (DisplayObject* d : drawn) out.push_back(d->Bounds());
  return out;
}

TEST_F(SmartPageTest, ABlockDroppedOnALineReroutesItOnlyWithSmartRouting) {
  for (bool smart : {true, false}) {
    SCOPED_TRACE(smart ? "smart" : "plain");
    host.options = kOptSmartRouting;
    const int type = TypeWithOutputs(1);
    const std::string tag = smart ? "S" : "P";
    VavurOrezo* a = Add(main, ("A" + tag).c_str(), type, 0, smart ? 100 : 600);
    VavurOrezo* b = Add(main, ("B" + tag).c_str(), type, 1500, smart ? 100 : 600);
    Goto* line = a->CreateGoto(b, Output(a, 0).c_str(), 0);
    canvas->BuildDisplay(true, true);
    const std::vector<Rect> before = SegmentRects(DrawnOf(line, kDrawnSegment));
    if (!smart) host.options = 0;
    // A block whose icon lies across the straight line.
    VavurOrezo* dropped = canvas->AddBlock(palette->FindIconShared(type), 700, smart ? 190 : 1190, true);
    ASSERT_NE(dropped, nullptr);
    const Rect blockRect = static_cast<VavurOrezoObject*>(DrawnOf(dropped, kDrawnVavurOrezo).front())->IconRect();
    const std::vector<Rect> after = SegmentRects(DrawnOf(line, kDrawnSegment));
    bool crosses = false;
    for (const Rect& r : after) crosses = crosses || RectsIntersect(r, blockRect);
    if (smart) {
      EXPECT_FALSE(crosses);
      EXPECT_NE(after, before);
    } else {
      EXPECT_TRUE(crosses);
      EXPECT_EQ(after, before);
    }
  }
}

TEST_F(PageCanvasTest, RemovingABlockWithScopeThreeTakesItsFixedLines) {
  const int type = TypeWithOutputs(1);
  VavurOrezo* a = Add(main, "A", type, 10, 100);
  VavurOrezo* b = Add(main, "B", type, 400, 100);
  Goto* line = a->CreateGoto(b, Output(a, 0).c_str(), 0);
  canvas->BuildDisplay(true, true);
  line->SetFlags(kGotoNotDeletable);
  canvas->ObjectUpdate(line, kUpdateRemoved, 0);   // refused: the line stays drawn
  EXPECT_FALSE(DrawnOf(line, kDrawnSegment).empty());
  canvas->ObjectUpdate(a, kUpdateRemoved, 3);
  EXPECT_TRUE(DrawnOf(line, kDrawnSegment).empty());
  EXPECT_TRUE(DrawnOf(a, kDrawnVavurOrezo).empty());
  EXPECT_FALSE(line->TestFlags(kGotoNotDeletable));
  EXPECT_FALSE(DrawnOf(b, kDrawnVavurOrezo).empty());
}

TEST_F(PageCanvasTest, SmallAndLargeRepaintsPaintTheSameObjectsInLayerOrder) {
  const int type = TypeWithOutputs(2);
  VavurOrezo* a = Add(main, "A", type, 100, 100);
  VavurOrezo* b = Add(main, "B", type, 400, 100);
  a->CreateGoto(b, Output(a, 0).c_str(), 0);
  main->AddTextNote(new KvTextUI(main, 90, 200, 90, 120, nullptr, nullptr));
  canvas->BuildDisplay(true, true);
  // A rectangle of under 5 grid cells goes through the grid, a larger one through the
  // layers; both must give every object it touches once, lower layers first.
  for (const Rect& area : {Rect{80, 170, 300, 300}, Rect{0, 0, 2000, 2000}}) {
    std::vector<DisplayObject*> expected;
    for (int layer = 0; layer < kPaneLayers; ++layer) {
      for (const auto& d : canvas->Layer(layer))
        if (d->Intersects(area)) expected.push_back(d.get());
    }
    std::vector<DisplayObject*> painted = canvas->ObjectsToPaint(area);
    ASSERT_FALSE(painted.empty());
    for (std::size_t i = 1; i < painted.size(); ++i) EXPECT_LE(painted[i - 1]->GetLayer(), painted[i]->GetLayer());
    std::sort(expected.begin(), expected.end());
    std::sort(painted.begin(), painted.end());
    EXPECT_EQ(painted, expected) << canvas->PaneGrid().SpanMeasure(area);
  }
}

TEST(IconFlowTest, RowsWrapAtThePaneWidthAndColumnsSwapTheAxes) {
  // Four cells of 96 with a gap of -16 in a pane of 200: two per row.
  IconFlow rows = FlowIcons(4, 96, 38, -16, 4, 200, 500, false);
  ASSERT_EQ(rows.cells.size(), 4u);
  EXPECT_EQ(rows.cells[0], (Rect{0, 4, 96, 42}));
  EXPECT_EQ(rows.cells[1], (Rect{80, 4, 176, 42}));
  EXPECT_EQ(rows.cells[2], (Rect{0, 46, 96, 84}));
  EXPECT_EQ(rows.columns, 2);
  EXPECT_EQ(rows.rows, 1);
  IconFlow one = FlowIcons(2, 96, 38, -16, 4, 400, 500, false);
  EXPECT_EQ(one.rows, 0);   // all in one row: the vertical bar has nothing to scroll
  IconFlow columns = FlowIcons(3, 40, 30, 2, 5, 500, 70, true);
  EXPECT_EQ(columns.cells[1], (Rect{2, 40, 42, 70}));
  EXPECT_EQ(columns.cells[2], (Rect{44, 5, 84, 35}));
  EXPECT_EQ(columns.rows, 2);
  EXPECT_EQ(columns.columns, 1);
}

}  // namespace
}  // namespace ed::test

namespace ed::test {
namespace {

TEST(WindowLayoutTest, PageWindowPanesKeepTheirBarsAtTheEdges) {
  const LayoutGroup* page = FindLayoutGroup(kLayoutPage);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->count, 3);
  struct Case {
    std::int32_t w, h;
    Rect canvas, vertical, horizontal;
  } cases[] = {{600, 400, {0, 0, 586, 386}, {586, 0, 600, 386}, {0, 386, 586, 400}},
               {200, 90, {0, 0, 186, 76}, {186, 0, 200, 76}, {0, 76, 186, 90}}};
  for (const Case& c : cases) {
    EXPECT_EQ(LayoutRect(page->entries[0], c.w, c.h), c.canvas);
    EXPECT_EQ(LayoutRect(page->entries[1], c.w, c.h), c.vertical);
    EXPECT_EQ(LayoutRect(page->entries[2], c.w, c.h), c.horizontal);
  }
  // The windows in a client of 1000 x 700: the palette at the left, the page beside it.
  const LayoutGroup* palette = FindLayoutGroup(kLayoutPalette);
  EXPECT_EQ(LayoutRectSimple(palette->x, palette->y, palette->width, palette->height, 1000, 700),
            (Rect{0, 0, 200, 700}));
  EXPECT_EQ(LayoutRectSimple(page->x, page->y, page->width, page->height, 1000, 700), (Rect{200, 0, 1000, 700}));
  EXPECT_EQ(FindLayoutEntry(kPanePageCanvas), &page->entries[0]);
  EXPECT_EQ(FindLayoutEntry(kPaneDivider)->height, 1);
  EXPECT_EQ(FindLayoutEntry(999), nullptr);
}

// The router avoids a block by its drawn rectangle: as wide as the widest of its name,
// icon and type label, so a long name widens it; before it is drawn, the layout's.
TEST_F(PageCanvasTest, TheRoutersBlockRectangleIsTheDrawnBlocks) {
  const int type = TypeWithOutputs(1);
  ASSERT_NE(type, 0);
  VavurOrezo* shortName = Add(main, "A", type, 100, 100);
  VavurOrezo* longName = Add(main, std::string(30, 'W').c_str(), type, 100, 400);
  ASSERT_TRUE(shortName && longName);
  EXPECT_EQ(canvas->BlockRect(*shortName).Width(), canvas->BlockRect(*longName).Width());
  ASSERT_EQ(canvas->BuildDisplay(true, true), 1);
  for (VavurOrezo* block : {shortName, longName}) {
    SCOPED_TRACE(block->Name());
    auto* drawn = static_cast<VavurOrezoObject*>(DrawnOf(block, kDrawnVavurOrezo).at(0));
    const Rect r = canvas->BlockRect(*block);
    EXPECT_EQ(r, canvas->Scale().CanvasToPage(drawn->Bounds()));
    const Rect name = canvas->Scale().CanvasToPage(drawn->NameRect());
    EXPECT_LE(r.left, name.left);
    EXPECT_GE(r.right, name.right);
  }
  EXPECT_GT(canvas->BlockRect(*longName).Width(), canvas->BlockRect(*shortName).Width());
}

}  // namespace
}  // namespace ed::test
