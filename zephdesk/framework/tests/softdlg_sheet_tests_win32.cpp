// Soft property sheets over the test sheet's record: pages start when opened and show the
// record, OK validates the opened pages and commits once, Cancel and the close box discard,
// a page shown again shows what another page changed, and a closed sheet leaves no page
// attached as the server link's view.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/softdlg/kvrecedit.h"
#include "framework/softdlg/kvsprsht.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "softdlg_fixture_win32.h"

namespace {

constexpr WORD kTestSheet = 20002;
constexpr WORD kSharedFieldSheet = 20903;

// The test record, counting its commits.
class CountingRecord : public MemoryRecord {
public:
    CountingRecord() : MemoryRecord(DEF_TEST_SHEET) {}
    int Commit() override
    {
        ++commits;
        return MemoryRecord::Commit();
    }
    int commits = 0;
};

HWND Page(HWND sheet)
{
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void ShowPage(HWND sheet, int index)
{
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void PostButton(HWND sheet, int id)
{
    ::PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(sheet, id)));
}

class SoftSheetTest : public SoftDlgWindowTest {
protected:
    SoftSheetTest()
    {
        KvFieldValue(F_T1_TRANSFER, &record) = static_cast<short>(1);
        KvFieldValue(F_T1_EXTENSION, &record) = CString("100");
        KvFieldValue(F_T1_DATE, &record) = CString("12/25");
        KvFieldValue(F_T1_TIME, &record) = CString("9:30");
        KvFieldValue(F_T1_SPIN, &record) = static_cast<std::int32_t>(0);
        KvFieldValue(F_T1_CHECK1, &record) = static_cast<short>(1);
        KvRecArray layer(&KvFieldValue(F_T1_SENTENCE, &record).AsRecArray());
        auto* scope = new KvSoftRecMem(DEF_SCOPE);
        KvFieldValue(F_SCOPE_NAME, scope) = CString("Welcome");
        layer.Add(scope);
        KvFieldValue(F_T1_SENTENCE, &record) = layer;
        EXPECT_TRUE(record.Commit());
        record.commits = 0;
        record.SetEditing(1);
        strings.Set(DEF_TEST_SHEET, "Test sheet");
    }

