// The soft dialog's window: OK and Cancel go to the soft dialog first, Help shows its help,
// every other message becomes a notification, and the window opens centred on the desktop.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/softdlg/kvdialog.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvtokens.h"
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
    int FilterNotification(WORD ctrlId, WORD, WORD, std::uintptr_t) override { return ctrlId > 1000 ? 1 : -1; }
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

std::string ClassOf(HWND window)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

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

// Every control the definition names is in its template, of the kind its soft control
// needs: a spin group's up-down first, its edit just before it, buttons that check themselves.
TEST(KvDialogTest, TheConversionsTemplateHoldsTheControlsItsDefinitionNames)
{
    FaultCapture capture;  // a fault is reported, never shown in a box that waits
    KvSoftDlgDef* def = KvSoftDlgDef::Create(kDefinition);
    ASSERT_EQ(def->GetDlgResID(), kConversions);
    RecordingOwner owner;
    KvDialog dialog(nullptr, def->GetDlgResID(), &ProgramModule(), &owner);
    std::vector<std::string> faults;
    int checked = 0;
    DialogDriver driver([&](HWND window) {
        const KvSection* links = def->GetDataLinkSection();
        for (int i = 0; i < links->GetNbStatements(kKvKindBody); ++i) {
            const WORD id = links->GetStatement(kKvKindBody, i)->GetOperand(0);
            const KvStatement* soft = def->GetSoftCtrlStatement(id);
            if (soft != nullptr && soft->GetType() == kKvStmGroupCtrl) {
                const auto* group = static_cast<const KvMultiLineStatement*>(soft);
                ASSERT_EQ(soft->GetOperand(1), 0x4078);
                ASSERT_EQ(group->GetNbStatements(kKvKindBody), 2);
                HWND updown = ::GetDlgItem(window, group->GetStatement(kKvKindBody, 0)->GetOperand(0));
                HWND edit = ::GetDlgItem(window, group->GetStatement(kKvKindBody, 1)->GetOperand(0));
                if (edit == nullptr || updown == nullptr || ClassOf(edit) != "Edit" || ClassOf(updown) != UPDOWN_CLASSA)
                    faults.push_back("spin group " + std::to_string(id));
                else if (::GetWindow(updown, GW_HWNDPREV) != edit ||
                         reinterpret_cast<HWND>(::SendMessageA(updown, UDM_GETBUDDY, 0, 0)) != edit)
                    faults.push_back("spin group " + std::to_string(id) + " without its buddy before it");
                ++checked;
                continue;
            }
            HWND control = ::GetDlgItem(window, id);
            if (control == nullptr) {
                faults.push_back("no control " + std::to_string(id));
                continue;
            }
            const std::string kind = ClassOf(control);
            if (kind == "Button" && (::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) != BS_AUTOCHECKBOX)
                faults.push_back("not an auto check box: " + std::to_string(id));
            else if (kind != "Button" && kind != "Edit")
                faults.push_back("no plain control: " + std::to_string(id));
            ++checked;
        }
        PostClick(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(checked, 8);
    EXPECT_EQ(faults, std::vector<std::string>{});
    def->Release();
    delete def;
    EXPECT_TRUE(capture.Assertions().empty());
}
