// The mouse of the page canvas: the press-and-move threshold, Shift, the rubber band, the
// drags (image, outline, refused), right clicks that connect or open menus, and the
// placements of pastes and notes, against a window that records what it is asked.
#include "page_fixture.h"

#include "editor/notes/textnote.h"
#include "editor/panes/panemouse.h"

namespace ed::test {
namespace {

// Device pixels are canvas units (zoom 100, no scrolling); the window's client area
// starts at screen (1000, 1000).
class FakeMouseWindow : public MouseWindow, public DropTarget {
 public:
  explicit FakeMouseWindow(PageCanvas& canvas) : canvas_(canvas) {}

  void Capture() override { captured = true; }
  void ReleaseCapture() override { captured = false; }
  Point DeviceToCanvas(Point d) const override { return d; }
  Point CanvasToDevice(Point c) const override { return c; }
  Point ClientToScreen(Point d) const override { return {d.x + 1000, d.y + 1000}; }
  void SetArrowCursor() override { calls.push_back("arrow"); }
  void SetCrossCursor() override { calls.push_back("cross"); }
  void Beep() override { calls.push_back("beep"); }
  DropTarget* TargetAt(Point screen) override { return screen.x >= 1000 && screen.y >= 1000 ? this : nullptr; }
  void EraseOutline() override { ++erased; }
  void AutoScrollAtEdge(Point) override { ++autoScrolls; }
  void BeginImageDrag(VavurOrezo& block, Point screen) override {
    imageDragged = &block;
    imageStart = screen;
  }
  void MoveImageDrag(unsigned, Point) override { ++imageMoves; }
  void EndImageDrag(Point screen) override { imageEnd = screen; }
  void CancelImageDrag() override { calls.push_back("cancel image"); }
  void ShowBlockMenu(VavurOrezo& block, Point) override { calls.push_back("block menu " + block.Name()); }
  void ShowPageMenu(Point) override { calls.push_back("page menu"); }
  void InvertBand(const Rect& band) override { bands.push_back(band); }
  void PasteAt(Point) override { calls.push_back("paste"); }
  void CancelPaste() override { calls.push_back("cancel paste"); }
  bool PassToNoteEditor(unsigned message, unsigned, Point device) override {
    if (!PointInRect(editor, device.x, device.y)) return false;
    passed.push_back(message);
    return true;
  }
  void EndNoteEditing() override {
    calls.push_back("end editing");
    canvas_.SetMode(kMouseIdle);
    canvas_.ClearSelection();
  }
  void CloseNoteEditors() override {}
  KvTextUI* CreateTextNote(const Rect&) override { return nullptr; }
  void OpenNoteEditor(KvTextUI*) override {}

  // DropTarget: the same canvas.
  Point FromScreen(Point s) override { return {s.x - 1000, s.y - 1000}; }
  int CanDrop(const DragRecord& drag, Point) override { return canvas_.CanDrop(drag); }
  void DrawOutline(const DragRecord& drag, Point client) override { outline = canvas_.OutlineAt(drag, client); }
  void DropObjects(const DragRecord& drag, Point client) override { canvas_.DropObjects(drag, client); }

  bool captured = false;
  std::vector<std::string> calls;
  int erased = 0, autoScrolls = 0, imageMoves = 0;
  VavurOrezo* imageDragged = nullptr;
  Point imageStart, imageEnd;
  std::vector<Rect> bands;
  std::vector<Rect> outline;
  Rect editor;
  std::vector<unsigned> passed;

 private:
  PageCanvas& canvas_;
};

class PaneMouseTest : public PageCanvasTest {
 protected:
  PaneMouseTest() {
    type = TypeWithOutputs(2);
    a = Add(main, "A", type, 100, 100);
    b = Add(main, "B", type, 500, 100);
    canvas->BuildDisplay(true, true);
  }
  ~PaneMouseTest() override { SetCurrentDrag(nullptr); }
  // The middle of a block's icon in device pixels.
  Point IconMiddle(VavurOrezo* block) const {
    const Rect r = static_cast<VavurOrezoObject*>(DrawnOf(block, kDrawnVavurOrezo).front())->IconRect();
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
  }
  Point BoxMiddle(VavurOrezo* block, std::size_t n) const {
    GotoBlock* out = block->FindGotoBlock(Output(block, n).c_str());
    const Rect r = DrawnOf(out, kDrawnGotoBlock).front()->Bounds();
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
  }

