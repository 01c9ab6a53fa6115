// The editor-window, idle, definition-set and table exports.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/defset.h"
#include "model/interface/library.h"
#include "model/pbentry_combo.h"
#include "model/program/faxeditors.h"
#include "model/program/notify.h"
#include "model/program/program.h"

namespace zeph {
namespace {

struct Sent {
  HWND window;
  unsigned message;
  std::uintptr_t code;
  std::intptr_t lParam;
  std::string page;
  TProgram* program;
};
std::vector<Sent> g_sent;

void Record(HWND window, unsigned message, std::uintptr_t code, std::intptr_t lParam, bool) {
  Sent s{window, message, code, lParam, {}, nullptr};
  if (code == 10 && message == 2025) {
    const auto* record = reinterpret_cast<const VlxMainPageRecord*>(lParam);
    s.page = record->PageName;
    s.program = record->Program;
  }
  g_sent.push_back(s);
}

HWND Window(int n) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x2000 + n)); }

class VlxRows : public ::testing::Test {
 protected:
  VlxRows() {
    SetDialogModuleLoader(&test::FakeDialogModule);
    EnsureLibraryStarted();
    SetWindowMessageSender(&Record);
    SetFaxEditorWindows({[](HWND) { return true; }, [](HWND) {}});
    vlxSetNotificationMessage(2025);
    program = vlxAddProgram(Window(1), 0);
    g_sent.clear();
  }
  ~VlxRows() override {
    vlxRemoveProgram(program);
    ClearFaxEditors();
    SetFaxEditorWindows({});
    SetWindowMessageSender(nullptr);
    vlxSetNotificationMessage(0);
    SetDialogModuleLoader(nullptr);
  }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  vlxHandleType program = nullptr;
};

TEST_F(VlxRows, TheServerVersionChoosesTheDefinitionSet) {
  struct Case {
    const char* server;
    int mode;
    float version;
  };
  const Case cases[] = {
      {"1.07", 2, 6.07f}, {"1.06", 2, 5.06f}, {"1.0", 2, 5.06f},
      {"2.01", 1, DefinitionVersion()}, {"3.1", 1, 0}, {"", 1, 0},
  };
  vlxUpdateVavurorezoDefinitions("");
  const float current = DefinitionVersion();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.server);
    vlxUpdateVavurorezoDefinitions(c.server);
    EXPECT_EQ(DefinitionMode(), c.mode);
    EXPECT_FLOAT_EQ(DefinitionVersion(), c.mode == 1 ? current : c.version);
  }
  vlxUpdateVavurorezoDefinitions(nullptr);
  EXPECT_EQ(DefinitionMode(), 1);
}

TEST_F(VlxRows, AnEditorOffTheShownProgramOrPageAsksForItsPage) {
  vlxActivatePage(vlxCreatePage("Main", 1, 0));
  Symbol item{};
  std::strcpy(item.Name, "Billing$Cover");
  TProgram& owner = *static_cast<TProgram*>(program);
  RegisterFaxEditor(OpenGFaxEditor(owner, &item), Window(10), &item);
  Symbol mainItem{};
  std::strcpy(mainItem.Name, "Cover");
  RegisterFaxEditor(OpenGFaxEditor(owner, &mainItem), Window(11), &mainItem);
  g_sent.clear();

  EXPECT_EQ(vlxActivateMainPage(Window(11)), 0);   // its program and page are shown
  EXPECT_TRUE(g_sent.empty());
  EXPECT_EQ(vlxActivateMainPage(Window(10)), 0);
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].window, Window(1));
  EXPECT_EQ(g_sent[0].code, 10u);
  EXPECT_EQ(g_sent[0].program, program);
  EXPECT_EQ(g_sent[0].page, "Billing");

  vlxHandleType other = vlxAddProgram(Window(2), 0);   // now the shown program
  g_sent.clear();
  vlxActivateMainPage(Window(11));
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].page, "Main");
  EXPECT_EQ(g_sent[0].program, program);

  g_sent.clear();
  EXPECT_EQ(vlxIdleAction(7), 0);
  ASSERT_EQ(g_sent.size(), 2u);
  EXPECT_EQ(g_sent[0].message, kMsgFaxEditorIdle);
  EXPECT_EQ(g_sent[0].lParam, 7);
  g_sent.clear();
  EXPECT_TRUE(vlxCloseGFaxEditor(other));   // none of its own
  EXPECT_TRUE(g_sent.empty());
  EXPECT_TRUE(vlxCloseGFaxEditor(program));
  EXPECT_EQ(g_sent.size(), 2u);
  int notAProgram = 0;
  EXPECT_FALSE(vlxCloseGFaxEditor(&notAProgram));
  vlxRemoveProgram(other);
}

TEST_F(VlxRows, VoiceItemRenamesMapTheRefusals) {
  vlxActivatePage(vlxCreatePage("Main", 1, 0));
  ASSERT_EQ(vlxAddVariable("Greeting", kTypeFaxDocument, 1, 0, 1, 0), 0);
  auto* item = static_cast<Symbol*>(vlxFindSymbol("Greeting"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(vlxRenameVoiceFaxItem(item, "Welcome"), 0);
  EXPECT_STREQ(item->Name, "Welcome");
  EXPECT_EQ(vlxRenameVoiceFaxItem(item, "VMenu"), -1);   // a reserved word, shown
  EXPECT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_STREQ(item->Name, "Welcome");
}

TEST_F(VlxRows, PasteModeAndComboTablesAreKept) {
  vlxSetupPasteSuperVerBlock(3);
  EXPECT_EQ(static_cast<TProgram*>(program)->SuperBlockPasteMode, 3);
  auto* tables = reinterpret_cast<ComboStruct*>(&g_sent);
  vlxSetupComboString(2, tables, nullptr, tables, nullptr, tables);
  EXPECT_EQ(ComboStrings().Mode, 2);
  EXPECT_EQ(ComboStrings().Tables[2], tables);
  EXPECT_EQ(ComboStrings().Tables[3], nullptr);
  vlxSetupComboString(0, nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace
}  // namespace zeph
