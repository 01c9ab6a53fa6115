// Response tables: a derived class's entries are found before its base's; commands,
// control notifications, messages and enablers are told apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

constexpr UINT kBaseMessage = WM_APP + 1;
constexpr UINT kDerivedMessage = WM_APP + 2;
constexpr UINT kSharedNumber = WM_APP + 3;  // used both as a message and as a command id
constexpr int kControlId = 300;

class TBaseProbe : public TWindow {
 public:
  TBaseProbe() : TWindow(static_cast<TWindow*>(nullptr), "probe") {}
  std::vector<std::string> Log;

  void BaseProbe() { Log.push_back("base:probe"); }
  void BaseOther() { Log.push_back("base:other"); }
  LRESULT BaseMessage(WPARAM wParam, LPARAM) {
    Log.push_back("base:message");
    return LRESULT(wParam) * 2;
  }

  DECLARE_RESPONSE_TABLE(TBaseProbe);
};

DEFINE_RESPONSE_TABLE(TBaseProbe, TWindow)
  EV_COMMAND(CM_PROBE, BaseProbe),
  EV_COMMAND(CM_OTHER, BaseOther),
  EV_MESSAGE(kBaseMessage, BaseMessage),
  EV_MESSAGE(kDerivedMessage, BaseMessage),
END_RESPONSE_TABLE;

class TDerivedProbe : public TBaseProbe {
 public:
  void DerivedProbe() { Log.push_back("derived:probe"); }
  LRESULT DerivedMessage(WPARAM, LPARAM) {
    Log.push_back("derived:message");
    return 7;
  }
  void SharedCommand() { Log.push_back("shared:command"); }
  LRESULT SharedMessage(WPARAM, LPARAM) {
    Log.push_back("shared:message");
    return 0;
  }
  void ControlChanged() { Log.push_back("control:change"); }
  void ControlCommand() { Log.push_back("control:command"); }
  void Recent(UINT id) { Log.push_back("recent:" + std::to_string(id)); }
  void EnableProbe(TCommandEnabler& enabler) {
    Log.push_back("enable:" + std::to_string(enabler.GetId()));
    enabler.Enable(false);
  }
  LRESULT SetTextThenDefault(WPARAM, LPARAM) {
    Log.push_back("settext");
    return DefaultProcessing();
  }

  DECLARE_RESPONSE_TABLE(TDerivedProbe);
};

DEFINE_RESPONSE_TABLE(TDerivedProbe, TBaseProbe)
  EV_COMMAND(CM_PROBE, DerivedProbe),
  EV_MESSAGE(kDerivedMessage, DerivedMessage),
  EV_COMMAND(kSharedNumber, SharedCommand),
  EV_MESSAGE(kSharedNumber, SharedMessage),
  EV_CHILD_NOTIFY(kControlId, EN_CHANGE, ControlChanged),
  EV_COMMAND(kControlId, ControlCommand),
  EV_COMMAND_RANGE(4211, 4220, Recent),
  EV_COMMAND_ENABLE(CM_PROBE, EnableProbe),
  EV_MESSAGE(WM_SETTEXT, SetTextThenDefault),
END_RESPONSE_TABLE;

class ResponseTable : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(probe.Create()); }
  LRESULT Command(UINT id, UINT code = 0) {
    return probe.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
  }
  TDerivedProbe probe;
};

TEST_F(ResponseTable, TheDerivedEntryIsFoundBeforeTheBaseEntry) {
  Command(CM_PROBE);
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"derived:probe"}));
  probe.Log.clear();
  EXPECT_EQ(probe.SendMessage(kDerivedMessage), 7);
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"derived:message"}));
}

TEST_F(ResponseTable, WhatTheDerivedTableLacksGoesToTheBase) {
  Command(CM_OTHER);
  EXPECT_EQ(probe.SendMessage(kBaseMessage, 21), 42);
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"base:other", "base:message"}));
}

TEST_F(ResponseTable, FindSearchesOwnEntriesThenTheBasesOnes) {
  TEventInfo derived = TEventInfo::ForCommand(CM_PROBE, 0);
  ASSERT_TRUE(probe.Find(derived));
  TEventInfo base = TEventInfo::ForCommand(CM_PROBE, 0);
  ASSERT_TRUE(probe.TBaseProbe::Find(base));
  EXPECT_NE(derived.Entry, base.Entry);
  TEventInfo none = TEventInfo::ForCommand(CM_PROBE + 100, 0);
  EXPECT_FALSE(probe.Find(none));
  EXPECT_EQ(none.Entry, nullptr);
}

