// The application list dialog as the user sees it: the real soft dialog of each File
// command over the workspace's lists, its title and Done button named after the command,
// the server's applications listed, and a picked row or a typed name handed back.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/shellservices.h"
#include "framework/softdlg/kvrecedit.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftobj.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/applistdialog.h"
#include "shell/serverlists/kvserverrec.h"
#include "shell/serverlists/workspacelists.h"
#include "fake_link.h"

namespace {

constexpr int kList = 2008, kName = 102, kId = 2009, kVolume = 105;

// The soft dialogs reach the server's lists through the workspace's data links.
class ListShell : public ShellServices {
public:
    explicit ListShell(KvWorkspaceLists& lists) : m_lists(lists) {}
    bool ResolveDataLink(WORD linkId, KvFieldValue& field) override
    {
        return m_lists.ResolveDataLink(linkId, field, nullptr);
    }
    void RefreshDataLink(WORD linkId) override { m_lists.RefreshDataLink(linkId, 0); }
    void PumpDataLink(WORD linkId, int position) override { m_lists.PumpDataLink(linkId, position); }

private:
    KvWorkspaceLists& m_lists;
};

// What the dialog showed when it came up.
struct Shown {
    std::string title, done, id, volume;
    std::vector<std::string> names;
};

Shown Read(HWND dialog)
{
    Shown shown;
    char text[128] = "";
    ::GetWindowTextA(dialog, text, sizeof text);
    shown.title = text;
    shown.done = ControlText(dialog, IDOK);
    shown.id = ControlText(dialog, kId);
    shown.volume = ControlText(dialog, kVolume);
    HWND list = ::GetDlgItem(dialog, kList);
    const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r)
        shown.names.push_back(ListViewCell(list, r, 0));
    return shown;
}

int RowOf(HWND dialog, const std::string& name)
{
    HWND list = ::GetDlgItem(dialog, kList);
    const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r) {
        if (ListViewCell(list, r, 0) == name)
            return r;
    }
    return -1;
}

void Select(HWND dialog, int row)
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendDlgItemMessageA(dialog, kList, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

class AppListWindowTest : public ::testing::Test {
protected:
    AppListWindowTest()
    {
        KvSetDefinitionStore(&definitions);
        KvSetStringTable(&strings);
        KvSoftObj::SetRecordEditor(&editor);
        KvSoftObj::SetApplication(&shell);
        link.apps = {FakeLink::App(2000, "Sales"), FakeLink::App(2001, "Billing"), FakeLink::App(2002, "Orders")};
        link.pump = link.apps;
        KvVolumeEntry volume{};
        volume.number = 1;
        std::strcpy(volume.text, "VOL1");
        link.volumes.push_back(volume);
    }
    ~AppListWindowTest() override
    {
        KvSoftObj::SetApplication(nullptr);
        KvSoftObj::SetRecordEditor(nullptr);
        KvSetStringTable(nullptr);
        KvSetDefinitionStore(nullptr);
    }

    // Runs the command's dialog; the step sees it once it is up.
    int Run(const KvAppListMode& mode, KvSoftRec* single, KvServerRec* holder, const DialogDriver::Step& step)
    {
        DialogDriver driver(step);
        const int result = KvChooseApplications(lists, mode, single, holder);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : capture.presenter.Boxes())
            texts.push_back(box.text);
        return texts;
    }

    KvBuiltinDefinitionStore definitions;
    KvDefinitionStrings strings;  // the texts the program carries as resources
    KvSoftRecordEditor editor;
    FaultCapture capture;
    FakeLink link;
    ScopedLink scope{&link};
    KvWorkspaceLists lists;
    ListShell shell{lists};
};

}  // namespace

TEST_F(AppListWindowTest, OpenListsTheServersApplicationsAndHandsBackThePickedOne)
{
    Shown shown;
    KvServerRec holder(1);
    const int result = Run(kKvOpenMode, nullptr, &holder, [&](HWND dialog) {
        shown = Read(dialog);
        Select(dialog, RowOf(dialog, "Billing"));
        SaveWindowPicture(dialog, "applist_open");
        PostClick(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(shown.title, "Open");
    EXPECT_EQ(shown.done, "Open");
    EXPECT_EQ(shown.names, (std::vector<std::string>{"Sales", "Billing", "Orders"}));
    KvObArray& chosen = holder.List(F_SRV_APPS);
    ASSERT_EQ(chosen.GetSize(), 1);
    auto* app = static_cast<KvSoftRec*>(chosen.GetAt(0));
    EXPECT_EQ(std::string(KvFieldValue(F_UA_NAME, app).AsText()), "Billing");
    EXPECT_EQ(KvFieldValue(F_UA_ID, app).AsInt32(), 2001);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

TEST_F(AppListWindowTest, SaveAsOffersANewIdAndTakesATypedName)
{
    Shown shown;
    KvUserApp single("");
    const int result = Run(kKvSaveAsMode, &single, nullptr, [&](HWND dialog) {
        shown = Read(dialog);
        ::SetDlgItemTextA(dialog, kName, "Payroll");
        SaveWindowPicture(dialog, "applist_save_as");
        PostClick(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(shown.title, "Save As");
    EXPECT_EQ(shown.done, "Save As");
    EXPECT_EQ(shown.id, "4321");
    EXPECT_EQ(shown.volume, "1");  // the seeded volume, picked in the list
    EXPECT_EQ(std::string(KvFieldValue(F_UA_NAME, &single).AsText()), "Payroll");
    EXPECT_EQ(KvFieldValue(F_UA_ID, &single).AsInt32(), 4321);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// The typed name finds the server's application (its ID and volume); the name stays as typed.
TEST_F(AppListWindowTest, ANameTypedInOtherCaseOpensTheServersApplication)
{
    KvServerRec holder(1);
    const int result = Run(kKvOpenMode, nullptr, &holder, [&](HWND dialog) {
        ::SetDlgItemTextA(dialog, kName, "bILLING");
        PostClick(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    KvObArray& chosen = holder.List(F_SRV_APPS);
    ASSERT_EQ(chosen.GetSize(), 1);
    auto* app = static_cast<KvSoftRec*>(chosen.GetAt(0));
    EXPECT_EQ(std::string(KvFieldValue(F_UA_NAME, app).AsText()), "bILLING");
    EXPECT_EQ(KvFieldValue(F_UA_ID, app).AsInt32(), 2001);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

TEST_F(AppListWindowTest, CancelEndsWithNothingChosen)
{
    KvServerRec holder(1);
    EXPECT_EQ(Run(kKvDeleteMode, nullptr, &holder, [&](HWND dialog) {
                  Select(dialog, 0);
                  PostClick(dialog, IDCANCEL);
              }),
              0);
    EXPECT_EQ(holder.List(F_SRV_APPS).GetSize(), 0);
}
