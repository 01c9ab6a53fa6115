// The palette window in an MDI frame under Wine: its panes by class and layout, a click
// on a group showing that group's types (painted into the pane), and the outline of a
// drag over the VavurOrezo pane.
#include <windows.h>

#include "palette_fixture.h"

#include "editor/palette/palettemdi_win32.h"
#include "owl/mdiclient.h"
#include "owl/mdiframe.h"

namespace ed::test {
namespace {

class PaletteWindowTest : public CanvasTest {
 protected:
  PaletteWindowTest() : icons(host), list(icons.list) {
    client = new TMDIClient;
    frame = new TMDIFrame("palette", TResId(), *client);
    frame->Attr.X = frame->Attr.Y = 0;
    frame->Attr.W = 800;
    frame->Attr.H = 600;
    frame->Create();
    frame->Show(SW_SHOWNORMAL);
    palette = new PaletteMDI(*client, host, *list, "Blocks", [] { return HWND(nullptr); }, frame->HWindow);
    palette->Create();
  }
  ~PaletteWindowTest() override { delete frame; }

  static RECT InParent(HWND w) {
    RECT r{};
    ::GetWindowRect(w, &r);
    ::MapWindowPoints(nullptr, ::GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static std::string ClassOf(HWND w) {
    char name[64] = {};
    ::GetClassNameA(w, name, sizeof name);
    return name;
  }
  // Whether any pixel of the pane's client area in the rectangle differs from the first.
  static bool Drawn(HWND w, RECT r) {
    ::UpdateWindow(w);
    HDC dc = ::GetDC(w);
    const COLORREF first = ::GetPixel(dc, r.left, r.top);
    bool any = false;
    for (int y = r.top; y < r.bottom && !any; ++y) {
      for (int x = r.left; x < r.right && !any; ++x) any = ::GetPixel(dc, x, y) != first;
    }
    ::ReleaseDC(w, dc);
    return any;
  }

  ThreeGroupPalette icons;
  std::unique_ptr<PaletteIconList>& list;
  TMDIClient* client = nullptr;
  TMDIFrame* frame = nullptr;
  PaletteMDI* palette = nullptr;   // a child of the frame's client
};

TEST_F(PaletteWindowTest, PanesAreLaidOutByClassAndAGroupClickShowsItsTypes) {
  HWND groups = palette->GroupWindow()->HWindow;
  HWND blocks = palette->BlockWindow()->HWindow;
  ASSERT_TRUE(::IsWindow(groups));
  ASSERT_TRUE(::IsWindow(blocks));
  EXPECT_EQ(ClassOf(groups), "GROUPPALETTE");
  EXPECT_EQ(ClassOf(blocks), "PBPALETTE");
  EXPECT_EQ(::SendMessageA(groups, kMsgWindowKind, 0, 0), kKindObjectPane);
  RECT client{};
  ::GetClientRect(palette->HWindow, &client);
  const RECT g = InParent(groups), b = InParent(blocks);
  EXPECT_EQ(g.top, 0);
  EXPECT_EQ(g.bottom, 150);
  EXPECT_EQ(g.right, client.right);
  EXPECT_EQ(b.top, 151);
  EXPECT_EQ(b.right, client.right - 12);
  EXPECT_EQ(b.bottom, client.bottom);
  ASSERT_NE(palette->FindChildOfType(kPaneVertScrollBar), nullptr);

  // The third group is current and has no types: the VavurOrezo pane is empty.
  EXPECT_EQ(palette->State().CurrentGroup(), list->FindGroup("Third"));
  EXPECT_EQ(palette->BlockPane()->DrawnCount(), 0u);
  EXPECT_FALSE(Drawn(blocks, RECT{0, 0, 90, 40}));

  ::SendMessageA(groups, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(palette->State().CurrentGroup(), list->FindGroup("Basic"));
  ASSERT_EQ(palette->BlockPane()->DrawnCount(), 3u);
  EXPECT_EQ(palette->BlockPane()->IconAt({10, 10}), list->FindGroup("Basic")->Icons()[0].get());
  EXPECT_TRUE(Drawn(blocks, RECT{0, 0, 90, 40}));
}

TEST_F(PaletteWindowTest, OnlyATypeIsOutlinedOverTheVavurOrezoPane) {
  PalettePaneWindow* blocks = palette->BlockWindow();
  EXPECT_FALSE(blocks->DragOutline(host, kClassGroupIcon, {30, 30}, {5, 5}));
  EXPECT_EQ(host.boxes, (std::vector<int>{kMsgUnsupportedDrag}));
  EXPECT_EQ(TheBandList().Owner(), nullptr);

  ASSERT_TRUE(blocks->DragOutline(host, kClassVavurOrezoIcon, {30, 30}, {5, 5}));
  EXPECT_EQ(TheBandList().Owner(), blocks);
  ASSERT_EQ(TheBandList().Objects().size(), 1u);
  EXPECT_EQ(TheBandList().Objects()[0].x1, 25);
  EXPECT_EQ(TheBandList().Objects()[0].x2, 25 + 96);
  // The outline is drawn inverted on the pane, and drawing it again erases it.
  EXPECT_TRUE(Drawn(blocks->HWindow, RECT{20, 20, 130, 70}));
  TheBandList().Clear();
  EXPECT_FALSE(Drawn(blocks->HWindow, RECT{20, 20, 130, 70}));
}

}  // namespace
}  // namespace ed::test
