#pragma once
// Pieces of the form tests under Wine: a current program with the dialog resource
// library, the forms registered, runs of modal forms through the dialog driver, and
// comparing parameter areas.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "foundation/tests/dialog_fixture.h"
#include "foundation/tests/fault_capture.h"
#include "forms/win32/formregistry.h"
#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/predef_structs.h"
#include "model/program/program.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"

namespace zeph::test {

class FormWindowFixture : public ::testing::Test {
 protected:
  FormWindowFixture() { RegisterPropertyForms(); }
  void SetUp() override { ASSERT_EQ(PaneModule().Status, 0); }

  // Runs a modal dialog; the step gets its window. Answers the dialog's result.
  template <class Dialog>
  int Run(Dialog& dialog, const DialogDriver::Step& step) {
    DialogDriver driver(step);
    const int result = dialog.Execute();
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }

  static std::string Text(HWND dialog, int id) { return ControlText(dialog, id); }
  static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
  static bool Visible(HWND dialog, int id) { return (::GetWindowLongA(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }
  static void SetText(HWND dialog, int id, const char* text) { ::SetDlgItemTextA(dialog, id, text); }

  FaultCapture faults;
  TestProgramModules modules{&TestProgramModule(), &PaneModule()};
  TProgram program{nullptr, nullptr};
  SymbolTable& t = program.Symbols();
};

// Clicks a form's button that runs a dialog of its own (a key-definition dialog) and runs
// the step on that dialog.
inline void RunButtonDialog(HWND form, int button, const std::function<void(HWND)>& step) {
  bool ran = false;
  DialogDriver inner([&](HWND shown) {
    HWND keys = shown;
    if (keys == form) PumpUntil([&] { keys = ::GetActiveWindow(); return keys != form && keys != nullptr; });
    ran = keys != form;
    step(keys);
  });
  ::SendMessageA(::GetDlgItem(form, button), BM_CLICK, 0, 0);
  EXPECT_TRUE(ran);
}

// Whether two parameter areas hold the same bytes and the same slot values (an empty slot
// equals a missing one).
inline ::testing::AssertionResult SameArea(const PBParameterArea& a, const PBParameterArea& b) {
  for (int i = 0; i < kParameterAreaSize; ++i) {
    if (a.Bytes()[i] != b.Bytes()[i]) return ::testing::AssertionFailure() << "byte " << i;
  }
  auto same = [](const SymP* x, const SymP* y) {
    const bool ex = x == nullptr || (x->S == nullptr && !x->HasConst());
    const bool ey = y == nullptr || (y->S == nullptr && !y->HasConst());
    if (ex || ey) return ex == ey;
    return x->S == y->S && x->StructMemNum == y->StructMemNum && x->ConstPtr == y->ConstPtr &&
           x->ConstType == y->ConstType && x->Struct2MemNum == y->Struct2MemNum &&
           (x->ArrayIndex != nullptr) == (y->ArrayIndex != nullptr);
  };
  auto& sa = const_cast<PBParameterArea&>(a).Slots();
  auto& sb = const_cast<PBParameterArea&>(b).Slots();
  for (const auto& [offset, slot] : sa) {
    if (!same(&slot, const_cast<PBParameterArea&>(b).FindSlot(offset))) return ::testing::AssertionFailure() << "slot " << offset;
  }
  for (const auto& [offset, slot] : sb) {
    if (!same(&slot, const_cast<PBParameterArea&>(a).FindSlot(offset))) return ::testing::AssertionFailure() << "slot " << offset;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace zeph::test
