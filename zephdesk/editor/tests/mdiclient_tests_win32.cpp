// The designer's MDI client under Wine: Tile, Cascade and "Reposition all windows" reach
// the frame as its arrange message; the last brings a hidden palette back and puts a
// maximised, minimised or moved one at its initial place; a mouse move clears the status
// line. And an MDI child whose pane cannot be made says so with the pane's type and goes
// on without it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/panes/childwindow_win32.h"
#include "editor/panes/mdiclient_win32.h"
#include "foundation/kvscrpres.h"
#include "owl/commands.h"
#include "owl/mdiframe.h"

namespace ed {
namespace {

class ArrangeFrame : public TMDIFrame {
 public:
  explicit ArrangeFrame(TMDIClient& client) : TMDIFrame("client", TResId(), client) {}
  LRESULT EvArrange(WPARAM how, LPARAM) {
    arranged.push_back(static_cast<int>(how));
    return 0;
  }
  std::vector<int> arranged;

  DECLARE_RESPONSE_TABLE(ArrangeFrame);
};

DEFINE_RESPONSE_TABLE(ArrangeFrame, TMDIFrame)
  EV_MESSAGE(kMsgArrangeWindows, EvArrange),
END_RESPONSE_TABLE;

class RecordingClientFrame : public MDIClientFrame {
 public:
  void ClearStatusText() override { ++clears; }
  HWND PaletteWindow() override { return palette; }
  void ShowPalette() override {
    ++shows;
    if (palette != nullptr) ::ShowWindow(palette, SW_SHOW);
  }
  HWND palette = nullptr;
  int clears = 0, shows = 0;
};

// A pane that refuses to be made.
class RefusingPane : public ChildWindow {
 public:
  using ChildWindow::ChildWindow;
  const char* GetClassName() override { return "REFUSINGPANE"; }
  LRESULT EvCreate(WPARAM, LPARAM) { return FALSE; }

  DECLARE_RESPONSE_TABLE(RefusingPane);
};

DEFINE_RESPONSE_TABLE(RefusingPane, ChildWindow)
  EV_MESSAGE(WM_NCCREATE, EvCreate),
END_RESPONSE_TABLE;

class ClientTest : public ::testing::Test {
 protected:
  ClientTest() {
    client = new UIMDIClient(host);
    frame = new ArrangeFrame(*client);
    frame->Attr.X = frame->Attr.Y = 0;
    frame->Attr.W = 800;
    frame->Attr.H = 600;
    frame->Create();
    frame->Show(SW_SHOWNORMAL);
  }
  ~ClientTest() override { delete frame; }

  // The palette window's rectangle in the client.
  RECT PaletteRect() const {
    RECT r{};
    ::GetWindowRect(host.palette, &r);
    ::MapWindowPoints(nullptr, client->HWindow, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  void Command(UINT id) { ::SendMessageA(frame->HWindow, WM_COMMAND, id, 0); }

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  RecordingClientFrame host;
  UIMDIClient* client = nullptr;
  ArrangeFrame* frame = nullptr;
};

TEST_F(ClientTest, TileAndCascadeAskTheFrameToArrange) {
  Command(CM_TILECHILDREN);
  Command(CM_CASCADECHILDREN);
  EXPECT_EQ(frame->arranged, (std::vector<int>{0, 1}));
  ::SendMessageA(client->HWindow, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host.clears, 1);
}

TEST_F(ClientTest, RepositioningBringsThePaletteBackToItsInitialPlace) {
  // Without a palette window the frame shows its palette.
  Command(kCmResetWindows);
  EXPECT_EQ(host.shows, 1);
  EXPECT_EQ(frame->arranged, (std::vector<int>{2}));

  auto* palette = new UIMDIChild(*client, "Blocks", FindLayoutGroup(kLayoutPalette));
  palette->Create();
  host.palette = palette->HWindow;
  const RECT initial = PaletteRect();
  RECT area{};
  ::GetClientRect(client->HWindow, &area);
  EXPECT_EQ(initial.left, 0);
  EXPECT_EQ(initial.right, 200);
  EXPECT_EQ(initial.bottom, area.bottom);

  struct Case {
    const char* what;
    int show;  // 0: moved only
  };
  for (const Case& c : {Case{"moved", 0}, Case{"maximised", SW_MAXIMIZE}, Case{"minimised", SW_MINIMIZE},
                        Case{"hidden", SW_HIDE}}) {
    SCOPED_TRACE(c.what);
    frame->arranged.clear();
    ::SetWindowPos(host.palette, nullptr, 300, 40, 150, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    if (c.show != 0) ::ShowWindow(host.palette, c.show);
    Command(kCmResetWindows);
    EXPECT_FALSE(::IsZoomed(host.palette));
    EXPECT_FALSE(::IsIconic(host.palette));
    EXPECT_TRUE(::IsWindowVisible(host.palette));
    if (c.show != SW_HIDE) {
      const RECT now = PaletteRect();
      EXPECT_TRUE(::EqualRect(&now, &initial)) << now.left << "," << now.top << " " << now.right << "," << now.bottom;
    }
    EXPECT_EQ(frame->arranged, (std::vector<int>{2}));
  }
}

// A page window whose canvas cannot be made: message 30 with the type 260, and the window
// and its scroll bars go on without it.
class PaneRefusingWindow : public UIMDIChild {
 public:
  explicit PaneRefusingWindow(TMDIClient& client) : UIMDIChild(client, "page", FindLayoutGroup(kLayoutPage)) {
    new RefusingPane(this, &Group()->entries[0]);
  }
};

TEST_F(ClientTest, APaneThatCannotBeMadeIsReportedWithItsType) {
  auto* window = new PaneRefusingWindow(*client);
  ASSERT_TRUE(window->Create());
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].text, "Unable to create child window (type 260).");
  EXPECT_EQ(presenter.Boxes()[0].caption, "Error!");
  EXPECT_EQ(window->FindChildOfType(kPanePageCanvas), nullptr);
  auto* bar = dynamic_cast<ScrollBar*>(window->FindChildOfType(kPaneVertScrollBar));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Served(), nullptr);
  // Resizing and scrolling go on without the missing pane.
  ::SetWindowPos(window->HWindow, nullptr, 0, 0, 500, 400, SWP_NOZORDER);
  ::SendMessageA(bar->HWindow, WM_VSCROLL, SB_LINEDOWN, 0);
}

}  // namespace
}  // namespace ed
