// Modules: loading a library by name, its strings and resources, running a dialog.
#include <gtest/gtest.h>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

TEST(Module, LoadsALibraryByNameAndReadsItsStrings) {
  TModule pane("owltestpane.dll");
  ASSERT_EQ(pane.Status, 0);
  EXPECT_STREQ(pane.GetName(), "owltestpane.dll");
  EXPECT_EQ(pane.LoadString(IDS_SECOND), "Second string");
  char buf[64];
  EXPECT_EQ(pane.LoadString(IDS_FIRST, buf, sizeof buf), 12);
  EXPECT_STREQ(buf, "First string");
  EXPECT_EQ(pane.LoadString(IDS_FIRST, buf, 6), 5);  // cut to fit, with the zero
  EXPECT_STREQ(buf, "First");
  EXPECT_EQ(pane.LoadString(999, buf, sizeof buf), 0);
  EXPECT_EQ(pane.LoadString(999), "");
  EXPECT_NE(pane.FindResource("TESTDIALOG", MAKEINTRESOURCEA(5)), nullptr);
  EXPECT_EQ(pane.FindResource("NO_SUCH", MAKEINTRESOURCEA(5)), nullptr);
}

TEST(Module, AMissingLibraryReportsAStatus) {
  TModule missing("no_such_library_here.dll");
  EXPECT_NE(missing.Status, 0);
  EXPECT_EQ(missing.GetHandle(), nullptr);
  EXPECT_EQ(missing.LoadString(IDS_FIRST), "");
}

TEST(Module, WrapsAModuleAlreadyLoaded) {
  TModule loaded("owltestpane.dll");
  TModule found("owltestpane.dll", false);
  EXPECT_EQ(found.Status, 0);
  EXPECT_EQ(found.GetHandle(), loaded.GetHandle());
  TModule program("program", ::GetModuleHandleA(nullptr), "-x");
  EXPECT_EQ(program.LoadString(IDS_EXE), "Program string");
  EXPECT_STREQ(program.GetCmdLine(), "-x");
}

TEST(Module, ExecDialogRunsAndDeletesTheDialog) {
  ModalGuard guard;
  static bool deleted;
  deleted = false;
  struct TClosingDialog : TDialog {
    TClosingDialog() : TDialog(nullptr, "PATHDIALOG", &TestPane()) {}
    ~TClosingDialog() override { deleted = true; }
    void SetupWindow() override {
      TDialog::SetupWindow();
      PostMessage(WM_COMMAND, IDCANCEL);
    }
  };
  EXPECT_EQ(TestPane().ExecDialog(new TClosingDialog), IDCANCEL);
  EXPECT_TRUE(deleted);
}

TEST(Module, ADialogMayTakeItsTemplateFromAnotherModuleBeforeItRuns) {
  // As a dialog base does when the template is not in the module it was given.
  ModalGuard guard;
  struct TMovedDialog : TDialog {
    TMovedDialog() : TDialog(nullptr, "PATHDIALOG", &TestProgram()) {}
    void SetupWindow() override {
      TDialog::SetupWindow();
      PostMessage(WM_COMMAND, IDOK);
    }
  } dialog;
  EXPECT_EQ(TestProgram().FindResource("PATHDIALOG", MAKEINTRESOURCEA(5)), nullptr);
  dialog.SetModule(&TestPane());
  EXPECT_EQ(dialog.GetModule(), &TestPane());
  EXPECT_EQ(dialog.Execute(), IDOK);
}

}  // namespace
