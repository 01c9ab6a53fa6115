// What drawn objects tell the status line and how they answer double clicks.
#include "canvas_fixture.h"

#include "editor/drawn/blockobject.h"
#include "editor/drawn/lineobjects.h"

namespace ed::test {
namespace {

class DrawnTest : public CanvasTest {
 protected:
  DrawnTest() {
    from = Add(main, "From", 404);
    to = Add(main, "To", 393);
    line = from->CreateGoto(to, "Done", 0);
  }
  VavurOrezo* from = nullptr;
  VavurOrezo* to = nullptr;
  Goto* line = nullptr;
  FakeDrawnCanvas canvas;
};

TEST_F(DrawnTest, SegmentAndJointTexts) {
  ASSERT_NE(line, nullptr);
  line->PlaceSegment(0, 0, 10, 0, -1);
  Segment* segment = line->GetSegments()[0].get();
  LineSegmentObject seg(&canvas, segment, line, true);
  LineBlockObject joint(&canvas, segment, line);
  const std::string connected = "Connected to: " + to->Icon()->Text() + " / To";
  struct Case {
    const char* name;
    bool selected;
    int selectionCount;
    int lineEdit;
    std::uint32_t flags;
    std::string segmentStatus, jointStatus, segmentHint, jointHint;
  };
  const std::string breakText = "Double click to break line into separate segments for rerouting.";
  const std::string again = "Click again to break line into smaller lines or drag line to manually reroute.";
  const std::string join = "Double click to remove break and join line segments.";
  const Case cases[] = {
      {"not selected", false, 1, 0, 0, connected, "", again, again},
      {"selected alone", true, 1, 0, 0, again, "Click again to add/remove line segments for rerouting.", again, again},
      {"selected with others", true, 2, 0, 0, "", "", again, again},
      {"rerouting", true, 1, 1, 0, breakText, join, breakText, join},
      {"stubbed", true, 1, 1, kGotoLabelledStub, connected, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    canvas.selected = c.selected ? line : nullptr;
    canvas.selectionCount = c.selectionCount;
    canvas.lineEdit = c.lineEdit;
    line->ClearFlags(0x18);
    line->SetFlags(c.flags);
    EXPECT_EQ(seg.GetStatusText(), c.segmentStatus);
    EXPECT_EQ(joint.GetStatusText(), c.jointStatus);
    EXPECT_EQ(seg.GetHint(), c.segmentHint);
    EXPECT_EQ(joint.GetHint(), c.jointHint);
    EXPECT_EQ(joint.Visible(), c.lineEdit == 1 && c.selected && c.flags == 0);
  }
  EXPECT_EQ(seg.GetActionText(), "Manually rerouting line...");
  EXPECT_TRUE(seg.IsFor(line));
  EXPECT_TRUE(seg.IsFor(segment));
  EXPECT_FALSE(seg.IsFor(to));
  // The line knows its drawn parts.
  EXPECT_EQ(line->Drawn().size(), 2u);
}

TEST_F(DrawnTest, DoubleClicksOnALine) {
  ASSERT_NE(line, nullptr);
  line->PlaceSegment(20, 10, 60, 10, -1);
  line->PlaceSegment(0, 10, 20, 10, -1);
  Segment* segment = line->GetSegments()[0].get();
  LineSegmentObject seg(&canvas, segment, line, true);
  // Outside rerouting the line is selected and the click goes on.
  EXPECT_EQ(seg.MouseEvent(80, 20, 3), 0);
  EXPECT_EQ(canvas.selected, line);
  EXPECT_EQ(line->GetSegments().size(), 2u);
  // Rerouting: split at the point in page units, between notices 5 and 6.
  canvas.lineEdit = 1;
  host.notices.clear();
  EXPECT_EQ(seg.MouseEvent(80, 20, 3), 1);
  ASSERT_EQ(line->GetSegments().size(), 3u);
  EXPECT_EQ(line->GetSegments()[0]->fromX, 40);
  ASSERT_EQ(host.notices.size(), 2u);
  EXPECT_EQ(host.notices[0].kind, 5);
  EXPECT_EQ(host.notices[1].kind, 6);
  EXPECT_EQ(canvas.statusRefreshes, 1);
  // The joint joins its segment with the one before it.
  LineBlockObject joint(&canvas, line->GetSegments()[1].get(), line);
  EXPECT_EQ(joint.MouseEvent(0, 0, 3), 1);
  EXPECT_EQ(line->GetSegments().size(), 2u);
  EXPECT_EQ(line->GetSegments()[0]->fromX, 20);
  // A stubbed line takes no double click; other events are not handled.
  line->SetFlags(kGotoStub);
  EXPECT_EQ(seg.MouseEvent(80, 20, 3), 0);
  line->ClearFlags(kGotoStub);
  EXPECT_EQ(seg.MouseEvent(80, 20, 1), 0);
}

TEST_F(DrawnTest, GotoBlockAndBlockTexts) {
  GotoBlock* done = from->FindGotoBlock("Done");
  ASSERT_NE(done, nullptr);
  GotoBlockObject drawn(&canvas, done);
  EXPECT_EQ(drawn.GetStatusText(), "Click to connect this output to a Block.");
  EXPECT_TRUE(drawn.IsFor(from));
  EXPECT_TRUE(drawn.IsFor(done));
  VavurOrezoObject block(&canvas, to);
  canvas.selected = done;
  EXPECT_EQ(drawn.GetStatusText(), "Select Block to connect to.");
  EXPECT_EQ(drawn.GetHint(), "Select Block to connect to.");
  EXPECT_EQ(block.GetStatusText(), "Click to connect selected output to this Block.");
  canvas.selected = nullptr;
  to->SetDescription((std::string(200, 'd') + "\r\nsecond line").c_str());
  EXPECT_EQ(block.GetStatusText(), std::string(127, 'd'));
  to->SetDescription("Short\rrest");
  EXPECT_EQ(block.GetStatusText(), "Short");
  EXPECT_EQ(block.GetActionText(), "Moving...");
  // Both drawn objects of the goto block are listed with the block.
  EXPECT_EQ(from->Drawn().size(), 1u);
  EXPECT_EQ(to->Drawn().size(), 1u);
}

TEST_F(DrawnTest, DoubleClicksOnABlock) {
  VavurOrezoObject block(&canvas, to);
  // The form declined: one redraw notice.
  host.notices.clear();
  EXPECT_EQ(block.MouseEvent(0, 0, 3), 1);
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].kind, 1);
  // Accepted, and the model now connects an output elsewhere: the lines are rebuilt.
  host.propertiesAnswer = 1;
  program->Activate();
  ASSERT_EQ(model.CreateGoto(to->Handle(), from->Handle(), 0), 0);
  other->Activate();
  host.notices.clear();
  EXPECT_EQ(block.MouseEvent(0, 0, 3), 1);
  std::vector<int> kinds;
  for (const auto& n : host.notices) kinds.push_back(n.kind);
  EXPECT_EQ(kinds, (std::vector<int>{3, 4, 3, 4}));
  EXPECT_EQ(to->FindGoto("Done Playing")->EndBlock(), from);
  EXPECT_TRUE(program->IsModified());
  EXPECT_EQ(block.MouseEvent(0, 0, 4), 1);
  EXPECT_EQ(block.MouseEvent(0, 0, 1), 0);
}

TEST_F(DrawnTest, CtrlDoubleClickOnASuperBlockCallShowsItsPage) {
  Page* sub = new Page(program.get(), "Billing", kPageSuperBlock, 0);
  program->AddPage(sub);
  auto* call = new VavurOrezo();
  call->SetTypeCode(kTypeSuperBlockCall);
  call->SetCustomTypeName("Billing");
  main->AddVavurOrezo(call);
  VavurOrezoObject drawn(&canvas, call);
  EXPECT_EQ(drawn.MouseEvent(0, 0, 7), 1);
  EXPECT_EQ(canvas.shownPages, std::vector<Page*>{sub});
  // A custom block without an open code editor: the model answers 0 when it has none.
  auto* custom = new VavurOrezo();
  custom->SetTypeCode(kTypeCustom);
  custom->SetCustomTypeName("NoSuchCustom");
  main->AddVavurOrezo(custom);
  VavurOrezoObject customDrawn(&canvas, custom);
  EXPECT_EQ(customDrawn.MouseEvent(0, 0, 7), 0);
  EXPECT_EQ(canvas.shownPages.size(), 1u);
}

}  // namespace
}  // namespace ed::test
