// The page dialogs' host over real page windows in an MDI frame: a page's windows close
// before the page goes and none is left on it, and a program whose only windows show
// that page keeps a window (its main page), so that the program lives on.
#include <windows.h>

#include "owl/testing/dialog_driver.h"
#include "pagewindows_fixture.h"
#include "shell/dialogs/editwindowshost.h"

namespace {

using EditWindowsHostTest = PageWindowsFixture;

TEST_F(EditWindowsHostTest, ADeletedPageLeavesNoWindow)
{
    windows->CreateEditWindow(*opened, openedMain);
    windows->CreateEditWindow(*opened, superBlock);
    windows->CreateEditWindow(*opened, superBlock);
    EditWindowsHost pages(*windows, nullptr);
    pages.ClosePageWindows(*opened, superBlock);
    // Off the list at once, before the page is removed.
    EXPECT_EQ(WindowsOf(superBlock), 0u);
    EXPECT_EQ(windows->Windows().size(), 1u);
    opened->RemovePage(superBlock);
    PumpPending();
    ASSERT_EQ(windows->Windows().size(), 1u);
    EXPECT_EQ(windows->Windows().front()->GetPage(), openedMain);
    EXPECT_EQ(opened->PageWindows(), 1);
    EXPECT_EQ(services.closedApplications, 0);
}

TEST_F(EditWindowsHostTest, TheProgramKeepsAWindowWhenOnlyThePagesWindowsShowedIt)
{
    windows->CreateEditWindow(*opened, superBlock);
    EditWindowsHost pages(*windows, nullptr);
    pages.ClosePageWindows(*opened, superBlock);
    ASSERT_EQ(windows->Windows().size(), 1u);
    EXPECT_EQ(windows->Windows().front()->GetPage(), openedMain);
    // The program is alive: its page can be removed and its windows still count.
    opened->RemovePage(superBlock);
    PumpPending();
    EXPECT_EQ(opened->PageWindows(), 1);
    EXPECT_EQ(opened->FindPage("Sub"), nullptr);
    EXPECT_EQ(services.closedApplications, 0);
}

TEST_F(EditWindowsHostTest, ShowingAPageBringsItsWindowOrOpensOne)
{
    windows->CreateEditWindow(*opened, openedMain);
    EditWindowsHost pages(*windows, nullptr);
    pages.ShowPageWindow(*opened, superBlock);
    EXPECT_EQ(WindowsOf(superBlock), 1u);
    pages.ShowPageWindow(*opened, openedMain);
    EXPECT_EQ(windows->Windows().size(), 2u);
    EXPECT_EQ(pages.ActivePage(), openedMain);
}

}  // namespace
