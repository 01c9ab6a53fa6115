// Page windows in an MDI frame under Wine: the panes' layout, numbering and closing with
// the save prompt, the last window deleting its program, activation, a removed page's
// window, the scroll bar's thumb, and the mouse as window messages.
#include <windows.h>

#include "canvas_fixture.h"

#include "owl/testing/dialog_driver.h"
#include "editor/drawn/blockobject.h"
#include "editor/notes/textnote.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/pageservices.h"
#include "editor/palette/palettemdi_win32.h"
#include "editor/palette/palettestate.h"
#include "editor/palette/tabbedpalettelink.h"
#include "owl/mdiclient.h"
#include "owl/mdiframe.h"

namespace ed::test {
namespace {

class RecordingServices : public PageServices {
 public:
  void ShowPage(Page* page) override { shown.push_back(page); }
  // The name dialog gives the name set, or is cancelled when there is none.
  bool AskBlockName(HWND, const std::string& caption, std::string& name) override {
    captions.push_back(caption);
    if (givenName.empty()) return false;
    name = givenName;
    return true;
  }
  void ShowBlockMenu(HWND, VavurOrezo& block, std::int32_t, std::int32_t) override { menus.push_back(block.Name()); }
  void ShowPageMenu(HWND, std::int32_t, std::int32_t) override { menus.push_back("page"); }
  void PrintedPageSize(int, std::int32_t& w, std::int32_t& h) override { w = h = 0; }
  KvMainFrame* MainFrame() override { return nullptr; }
  bool IsFrameClosing() override { return false; }
  bool HasApplication() override { return true; }
  int SaveApplication(Program&) override {
    ++saves;
    return saveResult;
  }
  void CloseApplication(Program& program) override { closed.push_back(program.GetFileName()); }
  int AskSaveChanges(HWND, const std::string& title) override {
    prompts.push_back(title);
    return answer;
  }

