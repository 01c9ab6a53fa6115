// The Find VavurOrezo dialog over a real model program: the first search, a search on one
// page and the block it asks the frame to show, the history in its combo box, the dialog
// kept between uses, and the beep and close without a page window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "findprogram_fixture.h"
#include "framework/kvbeep.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/dialogs/basedialog.h"
#include "shell/dialogs/findpbdialog.h"
#include "shell/dialogs/pbsearchinfo.h"

namespace {

// The Find dialog lives as long as the process and keeps the module it was made with.
TModule& ProcessModule()
{
    static TModule module{"shell_tests", ::GetModuleHandleA(nullptr)};
    return module;
}

std::vector<LocateBlockRecord> g_shown;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMsgShowBlock) {
        g_shown.push_back(*reinterpret_cast<const LocateBlockRecord*>(lParam));
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::vector<std::string> Lines(HWND dialog, int id)
{
    std::vector<std::string> lines;
    const LRESULT count = ::SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char line[256] = "";
        ::SendDlgItemMessageA(dialog, id, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(line));
        lines.emplace_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

void Command(HWND dialog, int id, int code = BN_CLICKED)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void ClickRadio(HWND dialog, int first, int last, int id)
{
    ::CheckRadioButton(dialog, first, last, id);
    Command(dialog, id);
}

class FindPBDialogTest : public FindProgramTest {
protected:
    FindPBDialogTest()
    {
        desk::SetDialogModules(&ProcessModule(), nullptr);
        SearchInfo() = TPBSearchInfo{};
        g_shown.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = &FrameProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "FindTestFrame";
        ::RegisterClassA(&wc);
        m_frame = ::CreateWindowA("FindTestFrame", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
        program->SetFileName("C:\\apps\\Sample.ed");
        KvSetBeepHook([this](UINT type) { beeps.push_back(type); });
    }
    ~FindPBDialogTest() override
    {
        if (desk::TFindPBDialog* dialog = desk::FindPBDialog(); dialog != nullptr && dialog->HWindow != nullptr)
            dialog->Destroy(IDCANCEL);
        KvSetBeepHook(nullptr);
        ::DestroyWindow(m_frame);
        desk::SetDialogModules(nullptr, nullptr);
    }

    HWND Show()
    {
        desk::TFindPBDialog& dialog = desk::ShowFindPBDialog(nullptr, program.get(), Host());
        PumpPending();
        return dialog.HWindow;
    }

    FindDialogHost Host()
    {
        FindDialogHost host;
        host.activeProgram = [this] { return pageWindow ? program.get() : nullptr; };
        host.frame = m_frame;
        return host;
    }

    HWND m_frame = nullptr;
    bool pageWindow = true;
    std::vector<UINT> beeps;
};

TEST_F(FindPBDialogTest, AFirstUseListsEveryBlockWithItsPage)
{
    HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, 104), "*");
    EXPECT_EQ(Lines(dialog, 105), (std::vector<std::string>{"Other", "Sub$Tail", "Sub$abcSub", "abcMain"}));
    char caption[128] = "";
    ::GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Find VavurOrezo : C:\\apps\\Sample.ed");
    EXPECT_EQ(::IsDlgButtonChecked(dialog, 106), BST_CHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(dialog, 111), BST_CHECKED);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, 103)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, 112)));
    EXPECT_GT(::SendDlgItemMessageA(dialog, 103, CB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    ::UpdateWindow(dialog);
    PumpPending();
    SaveWindowPicture(dialog, "FINDVAVUROREZO");
}

TEST_F(FindPBDialogTest, OnePageListsWithoutItsPageAndTheChoiceNamesIt)
{
    HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    ClickRadio(dialog, 110, 111, 110);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, 112)));
    ::SendDlgItemMessageA(dialog, 112, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("Sub"));
    ::SetDlgItemTextA(dialog, 104, "ABC*");
    Command(dialog, 107);
    EXPECT_EQ(Lines(dialog, 105), std::vector<std::string>{"abcSub"});
    EXPECT_EQ(SearchInfo().pageName, "Sub");
    EXPECT_EQ(SearchInfo().scope, kFindOnePage);

    ::SendDlgItemMessageA(dialog, 105, LB_SETCURSEL, 0, 0);
    Command(dialog, 105, LBN_DBLCLK);
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_STREQ(g_shown[0].name, "Sub$abcSub");
    EXPECT_EQ(g_shown[0].mode, 1);
}

TEST_F(FindPBDialogTest, TheHistoryTakesARepeatOnceAndTheDialogKeepsItsSettings)
{
    HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    // The dialog is the process's: an earlier use may have left texts in the history.
    const LRESULT before = ::SendDlgItemMessageA(dialog, 104, CB_GETCOUNT, 0, 0);
    for (const char* text : {"abc*", "abc*", "*Tail"}) {
        ::SetDlgItemTextA(dialog, 104, text);
        Command(dialog, 107);
    }
    EXPECT_EQ(::SendDlgItemMessageA(dialog, 104, CB_GETCOUNT, 0, 0), before + 2);  // "*Tail", "abc*"
    EXPECT_EQ(Lines(dialog, 105), std::vector<std::string>{"Sub$Tail"});
    ClickRadio(dialog, 106, 109, 109);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, 103)));

    desk::TFindPBDialog* first = desk::FindPBDialog();
    PostClick(dialog, IDOK);
    PumpUntil([&] { return first->HWindow == nullptr; });
    ASSERT_EQ(first->HWindow, nullptr);
    // Shown again: the same dialog, with the text and kind of before.
    HWND again = Show();
    EXPECT_EQ(desk::FindPBDialog(), first);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(ControlText(again, 104), "*Tail");
    EXPECT_EQ(::IsDlgButtonChecked(again, 109), BST_CHECKED);
    EXPECT_EQ(::SendDlgItemMessageA(again, 104, CB_GETCOUNT, 0, 0), before + 2);
}

TEST_F(FindPBDialogTest, WithoutAPageWindowSearchBeepsAndCloses)
{
    HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    pageWindow = false;
    Command(dialog, 107);
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_TRUE(g_shown.empty());
}

}  // namespace
