// The soft dialog's window: OK and Cancel go to the soft dialog first, Help shows its help,
// every other message becomes a notification, and the window opens centred on the desktop.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "framework/softdlg/kvdialog.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"

namespace {

constexpr int kConversions = 12006;
constexpr WORD kDefinition = 16005;

class RecordingOwner : public KvDialogOwner {
public:
    std::vector<int> closeAnswers;  // answers of CanClose in turn; 1 when they run out
    std::vector<WORD> closeAsks;
    std::vector<KvNotification> posted;
    int helps = 0;

    int CanClose(WORD id) override
    {
        closeAsks.push_back(id);
        if (closeAnswers.empty())
            return 1;
        const int answer = closeAnswers.front();
        closeAnswers.erase(closeAnswers.begin());
        return answer;
    }
    WORD GetDefinitionId() const override { return kDefinition; }
    WORD GetGroupCtrlID(WORD) const override { return 0; }
    // The check boxes and edits are soft controls; the buttons are not.
    int FilterNotification(WORD ctrlId, WORD, std::uintptr_t) override { return ctrlId > 1000 ? 1 : -1; }
    bool WinCtrlHasStyle(WORD, std::uint32_t) const override { return false; }
    int GetCheck(WORD) const override { return 0; }
    void PostNotification(const KvNotification& n) override { posted.push_back(n); }
    void ProcessNotifications() override {}
    void ShowHelp() override { ++helps; }
    bool IsServerViewAttached() const override { return false; }

    std::vector<WORD> Codes() const
    {
        std::vector<WORD> codes;
        for (const KvNotification& n : posted)
            codes.push_back(n.GetCode());
        return codes;
    }
};

TModule& ProgramModule()
{
    static TModule module("framework_tests", ::GetModuleHandleA(nullptr));
    return module;
}

}  // namespace

TEST(KvDialogTest, ARefusedOkKeepsTheDialogOpenAndRaisesNothing)
{
    RecordingOwner owner;
    owner.closeAnswers = {0};
    KvDialog dialog(nullptr, kConversions, &ProgramModule(), &owner);
    bool openAfterOk = false;
    DialogDriver driver([&](HWND window) {
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        openAfterOk = ::IsWindow(window) && ::IsWindowVisible(window);
        PostClick(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(owner.closeAsks, (std::vector<WORD>{IDOK, IDCANCEL}));
    // The activation alone: neither the refused OK nor the accepted Cancel is a notification.
    EXPECT_EQ(owner.Codes(), std::vector<WORD>{kKvNotifActivate});
    EXPECT_EQ(owner.posted[0].GetSource(), kDefinition);
}

TEST(KvDialogTest, AnAcceptedOkEndsTheDialog)
{
    RecordingOwner owner;
    KvDialog dialog(nullptr, kConversions, &ProgramModule(), &owner);
    DialogDriver driver([&](HWND window) { PostClick(window, IDOK); });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(owner.closeAsks, std::vector<WORD>{IDOK});
    EXPECT_EQ(owner.Codes(), std::vector<WORD>{kKvNotifActivate});
}

TEST(KvDialogTest, ControlsNotifyAndHelpShowsTheHelp)
{
    RecordingOwner owner;
    KvDialog dialog(nullptr, kConversions, &ProgramModule(), &owner);
    RECT box{}, desktop{};
    DialogDriver driver([&](HWND window) {
        ::GetWindowRect(window, &box);
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(4003, EN_SETFOCUS), reinterpret_cast<LPARAM>(::GetDlgItem(window, 4003)));
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDHELP, 0), 0);
        PostClick(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(owner.helps, 1);
    EXPECT_EQ(owner.Codes(), (std::vector<WORD>{kKvNotifActivate, kKvNotifSetFocus}));
    // Centred on the desktop.
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    EXPECT_EQ(box.left, ::MulDiv(desktop.right - desktop.left, 1, 2) - ::MulDiv(width, 1, 2));
    EXPECT_EQ(box.top, ::MulDiv(desktop.bottom - desktop.top, 1, 2) - ::MulDiv(height, 1, 2));
}