  std::vector<Page*> shown;
  std::string givenName;
  std::vector<std::string> captions;
  std::vector<std::string> menus;
  int saves = 0, saveResult = 0;
  std::vector<std::string> closed;
  std::vector<std::string> prompts;
  int answer = IDNO;
};

class PageWindowTest : public CanvasTest {
 protected:
  PageWindowTest() {
    client = new TMDIClient;
    frame = new TMDIFrame("pages", TResId(), *client);
    frame->Attr.X = frame->Attr.Y = 0;
    frame->Attr.W = 800;
    frame->Attr.H = 600;
    frame->Create();
    frame->Show(SW_SHOWNORMAL);
    windows = std::make_unique<EditWindows>(*client, services);
    host.onNotify = [this](ProgramObject* object, int kind, int scope) { windows->NotifyChildren(object, kind, scope); };
  }
  ~PageWindowTest() override {
    host.onNotify = nullptr;
    windows.reset();
    delete frame;
  }
  // A program of its own, which its last page window deletes.
  Program* OpenProgram(const char* path, Page** mainPage) {
    auto* opened = new Program(host, model, &imports, path, 0);
    *mainPage = new Page(opened, "Main", kPageMain, 0);
    opened->AddPage(*mainPage);
    opened->ClearModified();
    return opened;
  }
  EditMDI* WindowOf(EditChild* canvas) { return dynamic_cast<EditMDI*>(canvas->Parent); }
  static RECT InParent(HWND w) {
    RECT r{};
    ::GetWindowRect(w, &r);
    ::MapWindowPoints(nullptr, ::GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  RecordingServices services;
  TMDIClient* client = nullptr;
  TMDIFrame* frame = nullptr;
  std::unique_ptr<EditWindows> windows;
};

TEST_F(PageWindowTest, PanesFillTheWindowWithBarsOf14Pixels) {
  Page* page = nullptr;
  Program* opened = OpenProgram("C:\\APPS\\DEMO.VAP", &page);
  EditChild* canvas = windows->CreateEditWindow(*opened, page);
  ASSERT_NE(canvas, nullptr);
  EditMDI* window = WindowOf(canvas);
  EXPECT_EQ(::SendMessageA(window->HWindow, kMsgWindowKind, 0, 0), kKindMDIChild);
  EXPECT_EQ(::SendMessageA(canvas->HWindow, kMsgWindowKind, 0, 0), kKindObjectPane);
  char className[32] = "";
  ::GetClassNameA(canvas->HWindow, className, sizeof className);
  EXPECT_STREQ(className, "UIOBJECTCHILD");
  char caption[64] = "";
  ::GetWindowTextA(window->HWindow, caption, sizeof caption);
  EXPECT_STREQ(caption, "DEMO.VAP");

  ::ShowWindow(window->HWindow, SW_RESTORE);
  for (SIZE size : {SIZE{500, 300}, SIZE{420, 260}}) {
    ::SetWindowPos(window->HWindow, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER);
    PumpPending();
    RECT client{};
    ::GetClientRect(window->HWindow, &client);
    auto* vertical = window->FindChildOfType(kPaneVertScrollBar);
    auto* horizontal = window->FindChildOfType(kPaneHorzScrollBar);
    ASSERT_TRUE(vertical && horizontal);
    const RECT v = InParent(vertical->HWindow), h = InParent(horizontal->HWindow), c = InParent(canvas->HWindow);
    EXPECT_EQ(v.right - v.left, 14);
    EXPECT_EQ(v.right, client.right);
    EXPECT_EQ(h.bottom - h.top, 14);
    EXPECT_EQ(h.bottom, client.bottom);
    EXPECT_EQ(c.right, client.right - 14);
    EXPECT_EQ(c.bottom, client.bottom - 14);
  }
}

TEST_F(PageWindowTest, ClosingRenumbersAndTheLastWindowClosesAndDeletesTheProgram) {
  Page* page = nullptr;
  Program* opened = OpenProgram("C:\\APPS\\DEMO.VAP", &page);
  EditMDI* first = WindowOf(windows->CreateEditWindow(*opened, page));
  EditMDI* second = WindowOf(windows->CreateEditWindow(*opened, page));
  EditMDI* third = WindowOf(windows->CreateEditWindow(*opened, page));
  EXPECT_EQ(first->Number(), 1);
  EXPECT_EQ(third->Number(), 3);
  EXPECT_EQ(opened->PageWindows(), 3);

  first->CloseWindow();   // unchanged: no prompt, the application stays open
  EXPECT_EQ(second->Number(), 1);
  EXPECT_EQ(third->Number(), 2);
  EXPECT_TRUE(services.prompts.empty());
  EXPECT_TRUE(services.closed.empty());

  opened->SetModified();
  services.answer = IDCANCEL;
  second->CloseWindow();
  EXPECT_EQ(windows->Windows().size(), 2u);   // Cancel keeps it
  services.answer = IDYES;
  services.saveResult = -1;
  second->CloseWindow();
  EXPECT_EQ(windows->Windows().size(), 2u);   // a failed save keeps it
  services.saveResult = 0;
  services.answer = IDNO;
  second->CloseWindow();
  EXPECT_EQ(windows->Windows().size(), 1u);
  EXPECT_EQ(services.prompts, (std::vector<std::string>{"DEMO", "DEMO", "DEMO"}));
  EXPECT_EQ(services.saves, 1);
  EXPECT_TRUE(services.closed.empty());

  const int removed = model.removedPrograms;
  third->CloseWindow();
  EXPECT_TRUE(windows->Windows().empty());
  EXPECT_EQ(services.closed, std::vector<std::string>{"C:\\APPS\\DEMO.VAP"});
  EXPECT_EQ(model.removedPrograms, removed + 1);   // the canvas model went with its last window
}

TEST_F(PageWindowTest, ActivationMakesTheProgramAndPageCurrent) {
  Page* pageA = nullptr;
  Page* pageB = nullptr;
  Program* a = OpenProgram("A.VAP", &pageA);
  Program* b = OpenProgram("B.VAP", &pageB);
  // The palette is told of each change of the current program.
  std::vector<Program*> heard;
  windows->SetCurrentProgramListener([&heard](Program* program) { heard.push_back(program); });
  EditMDI* windowA = WindowOf(windows->CreateEditWindow(*a, pageA));
  EditMDI* windowB = WindowOf(windows->CreateEditWindow(*b, pageB));
  EXPECT_EQ(windows->CurrentProgram(), b);
  windows->ActivateEditWindow(windowA);
  EXPECT_EQ(windows->CurrentProgram(), a);
  EXPECT_EQ(windows->CurrentPage(), pageA);
  EXPECT_EQ(windows->FindEditWindow(pageA), windowA);
  // A change of A shows in the captions of A's windows only.
  a->SetModified();
  windows->UpdateChildCaptions();
  char caption[64] = "";
  ::GetWindowTextA(windowA->HWindow, caption, sizeof caption);
  EXPECT_STREQ(caption, "A.VAP *");
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back(), a);
  windowA->CloseWindow();
  EXPECT_EQ(windows->CurrentProgram(), b);   // the deleted program is current no more
  // The palette follows to B: it holds A no more; and none once B's last window went.
  EXPECT_EQ(heard.back(), b);
  windowB->CloseWindow();
  EXPECT_EQ(heard.back(), nullptr);
  windows->SetCurrentProgramListener(nullptr);
}

TEST_F(PageWindowTest, ARemovedPageClosesItsWindowUnasked) {
  Page* page = nullptr;
  Program* opened = OpenProgram("C:\\APPS\\DEMO.VAP", &page);
  auto* superBlock = new Page(opened, "Sub", kPageSuperBlock, 0);
  opened->AddPage(superBlock);
  windows->CreateEditWindow(*opened, page);
  windows->CreateEditWindow(*opened, superBlock);
  opened->SetModified();
  host.NotifyChildren(superBlock, 3, 0);
  PumpPending();
  ASSERT_EQ(windows->Windows().size(), 1u);
  EXPECT_EQ(windows->Windows().front()->GetPage(), page);
  EXPECT_TRUE(services.prompts.empty());
  EXPECT_EQ(opened->PageWindows(), 1);
}

class PageMouseTest : public PageWindowTest {
 protected:
  PageMouseTest() {
    opened = OpenProgram("C:\\APPS\\DEMO.VAP", &page);
    canvas = windows->CreateEditWindow(*opened, page);
  }
  VavurOrezo* Place(const char* name, std::int32_t x, std::int32_t y) {
    VavurOrezo* block = Add(page, name, 393, x, y);
    host.NotifyChildren(block, 4, 0);
    return block;
  }
  POINT IconMiddle(VavurOrezo* block) {
    const Rect r =
        static_cast<VavurOrezoObject*>(canvas->Canvas().FindDrawnObject(block, kDrawnVavurOrezo))->IconRect();
    const Point d = canvas->CanvasToDevice({r.left + r.Width() / 2, r.top + r.Height() / 2});
    return {d.x, d.y};
  }
  void Send(UINT message, UINT keys, POINT p) { ::SendMessageA(canvas->HWindow, message, keys, MAKELPARAM(p.x, p.y)); }