  int type = 0;
  VavurOrezo* a = nullptr;
  VavurOrezo* b = nullptr;
  FakeMouseWindow window{*canvas};
  PaneMouse mouse{*canvas, canvas.get(), window};
};

TEST_F(PaneMouseTest, FourPixelsStartADragAndFewerOnlySelect) {
  struct Case {
    Point move;
    bool drags;
  } cases[] = {{{3, 3}, false}, {{-3, 0}, false}, {{4, 0}, true}, {{0, -4}, true}, {{3, 4}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.move.x << "," << c.move.y);
    const Point at = IconMiddle(a);
    window.imageDragged = nullptr;
    mouse.LButtonDown(0, at);
    EXPECT_EQ(canvas->Mode(), kMousePressed);
    EXPECT_TRUE(window.captured);
    mouse.MouseMove(0, {at.x + c.move.x, at.y + c.move.y});
    EXPECT_EQ(canvas->Mode(), c.drags ? kMouseDragging : kMousePressed);
    EXPECT_EQ(window.imageDragged, c.drags ? a : nullptr);
    mouse.LButtonUp(0, {at.x + c.move.x, at.y + c.move.y});
    EXPECT_EQ(canvas->Mode(), kMouseIdle);
    EXPECT_FALSE(window.captured);
    EXPECT_EQ(canvas->Selection(), std::vector<UIObject*>{a});
    EXPECT_EQ((Point{a->X(), a->Y()}), (Point{100, 100}));   // an image drag drops through the frame
  }
  EXPECT_EQ(CurrentDrag(), nullptr);
}

TEST_F(PaneMouseTest, TwoSelectedBlocksMoveWithAnOutline) {
  mouse.LButtonDown(0, IconMiddle(a));
  mouse.LButtonUp(0, IconMiddle(a));
  mouse.LButtonDown(kKeyShift, IconMiddle(b));
  mouse.LButtonUp(kKeyShift, IconMiddle(b));
  ASSERT_EQ(canvas->SelectionCount(), 2);
  const Point from = IconMiddle(b);
  mouse.LButtonDown(0, from);   // already selected: the selection stays
  mouse.MouseMove(0, {from.x + 40, from.y});
  mouse.MouseMove(0, {from.x + 80, from.y + 20});
  EXPECT_EQ(window.imageDragged, nullptr);
  EXPECT_EQ(window.outline.size(), 2u);
  EXPECT_GE(window.autoScrolls, 1);
  mouse.LButtonUp(0, {from.x + 80, from.y + 20});
  // The drag began at the first move: from there 40 pixels right are 40 page units and
  // 20 down are 10.
  EXPECT_EQ((Point{a->X(), a->Y()}), (Point{140, 110}));
  EXPECT_EQ((Point{b->X(), b->Y()}), (Point{540, 110}));
  EXPECT_EQ(canvas->Mode(), kMouseIdle);
  EXPECT_EQ(CurrentDrag(), nullptr);
}

TEST_F(PaneMouseTest, EmptySpotStartsABandUnlessShiftIsHeld) {
  mouse.LButtonDown(0, IconMiddle(a));
  mouse.LButtonUp(0, IconMiddle(a));
  mouse.LButtonDown(kKeyShift, {5, 5});
  EXPECT_EQ(canvas->Mode(), kMouseIdle);
  EXPECT_EQ(canvas->Selection(), std::vector<UIObject*>{a});
  EXPECT_TRUE(window.bands.empty());

  mouse.LButtonDown(0, {5, 5});
  EXPECT_EQ(canvas->Mode(), kMouseBand);
  EXPECT_EQ(canvas->SelectionCount(), 0);
  mouse.MouseMove(0, {300, 30});
  mouse.MouseMove(0, {700, 250});
  // Each new band erases the one before.
  ASSERT_EQ(window.bands.size(), 3u);
  EXPECT_EQ(window.bands[1], window.bands[0]);
  mouse.LButtonUp(0, {700, 250});
  EXPECT_EQ(window.bands.back(), (Rect{5, 5, 700, 250}));
  EXPECT_EQ(canvas->Selection(), (std::vector<UIObject*>{a, b}));
  EXPECT_FALSE(window.captured);
}

TEST_F(PaneMouseTest, DraggingAnOutputIsRefused) {
  const Point box = BoxMiddle(a, 0);
  mouse.LButtonDown(0, box);
  ASSERT_EQ(canvas->Mode(), kMousePressed);
  mouse.MouseMove(0, {box.x + 10, box.y + 10});
  EXPECT_EQ(canvas->Mode(), kMouseIdle);
  EXPECT_EQ(canvas->SelectionCount(), 0);
  EXPECT_EQ(CurrentDrag(), nullptr);
  EXPECT_FALSE(window.captured);
}

TEST_F(PaneMouseTest, ClicksConnectOutputsAndRightClicksMakeStubs) {
  mouse.LButtonDown(0, BoxMiddle(a, 0));
  mouse.LButtonUp(0, BoxMiddle(a, 0));
  mouse.LButtonDown(kKeyShift, BoxMiddle(a, 1));
  mouse.LButtonUp(kKeyShift, BoxMiddle(a, 1));
  ASSERT_EQ(canvas->SelectionCount(), 2);
  mouse.LButtonDown(0, IconMiddle(b));
  for (std::size_t n : {0u, 1u}) {
    Goto* line = a->FindGoto(Output(a, n).c_str());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->EndBlock(), b);
    EXPECT_FALSE(line->IsStubbed());
  }
  EXPECT_EQ(canvas->SelectionCount(), 0);

