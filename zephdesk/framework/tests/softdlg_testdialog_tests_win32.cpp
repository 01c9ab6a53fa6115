// The soft dialog test 16004 from start to close: dialog start names the dialog and its note,
// the record's values fill the controls and their reactions set what is enabled; the user's
// clicks and typing switch the groups; OK commits every control's value, Cancel none.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"
#include "owl/testing/dialog_driver.h"
#include "softrec_fixture.h"

namespace {

std::string Enabled(HWND dialog, std::initializer_list<int> ids)
{
    std::string states;
    for (int id : ids)
        states += ::IsWindowEnabled(::GetDlgItem(dialog, id)) ? '1' : '0';
    return states;
}

std::string Caption(HWND window)
{
    char text[128] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

int Checked(HWND dialog, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}

class TestDialogTest : public SoftRecTest {
protected:
    TestDialogTest() : record(DEF_TEST_FIELDS) {}

    void Store(const char* edit1, std::int32_t b, short ck1, const char* edit4)
    {
        KvFieldValue(F_T2_EDIT1, &record) = CString(edit1);
        KvFieldValue(F_T2_B, &record) = b;
        KvFieldValue(F_T2_CK1, &record) = ck1;
        KvFieldValue(F_T2_EDIT4, &record) = CString(edit4);
        ASSERT_TRUE(record.Commit());
        record.SetEditing(1);
    }
    int Run(const std::function<void(HWND)>& step, int closeWith)
    {
        KvSoftDlg dialog(DLG_TEST_FIELDS, &record, 102);
        DialogDriver driver([&](HWND window) {
            step(window);
            PostClick(window, closeWith);
        });
        const int result = dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }
    std::string Text(WORD field) { return static_cast<const char*>(KvFieldValue(field, &record).AsText()); }

    KvSoftRecMem record;
};

}  // namespace

// What the dialog shows at start for the record's values: the captions, the radio button of
// B with its group enabled and the other one disabled, CK 1's statics, and the edits of C
// disabled while Edit 1 is blank.
TEST_F(TestDialogTest, StartShowsTheRecordAndEnablesWhatDependsOnIt)
{
    const struct {
        const char* edit1;
        std::int32_t b;
        short ck1;
        const char* radios;     // RB 1, RB 2 checked
        const char* enabled;    // Statics 2, 3 | 4, 5 | 6, 7, 8 | Edits 2, 3, 4
    } cases[] = {
        {"abc", 0, 1, "10", "11 11 000 111"},
        {"abc", 1, 0, "01", "00 00 111 111"},
        {"", 1, 1, "01", "11 00 111 000"},
        // A value of B that names no radio button selects none and changes no group.
        {"x", 5, 0, "00", "00 11 111 111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.b);
        Store(c.edit1, c.b, c.ck1, "four");
        std::string caption, note, radios, enabled, edit1, edit4;
        Run([&](HWND window) {
            caption = Caption(window);
            note = ControlText(window, 502);
            radios = std::to_string(Checked(window, 504)) + std::to_string(Checked(window, 505));
            enabled = Enabled(window, {506, 507}) + " " + Enabled(window, {508, 509}) + " " +
                      Enabled(window, {517, 518, 519}) + " " + Enabled(window, {4004, 4005, 514});
            edit1 = ControlText(window, 4003);
            edit4 = ControlText(window, 514);
        }, IDCANCEL);
        EXPECT_EQ(caption, "Soft dialog test");
        EXPECT_EQ(note, "Check CK 1 to enable the statics of B.");
        EXPECT_EQ(radios, c.radios);
        EXPECT_EQ(enabled, c.enabled);
        EXPECT_EQ(edit1, c.edit1);
        EXPECT_EQ(edit4, "four");
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The user's changes: CK 1 toggles its statics, RB 2 switches the groups, a blank Edit 1
// disables the edits of C and typing enables them again; OK commits all of it.
TEST_F(TestDialogTest, ChangesReactAndOkCommitsThem)
{
    Store("abc", 0, 0, "four");
    std::vector<std::string> steps;
    auto snapshot = [&](HWND window) {
        steps.push_back(Enabled(window, {506, 507}) + " " + Enabled(window, {508, 509}) + " " +
                        Enabled(window, {517, 518, 519}) + " " + Enabled(window, {4004, 4005, 514}));
    };
    EXPECT_EQ(Run([&](HWND window) {
        snapshot(window);
        ::SendDlgItemMessageA(window, 4002, BM_CLICK, 0, 0);
        snapshot(window);
        ::SendDlgItemMessageA(window, 505, BM_CLICK, 0, 0);
        snapshot(window);
        ::SetDlgItemTextA(window, 4003, "");
        snapshot(window);
        ::SetDlgItemTextA(window, 4003, "again");
        ::SetDlgItemTextA(window, 4005, "12:30");
        ::SendDlgItemMessageA(window, 4006, BM_CLICK, 0, 0);
        snapshot(window);
    }, IDOK), IDOK);
    EXPECT_EQ(steps, (std::vector<std::string>{"00 11 000 111", "11 11 000 111", "11 00 111 111", "11 00 111 000",
                                               "11 00 111 111"}));
    record.DiscardEdits();  // what was committed stays
    EXPECT_EQ(Text(F_T2_EDIT1), "again");
    EXPECT_EQ(KvFieldValue(F_T2_B, &record).AsInt32(), 1);
    EXPECT_EQ(KvFieldValue(F_T2_CK1, &record).AsInt16(), 1);
    EXPECT_EQ(Text(F_T2_EDIT3), "12:30");
    EXPECT_EQ(KvFieldValue(F_T2_CK2, &record).AsInt16(), 1);
    EXPECT_EQ(Text(F_T2_EDIT4), "four");
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

TEST_F(TestDialogTest, CancelKeepsTheRecord)
{
    Store("abc", 0, 0, "four");
    EXPECT_EQ(Run([&](HWND window) {
        ::SendDlgItemMessageA(window, 4002, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(window, 505, BM_CLICK, 0, 0);
        ::SetDlgItemTextA(window, 4003, "changed");
    }, IDCANCEL), IDCANCEL);
    EXPECT_EQ(Text(F_T2_EDIT1), "abc");
    EXPECT_EQ(KvFieldValue(F_T2_B, &record).AsInt32(), 0);
    EXPECT_EQ(KvFieldValue(F_T2_CK1, &record).AsInt16(), 0);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}
