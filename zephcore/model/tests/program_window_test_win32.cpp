// The model's notices reach a real window of the designer: sent notices with their records
// during the send, the program notice (7) posted, and fax editors' close messages.
#include <gtest/gtest.h>

#include "program_testutil.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/pbcat.h"
#include "model/program/faxeditors.h"
#include "model/program/notify.h"
#include "model/program/program.h"
#include "owl/testing/dialog_driver.h"

namespace zeph {
namespace {

struct Heard {
  UINT message;
  WPARAM code;
  TProgram* program;
  std::int16_t value;
};
std::vector<Heard> g_heard;
constexpr UINT kNoticeMessage = 2025;

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kNoticeMessage || message == kMsgVavurOrezoChanged || message == kMsgCloseFaxEditor) {
    Heard h{message, wParam, nullptr, 0};
    if (message == kNoticeMessage && lParam != 0 && (wParam == 6 || wParam == 8 || wParam == 1)) {
      const auto* record = reinterpret_cast<const VlxNotifyRecord*>(lParam);
      h.program = record->Program;
      h.value = record->Value;
    } else if (message == kNoticeMessage && wParam == kNoticeProgram) {
      h.program = reinterpret_cast<TProgram*>(lParam);
    }
    g_heard.push_back(h);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeListener() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Listen;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZephModelListener";
    return ::RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return ::CreateWindowA("ZephModelListener", "designer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         ::GetModuleHandleA(nullptr), nullptr);
}


TEST(ProgramWindow, TheDesignersWindowHearsTheModelsNotices) {
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  TheCatalogue();
  SetDialogModuleLoader(&test::FakeDialogModule);
  SetNotificationMessage(kNoticeMessage);
  g_heard.clear();
  HWND window = MakeListener();
  ASSERT_NE(window, nullptr);
  {
    TProgram program(window);
    Symbol* page = nullptr;
    ASSERT_EQ(program.AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 0, false), 0);   // code 6
    ASSERT_NE(program.AddVavurOrezo(134, "Wait", "", nullptr), nullptr);                    // 2029
    PBInstance instance;
    CurrentPBNotifier().VavurOrezoChanged(instance);                                           // code 8
    PostProgramNotice(program);                                                               // code 7, posted
    EXPECT_EQ(g_heard.size(), 3u);   // the posted one waits for the message loop
    PumpPending();
    ASSERT_EQ(g_heard.size(), 4u);
    EXPECT_EQ(g_heard[0].code, 6u);
    EXPECT_EQ(g_heard[0].program, &program);
    EXPECT_EQ(g_heard[0].value, 1);
    EXPECT_EQ(g_heard[1].message, kMsgVavurOrezoChanged);
    EXPECT_EQ(g_heard[2].code, 8u);
    EXPECT_EQ(g_heard[2].program, &program);
    EXPECT_EQ(g_heard[3].code, 7u);
    EXPECT_EQ(g_heard[3].program, &program);

    Symbol item{};
    std::strcpy(item.Name, "Offer");
    RegisterFaxEditor(OpenGFaxEditor(program, &item), window, &item);
    g_heard.clear();
    CloseGFaxEditors(program);
    ASSERT_EQ(g_heard.size(), 1u);
    EXPECT_EQ(g_heard[0].message, kMsgCloseFaxEditor);
    item.Data.reset();
  }
  ::DestroyWindow(window);
  SetNotificationMessage(0);
  SetPBNotifier(nullptr);
  SetDialogModuleLoader(nullptr);
}

}  // namespace
}  // namespace zeph