  Page* page = nullptr;
  Program* opened = nullptr;
  EditChild* canvas = nullptr;
};

TEST_F(PageMouseTest, ShiftClicksThenAnOutlineDragMoveTwoBlocks) {
  VavurOrezo* a = Place("A", 40, 40);
  VavurOrezo* b = Place("B", 200, 40);
  const POINT pa = IconMiddle(a), pb = IconMiddle(b);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, pa);
  Send(WM_LBUTTONUP, 0, pa);
  Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, pb);
  Send(WM_LBUTTONUP, MK_SHIFT, pb);
  ASSERT_EQ(canvas->Canvas().SelectionCount(), 2);
  const std::int32_t ax = a->X(), bx = b->X();
  // The drop finds the canvas under the pointer: nothing may lie over it.
  POINT target{pa.x + 60, pa.y};
  ::ClientToScreen(canvas->HWindow, &target);
  ASSERT_EQ(::WindowFromPoint(target), canvas->HWindow);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, pa);
  EXPECT_EQ(::GetCapture(), canvas->HWindow);
  Send(WM_MOUSEMOVE, MK_LBUTTON, {pa.x + 10, pa.y});
  Send(WM_MOUSEMOVE, MK_LBUTTON, {pa.x + 60, pa.y});
  Send(WM_LBUTTONUP, 0, {pa.x + 60, pa.y});
  EXPECT_EQ(::GetCapture(), nullptr);
  const Point moved = canvas->Canvas().Scale().CanvasToPage(Point{50, 0});
  EXPECT_EQ(a->X(), ax + moved.x);
  EXPECT_EQ(b->X(), bx + moved.x);
  EXPECT_TRUE(opened->IsModified());

