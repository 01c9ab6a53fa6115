// The auto-save options run in their real dialog: an interval outside 1 to 60 keeps the
// dialog open with its message, a good one is given back; turning saving off disables the
// interval and gives back "off".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/softdlg/kvrecedit.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/autosave/autosaveoptions.h"
#include "items_fixture.h"

namespace {

constexpr int kSaving = 101, kMinutes = 103;

class AutoSaveOptionsDialogTest : public ItemsTest {
protected:
    AutoSaveOptionsDialogTest() { KvSoftObj::SetRecordEditor(&m_editor); }
    ~AutoSaveOptionsDialogTest() override { KvSoftObj::SetRecordEditor(nullptr); }

    void Run(bool& enabled, std::int32_t& minutes, const DialogDriver::Step& step)
    {
        DialogDriver driver(step);
        KvRunAutoSaveOptions(enabled, minutes);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
    }

private:
    KvSoftRecordEditor m_editor;
};

void Send(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

}  // namespace

TEST_F(AutoSaveOptionsDialogTest, IntervalOutsideOneToSixtyKeepsTheDialogOpen)
{
    bool enabled = true;
    std::int32_t minutes = 10;
    std::string shown, caption;
    bool checked = false;
    std::vector<bool> openAfter;
    Run(enabled, minutes, [&](HWND dialog) {
        char text[64] = "";
        ::GetWindowTextA(dialog, text, sizeof text);
        caption = text;
        shown = ControlText(dialog, kMinutes);
        checked = ::IsDlgButtonChecked(dialog, kSaving) == BST_CHECKED;
        SaveWindowPicture(dialog, "autosave_10015_options");
        for (const char* typed : {"61", "0"}) {
            ::SetDlgItemTextA(dialog, kMinutes, typed);
            Send(dialog, IDOK);
            openAfter.push_back(::IsWindow(dialog) && ::IsWindowVisible(dialog));
        }
        ::SetDlgItemTextA(dialog, kMinutes, "15");
        PostClick(dialog, IDOK);
    });
    EXPECT_EQ(caption, "Application Auto Save");
    EXPECT_EQ(shown, "10");
    EXPECT_TRUE(checked);
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true}));
    EXPECT_EQ(Messages(), (std::vector<std::string>(2, "The save interval must be between 1 and 60 minutes.")));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(minutes, 15);
}

TEST_F(AutoSaveOptionsDialogTest, SavingOffDisablesTheIntervalAndIsGivenBack)
{
    bool enabled = true;
    std::int32_t minutes = 20;
    bool intervalEnabled = true;
    Run(enabled, minutes, [&](HWND dialog) {
        ::SendMessageA(::GetDlgItem(dialog, kSaving), BM_CLICK, 0, 0);  // the check box: off
        intervalEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, kMinutes)) != 0;
        PostClick(dialog, IDOK);
    });
    EXPECT_FALSE(intervalEnabled);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(minutes, 20);
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
}
