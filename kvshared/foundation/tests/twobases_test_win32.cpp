// The designer links the foundation's dialog base and has a dialog base of its own in its
// own namespace. Both must live in one program: same short name, each with its response
// table, each running its dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "dialog_fixture.h"
#include "foundation/kvbasedlg.h"
#include "foundation/kvscrpres.h"
#include "owl/dialog.h"
#include "owl/testing/dialog_driver.h"

namespace desk {

// A dialog base of the designer's kind: its own class of the same short name, with a
// response table of its own.
class TBaseDialog : public ::TDialog {
public:
    TBaseDialog(TWindow* parent, TResId resId, TModule* module) : TDialog(parent, std::move(resId), module) {}
    void CmHelp() { ++helpCalls; }
    int helpCalls = 0;

    DECLARE_RESPONSE_TABLE(TBaseDialog);
};

DEFINE_RESPONSE_TABLE(desk::TBaseDialog, ::TDialog)
    EV_COMMAND(9, CmHelp),
END_RESPONSE_TABLE;

}  // namespace desk

namespace {

constexpr const char* kTemplate = "ULVO_LS_MSG";

TEST(TwoDialogBases, BothRunTheirDialogsInOneProgram)
{
    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scope{presenter};
    TestProgramModules modules(&TestProgramModule(), &PaneModule());

    ::TBaseDialog foundation(nullptr, kTemplate, &PaneModule());
    std::string first;
    {
        DialogDriver driver([&](HWND window) {
            first = ControlText(window, IDOK);
            PostClick(window, IDOK);
        });
        EXPECT_EQ(foundation.Execute(), IDOK);
        EXPECT_TRUE(driver.Ran());
    }

    desk::TBaseDialog designer(nullptr, kTemplate, &PaneModule());
    std::string second;
    {
        DialogDriver driver([&](HWND window) {
            second = ControlText(window, IDOK);
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), 0);
            PostClick(window, IDCANCEL);
        });
        EXPECT_EQ(designer.Execute(), IDCANCEL);
        EXPECT_TRUE(driver.Ran());
    }
    EXPECT_EQ(designer.helpCalls, 1);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, second);   // the same template, run through each base
    EXPECT_TRUE(presenter.Boxes().empty());
}

}  // namespace