  // A right click on a block opens its menu; on the empty page, the page's.
  Send(WM_RBUTTONDOWN, MK_RBUTTON, IconMiddle(b));
  Send(WM_RBUTTONDOWN, MK_RBUTTON, {5, 380});
  EXPECT_EQ(services.menus, (std::vector<std::string>{"B", "page"}));
}

// A drag out of the tabbed palette carries the item's data, the type's position plus one;
// the drop makes a block of that type where it falls. No item or one that names no type
// makes nothing and beeps.
TEST_F(PageMouseTest, ATypeDroppedFromTheTabbedPaletteBecomesABlockWhereItFalls) {
  ASSERT_NE(palette, nullptr);
  GroupIcon* group = nullptr;
  for (const auto& g : palette->Groups())
    if (!group && g->Icons().size() >= 2) group = g.get();
  ASSERT_NE(group, nullptr);
  HWND tabs = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  TabbedPaletteLink link([tabs] { return tabs; }, nullptr, nullptr);
  PaletteState state(*palette, link);
  state.SelectGroup(group);
  host.options |= kOptAutoName;

  struct Case {
    WPARAM item;
    int madeType;  // 0: nothing made
  };
  const Case cases[] = {
      {2, group->Icons()[1]->TypeCode()},
      {1, group->Icons()[0]->TypeCode()},
      {0, 0},
      {WPARAM(group->Icons().size() + 1), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const std::size_t before = page->Blocks().size();
    host.beeps.clear();
    POINT at{150, 120};
    ::ClientToScreen(canvas->HWindow, &at);
    ASSERT_EQ(::WindowFromPoint(at), canvas->HWindow);
    ::SendMessageA(canvas->HWindow, kMsgDropFromFrame, c.item, MAKELPARAM(at.x, at.y));
    if (c.madeType == 0) {
      EXPECT_EQ(page->Blocks().size(), before);
      EXPECT_EQ(host.beeps.size(), 1u);
      continue;
    }
    ASSERT_EQ(page->Blocks().size(), before + 1);
    const VavurOrezo& made = *page->Blocks().back();
    EXPECT_EQ(made.TypeCode(), c.madeType);
    // Where it fell, the canvas point in page units.
    const Point expected = canvas->Canvas().Scale().CanvasToPage(canvas->DeviceToCanvas({150, 120}));
    EXPECT_NEAR(made.X(), expected.x, 20);
    EXPECT_NEAR(made.Y(), expected.y, 20);
  }
  // The types listed go with the list: once cleared, an old item names nothing.
  link.ClearItems();
  EXPECT_EQ(TabbedPaletteType(1), nullptr);
  ::DestroyWindow(tabs);
}

// A type pressed in the palette window's VavurOrezo pane and moved onto a page window
// becomes a block there, named through the page's name dialog.
TEST_F(PageMouseTest, ATypeDraggedOutOfThePaletteWindowBecomesANamedBlock) {
  ASSERT_NE(palette, nullptr);
  ::SendMessageA(client->HWindow, WM_MDIRESTORE, reinterpret_cast<WPARAM>(WindowOf(canvas)->HWindow), 0);
  auto* paletteWindow = new PaletteMDI(*client, host, *palette, "Blocks", [] { return HWND(nullptr); }, frame->HWindow);
  ASSERT_TRUE(paletteWindow->Create());
  ::MoveWindow(paletteWindow->HWindow, 0, 0, 200, 420, TRUE);
  ::MoveWindow(WindowOf(canvas)->HWindow, 210, 0, 500, 420, TRUE);
  GroupIcon* group = nullptr;
  for (const auto& g : palette->Groups())
    if (!group && !g->Icons().empty() && g->IsShown()) group = g.get();
  ASSERT_NE(group, nullptr);
  paletteWindow->SelectGroup(group);
  HWND blocks = paletteWindow->BlockWindow()->HWindow;
  ASSERT_EQ(paletteWindow->BlockPane()->IconAt({10, 10}), group->Icons()[0].get());

  // The drop point, a point of the canvas, in the pane's client pixels.
  POINT drop{150, 120};
  ::ClientToScreen(canvas->HWindow, &drop);
  ASSERT_EQ(::WindowFromPoint(drop), canvas->HWindow);
  ::ScreenToClient(blocks, &drop);
  services.givenName = "Dragged";
  ::SendMessageA(blocks, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(::GetCapture(), blocks);
  ::SendMessageA(blocks, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 30));
  ::SendMessageA(blocks, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
  ::SendMessageA(blocks, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
  EXPECT_EQ(::GetCapture(), nullptr);

  VavurOrezo* made = page->FindVavurOrezo("Dragged");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->TypeCode(), group->Icons()[0]->TypeCode());
  ASSERT_EQ(services.captions.size(), 1u);
  EXPECT_EQ(services.captions[0], "Add " + group->Icons()[0]->Text() + " Block");
}

TEST_F(PageMouseTest, TheThumbScrollsOnlyWhenReleased) {
  EditMDI* window = WindowOf(canvas);
  auto* bar = dynamic_cast<ScrollBar*>(window->FindChildOfType(kPaneVertScrollBar));
  ASSERT_NE(bar, nullptr);
  HWND control = bar->Control().HWindow;
  ::SendMessageA(bar->HWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3), reinterpret_cast<LPARAM>(control));
  EXPECT_EQ(canvas->Origin().y, 0);
  ::SendMessageA(bar->HWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(control));
  EXPECT_EQ(canvas->Origin().y, 3 * kScrollStep);
  ::SendMessageA(bar->HWindow, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(control));
  EXPECT_EQ(canvas->Origin().y, 4 * kScrollStep);
  // The canvas now maps its device points past the origin.
  EXPECT_EQ(canvas->DeviceToCanvas({0, 10}).y, 4 * kScrollStep + 10);
}

TEST_F(PageMouseTest, ZoomAndScrollIntoViewMoveTheMapping) {
  VavurOrezo* corner = Place("Near", 10, 5);
  VavurOrezo* distant = Place("Distant", 3000, 2000);
  canvas->SetZoom(50, 0);
  EXPECT_EQ(canvas->DeviceToCanvas({100, 60}), (Point{200, 120}));
  canvas->SetZoom(100, kZoomSteps);
  // A block far off is centred; one near the corner brings the view back to 0, not
  // below it; a block in view is only selected.
  canvas->ScrollIntoView(distant, true);
  EXPECT_GT(canvas->Origin().x, 0);
  EXPECT_GT(canvas->Origin().y, 0);
  EXPECT_EQ(canvas->Canvas().Selection(), std::vector<UIObject*>{distant});
  canvas->ScrollIntoView(corner, false);
  EXPECT_EQ(canvas->Origin(), (Point{0, 0}));
  EXPECT_EQ(canvas->Canvas().Selection(), std::vector<UIObject*>{distant});
  canvas->ScrollIntoView(corner, true);
  EXPECT_EQ(canvas->Origin(), (Point{0, 0}));
  EXPECT_EQ(canvas->Canvas().Selection(), std::vector<UIObject*>{corner});
}

}  // namespace
}  // namespace ed::test

