// The application: main window, message loop with idle time, accelerators, a missing main
// window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

class TProbeMain : public TWindow {
 public:
  TProbeMain() : TWindow(static_cast<TWindow*>(nullptr), "main") {}
  void CmProbe() { ++Probes; }
  int Probes = 0;
  DECLARE_RESPONSE_TABLE(TProbeMain);
};

DEFINE_RESPONSE_TABLE(TProbeMain, TWindow)
  EV_COMMAND(CM_PROBE, CmProbe),
END_RESPONSE_TABLE;

class TProbeApp : public TApplication {
 public:
  TProbeApp() : TApplication("Probe app") {}
  void InitMainWindow() override {
    Main = new TProbeMain;
    SetMainWindow(Main);
  }
  bool IdleAction(long idleCount) override {
    Idle.push_back(idleCount);
    // Once the loop is idle, close the main window: the loop then ends.
    if (idleCount == 2 && GetMainWindow()->HWindow) GetMainWindow()->PostMessage(WM_CLOSE);
    TApplication::IdleAction(idleCount);
    return idleCount < 2;
  }
  int TermInstance(int status) override {
    Terminated = true;
    return TApplication::TermInstance(status) + 5;
  }
  TProbeMain* Main = nullptr;
  std::vector<long> Idle;
  bool Terminated = false;
};

TEST(Application, RunsUntilTheMainWindowCloses) {
  ModalGuard guard;
  TProbeApp app;
  EXPECT_EQ(TApplication::GetCurrent(), &app);
  int status = app.Run();
  EXPECT_FALSE(guard.Fired());
  EXPECT_EQ(status, 5);  // WM_QUIT's 0, through TermInstance
  EXPECT_TRUE(app.Terminated);
  ASSERT_GE(app.Idle.size(), 3u);
  EXPECT_EQ(app.Idle[0], 0);
  EXPECT_EQ(app.Idle[1], 1);
  EXPECT_EQ(app.Idle[2], 2);
  ASSERT_NE(app.GetMainWindow(), nullptr);
  EXPECT_EQ(app.GetMainWindow()->HWindow, nullptr);
  EXPECT_EQ(app.Main->GetApplication(), &app);
}

TEST(Application, WithoutAMainWindowRunReportsTheError) {
  ScriptedMessageBoxes boxes;
  TApplication app("No main");
  EXPECT_EQ(app.Run(), -1);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].Text, "Invalid main window");
  EXPECT_EQ(boxes.Calls()[0].Caption, "No main");
}

TEST(Application, AcceleratorsOfTheApplicationReachTheMainWindow) {
  TProbeApp app;
  app.InitMainWindow();
  ASSERT_TRUE(app.GetMainWindow()->Create());
  app.HAccTable = app.LoadAccelerators("TESTKEYS");
  ASSERT_NE(app.HAccTable, nullptr);

  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  MSG msg{app.Main->HWindow, WM_KEYDOWN, 'P', 0x00190001, 0, {}};
  bool used = app.ProcessAppMsg(msg);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  PumpPending();

  EXPECT_TRUE(used);
  EXPECT_EQ(app.Main->Probes, 1);
  MSG other{app.Main->HWindow, WM_KEYDOWN, 'Q', 0x00100001, 0, {}};
  EXPECT_FALSE(app.ProcessAppMsg(other));
}

TEST(Application, MessageBoxesOfAWindowCarryTheApplicationName) {
  ScriptedMessageBoxes boxes({IDNO});
  TProbeApp app;
  TProbeMain window;
  EXPECT_EQ(window.MessageBox("Question?", nullptr, MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].Caption, "Probe app");
  EXPECT_EQ(boxes.Calls()[0].Type, UINT(MB_YESNO | MB_ICONQUESTION));
}

TEST(CustomControls, MessageBoxIsThePlainOneWithTheSameStyle) {
  ScriptedMessageBoxes boxes({IDCANCEL});
  EXPECT_TRUE(BWCCRegister(::GetModuleHandleA(nullptr)));
  EXPECT_EQ(BWCCMessageBox(nullptr, "Out of memory", "", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].Text, "Out of memory");
  EXPECT_EQ(boxes.Calls()[0].Caption, "");
  EXPECT_EQ(boxes.Calls()[0].Type, UINT(33));
}

}  // namespace