  mouse.LButtonDown(0, BoxMiddle(a, 0));
  mouse.LButtonUp(0, BoxMiddle(a, 0));
  window.calls.clear();
  mouse.RButtonDown(0, IconMiddle(b));
  EXPECT_TRUE(window.calls.empty());   // no menu while outputs are selected
  EXPECT_TRUE(a->FindGoto(Output(a, 0).c_str())->TestFlags(kGotoStub));
  EXPECT_FALSE(a->FindGoto(Output(a, 1).c_str())->IsStubbed());

  mouse.RButtonDown(0, IconMiddle(b));
  mouse.RButtonDown(0, {5, 5});
  EXPECT_EQ(window.calls, (std::vector<std::string>{"block menu B", "page menu"}));
  EXPECT_EQ(canvas->Selection(), std::vector<UIObject*>{b});   // the block menu's block
}

TEST_F(PaneMouseTest, PlacementsAreCancelledByARightClickOrANegativePoint) {
  mouse.BeginPastePlacement();
  EXPECT_EQ(canvas->Mode(), kMousePastePlacement);
  mouse.RButtonDown(0, {50, 50});
  EXPECT_EQ(canvas->Mode(), kMouseIdle);
  EXPECT_FALSE(window.captured);

  mouse.BeginTextNotePlacement();
  mouse.LButtonDown(0, {-5, 40});
  EXPECT_EQ(canvas->Mode(), kMouseIdle);
  EXPECT_FALSE(window.captured);

  mouse.BeginTextNotePlacement();
  mouse.LButtonDown(0, {20, 40});
  EXPECT_EQ(canvas->Mode(), kMouseNoteRect);
  mouse.MouseMove(0, {80, 90});
  mouse.RButtonDown(0, {80, 90});
  EXPECT_EQ(canvas->Mode(), kMouseIdle);
  // The band drawn last is erased: every band was drawn an even number of times.
  EXPECT_EQ(window.bands.size() % 2, 0u);
  EXPECT_EQ(window.calls,
            (std::vector<std::string>{"cross", "cancel paste", "cross", "arrow", "cross", "arrow"}));
}

TEST_F(PaneMouseTest, ANoteBeingEditedTakesClicksInsideItsEditor) {
  canvas->SetMode(kMouseNoteEditing);
  window.editor = {10, 10, 60, 40};
  mouse.LButtonDown(0, {20, 20});
  mouse.MouseMove(0, {21, 20});
  mouse.LButtonDblClk(0, {22, 20});
  EXPECT_EQ(window.passed, (std::vector<unsigned>{kPassLButtonDown, kPassMouseMove, kPassLButtonDblClk}));
  EXPECT_EQ(canvas->Mode(), kMouseNoteEditing);
  mouse.LButtonDown(0, IconMiddle(a));
  EXPECT_EQ(window.calls, std::vector<std::string>{"end editing"});
  EXPECT_EQ(canvas->Selection(), std::vector<UIObject*>{a});
}

// A drawn object whose handler takes drawn objects off its pane, itself among them, and
// notes whether it was already deleted when the handler went on.
class SelfRemovingObject : public DisplayObject {
 public:
  struct Record {
    bool destroyed = false;
    bool destroyedInHandler = false;
  };
  SelfRemovingObject(ObjectPane& pane, Record& record, bool clearAll)
      : DisplayObject(&pane, nullptr), pane_(pane), record_(record), clearAll_(clearAll) {
    SetRect({0, 0, 10, 10});
  }
  ~SelfRemovingObject() override { record_.destroyed = true; }
  int MouseEvent(std::int32_t, std::int32_t, int) override {
    Record& record = record_;
    if (clearAll_)
      pane_.ClearDisplay();
    else
      pane_.RemoveDrawnObject(this, true);
    record.destroyedInHandler = record.destroyed;
    return 1;
  }