TEST_F(ResponseTable, ACommandIdAndAMessageOfTheSameNumberAreDifferentEntries) {
  probe.SendMessage(kSharedNumber);
  Command(kSharedNumber);
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"shared:message", "shared:command"}));
}

TEST_F(ResponseTable, ControlNotificationsAreMatchedByCode) {
  Command(kControlId, EN_CHANGE);
  Command(kControlId, BN_CLICKED);
  Command(kControlId, EN_KILLFOCUS);  // no entry: default processing
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"control:change", "control:command"}));
}

// Code 1 is an accelerator only without a control: from a list or combo box it is a
// selection change, which a plain command entry does not hear.
TEST_F(ResponseTable, SelectionChangesOfControlsAreNotCommands) {
  HWND list = ::CreateWindowA("LISTBOX", "", WS_CHILD, 0, 0, 10, 10, probe.HWindow,
                              reinterpret_cast<HMENU>(kControlId), nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  probe.SendMessage(WM_COMMAND, MAKEWPARAM(kControlId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_TRUE(probe.Log.empty());
  probe.SendMessage(WM_COMMAND, MAKEWPARAM(kControlId, BN_CLICKED), reinterpret_cast<LPARAM>(list));
  Command(kControlId, 1);   // the accelerator of the same id
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"control:command", "control:command"}));
  ::DestroyWindow(list);
}

// A label that answers its parent's colour and notification messages itself.
class TOwnColourLabel : public TStatic {
 public:
  TOwnColourLabel(TWindow* parent) : TStatic(parent, 301, "label", 0, 0, 50, 10) {}
  LRESULT Colour(WPARAM, LPARAM) { return 1234; }
  LRESULT Notified(WPARAM, LPARAM lParam) { return reinterpret_cast<NMHDR*>(lParam)->code == 77 ? 55 : 0; }
  DECLARE_RESPONSE_TABLE(TOwnColourLabel);
};

DEFINE_RESPONSE_TABLE(TOwnColourLabel, TStatic)
  EV_MESSAGE(TWindow::ReflectedMessage(WM_CTLCOLORSTATIC), Colour),
  EV_MESSAGE(TWindow::ReflectedMessage(WM_NOTIFY), Notified),
END_RESPONSE_TABLE;

TEST_F(ResponseTable, ColourAndNotificationsReachTheControlsOwnObject) {
  auto* label = new TOwnColourLabel(&probe);   // owned by the probe
  ASSERT_TRUE(label->Create());
  HDC dc = ::GetDC(label->HWindow);
  EXPECT_EQ(probe.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label->HWindow)), 1234);
  ::ReleaseDC(label->HWindow, dc);
  NMHDR header{label->HWindow, 301, 77};
  EXPECT_EQ(probe.SendMessage(WM_NOTIFY, 301, reinterpret_cast<LPARAM>(&header)), 55);
  // A control without an entry leaves the message to its parent.
  HWND plain = ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, probe.HWindow, nullptr, nullptr, nullptr);
  NMHDR other{plain, 0, 77};
  EXPECT_EQ(probe.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other)), 0);
  ::DestroyWindow(plain);
}

TEST_F(ResponseTable, ARangeEntryPassesTheId) {
  Command(4211);
  Command(4220);
  Command(4221);
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"recent:4211", "recent:4220"}));
}

TEST_F(ResponseTable, EnablersAnswerTheStateOfACommand) {
  TCommandEnabler probeState(CM_PROBE);
  probe.RouteCommandEnable(probeState);
  EXPECT_TRUE(probeState.GetHandled());
  TCommandEnabler otherState(CM_OTHER);
  probe.RouteCommandEnable(otherState);
  EXPECT_FALSE(otherState.GetHandled());
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"enable:5001"}));
}

TEST_F(ResponseTable, AHandlerCanLeaveTheMessageToTheDefaultProcessing) {
  probe.SetWindowText("changed");
  char text[32];
  probe.GetWindowText(text, sizeof text);
  EXPECT_STREQ(text, "changed");
  EXPECT_EQ(probe.Log, (std::vector<std::string>{"settext"}));
}

TEST_F(ResponseTable, MenuEnablersSetTheItemsStateBeforeThePopupOpens) {
  HMENU popup = ::CreatePopupMenu();
  ::AppendMenuA(popup, MF_STRING, CM_PROBE, "Probe");
  ::AppendMenuA(popup, MF_STRING, CM_OTHER, "Other");
  probe.EvInitMenuPopup(popup, 0, false);
  EXPECT_TRUE(::GetMenuState(popup, CM_PROBE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(::GetMenuState(popup, CM_OTHER, MF_BYCOMMAND) & MF_GRAYED);
  ::DestroyMenu(popup);
}

}  // namespace
