// The soft dialog over the conversions test record: the record's values shown when the
// dialog starts (spin values kept inside their range), each control's change stored in the
// record's edit buffers, OK committing them and Cancel leaving the record as it was.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"
#include "owl/testing/dialog_driver.h"

namespace {

constexpr WORD kDialog = 16005;
constexpr WORD kRecordDef = 24003;
constexpr WORD kInt16A = 31030, kInt16B = 31031, kInt16C = 31032, kInt32B = 31033, kInt32C = 31034;
constexpr WORD kTextA = 31035, kTextB = 31036, kTextC = 31037;

std::string TextOf(HWND window, int id)
{
    char text[128] = "";
    ::GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

class SoftDlgTest : public ::testing::Test {
protected:
    SoftDlgTest() : record(kRecordDef)
    {
        KvFieldValue(kInt16A, &record) = static_cast<short>(1);
        KvFieldValue(kInt16B, &record) = static_cast<short>(3);
        KvFieldValue(kInt32B, &record) = static_cast<std::int32_t>(20);
        KvFieldValue(kTextC, &record) = CString("abc");
        EXPECT_TRUE(record.Commit());
        record.SetEditing(1);
    }

    short Int16(WORD field) { return KvFieldValue(field, &record).AsInt16(); }
    std::int32_t Int32(WORD field) { return KvFieldValue(field, &record).AsInt32(); }
    std::string Text(WORD field) { return static_cast<const char*>(KvFieldValue(field, &record).AsText()); }

    // Runs the dialog: checks what it shows, changes three controls, closes with the button.
    int RunChanging(int closeWith)
    {
        KvSoftDlg dialog(kDialog, &record, 0);
        DialogDriver driver([&](HWND window) {
            shownCheck = static_cast<int>(::SendDlgItemMessageA(window, 4002, BM_GETCHECK, 0, 0));
            shownText = TextOf(window, 4005);
            shownSpin = TextOf(window, 502);
            ::SendDlgItemMessageA(window, 4002, BM_CLICK, 0, 0);  // unchecks it
            ::SetDlgItemTextA(window, 4005, "xyz");
            ::SetDlgItemTextA(window, 502, "7");
            PostClick(window, closeWith);
        });
        const int result = dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    FaultCapture capture;  // a fault is reported, never shown in a box that waits
    KvSoftRecMem record;
    int shownCheck = -1;
    std::string shownText, shownSpin;
};

}  // namespace

TEST_F(SoftDlgTest, OkCommitsWhatTheControlsHold)
{
    EXPECT_EQ(RunChanging(IDOK), IDOK);
    EXPECT_EQ(shownCheck, BST_CHECKED);
    EXPECT_EQ(shownText, "abc");
    EXPECT_EQ(shownSpin, "3");
    record.DiscardEdits();  // what was committed stays
    EXPECT_EQ(Int16(kInt16A), 0);
    EXPECT_EQ(Text(kTextC), "xyz");
    EXPECT_EQ(Int16(kInt16B), 7);
    EXPECT_EQ(Int32(kInt32B), 20);  // shown, never changed
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

TEST_F(SoftDlgTest, CancelLeavesTheRecordAsItWas)
{
    EXPECT_EQ(RunChanging(IDCANCEL), IDCANCEL);
    EXPECT_EQ(shownCheck, BST_CHECKED);
    EXPECT_EQ(Int16(kInt16A), 1);
    EXPECT_EQ(Text(kTextC), "abc");
    EXPECT_EQ(Int16(kInt16B), 3);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The spin group keeps its value inside 0..50 comparing all 32 bits with their sign: values
// whose low 16 bits alone would pass (65537, -65535) are clamped too.
TEST_F(SoftDlgTest, SpinValuesAreKeptInsideTheirRange)
{
    const struct {
        std::int32_t stored;
        const char* shown;
    } cases[] = {{20, "20"}, {0, "0"}, {50, "50"}, {75, "50"}, {-1, "0"}, {65537, "50"}, {-65535, "0"}};
    for (const auto& c : cases) {
        KvFieldValue(kInt32B, &record) = c.stored;
        std::string shown;
        KvSoftDlg dialog(kDialog, &record, 0);
        DialogDriver driver([&](HWND window) {
            shown = TextOf(window, 505);
            PostClick(window, IDOK);
        });
        EXPECT_EQ(dialog.Execute(1), IDOK);
        EXPECT_EQ(shown, c.shown) << c.stored;
        EXPECT_EQ(std::to_string(Int32(kInt32B)), c.shown) << c.stored;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Every control of the conversions dialog over a field of another type: edits over numbers,
// a check box over a text, a spin edit over a text; both ways.
TEST_F(SoftDlgTest, ControlsConvertBetweenTheirValueAndTheFieldsType)
{
    KvFieldValue(kInt16C, &record) = static_cast<short>(12);
    KvFieldValue(kInt32C, &record) = static_cast<std::int32_t>(70000);
    KvFieldValue(kTextA, &record) = CString("1");
    KvFieldValue(kTextB, &record) = CString("9");
    std::string shown;
    KvSoftDlg dialog(kDialog, &record, 0);
    DialogDriver driver([&](HWND window) {
        shown = TextOf(window, 4003) + "|" + TextOf(window, 4004) + "|" +
                std::to_string(::SendDlgItemMessageA(window, 4006, BM_GETCHECK, 0, 0)) + "|" + TextOf(window, 509);
        ::SetDlgItemTextA(window, 4003, "-5");
        ::SetDlgItemTextA(window, 4004, "123456");
        ::SendDlgItemMessageA(window, 4006, BM_CLICK, 0, 0);
        ::SetDlgItemTextA(window, 509, "40");
        PostClick(window, IDOK);
    });
    EXPECT_EQ(dialog.Execute(1), IDOK);
    EXPECT_EQ(shown, "12|70000|1|9");
    EXPECT_EQ(Int16(kInt16C), -5);
    EXPECT_EQ(Int32(kInt32C), 123456);
    EXPECT_EQ(Text(kTextA), "0");
    EXPECT_EQ(Text(kTextB), "40");
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// A soft dialog deleted before it ran has no window to delete: no fault.
TEST_F(SoftDlgTest, ADialogDeletedBeforeItRanLeavesNoFault)
{
    {
        KvSoftDlg dialog(kDialog, &record, 0);
        EXPECT_EQ(dialog.GetDlgResID(), 12006);
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}
