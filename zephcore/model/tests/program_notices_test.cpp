// The program's notices to the designer's window, and the list of open fax item editors.
#include <gtest/gtest.h>

#include "program_testutil.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/pbentry_instance.h"
#include "model/pbcat.h"
#include "model/program/faxeditors.h"
#include "model/program/notify.h"
#include "model/program/program.h"

namespace zeph {
namespace {


struct Sent {
  HWND window;
  unsigned message;
  std::uintptr_t code;
  VlxNotifyRecord record;
  std::intptr_t lParam;
  bool posted;
};
std::vector<Sent> g_sent;

void Record(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam, bool post) {
  Sent s{window, message, wParam, {}, lParam, post};
  // Records live only for the send: copy what they say now.
  if (!post && lParam != 0 && (wParam == 1 || wParam == 6 || wParam == 8 || wParam == 11)) {
    s.record = *reinterpret_cast<const VlxNotifyRecord*>(lParam);
  }
  g_sent.push_back(s);
}

HWND Window(int n) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1000 + n)); }

class ProgramNotices : public ::testing::Test {
 protected:
  ProgramNotices() {
    TheCatalogue();
    SetDialogModuleLoader(&test::FakeDialogModule);
    SetWindowMessageSender(&Record);
    g_sent.clear();
  }
  ~ProgramNotices() override {
    SetNotificationMessage(0);
    SetPBNotifier(nullptr);
    ClearFaxEditors();
    SetFaxEditorWindows({});
    SetDialogModuleLoader(nullptr);
    SetWindowMessageSender(nullptr);
  }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
};

TEST_F(ProgramNotices, MessageZeroUntilNamedThenEachCodeWithItsRecord) {
  TProgram program(Window(1));
  PBInstance instance;
  NotifyDesigner(program, kNoticeScriptGenerated);
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].message, 0u);
  EXPECT_EQ(g_sent[0].window, Window(1));

  EXPECT_EQ(SetNotificationMessage(2025), 2025u);
  g_sent.clear();
  ProgramNotifier notifier;
  SetPBNotifier(&notifier);
  CurrentPBNotifier().PageListChanged(2);
  CurrentPBNotifier().VavurOrezoChanged(instance);
  NotifyVavurOrezoInterface(program, instance);
  NotifyLibraryInterfaceChanged(program);
  PostProgramNotice(program);
  ASSERT_EQ(g_sent.size(), 5u);
  for (const Sent& s : g_sent) EXPECT_EQ(s.message, 2025u);
  EXPECT_EQ(g_sent[0].code, 6u);
  EXPECT_EQ(g_sent[0].record.Program, &program);
  EXPECT_EQ(g_sent[0].record.Value, 2);
  EXPECT_EQ(g_sent[1].code, 8u);
  EXPECT_EQ(g_sent[1].record.Object, &instance);
  EXPECT_EQ(g_sent[2].code, 1u);
  EXPECT_EQ(g_sent[2].record.Object, &instance);
  EXPECT_EQ(g_sent[3].code, 11u);
  EXPECT_EQ(g_sent[3].record.Value, 1);
  EXPECT_EQ(g_sent[4].code, 7u);
  EXPECT_TRUE(g_sent[4].posted);
  EXPECT_EQ(g_sent[4].lParam, reinterpret_cast<std::intptr_t>(&program));
}

TEST_F(ProgramNotices, AResolvedPendingGotoTellsTheDesignerWhichVavurOrezoChanged) {
  SetNotificationMessage(2025);
  TProgram program(Window(2));
  PBInstance* first = program.AddVavurOrezo(134, "First", "", nullptr);
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(program.ConnectGoto(first, "Later", 0), 1);
  g_sent.clear();
  ASSERT_NE(program.AddVavurOrezo(134, "Later", "", nullptr), nullptr);
  bool told = false;
  for (const Sent& s : g_sent) told |= s.code == 1 && s.record.Object == first && s.record.Program == &program;
  EXPECT_TRUE(told);
}

