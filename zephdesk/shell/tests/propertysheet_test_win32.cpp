// File > Properties in the real property sheet: the General page shows the application's
// fields with "Complete" as the program says, the Security page its password fields, and
// Cancel sends nothing to the server.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvrecedit.h"
#include "framework/softrec/kvsoftobj.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/document/kvuserapp.h"
#include "fake_link.h"

namespace {

constexpr int kName = 102, kId = 2009, kComplete = 103, kDescription = 2003;

struct PageTexts {
    std::string name, id, complete, description;
};

}  // namespace

TEST(PropertySheetWindowTest, BothPagesShowTheApplicationAndCancelSendsNothing)
{
    // The capture comes first: it installs a string table of its own, which the program's
    // texts must replace (the sheet's caption is one of them).
    FaultCapture capture;
    KvBuiltinDefinitionStore definitions;
    KvSetDefinitionStore(&definitions);
    KvDefinitionStrings strings;  // the texts the program carries as resources
    KvSetStringTable(&strings);
    KvSoftRecordEditor editor;
    KvSoftObj::SetRecordEditor(&editor);
    FakeLink link;
    ScopedLink scope(&link);
    KvUserApp app("Sales.ed");
    app.SetInt(F_UA_ID, 2000);
    app.SetText(F_UA_DESCRIPTION, "Orders by phone");
    app.Commit();

    PageTexts general;
    std::string securityTitle, caption;
    DialogDriver driver([&](HWND sheet) {
        char text[64] = "";
        ::GetWindowTextA(sheet, text, sizeof text);
        caption = text;
        HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        general = {ControlText(page, kName), ControlText(page, kId), ControlText(page, kComplete),
                   ControlText(page, kDescription)};
        SaveWindowPicture(sheet, "properties_general");
        ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        PumpPending();
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        char title[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0)),
                       reinterpret_cast<LPARAM>(&item));
        securityTitle = title;
        SaveWindowPicture(sheet, "properties_security");
        PostClick(sheet, IDCANCEL);
    });
    EXPECT_EQ(app.EditProperties(1), -1);
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(caption, "File properties");
    EXPECT_EQ(general.name, "Sales");
    EXPECT_EQ(general.id, "2000");
    EXPECT_EQ(general.complete, "No");  // no program: nothing is complete
    EXPECT_EQ(general.description, "Orders by phone");
    EXPECT_EQ(securityTitle, "Security");
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
    KvSoftObj::SetRecordEditor(nullptr);
    KvSetStringTable(nullptr);
    KvSetDefinitionStore(nullptr);
}
