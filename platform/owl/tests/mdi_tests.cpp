// An MDI frame with two children: activation, tiling and cascading, command routing, closing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

std::vector<std::string> Events;

class TProbeChild : public TMDIChild {
 public:
  TProbeChild(TMDIClient& client, const char* title) : TMDIChild(client, title), Name(title) {}
  ~TProbeChild() override { Events.push_back("deleted:" + Name); }

  bool CanClose() override { return AllowClose; }
  void EvMDIActivate(HWND activated, HWND deactivated) {
    if (activated == HWindow) Events.push_back("activated:" + Name);
    if (deactivated == HWindow) Events.push_back("deactivated:" + Name);
    TMDIChild::EvMDIActivate(activated, deactivated);
  }
  void CmProbe() { Events.push_back("probe:" + Name); }

  std::string Name;
  bool AllowClose = true;

  DECLARE_RESPONSE_TABLE(TProbeChild);
};

DEFINE_RESPONSE_TABLE(TProbeChild, TMDIChild)
  EV_WM_MDIACTIVATE,
  EV_COMMAND(CM_PROBE, CmProbe),
END_RESPONSE_TABLE;

class TProbeFrame : public TMDIFrame {
 public:
  explicit TProbeFrame(TMDIClient& client)
      : TMDIFrame("MDI test", "TESTMENU", client, false, &TestProgram()) {
    Attr.X = Attr.Y = 0;
    Attr.W = 640;
    Attr.H = 480;
  }
  void CmProbe() { Events.push_back("probe:frame"); }
  void CmOther() { Events.push_back("other:frame"); }

  DECLARE_RESPONSE_TABLE(TProbeFrame);
};

DEFINE_RESPONSE_TABLE(TProbeFrame, TMDIFrame)
  EV_COMMAND(CM_PROBE, CmProbe),
  EV_COMMAND(CM_OTHER, CmOther),
END_RESPONSE_TABLE;

class MdiFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    Events.clear();
    client = new TMDIClient;
    frame = new TProbeFrame(*client);
    ASSERT_TRUE(frame->Create());
    frame->Show(SW_SHOWNORMAL);
    first = new TProbeChild(*client, "first");
    second = new TProbeChild(*client, "second");
    ASSERT_TRUE(first->Create());
    ASSERT_TRUE(second->Create());
    PumpPending();
  }
  void TearDown() override {
    delete frame;  // deletes the client and the children that are left
  }

  void Command(UINT id) { frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  RECT RectInClient(const TWindow& child) const {
    RECT r;
    ::GetWindowRect(child.HWindow, &r);
    ::MapWindowPoints(nullptr, client->HWindow, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  TMDIClient* client = nullptr;
  TProbeFrame* frame = nullptr;
  TProbeChild* first = nullptr;
  TProbeChild* second = nullptr;
};

TEST_F(MdiFrame, TheClientFillsTheFrameAndHoldsTheChildren) {
  EXPECT_EQ(frame->GetClientWindow(), client);
  EXPECT_EQ(::GetParent(client->HWindow), frame->HWindow);
  EXPECT_EQ(::GetParent(first->HWindow), client->HWindow);
  EXPECT_EQ(client->GetActiveMDIChild(), second);  // the last made is active
  EXPECT_NE(::GetMenu(frame->HWindow), nullptr);
}

TEST_F(MdiFrame, ActivatingAChildTellsBothChildren) {
  Events.clear();
  client->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->HWindow));
  EXPECT_EQ(client->GetActiveMDIChild(), first);
  EXPECT_EQ(Events, (std::vector<std::string>{"deactivated:second", "activated:first"}));
}

TEST_F(MdiFrame, TileCommandPlacesTheChildrenSideBySide) {
  Command(CM_TILECHILDREN);
  RECT a = RectInClient(*first), b = RectInClient(*second), overlap;
  EXPECT_FALSE(::IntersectRect(&overlap, &a, &b));
  RECT area;
  client->GetClientRect(area);
  EXPECT_EQ(std::min(a.left, b.left), area.left);
  EXPECT_EQ(std::max(a.right, b.right), area.right);
}

TEST_F(MdiFrame, CascadeCommandStacksTheChildrenWithAnOffset) {
  Command(CM_TILECHILDREN);
  Command(CM_CASCADECHILDREN);
  RECT a = RectInClient(*first), b = RectInClient(*second), overlap;
  EXPECT_TRUE(::IntersectRect(&overlap, &a, &b));
  EXPECT_NE(a.left, b.left);
  EXPECT_NE(a.top, b.top);
}

// Commands, closing and the window menu: a suite of its own, so that each suite's process
// stays short under a loaded machine.
class MdiFrameCommands : public MdiFrame {};

TEST_F(MdiFrameCommands, CommandsGoToTheActiveChildBeforeTheFrame) {
  Events.clear();
  Command(CM_PROBE);
  client->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->HWindow));
  Command(CM_PROBE);
  Command(CM_OTHER);
  EXPECT_EQ(Events, (std::vector<std::string>{"probe:second", "deactivated:second",
                                              "activated:first", "probe:first", "other:frame"}));
}

TEST_F(MdiFrameCommands, ClosingAChildDestroysAndDeletesIt) {
  HWND hWnd = first->HWindow;
  first->PostMessage(WM_CLOSE);
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hWnd); }));
  EXPECT_NE(std::find(Events.begin(), Events.end(), "deleted:first"), Events.end());
  EXPECT_EQ(client->NumChildren(), 1u);
  EXPECT_EQ(client->GetActiveMDIChild(), second);
}

TEST_F(MdiFrameCommands, AChildThatRefusesStaysAndKeepsTheFrameOpen) {
  second->AllowClose = false;
  second->PostMessage(WM_CLOSE);
  PumpPending();
  EXPECT_TRUE(::IsWindow(second->HWindow));
  EXPECT_FALSE(frame->CanClose());
  second->AllowClose = true;
  EXPECT_TRUE(frame->CanClose());
}

TEST_F(MdiFrameCommands, TheWindowMenuListsTheChildren) {
  HMENU windowMenu = ::GetSubMenu(::GetMenu(frame->HWindow), 1);
  bool listed = false;
  for (int i = 0; i < ::GetMenuItemCount(windowMenu); ++i)
    if (::GetMenuItemID(windowMenu, i) >= MDI_FIRST_CHILD_ID) listed = true;
  EXPECT_TRUE(listed);
}

TEST_F(MdiFrameCommands, ExitClosesTheFrame) {
  HWND hWnd = frame->HWindow;
  Command(CM_EXIT);
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hWnd); }));
  EXPECT_EQ(frame->HWindow, nullptr);
  EXPECT_EQ(first->HWindow, nullptr);
}

}  // namespace
