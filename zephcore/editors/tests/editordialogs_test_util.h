#pragma once
// The editors' dialog tests under Wine: a current program with the dialog resource
// library, the picker's commands installed, modal runs through the dialog driver, nested
// dialogs opened by a command, and list and control helpers.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editors/win32/varpickcommands.h"
#include "foundation/tests/dialog_fixture.h"
#include "foundation/tests/fault_capture.h"
#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/program/program.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "programfile/clipboard/clipboard.h"

namespace zeph::test {

constexpr int kTypeBooleanCode = 53;

class EditorDialogsTest : public ::testing::Test {
 protected:
  EditorDialogsTest() {
    TheCatalogue();
    Symbol* main = nullptr;
    EXPECT_EQ(program.AddNamedSymbol(&main, "Main", kTypeSuperBlock, 1, 1, 1, false), 0);
    program.SetCurrentPage(main);
    InstallVariableCommands();
  }
  ~EditorDialogsTest() override {
    TVarPick::SetCommandHandler(nullptr);
    TVarPick::SetMemberChooser(nullptr);
    SetVariableSetupOpener(nullptr);
    TheClipboard().Empty();
  }
  void SetUp() override { ASSERT_EQ(PaneModule().Status, 0); }

  Symbol* Var(const char* name, int type, int size = 1, int count = 0) {
    Symbol* s = nullptr;
    EXPECT_EQ(program.AddNamedSymbol(&s, name, type, size, 1, 0, false), 0) << name;
    if (s != nullptr && count > 1) s->ArraySize = static_cast<std::int16_t>(count);
    return s;
  }
  template <class Dialog>
  int Run(Dialog& dialog, const DialogDriver::Step& step) {
    DialogDriver driver(step);
    const int result = dialog.Execute();
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }
  // Sends a command button's click to the dialog; a dialog it opens gets the step.
  static void Command(HWND dialog, int id, const DialogDriver::Step& inner = nullptr) {
    HWND button = ::GetDlgItem(dialog, id);
    if (!inner) {
      ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
      return;
    }
    bool ran = false;
    DialogDriver driver([&](HWND shown) {
      HWND nested = shown;
      if (nested == dialog) PumpUntil([&] { nested = ::GetActiveWindow(); return nested != dialog && nested != nullptr; });
      ran = nested != dialog;
      inner(nested);
    });
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    EXPECT_TRUE(ran) << id;
  }
  static void Select(HWND dialog, int listId, const char* prefix) {
    HWND box = ::GetDlgItem(dialog, listId);
    const LRESULT at = ::SendMessageA(box, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
    ASSERT_GE(at, 0) << prefix;
    ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  }
  static bool Listed(HWND dialog, const char* prefix) {
    return ::SendMessageA(::GetDlgItem(dialog, kPickList), LB_FINDSTRING, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(prefix)) >= 0;
  }
  static std::string Caption(HWND window) {
    char text[MAX_PATH + 64] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
  }
  static std::string Text(HWND dialog, int id) { return ControlText(dialog, id); }
  static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
  static void SetText(HWND dialog, int id, const char* text) { ::SetDlgItemTextA(dialog, id, text); }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : faults.presenter.Boxes()) out.push_back(b.text);
    return out;
  }

  FaultCapture faults;
  TestProgramModules modules{&TestProgramModule(), &PaneModule()};
  TProgram program{nullptr, nullptr};
};

}  // namespace zeph::test