    // Runs a sheet; the step sees the sheet window and ends it.
    int Run(WORD sheetId, const std::function<void(HWND)>& step)
    {
        KvSoftPropSheet sheet(sheetId, &record);
        DialogDriver driver(step);
        const int result = sheet.Execute();
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    std::string Text(WORD field) { return static_cast<const char*>(KvFieldValue(field, &record).AsText()); }

    CountingRecord record;
};

}  // namespace

// The test sheet closed with OK while only its first page was opened: the page showed the
// record when it started (the spin value raised into its range), the user's changes are
// committed once, and no page is left attached as the view.
TEST_F(SoftSheetTest, OkWithOnePageOpenedValidatesItAndCommitsOnce)
{
    std::string shown, label, caption;
    BOOL extensionEnabledBefore = FALSE, extensionEnabledAfter = TRUE;
    int rows = 0;
    size_t viewsWhileOpen = 0;
    HWND secondPage = reinterpret_cast<HWND>(1);
    const int result = Run(kTestSheet, [&](HWND sheet) {
        HWND page = Page(sheet);
        char text[64] = "";
        ::GetWindowTextA(sheet, text, sizeof text);
        caption = text;
        shown = std::to_string(::IsDlgButtonChecked(page, 507)) + "|" + ControlText(page, 509) + "|" +
                ControlText(page, 511) + "|" + ControlText(page, 512) + "|" + ControlText(page, 513) + "|" +
                std::to_string(::IsDlgButtonChecked(page, 515)) + std::to_string(::IsDlgButtonChecked(page, 516));
        label = ControlText(page, 502);
        rows = static_cast<int>(::SendDlgItemMessageA(page, 518, LVM_GETITEMCOUNT, 0, 0));
        extensionEnabledBefore = ::IsWindowEnabled(::GetDlgItem(page, 509));
        viewsWhileOpen = shell.views.size();
        secondPage = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_INDEXTOHWND, 1, 0));
        ::SetDlgItemTextA(page, 509, "200");
        ::SendDlgItemMessageA(page, 506, BM_CLICK, 0, 0);
        extensionEnabledAfter = ::IsWindowEnabled(::GetDlgItem(page, 509));
        PostButton(sheet, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_NE(caption.find("Test sheet"), std::string::npos) << caption;
    EXPECT_EQ(shown, "1|100|12/25|9:30|1|10");
    EXPECT_EQ(label, "Test prompt");
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(extensionEnabledBefore);
    EXPECT_FALSE(extensionEnabledAfter);
    EXPECT_EQ(secondPage, nullptr);  // never opened, never made
    EXPECT_EQ(viewsWhileOpen, 1u);
    EXPECT_EQ(shell.views, std::vector<HWND>{});
    EXPECT_EQ(record.commits, 1);
    record.DiscardEdits();  // what was committed stays
    EXPECT_EQ(Text(F_T1_EXTENSION), "200");
    EXPECT_EQ(KvFieldValue(F_T1_TRANSFER, &record).AsInt16(), 0);
    EXPECT_EQ(KvFieldValue(F_T1_SPIN, &record).AsInt32(), 1);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Cancel and the close box both leave the record as it was, commit nothing and detach.
TEST_F(SoftSheetTest, CancelAndTheCloseBoxDiscard)
{
    const struct {
        const char* how;
        bool closeBox;
    } cases[] = {{"Cancel", false}, {"close box", true}};
    for (const auto& c : cases) {
        const int result = Run(kTestSheet, [&](HWND sheet) {
            HWND page = Page(sheet);
            ::SetDlgItemTextA(page, 509, "999");
            ::SendDlgItemMessageA(page, 506, BM_CLICK, 0, 0);
            ShowPage(sheet, 1);
            if (c.closeBox)
                ::PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                PostButton(sheet, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << c.how;
        EXPECT_EQ(record.commits, 0) << c.how;
        EXPECT_EQ(Text(F_T1_EXTENSION), "100") << c.how;
        EXPECT_EQ(KvFieldValue(F_T1_TRANSFER, &record).AsInt16(), 1) << c.how;
        EXPECT_EQ(shell.views, std::vector<HWND>{}) << c.how;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// A refused value on the opened page keeps the sheet open on OK: nothing is committed.
TEST_F(SoftSheetTest, ABadValueOnAnOpenedPageKeepsTheSheetOpen)
{
    const int result = Run(kTestSheet, [&](HWND sheet) {
        ::SetDlgItemTextA(Page(sheet), 511, "13/1");
        PostButton(sheet, IDOK);  // refused
        PostButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(record.commits, 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Months must be between 1 and 12."});
    EXPECT_EQ(Text(F_T1_DATE), "12/25");
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Both pages show the extension: what the second page changes, the first shows when it is
// shown again; OK validates both and commits once.
TEST_F(SoftSheetTest, AValueChangedOnTheSecondPageShowsOnTheFirstAgain)
{
    std::vector<std::string> seen;
    std::vector<int> columnsAndRows;
    const auto listShape = [&](HWND page) {
        HWND list = ::GetDlgItem(page, 518);
        HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
        columnsAndRows.push_back(static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)));
        columnsAndRows.push_back(static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    };
    const int result = Run(kSharedFieldSheet, [&](HWND sheet) {
        seen.push_back(ControlText(Page(sheet), 509));
        listShape(Page(sheet));
        ShowPage(sheet, 1);
        seen.push_back(ControlText(Page(sheet), 101));
        ::SetDlgItemTextA(Page(sheet), 101, "555");
        ShowPage(sheet, 0);
        seen.push_back(ControlText(Page(sheet), 509));
        listShape(Page(sheet));  // set up once: the start again adds no columns
        PostButton(sheet, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen, (std::vector<std::string>{"100", "100", "555"}));
    EXPECT_EQ(columnsAndRows, (std::vector<int>{2, 1, 2, 1}));
    EXPECT_EQ(record.commits, 1);
    record.DiscardEdits();
    EXPECT_EQ(Text(F_T1_EXTENSION), "555");
    EXPECT_EQ(shell.views, std::vector<HWND>{});
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The record editor runs a record's property sheet for Edit and its soft dialog for
// EditInDialog.
TEST_F(SoftSheetTest, TheRecordEditorRunsTheRecordsSheetOrDialog)
{
    KvSoftRecordEditor editor;
    KvSoftObj::SetRecordEditor(&editor);
    std::string sheetCaption, dialogCaption;
    {
        DialogDriver driver([&](HWND window) {
            char text[64] = "";
            ::GetWindowTextA(window, text, sizeof text);
            sheetCaption = text;
            PostButton(window, IDOK);
        });
        EXPECT_EQ(record.Edit(), IDOK);
    }
    {
        KvSoftRecMem conversions(DEF_TEST_CONVERSIONS);
        DialogDriver driver([&](HWND window) {
            char text[64] = "";
            ::GetWindowTextA(window, text, sizeof text);
            dialogCaption = text;
            PostClick(window, IDCANCEL);
        });
        EXPECT_EQ(conversions.EditInDialog(0, 0), IDCANCEL);
    }
    KvSoftObj::SetRecordEditor(nullptr);
    EXPECT_NE(sheetCaption.find("Test sheet"), std::string::npos) << sheetCaption;
    EXPECT_EQ(dialogCaption, "Conversions");
    EXPECT_EQ(record.commits, 1);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The first page's spin edit keeps its value inside 1..60 and its radio group shows the
// transfer option; a value that names no radio button selects none, and OK with none
// selected stores the member count.
TEST_F(SoftSheetTest, SpinAndRadioValuesOfTheFirstPage)
{
    const struct {
        std::int32_t spin;
        short transfer;
        const char* shownSpin;
        const char* shownRadio;  // check states of the two buttons
        std::int32_t storedSpin;
        short storedTransfer;
    } cases[] = {
        {30, 0, "30", "10", 30, 0}, {0, 1, "1", "01", 1, 1}, {75, 5, "60", "00", 60, 2}, {-70000, -1, "1", "00", 1, 2},
    };
    for (const auto& c : cases) {
        KvFieldValue(F_T1_SPIN, &record) = c.spin;
        KvFieldValue(F_T1_TRANSFER, &record) = c.transfer;
        ASSERT_TRUE(record.Commit());
        std::string spin, radio;
        const int result = Run(kTestSheet, [&](HWND sheet) {
            HWND page = Page(sheet);
            spin = ControlText(page, 513);
            radio = std::to_string(::IsDlgButtonChecked(page, 506)) + std::to_string(::IsDlgButtonChecked(page, 507));
            // The spin edit's change stores the spin group; a group command (code 10) from
            // a radio button stores the radio group as it stands, without clicking.
            ::SetDlgItemTextA(page, 513, spin.c_str());
            ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(506, 10), reinterpret_cast<LPARAM>(::GetDlgItem(page, 506)));
            PostButton(sheet, IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.spin;
        EXPECT_EQ(spin, c.shownSpin) << c.spin;
        EXPECT_EQ(radio, c.shownRadio) << c.transfer;
        record.DiscardEdits();
        EXPECT_EQ(KvFieldValue(F_T1_SPIN, &record).AsInt32(), c.storedSpin) << c.spin;
        EXPECT_EQ(KvFieldValue(F_T1_TRANSFER, &record).AsInt16(), c.storedTransfer) << c.transfer;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Help shows the help context of the page shown; the sheet's caption has no help box.
TEST_F(SoftSheetTest, HelpShowsTheShownPagesContext)
{
    LONG exStyle = -1;
    const int result = Run(kSharedFieldSheet, [&](HWND sheet) {
        exStyle = ::GetWindowLongA(sheet, GWL_EXSTYLE);
        ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_HELP, 0);
        ShowPage(sheet, 1);
        ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_HELP, 0);
        PostButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(exStyle & WS_EX_CONTEXTHELP, 0);
    EXPECT_EQ(shell.helps, (std::vector<unsigned>{102, 103}));
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The application's file properties over the program's own texts: on every page the sheet's
// caption is its record's text and its tab strip is shown, one tab per page with the page's
// tab selected and not covered by the page.
TEST_F(SoftSheetTest, TheApplicationSheetShowsItsCaptionAndTabsOnEveryPage)
{
    struct Shown {
        std::string caption;
        bool tabsVisible = false;
        int tabs = 0, selected = -1;
        bool pageBelowTabs = false;
    };
    const char* const pictures[] = {"application_sheet_general", "application_sheet_security"};
    std::vector<Shown> shown;
    MemoryRecord app(DEF_USER_APP);
    KvFieldValue(F_UA_NAME, &app) = CString("Sales");
    ASSERT_TRUE(app.Commit());
    KvSoftPropSheet sheet(SHEET_USER_APP, &app);
    DialogDriver driver([&](HWND window) {
        for (int page = 0; page < 2; ++page) {
            ShowPage(window, page);
            PumpPending();
            Shown s;
            char text[64] = "";
            ::GetWindowTextA(window, text, sizeof text);
            s.caption = text;
            HWND tabs = reinterpret_cast<HWND>(::SendMessageA(window, PSM_GETTABCONTROL, 0, 0));
            s.tabsVisible = tabs != nullptr && ::IsWindowVisible(tabs);
            s.tabs = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
            s.selected = static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
            RECT tab{}, shownPage{};
            ::SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&tab));
            ::MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
            ::GetWindowRect(Page(window), &shownPage);
            s.pageBelowTabs = tab.bottom > tab.top && tab.bottom <= shownPage.top;
            shown.push_back(s);
            EXPECT_FALSE(SaveWindowPicture(window, pictures[page]).empty());
        }
        PostButton(window, IDCANCEL);
    });
    EXPECT_EQ(sheet.Execute(), IDCANCEL);
    EXPECT_TRUE(driver.Ran());
    ASSERT_EQ(shown.size(), 2u);
    for (int page = 0; page < 2; ++page) {
        const Shown& s = shown[static_cast<size_t>(page)];
        EXPECT_EQ(s.caption, "File properties") << page;
        EXPECT_TRUE(s.tabsVisible) << page;
        EXPECT_EQ(s.tabs, 2) << page;
        EXPECT_EQ(s.selected, page);
        EXPECT_TRUE(s.pageBelowTabs) << page;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}