namespace ed::test {
namespace {

// What the frame's command states and outputs menu read of the active page window.
TEST_F(PageMouseTest, TheSelectionIsDescribedByItsFirstObject) {
  VavurOrezo* a = Place("A", 40, 40);
  VavurOrezo* b = Place("B", 200, 40);
  auto* note = new KvTextUI(page, 50, 150, 300, 360, nullptr, nullptr);
  page->AddTextNote(note);
  auto* line = new Goto();
  line->SetOutputName("Done");
  line->SetEndBlock(b);
  a->AddGoto(line);
  const HWND window = WindowOf(canvas)->HWindow;

  struct Case {
    std::vector<UIObject*> selected;  // the first replaces the selection, the others join it
    SelectionKind kind;
    std::int32_t count;
    VavurOrezo* firstBlock;
  };
  const Case cases[] = {
      {{}, SelectionKind::None, 0, nullptr},
      {{a, b}, SelectionKind::Block, 2, a},
      {{b, note}, SelectionKind::Block, 2, b},
      {{note, a}, SelectionKind::Note, 2, nullptr},
      {{line}, SelectionKind::Line, 1, nullptr},
  };
  for (const Case& c : cases) {
    canvas->Canvas().ClearSelection();
    for (std::size_t i = 0; i < c.selected.size(); ++i) canvas->Canvas().SelectObject(c.selected[i], i == 0, 1);
    PageSelectionFacts facts;
    facts.kind = SelectionKind::Line;  // stale values are overwritten
    facts.noteEditing = true;
    ASSERT_TRUE(windows->DescribeSelection(window, facts)) << c.count;
    EXPECT_EQ(facts.kind, c.kind) << c.count;
    EXPECT_EQ(facts.count, c.count);
    EXPECT_FALSE(facts.noteEditing);
    EXPECT_EQ(windows->FirstSelectedBlock(window), c.firstBlock);
  }

  canvas->Canvas().ClearSelection();
  canvas->Canvas().SelectObject(note, 1, 1);
  canvas->Canvas().SetMode(kMouseNoteEditing);
  PageSelectionFacts facts;
  ASSERT_TRUE(windows->DescribeSelection(window, facts));
  EXPECT_TRUE(facts.noteEditing);
  canvas->Canvas().SetMode(kMouseIdle);
  canvas->Canvas().ClearSelection();

  // Another window, or none, is no page window.
  EXPECT_FALSE(windows->DescribeSelection(frame->HWindow, facts));
  EXPECT_FALSE(windows->DescribeSelection(nullptr, facts));
  EXPECT_EQ(windows->FirstSelectedBlock(frame->HWindow), nullptr);
}

}  // namespace
}  // namespace ed::test