 private:
  ObjectPane& pane_;
  Record& record_;
  bool clearAll_;
};

TEST_F(PaneMouseTest, ADrawnObjectRemovedByItsOwnHandlerIsDeletedAfterIt) {
  for (bool clearAll : {false, true}) {
    SCOPED_TRACE(clearAll ? "the whole display" : "the object itself");
    SelfRemovingObject::Record record;
    DisplayObject* probe = canvas->AddDrawnObject(std::make_unique<SelfRemovingObject>(*canvas, record, clearAll));
    bool shown = true;
    EXPECT_EQ(canvas->RunMouseEvent(probe, 5, 5, kClickDouble, &shown), 1);
    EXPECT_FALSE(record.destroyedInHandler);
    EXPECT_TRUE(record.destroyed);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(canvas->Owns(probe));
    canvas->BuildDisplay(true, true);
  }
}

// Splitting a line rebuilds its drawn segments, the one clicked among them.
TEST_F(PaneMouseTest, DoubleClickOnASegmentBeingReroutedSplitsItsLine) {
  mouse.LButtonDown(0, BoxMiddle(a, 0));
  mouse.LButtonUp(0, BoxMiddle(a, 0));
  mouse.LButtonDown(0, IconMiddle(b));
  Goto* line = a->FindGoto(Output(a, 0).c_str());
  ASSERT_NE(line, nullptr);
  canvas->SelectObject(line, 1, kClickLeft);
  canvas->SelectObject(line, 1, kClickLeft);
  ASSERT_EQ(canvas->LineEditState(), 1);
  const std::size_t before = line->GetSegments().size();
  DisplayObject* longest = nullptr;
  for (DisplayObject* d : DrawnOf(line, kDrawnSegment)) {
    const Rect r = d->Bounds();
    if (longest == nullptr || r.Width() + r.Height() > longest->Bounds().Width() + longest->Bounds().Height()) longest = d;
  }
  ASSERT_NE(longest, nullptr);
  const Rect r = longest->Bounds();
  const Point middle{r.left + r.Width() / 2, r.top + r.Height() / 2};
  ASSERT_EQ(canvas->FindObjectAt(middle.x, middle.y), longest);

  mouse.LButtonDblClk(0, middle);
  EXPECT_EQ(line->GetSegments().size(), before + 1);
  EXPECT_FALSE(canvas->Owns(longest));
  // The line's drawn parts are the rebuilt ones, all on the pane, one per segment.
  for (DisplayObject* d : line->Drawn()) EXPECT_TRUE(canvas->Owns(d));
  EXPECT_EQ(DrawnOf(line, kDrawnSegment).size(), line->GetSegments().size());
}

}  // namespace
}  // namespace ed::test
