// The soft controls of single windows in a running dialog: drop-down lists by index and by
// key, the edit that shows "0" as empty, date and time edits, the list view over a record
// set, the icon button, and the check box whose data link also writes a record of a record
// set. Values go both ways: shown when the dialog starts, stored as the user changes them.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/softdlg/kvsdlg.h"
#include "owl/testing/dialog_driver.h"
#include "softdlg_fixture_win32.h"

namespace {

constexpr WORD kControlsDialog = 16901;
constexpr WORD kIndirectDialog = 16902;

int Selection(HWND dialog, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> Entries(HWND dialog, int id)
{
    std::vector<std::string> entries;
    const int count = static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

// What the user does to a drop-down list: a new selection and its notification.
void Choose(HWND dialog, int id, int index)
{
    HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string HeaderText(HWND list, int column)
{
    char text[64] = "";
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT;
    col.pszText = text;
    col.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
    return text;
}

class SoftControlsTest : public SoftDlgWindowTest {
protected:
    SoftControlsTest() : record(DEF_TEST_SHEET)
    {
        shell.SetList(F_SRV_LANGUAGES, DEF_LANGUAGE, F_LANG_GLOBAL_ID, F_LANG_NAME,
                      {{1, "English"}, {2, "French"}, {3, "Spanish"}});
        shell.SetList(F_SRV_RESPERM, DEF_RESPERM_LIST, F_RPL_LIST_ID, F_RPL_NAME,
                      {{10, "Local"}, {20, "Long distance"}, {30, "International"}});
    }

    // Runs the controls dialog: the step sees the window, then the button closes it.
    int Run(const std::function<void(HWND)>& step, int closeWith)
    {
        KvSoftDlg dialog(kControlsDialog, &record, 0);
        DialogDriver driver([&](HWND window) {
            step(window);
            PostClick(window, closeWith);
        });
        const int result = dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    short Int16(WORD field) { return KvFieldValue(field, &record).AsInt16(); }
    std::int32_t Int32(WORD field) { return KvFieldValue(field, &record).AsInt32(); }
    std::string Text(WORD field) { return static_cast<const char*>(KvFieldValue(field, &record).AsText()); }

    MemoryRecord record;
};

}  // namespace

// Lists by index (102 plain, 103 first entry when none) and by key (104 plain, 105 first
// entry when none): what each shows for a stored value, and what OK then stores.
TEST_F(SoftControlsTest, ListsShowTheirValueByIndexOrKeyAndStoreItBack)
{
    const struct {
        short index;
        std::int32_t key;
        int shownPlainIndex, shownFirstIndex, shownPlainKey, shownFirstKey;
        short storedPlainIndex, storedFirstIndex;
        std::int32_t storedPlainKey, storedFirstKey;
    } cases[] = {
        {1, 20, 1, 1, 1, 1, 1, 1, 20, 20},
        {2, 30, 2, 2, 2, 2, 2, 2, 30, 30},
        {-5, 99, -1, 0, -1, 0, -1, 0, -1, 10},  // a negative index, a key no record has
        {7, -1, -1, -1, -1, 0, -1, -1, -1, 10},  // an index past the list's end
    };
    for (const auto& c : cases) {
        KvFieldValue(F_T1_TRANSFER, &record) = c.index;
        KvFieldValue(F_T1_CHECK1, &record) = c.index;
        KvFieldValue(F_T1_PROMPT, &record) = c.key;
        KvFieldValue(F_T1_SPIN, &record) = c.key;
        int shown[4] = {};
        EXPECT_EQ(Run([&](HWND window) {
                      for (int i = 0; i < 4; ++i)
                          shown[i] = Selection(window, 102 + i);
                      // Every control stores its value as its selection changes.
                      for (int i = 0; i < 4; ++i)
                          ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(102 + i, CBN_SELCHANGE),
                                         reinterpret_cast<LPARAM>(::GetDlgItem(window, 102 + i)));
                  },
                      IDOK),
                  IDOK);
        const std::string row = std::to_string(c.index) + "/" + std::to_string(c.key);
        EXPECT_EQ(shown[0], c.shownPlainIndex) << row;
        EXPECT_EQ(shown[1], c.shownFirstIndex) << row;
        EXPECT_EQ(shown[2], c.shownPlainKey) << row;
        EXPECT_EQ(shown[3], c.shownFirstKey) << row;
        EXPECT_EQ(Int16(F_T1_TRANSFER), c.storedPlainIndex) << row;
        EXPECT_EQ(Int16(F_T1_CHECK1), c.storedFirstIndex) << row;
        EXPECT_EQ(Int32(F_T1_PROMPT), c.storedPlainKey) << row;
        EXPECT_EQ(Int32(F_T1_SPIN), c.storedFirstKey) << row;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The lists hold the shell list's display texts in record order; a chosen entry stores
// its index or its record's key, and Cancel stores nothing.
TEST_F(SoftControlsTest, AChosenEntryStoresItsIndexOrKey)
{
    for (const int closeWith : {IDOK, IDCANCEL}) {
        KvFieldValue(F_T1_TRANSFER, &record) = static_cast<short>(0);
        KvFieldValue(F_T1_PROMPT, &record) = static_cast<std::int32_t>(10);
        ASSERT_TRUE(record.Commit());
        std::vector<std::string> entries;
        EXPECT_EQ(Run([&](HWND window) {
                      entries = Entries(window, 102);
                      for (const std::string& entry : Entries(window, 104))
                          entries.push_back(entry);
                      Choose(window, 102, 2);
                      Choose(window, 104, 1);
                  },
                      closeWith),
                  closeWith);
        EXPECT_EQ(entries, (std::vector<std::string>{"English", "French", "Spanish", "Local", "Long distance",
                                                     "International"}));
        record.DiscardEdits();
        EXPECT_EQ(Int16(F_T1_TRANSFER), closeWith == IDOK ? 2 : 0);
        EXPECT_EQ(Int32(F_T1_PROMPT), closeWith == IDOK ? 20 : 10);
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The edit whose "0" means none: "0" shows an empty box, other texts as they are; an
// emptied box stores the empty text, never "0". Its text is limited to 5 characters.
TEST_F(SoftControlsTest, AnEditShowsZeroAsAnEmptyBox)
{
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {{"0", ""}, {"12", "12"}, {"", ""}, {"00", "00"}};
    for (const auto& c : cases) {
        KvFieldValue(F_T1_EXTENSION, &record) = CString(c.stored);
        std::string shown;
        LRESULT limit = 0;
        EXPECT_EQ(Run([&](HWND window) {
                      shown = ControlText(window, 101);
                      limit = ::SendDlgItemMessageA(window, 101, EM_GETLIMITTEXT, 0, 0);
                      ::SetDlgItemTextA(window, 101, "7");
                      ::SetDlgItemTextA(window, 101, "");
                  },
                      IDOK),
                  IDOK);
        EXPECT_EQ(shown, c.shown) << c.stored;
        EXPECT_EQ(limit, 5);
        EXPECT_EQ(Text(F_T1_EXTENSION), "") << c.stored;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Date and time edits: good text is stored in its normal form and OK closes; bad text is
// reported as it is typed, leaves the field empty and keeps the dialog open on OK.
TEST_F(SoftControlsTest, DateAndTimeEditsCheckWhatIsTyped)
{
    const struct {
        const char* date;
        const char* time;
        int closedWith;
        const char* storedDate;
        const char* storedTime;
        const char* message;  // null: none
    } cases[] = {
        {"12/25", "12:30", IDOK, "12/25", "12:30", nullptr},
        {"12.25", "930", IDOK, "12/25", "9:30", nullptr},
        {"", "", IDOK, "", "", nullptr},
        {"13/1", "12:30", IDCANCEL, "1/1", "1:00", "Months must be between 1 and 12."},
        {"1/1", "24:00", IDCANCEL, "1/1", "1:00",
         "Times must be entered in the format HH:MM\n(hours 0-23, minutes 0-59)."},
    };
    for (const auto& c : cases) {
        KvFieldValue(F_T1_DATE, &record) = CString("1/1");
        KvFieldValue(F_T1_TIME, &record) = CString("1:00");
        ASSERT_TRUE(record.Commit());
        capture.presenter.Clear();
        std::string shown;
        KvSoftDlg dialog(kControlsDialog, &record, 0);
        DialogDriver driver([&](HWND window) {
            shown = ControlText(window, 107) + " " + ControlText(window, 108);
            ::SetDlgItemTextA(window, 107, c.date);
            ::SetDlgItemTextA(window, 108, c.time);
            PostClick(window, IDOK);  // refused when a text is bad: Cancel then closes
            PostClick(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.Execute(1), c.closedWith) << c.date << " " << c.time;
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(shown, "1/1 1:00");
        record.DiscardEdits();
        EXPECT_EQ(Text(F_T1_DATE), c.storedDate) << c.date;
        EXPECT_EQ(Text(F_T1_TIME), c.storedTime) << c.time;
        if (c.message == nullptr)
            EXPECT_EQ(Messages(), std::vector<std::string>{}) << c.date << " " << c.time;
        else
            EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.date << " " << c.time;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The list view shows one row per record of its record set and one column per field of
// its data link, headed by the field's label; an empty set shows no rows but the columns.
TEST_F(SoftControlsTest, AListViewShowsItsRecordSet)
{
    const std::vector<std::vector<std::string>> sets[] = {{{"Hello", "global"}, {"World", "local"}}, {}};
    for (const auto& set : sets) {
        KvRecArray layer(&KvFieldValue(F_T1_SENTENCE, &record).AsRecArray());
        while (layer.GetSize() > 0)
            layer.RemoveAt(0);
        for (const auto& row : set) {
            auto* scope = new KvSoftRecMem(DEF_SCOPE);
            KvFieldValue(F_SCOPE_NAME, scope) = CString(row[0].c_str());
            KvFieldValue(F_SCOPE_SCOPE, scope) = CString(row[1].c_str());
            layer.Add(scope);
        }
        KvFieldValue(F_T1_SENTENCE, &record) = layer;
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string> headers;
        EXPECT_EQ(Run([&](HWND window) {
                      HWND list = ::GetDlgItem(window, 106);
                      HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
                      const int columns = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
                      for (int c = 0; c < columns; ++c)
                          headers.push_back(HeaderText(list, c));
                      const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
                      for (int r = 0; r < count; ++r)
                          rows.push_back({ListViewCell(list, r, 0), ListViewCell(list, r, 1)});
                  },
                      IDOK),
                  IDOK);
        EXPECT_EQ(headers, (std::vector<std::string>{"Name", "Scope"}));
        EXPECT_EQ(rows, set);
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// A click on the icon button is a notification of its own: its reaction disables the label.
TEST_F(SoftControlsTest, AnIconButtonClickRunsItsReactions)
{
    BOOL enabledBefore = FALSE, enabledAfter = TRUE;
    EXPECT_EQ(Run([&](HWND window) {
                  enabledBefore = ::IsWindowEnabled(::GetDlgItem(window, 110));
                  ::SendDlgItemMessageA(window, 109, BM_CLICK, 0, 0);
                  enabledAfter = ::IsWindowEnabled(::GetDlgItem(window, 110));
              },
                  IDCANCEL),
              IDCANCEL);
    EXPECT_TRUE(enabledBefore);
    EXPECT_FALSE(enabledAfter);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The menu-keys check box stores its state in its own field and, through its indirect
// link, as the visibility of the block's "1-9 (Menu key)" output; the other outputs keep
// theirs.
TEST_F(SoftControlsTest, AnIndirectCheckBoxAlsoWritesTheOutputsRecord)
{
    strings.Set(30985, "1-9 (Menu key)");
    const struct {
        int clicks;
        short stored;
    } cases[] = {{1, 1}, {2, 0}};
    for (const auto& c : cases) {
        MemoryRecord block(DEF_PB_ANNOUNCE);
        KvFieldValue(F_ANN_MENU_KEYS, &block) = static_cast<short>(0);
        KvRecArray layer(&KvFieldValue(F_OUTPUTS, &block).AsRecArray());
        for (const char* name : {"Timeout", "1-9 (Menu key)", "0 (Attendant)"}) {
            auto* output = new KvSoftRecMem(DEF_OUTPUT);
            KvFieldValue(F_OUT_NAME, output) = CString(name);
            KvFieldValue(F_OUT_VISIBLE, output) = static_cast<short>(0);
            layer.Add(output);
        }
        KvFieldValue(F_OUTPUTS, &block) = layer;
        std::vector<short> visible;
        short indirect = -1;
        LRESULT shown = -1;
        KvSoftDlg dialog(kIndirectDialog, &block, 0);
        DialogDriver driver([&](HWND window) {
            shown = ::SendDlgItemMessageA(window, 310, BM_GETCHECK, 0, 0);
            for (int i = 0; i < c.clicks; ++i)
                ::SendDlgItemMessageA(window, 310, BM_CLICK, 0, 0);
            KvRecArray& outputs = KvFieldValue(F_OUTPUTS, &block).AsRecArray();
            for (int i = 0; i < outputs.GetSize(); ++i)
                visible.push_back(KvFieldValue(F_OUT_VISIBLE, outputs.GetAt(i)).AsInt16());
            dialog.GetIndirectValue(310, 1, &indirect);
            PostClick(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.Execute(1), IDCANCEL);
        EXPECT_EQ(shown, BST_UNCHECKED);
        EXPECT_EQ(visible, (std::vector<short>{0, c.stored, 0})) << c.clicks;
        EXPECT_EQ(indirect, c.stored) << c.clicks;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}