// Deleting or renaming an End Block changes its page's exits: the page list is announced
// once, and every VavurOrezo that calls the page hears that its exits changed.
TEST_F(ProgramNotices, EndBlockChangesReachThePageListAndEveryCaller) {
  SetNotificationMessage(2025);
  TProgram program(Window(5));
  ProgramNotifier notifier;
  SetPBNotifier(&notifier);
  Symbol* main = nullptr;
  Symbol* billing = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&main, "Main", kTypeSuperBlock, 1, 1, 1, false), 0);
  ASSERT_EQ(program.AddNamedSymbol(&billing, "Billing", kTypeSuperBlock, 1, 1, 1, false), 0);
  program.SetCurrentPage(billing);
  PBInstance* done = program.AddVavurOrezo(181, "Done", "", nullptr);
  ASSERT_NE(done, nullptr);
  program.SetCurrentPage(main);
  PBInstance* first = program.AddVavurOrezo(-101, "CallOne", "Billing", nullptr);
  PBInstance* second = program.AddVavurOrezo(-101, "CallTwo", "Billing", nullptr);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  auto count = [](std::uintptr_t code) {
    int n = 0;
    for (const Sent& s : g_sent) n += s.message == 2025 && s.code == code ? 1 : 0;
    return n;
  };
  for (int step = 0; step < 2; ++step) {
    g_sent.clear();
    if (step == 0) {
      ASSERT_EQ(program.RenameVavurOrezo(done, "Finished"), 0);
    } else {
      ASSERT_EQ(program.DeleteVavurOrezo(done), 0);
    }
    EXPECT_EQ(count(6), 1) << step;
    EXPECT_EQ(count(1), 2) << step;
  }
}

std::vector<HWND> g_alive;
std::vector<HWND> g_fronted;

TEST_F(ProgramNotices, FaxEditorsAreClosedWithTheirProgramAndHearIdleTime) {
  g_alive = {Window(10), Window(11)};
  g_fronted.clear();
  SetFaxEditorWindows({[](HWND w) { return std::find(g_alive.begin(), g_alive.end(), w) != g_alive.end(); },
                       [](HWND w) { g_fronted.push_back(w); }});
  auto sales = std::make_unique<TProgram>(Window(3));
  Symbol item{};
  std::strcpy(item.Name, "Sales$Offer");
  FaxEditorData* data = OpenGFaxEditor(*sales, &item);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Program, sales.get());
  EXPECT_EQ(OpenGFaxEditor(*sales, &item), data);   // made once
  RegisterFaxEditor(data, Window(10), &item);
  EXPECT_EQ(FaxEditorPage(data), "Sales");

  TProgram other(Window(4));
  Symbol otherItem{};
  std::strcpy(otherItem.Name, "Cover");
  FaxEditorData* otherData = OpenGFaxEditor(other, &otherItem);
  RegisterFaxEditor(otherData, Window(11), &otherItem);
  EXPECT_EQ(FaxEditorPage(otherData), "Main");

  OpenGFaxEditor(*sales, &item);   // open already: its window comes to the front
  EXPECT_EQ(g_fronted, std::vector<HWND>{Window(10)});

  g_sent.clear();
  FaxEditorsIdle(42);
  ASSERT_EQ(g_sent.size(), 2u);
  EXPECT_EQ(g_sent[0].message, kMsgFaxEditorIdle);
  EXPECT_EQ(g_sent[0].lParam, 42);

  g_sent.clear();
  sales.reset();   // closing the program closes its editors only
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].window, Window(10));
  EXPECT_EQ(g_sent[0].message, kMsgCloseFaxEditor);

  g_alive = {Window(11)};   // the first editor's window is gone: dropped on the next open
  EXPECT_EQ(FaxEditorCount(), 2);
  OpenGFaxEditor(other, &otherItem);
  EXPECT_EQ(FaxEditorCount(), 1);
  // An item freed while its editor is listed takes its entry along: no message reaches
  // freed data.
  otherItem.Data.reset();
  EXPECT_EQ(FaxEditorCount(), 0);
  g_sent.clear();
  FaxEditorsIdle(1);
  EXPECT_TRUE(g_sent.empty());
}

}  // namespace
}  // namespace zeph
