// The variable set-up dialogs run from their templates in the dialog resource library.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "foundation/kvscrpres.h"
#include "foundation/tests/dialog_fixture.h"
#include "model/datatypes.h"
#include "model/predef_structs.h"
#include "model/program/setupdlg.h"
#include "modeltest_util.h"
#include "owl/testing/dialog_driver.h"

namespace zeph {
namespace {

class SetupDialogTest : public ::testing::Test {
 protected:
  SetupDialogTest() { t.Structures().First = PredefinedStructHead(); }
  static std::string Caption(HWND window) {
    char text[128] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
  }
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
};

TEST_F(SetupDialogTest, AMembersValueIsTypedAndWrittenAtItsOffset) {
  StructDef* rec = test::AddStructure(t, "RecT", {{"Count", kTypeInteger}, {"Total", kTypeInteger}});
  Symbol* r = test::AddVariable(t, "Rec", rec->TypeNum);
  TSetup dialog(nullptr, r, "Total", &PaneModule(), &t);
  std::string caption;
  DialogDriver driver([&](HWND window) {
    caption = Caption(window);
    ::SetDlgItemTextA(window, 386, "7");
    PostClick(window, IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(caption, "Setup variable Rec.Total");
  EXPECT_EQ(VariableSetup(r, "Total", &t).CurrentText(), "'7");
  EXPECT_EQ(VariableSetup(r, "Count", &t).CurrentText(), "'0");
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(SetupDialogTest, AValueThatDoesNotParseKeepsTheDialogOpen) {
  Symbol* count = test::AddVariable(t, "Count", kTypeInteger);
  TSetup dialog(nullptr, count, nullptr, &PaneModule(), &t);
  DialogDriver driver([&](HWND window) {
    ::SetDlgItemTextA(window, 386, "many");
    PostClick(window, IDOK);       // refused: the dialog stays
    PostClick(window, IDCANCEL);
  });
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
  EXPECT_FALSE(VariableSetup(count, nullptr, &t).HasStorage());
}

TEST_F(SetupDialogTest, YesOrNoStartsAtNoAndStoresOne) {
  Symbol* flag = test::AddVariable(t, "Flag", kTypeSmallInteger);
  TSetupBoolean dialog(nullptr, flag, nullptr, &PaneModule(), &t);
  UINT on = 9, off = 9;
  std::string caption;
  DialogDriver driver([&](HWND window) {
    caption = Caption(window);
    on = ::IsDlgButtonChecked(window, 701);
    off = ::IsDlgButtonChecked(window, 702);
    ::CheckRadioButton(window, 701, 702, 701);
    PostClick(window, IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(caption, "Setup variable Flag");
  EXPECT_EQ(on, static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(off, static_cast<UINT>(BST_CHECKED));
  EXPECT_TRUE(VariableSetup(flag, nullptr, &t).CurrentFlag());
}

}  // namespace
}  // namespace zeph
