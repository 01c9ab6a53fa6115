// The model interface's notices reach a real window of the designer: message 0 until the
// designer names its message, then each code with its record during the send; idle time
// and the program's end reach its fax editors.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/interface/library.h"
#include "model/program/faxeditors.h"
#include "model/program/notify.h"
#include "model/program/program.h"

namespace zeph {
namespace {

struct Heard {
  UINT message;
  WPARAM code;
  LPARAM lParam;
  TProgram* program;
  PBInstance* object;
  std::int16_t value;
  std::string page;
};
std::vector<Heard> g_heard;

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == 0 || message == 2025 || message == kMsgFaxEditorIdle || message == kMsgCloseFaxEditor) {
    Heard h{message, wParam, lParam, nullptr, nullptr, 0, {}};
    if ((message == 0 || message == 2025) && lParam != 0) {
      if (wParam == 10) {
        const auto* record = reinterpret_cast<const VlxMainPageRecord*>(lParam);
        h.program = record->Program;
        h.page = record->PageName;
      } else if (wParam == 1 || wParam == 6 || wParam == 8) {
        const auto* record = reinterpret_cast<const VlxNotifyRecord*>(lParam);
        h.program = record->Program;
        h.object = record->Object;
        h.value = record->Value;
      }
    }
    g_heard.push_back(h);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeDesignerWindow() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Listen;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZephInterfaceListener";
    return ::RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return ::CreateWindowA("ZephInterfaceListener", "designer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         ::GetModuleHandleA(nullptr), nullptr);
}

std::vector<Heard> HeardCode(WPARAM code) {
  std::vector<Heard> out;
  for (const Heard& h : g_heard) {
    if (h.message == 2025 && h.code == code) out.push_back(h);
  }
  return out;
}

TEST(VlxWindow, TheDesignersWindowHearsEachCodeWithItsRecord) {
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  SetDialogModuleLoader(&test::FakeDialogModule);
  EnsureLibraryStarted();
  vlxSetNotificationMessage(0);
  HWND window = MakeDesignerWindow();
  ASSERT_NE(window, nullptr);
  g_heard.clear();
  vlxHandleType program = vlxAddProgram(window, 0);
  auto* self = static_cast<TProgram*>(program);
  vlxHandleType main = vlxCreatePage("Main", 1, 0);
  vlxHandleType billing = vlxCreatePage("Billing", 1, 0);
  ASSERT_FALSE(g_heard.empty());
  EXPECT_EQ(g_heard.back().message, 0u);   // not named yet
  EXPECT_EQ(g_heard.back().code, 6u);

  EXPECT_EQ(vlxSetNotificationMessage(2025), 2025u);
  g_heard.clear();
  vlxCreatePage("Check", 2, 0);
  ASSERT_EQ(HeardCode(6).size(), 1u);
  EXPECT_EQ(HeardCode(6)[0].program, self);
  EXPECT_EQ(HeardCode(6)[0].value, 2);

  // An End Block renamed on a page: the page list once, and each caller hears of its exits.
  int refused = 0;
  vlxActivatePage(billing);
  vlxHandleType done = vlxCreateVavurOrezo(181, "Done", refused, "");
  ASSERT_NE(done, nullptr);
  vlxActivatePage(main);
  vlxHandleType call = vlxCreateVavurOrezo(-101, "Pay", refused, "Billing");
  ASSERT_NE(call, nullptr);
  g_heard.clear();
  ASSERT_EQ(vlxRenameVavurOrezo(done, "Finished", refused), 0);
  ASSERT_EQ(HeardCode(1).size(), 1u);
  EXPECT_EQ(HeardCode(1)[0].program, self);
  EXPECT_EQ(HeardCode(1)[0].object, call);
  EXPECT_EQ(HeardCode(6).size(), 1u);

  g_heard.clear();
  CurrentPBNotifier().VavurOrezoChanged(*static_cast<PBInstance*>(call));
  ASSERT_EQ(HeardCode(8).size(), 1u);
  EXPECT_EQ(HeardCode(8)[0].object, call);
  EXPECT_EQ(HeardCode(8)[0].program, self);

  // A fax editor on another page asks for its page; it hears idle time and the program's end.
  HWND editor = MakeDesignerWindow();
  Symbol item{};
  std::strcpy(item.Name, "Billing$Cover");
  RegisterFaxEditor(OpenGFaxEditor(*self, &item), editor, &item);
  g_heard.clear();
  EXPECT_EQ(vlxActivateMainPage(editor), 0);
  ASSERT_EQ(HeardCode(10).size(), 1u);
  EXPECT_EQ(HeardCode(10)[0].program, self);
  EXPECT_EQ(HeardCode(10)[0].page, "Billing");
  g_heard.clear();
  vlxIdleAction(42);
  ASSERT_EQ(g_heard.size(), 1u);
  EXPECT_EQ(g_heard[0].message, kMsgFaxEditorIdle);
  EXPECT_EQ(g_heard[0].lParam, 42);
  g_heard.clear();
  vlxRemoveProgram(program);
  ASSERT_FALSE(g_heard.empty());
  EXPECT_EQ(g_heard[0].message, kMsgCloseFaxEditor);
  item.Data.reset();
  ClearFaxEditors();
  ::DestroyWindow(editor);
  ::DestroyWindow(window);
  vlxSetNotificationMessage(0);
  SetDialogModuleLoader(nullptr);
}

}  // namespace
}  // namespace zeph