namespace ed::test {
namespace {

TEST_F(PageWindowTest, AnOpenProgramIsFoundByItsFileNameAndItsMainWindowComesForward) {
  Page* demoMain = nullptr;
  Program* demo = OpenProgram("C:\\APPS\\DEMO.VAP", &demoMain);
  auto* sub = new Page(demo, "Sub", kPageSuperBlock, 0);
  demo->AddPage(sub);
  Page* otherMain = nullptr;
  Program* other = OpenProgram("C:\\APPS\\OTHER.VAP", &otherMain);
  Page* soloMain = nullptr;
  Program* solo = OpenProgram("C:\\APPS\\SOLO.VAP", &soloMain);
  auto* soloSub = new Page(solo, "Sub", kPageSuperBlock, 0);
  solo->AddPage(soloSub);
  EditMDI* demoWindow = WindowOf(windows->CreateEditWindow(*demo, demoMain));
  windows->CreateEditWindow(*demo, sub);
  windows->CreateEditWindow(*solo, soloSub);
  EditMDI* otherWindow = WindowOf(windows->CreateEditWindow(*other, otherMain));
  otherWindow->BringToFront();
  auto active = [this] { return reinterpret_cast<HWND>(::SendMessageA(client->HWindow, WM_MDIGETACTIVE, 0, 0)); };
  ASSERT_EQ(active(), otherWindow->HWindow);

  // Another folder, extension and case name the same program.
  EXPECT_TRUE(windows->ShowOpenProgram("d:\\elsewhere\\demo.run"));
  EXPECT_EQ(active(), demoWindow->HWindow);
  EXPECT_EQ(windows->CurrentProgram(), demo);
  EXPECT_EQ(windows->CurrentPage(), demoMain);

  // Without a window of its page "Main" the program only becomes current.
  otherWindow->BringToFront();
  EXPECT_TRUE(windows->ShowOpenProgram("SOLO"));
  EXPECT_EQ(active(), otherWindow->HWindow);
  EXPECT_EQ(windows->CurrentProgram(), solo);

  EXPECT_FALSE(windows->ShowOpenProgram("C:\\APPS\\DEMO2.VAP"));
  EXPECT_FALSE(windows->ShowOpenProgram(""));
  EXPECT_EQ(windows->CurrentProgram(), solo);
}

}  // namespace
}  // namespace ed::test
