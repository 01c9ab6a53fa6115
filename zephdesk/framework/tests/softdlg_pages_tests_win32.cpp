// Shipped item dialogs and block pages run as soft dialogs: the item dialog's buttons raise
// their workers' call-outs; the transfer page's radio buttons store the option's values (0
// the specific extension, whose edit only they enable) and its picker shows the application's
// voice items; the announcement's key check boxes write their outputs' visibility.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/softdlg/kvsdlg.h"
#include "framework/softdlg/kvsprsht.h"
#include "framework/softrec/kvdefstore.h"
#include "owl/testing/dialog_driver.h"
#include "softdlg_itemshell.h"

namespace {

constexpr WORD kTransferRecord = 60400;
constexpr WORD kAnnounceRecord = 60401;
constexpr WORD kTransferSheetRecord = 60402;

void Click(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

class ShippedDialogTest : public SoftRecTest {
protected:
    ShippedDialogTest()
    {
        KvSoftObj::SetApplication(&items);
        items.AddItem(false, "Welcome", 4);
        items.AddItem(false, "Goodbye", 9);
    }

    int Run(WORD dialogId, KvSoftRec& record, const std::function<void(HWND)>& step, int closeWith)
    {
        KvSoftDlg dialog(dialogId, &record, 11060);
        DialogDriver driver([&](HWND window) {
            step(window);
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(closeWith, BN_CLICKED), 0);
        });
        const int result = dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    ItemShell items;
};

}  // namespace

TEST_F(ShippedDialogTest, TheVoiceItemsButtonsRaiseTheirCallOuts)
{
    KvSoftRecMem item(DEF_VOICE_ITEM);
    KvFieldValue(F_VI_NAME, &item) = CString("Welcome");
    KvFieldValue(F_VI_ID, &item) = static_cast<short>(4);
    item.Commit();
    item.SetEditing(1);
    std::string shown;
    EXPECT_EQ(Run(DLG_VOICE_ITEM, item, [&](HWND window) {
        shown = ControlText(window, 2002) + " " + ControlText(window, 2001);
        Click(window, 2010);
        Click(window, 2005);
    }, IDOK), IDOK);
    EXPECT_EQ(shown, "Welcome 4");
    EXPECT_EQ(items.calls, (std::vector<std::string>{"CallOut 32000", "CallOut 32001"}));
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The transfer page: option 0 is the specific extension (its radio button checked, the
// extension enabled), 1 the default attendant; the picker lists "<none>", the new-item entry
// and the items by name, and shows the prompt's ID.
TEST_F(ShippedDialogTest, TheTransferPageStoresItsOptionsAndShowsItsPrompt)
{
    LayeredStore store;
    store.Set(kTransferRecord, {0x1001, 0x0001, 0x0002, 0x1002, 0x0001,  //
                                0x3203, F_XFR_PROMPT, 1, 0x8001,          //
                                0x3203, F_XFR_OPTION, 1, 0x8001,          //
                                0x3203, F_XFR_EXTENSION, 3, 0x8001, 0x0002});
    KvSetDefinitionStore(&store);
    const struct {
        short option;
        const char* checked;  // "Transfer to default attendant", "... specific extension"
        bool extensionEnabled;
        short afterClickingTheOther;
    } cases[] = {{0, "01", true, 1}, {1, "10", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        KvSoftRecMem record(kTransferRecord);
        KvFieldValue(F_XFR_PROMPT, &record) = static_cast<short>(9);
        KvFieldValue(F_XFR_OPTION, &record) = c.option;
        record.Commit();
        record.SetEditing(1);
        std::string checked, prompt, promptId;
        bool extensionEnabled = !c.extensionEnabled;
        Run(PAGE_TRANSFER, record, [&](HWND window) {
            checked = std::to_string(::SendDlgItemMessageA(window, 304, BM_GETCHECK, 0, 0)) +
                      std::to_string(::SendDlgItemMessageA(window, 305, BM_GETCHECK, 0, 0));
            extensionEnabled = ::IsWindowEnabled(::GetDlgItem(window, 307)) != 0;
            char text[64] = "";
            const auto selected = ::SendDlgItemMessageA(window, 301, CB_GETCURSEL, 0, 0);
            ::SendDlgItemMessageA(window, 301, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
            prompt = text;
            promptId = ControlText(window, 302);
            ::SendDlgItemMessageA(window, c.option == 0 ? 304 : 305, BM_CLICK, 0, 0);
        }, IDOK);
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(extensionEnabled, c.extensionEnabled);
        EXPECT_EQ(prompt, "Goodbye");
        EXPECT_EQ(promptId, "9");
        EXPECT_EQ(KvFieldValue(F_XFR_OPTION, &record).AsInt16(), c.afterClickingTheOther);
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The announcement page: the custom voice item's picker or the system prompt, by the play
// option; a key's check box writes whether its output is visible into the output list, and
// the menu keys' box enables storing the key.
TEST_F(ShippedDialogTest, TheAnnouncementsKeysShowTheirOutputs)
{
    LayeredStore store;
    store.Set(kAnnounceRecord,
              {0x1001, 0x0001, 0x0002, 0x1002, 0x0001,                                                        //
               0x3203, F_ANN_CUSTOM, 1, 0x8001, 0x3203, F_ANN_PLAY_OPTIONS, 1, 0x8001,                         //
               0x3203, F_ANN_MENU_KEYS, 1, 0x8001, 0x3203, F_ANN_ATTENDANT_KEY, 1, 0x8001,                     //
               0x3203, F_ANN_HELP_KEY, 1, 0x8001, 0x3203, F_ANN_CANCEL_KEY, 1, 0x8001,                         //
               0x3203, F_ANN_SYSTEM_PROMPT, 1, 0x8001, 0x3203, F_ANN_TIMES, 2, 0x8001,                         //
               0x3203, F_ANN_PAUSE, 1, 0x8001, 0x3203, F_ANN_STORE_KEY, 1, 0x8001,                             //
               0x3203, F_OUTPUTS, 7, 0x8005, DEF_OUTPUT, 0x0002});
    KvSetDefinitionStore(&store);
    KvSoftRecMem record(kAnnounceRecord);
    KvFieldValue(F_ANN_CUSTOM, &record) = static_cast<short>(4);
    KvFieldValue(F_ANN_TIMES, &record) = static_cast<std::int32_t>(2);
    ASSERT_TRUE(record.Commit());
    record.SetEditing(1);
    // The outputs live in the record's edit buffer, as a bound record's list does (a commit
    // never stores them).
    {
        KvFieldValue outputs(F_OUTPUTS, &record);
        KvRecArray layer(&outputs.AsRecArray());
        for (const char* name : {"1-9 (Menu key)", "0 (Attendant key)", "* (Help key)", "# (Cancel key)", "Timeout"}) {
            auto* output = new KvSoftRecMem(DEF_OUTPUT);
            KvFieldValue(F_OUT_NAME, output) = CString(name);
            output->Commit();
            layer.Add(output);
        }
        outputs = layer;
    }
    std::string enabled;
    std::vector<std::string> visible;
    auto snapshot = [&](HWND window) {
        for (int id : {305, 307, 309, 317})
            enabled += ::IsWindowEnabled(::GetDlgItem(window, id)) ? '1' : '0';
        enabled += ' ';
    };
    EXPECT_EQ(Run(PAGE_ANNOUNCE, record, [&](HWND window) {
        snapshot(window);
        ::SendDlgItemMessageA(window, 310, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(window, 312, BM_CLICK, 0, 0);
        snapshot(window);
        ::SendDlgItemMessageA(window, 302, BM_CLICK, 0, 0);
        snapshot(window);
        KvRecArray outputs(&KvFieldValue(F_OUTPUTS, &record).AsRecArray());
        for (int i = 0; i < outputs.GetSize(); ++i)
            visible.push_back(static_cast<const char*>(KvFieldValue(F_OUT_VISIBLE, outputs.GetAt(i)).AsText()));
    }, IDOK), IDOK);
    // Custom item's list and button, system prompt list, store key.
    EXPECT_EQ(enabled, "1100 1101 0011 ");
    EXPECT_EQ(visible, (std::vector<std::string>{"Yes", "No", "Yes", "No", "No"}));
    EXPECT_EQ(KvFieldValue(F_ANN_MENU_KEYS, &record).AsInt16(), 1);
    EXPECT_EQ(KvFieldValue(F_ANN_PLAY_OPTIONS, &record).AsInt16(), 1);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The transfer block's sheet: its page templates become the sheet's child pages; the first
// shows the transfer options, the second the outputs (name and connection columns) and notes.
TEST_F(ShippedDialogTest, TheTransferSheetShowsBothPagesAsChildren)
{
    LayeredStore store;
    store.Set(kTransferSheetRecord, {0x1001, 0x0001, 0x3209, SHEET_TRANSFER, 0x0002, 0x1002, 0x0001,  //
                                     0x3203, F_XFR_PROMPT, 1, 0x8001, 0x3203, F_XFR_OPTION, 1, 0x8001,  //
                                     0x3203, F_XFR_EXTENSION, 3, 0x8001, 0x3203, F_NOTES, 3, 0x8001,    //
                                     0x3203, F_OUTPUTS, 7, 0x8005, DEF_OUTPUT, 0x0002});
    KvSetDefinitionStore(&store);
    KvSoftRecMem record(kTransferSheetRecord);
    KvFieldValue(F_XFR_OPTION, &record) = static_cast<short>(1);
    KvFieldValue(F_NOTES, &record) = CString("a note");
    ASSERT_TRUE(record.Commit());
    record.SetEditing(1);
    {
        KvFieldValue outputs(F_OUTPUTS, &record);
        KvRecArray layer(&outputs.AsRecArray());
        auto* output = new KvSoftRecMem(DEF_OUTPUT);
        KvFieldValue(F_OUT_NAME, output) = CString("Done");
        KvFieldValue(F_OUT_CONNECTION, output) = CString("Goodbye");
        output->Commit();
        layer.Add(output);
        outputs = layer;
    }
    bool firstIsChild = false, secondIsChild = false;
    std::string firstShows, secondShows;
    KvSoftPropSheet sheet(SHEET_TRANSFER, &record);
    DialogDriver driver([&](HWND window) {
        HWND first = reinterpret_cast<HWND>(::SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
        firstIsChild = ::IsChild(window, first) && (::GetWindowLongA(first, GWL_STYLE) & WS_CHILD) != 0;
        firstShows = std::to_string(::SendDlgItemMessageA(first, 304, BM_GETCHECK, 0, 0)) +
                     (::IsWindowEnabled(::GetDlgItem(first, 307)) ? " on" : " off");
        ::SendMessageA(window, PSM_SETCURSEL, 1, 0);
        HWND second = reinterpret_cast<HWND>(::SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
        secondIsChild = ::IsChild(window, second) && (::GetWindowLongA(second, GWL_STYLE) & WS_CHILD) != 0;
        HWND list = ::GetDlgItem(second, 301);
        char header[32] = "", name[32] = "", connection[32] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = header;
        column.cchTextMax = sizeof header;
        ::SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        LVITEMA item = {};
        item.pszText = name;
        item.cchTextMax = sizeof name;
        ::SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = connection;
        ::SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
        secondShows = std::string(header) + "|" + name + "|" + connection + "|" + ControlText(second, 304);
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(sheet.Execute(), IDCANCEL);
    EXPECT_TRUE(driver.Ran());
    EXPECT_TRUE(firstIsChild);
    EXPECT_TRUE(secondIsChild);
    EXPECT_EQ(firstShows, "1 off");
    EXPECT_EQ(secondShows, "Connection|Done|Goodbye|a note");
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}
