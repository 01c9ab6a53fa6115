// The application list dialog's loop: the dialog of each mode run on a fresh server record,
// the chosen names resolved against the server's list (typed names ignoring case), the
// ID and name checks with their messages, and the choice handed back as one application
// or as a holder's list; Cancel and a dialog that cannot be shown end the loop.
#include <algorithm>
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softrec/kvdefstrings.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsoftobj.h"
#include "framework/softrec/kvsrecmem.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/applistdialog.h"
#include "shell/serverlists/kvserverrec.h"
#include "shell/serverlists/workspacelists.h"
#include "fake_link.h"
#include "userapp_fixture.h"

namespace {

// One pass of the dialog: the button that closed it and what the list control left as
// the choice (name, ID, volume), as the control stores it into the record's first entry.
struct Pass {
    int result;
    const char* name;
    std::int32_t id;
    std::int32_t volume;
};

class ScriptedDialog : public KvRecordEditor {
public:
    std::vector<Pass> passes;
    std::vector<WORD> dialogs, helps;
    std::vector<std::int32_t> seededIds;  // the ID the dialog was opened with, -2 when none

    int RunSoftDialog(WORD dialogId, WORD helpId, KvSoftRec& record) override
    {
        dialogs.push_back(dialogId);
        helps.push_back(helpId);
        KvFieldValue files(F_SRV_APPS, &record);
        KvRecArray layer(&files.AsRecArray());
        seededIds.push_back(layer.GetSize() > 0 ? KvFieldValue(F_UA_ID, layer.GetAt(0)).AsInt32() : -2);
        if (passes.empty())
            return 2;
        const Pass pass = passes.front();
        passes.erase(passes.begin());
        if (pass.name != nullptr) {
            if (layer.GetSize() == 0)
                layer.Add(new KvSoftRecMem(DEF_USER_APP));
            KvSoftRec* choice = layer.GetAt(0);
            KvFieldValue(F_UA_NAME, choice) = CString(pass.name);
            KvFieldValue(F_UA_ID, choice) = pass.id;
            KvFieldValue(F_UA_VOLUME, choice) = pass.volume;
            files = layer;
        }
        return pass.result;
    }
    int RunPropertySheet(WORD, KvSoftRec&) override { return 2; }
};

class AppListDialogTest : public UserAppTest {
protected:
    AppListDialogTest()
    {
        KvSoftObj::SetRecordEditor(&dialog);
        KvAppListEntry sales = FakeLink::App(2000, "Sales");
        sales.volumeId = 3;
        link.pump = {sales, FakeLink::App(2001, "Billing"), FakeLink::App(999, "Old")};
    }
    ~AppListDialogTest() override { KvSoftObj::SetRecordEditor(nullptr); }

    struct Chosen {
        std::string name;
        std::int32_t id, volume;
        bool operator==(const Chosen& o) const { return name == o.name && id == o.id && volume == o.volume; }
    };
    static std::vector<Chosen> ListOf(KvServerRec& holder)
    {
        std::vector<Chosen> out;
        KvObArray& apps = holder.List(F_SRV_APPS);
        for (int i = 0; i < apps.GetSize(); ++i) {
            auto* app = static_cast<KvSoftRec*>(apps.GetAt(i));
            out.push_back({static_cast<const char*>(KvFieldValue(F_UA_NAME, app).AsText()),
                           KvFieldValue(F_UA_ID, app).AsInt32(), KvFieldValue(F_UA_VOLUME, app).AsInt32()});
        }
        return out;
    }
    static Chosen Identity(KvSoftRec& app)
    {
        return {static_cast<const char*>(KvFieldValue(F_UA_NAME, &app).AsText()), KvFieldValue(F_UA_ID, &app).AsInt32(),
                KvFieldValue(F_UA_VOLUME, &app).AsInt32()};
    }

    FakeLink link;
    ScopedLink scope{&link};
    ScriptedDialog dialog;
    KvWorkspaceLists lists;
};

const std::string k8004 = "The application ID must be in the range 1000-49999 (inclusive).";
const std::string k8006 = "Please enter the application name or select an application from the list.";
std::string Text8005(const std::string& name)
{
    return "The application with the name '" + name +
           "' could not be found.\nPlease enter a different name or select an application from the list.";
}

}  // namespace

TEST_F(AppListDialogTest, EveryModeRunsItsDialogAndHandsBackAPickedApplication)
{
    struct Case {
        const KvAppListMode* mode;
        WORD dialogId, helpId;
        bool seeded, listResult;
    };
    const Case cases[] = {
        {&kKvSaveAsMode, 14509, 11130, true, false},  {&kKvImportMode, 14510, 11110, false, true},
        {&kKvNewMode, 14511, 11112, true, false},     {&kKvOpenMode, 14512, 11120, false, true},
        {&kKvRemoveImportMode, 14513, 11111, false, true}, {&kKvDeleteMode, 14514, 11131, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialogId);
        dialog = ScriptedDialog();
        dialog.passes = {{1, "  Sales ", 2000, 3}};
        KvServerRec holder(1);
        KvUserApp single("");
        ASSERT_EQ(KvChooseApplications(lists, *c.mode, c.listResult ? nullptr : &single,
                                       c.listResult ? &holder : nullptr),
                  1);
        EXPECT_EQ(dialog.dialogs, std::vector<WORD>{c.dialogId});
        EXPECT_EQ(dialog.helps, std::vector<WORD>{c.helpId});
        EXPECT_EQ(dialog.seededIds, std::vector<std::int32_t>{c.seeded ? 4321 : -2});
        const Chosen sales{"Sales", 2000, 3};  // a picked name loses its surrounding blanks
        if (c.listResult) {
            EXPECT_EQ(ListOf(holder), std::vector<Chosen>{sales});
        } else {
            EXPECT_EQ(Identity(single), sales);
        }
    }
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(link.outstanding, 0);
}

TEST_F(AppListDialogTest, LocksOnlyShowsTheListAndChecksNothing)
{
    dialog.passes = {{1, "", 0, 0}};
    EXPECT_EQ(KvChooseApplications(lists, kKvLocksMode, nullptr, nullptr), 1);
    EXPECT_EQ(dialog.dialogs, std::vector<WORD>{14515});
    EXPECT_EQ(dialog.helps, std::vector<WORD>{11135});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(std::count(link.calls.begin(), link.calls.end(), "FilesToPump"), 0);
}

TEST_F(AppListDialogTest, TypedNamesMatchIgnoringCaseAndComeBackInOrder)
{
    dialog.passes = {{1, "\"billing\" \"SALES\"", -1, -1}};
    KvServerRec holder(1);
    ASSERT_EQ(KvChooseApplications(lists, kKvOpenMode, nullptr, &holder), 1);
    EXPECT_EQ(ListOf(holder), (std::vector<Chosen>{{"billing", 2001, 1}, {"SALES", 2000, 3}}));
    EXPECT_EQ(dialog.dialogs.size(), 1u);
}

TEST_F(AppListDialogTest, AnUnmatchedNameHandsBackNothingAndShowsTheDialogAgain)
{
    dialog.passes = {{1, "\"Sales\" \"Nowhere\"", -1, -1}};  // then Cancel
    KvServerRec holder(1);
    EXPECT_EQ(KvChooseApplications(lists, kKvDeleteMode, nullptr, &holder), 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text8005("Nowhere")});
    EXPECT_EQ(dialog.dialogs.size(), 2u);
    EXPECT_TRUE(ListOf(holder).empty());
}

TEST_F(AppListDialogTest, AChoiceThatFailsItsChecksShowsTheDialogAgainUntilOneIsValid)
{
    struct Case {
        const KvAppListMode* mode;
        Pass first;
        std::string message;
    };
    const Case cases[] = {
        {&kKvNewMode, {1, "Fresh", 999, 1}, k8004},           // picked ID below the range
        {&kKvNewMode, {1, "Fresh", 50000, 1}, k8004},         // and above it
        {&kKvNewMode, {1, "Old", -1, -1}, k8004},             // the server's entry has ID 999
        {&kKvSaveAsMode, {1, "", 4321, 1}, k8006},            // no name
        {&kKvImportMode, {1, "Gone", -1, -1}, Text8005("Gone")},
        {&kKvOpenMode, {1, "\" \"", -1, -1}, ""},             // quotes around blanks name nothing
        {&kKvOpenMode, {1, nullptr, 0, 0}, ""},               // nothing chosen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        dialog = ScriptedDialog();
        dialog.passes = {c.first, {1, "Sales", 2000, 3}};
        KvServerRec holder(1);
        KvUserApp single("");
        const bool list = c.mode == &kKvImportMode || c.mode == &kKvOpenMode;
        const std::size_t shown = Messages().size();
        ASSERT_EQ(KvChooseApplications(lists, *c.mode, list ? nullptr : &single, list ? &holder : nullptr), 1);
        EXPECT_EQ(dialog.dialogs.size(), 2u);
        const std::vector<std::string> messages = Messages();
        ASSERT_EQ(messages.size(), shown + (c.message.empty() ? 0 : 1));
        if (!c.message.empty()) {
            EXPECT_EQ(messages.back(), c.message);
        }
        if (list) {
            EXPECT_EQ(ListOf(holder), (std::vector<Chosen>{{"Sales", 2000, 3}}));
        } else {
            EXPECT_EQ(Identity(single), (Chosen{"Sales", 2000, 3}));
        }
    }
}

TEST_F(AppListDialogTest, ValidationByTheChecksAskedFor)
{
    struct Case {
        bool checkId, checkName;
        std::int32_t id;
        const char* name;
        int valid;
        std::string message;
        std::int32_t storedId;
    };
    const Case cases[] = {
        {true, true, 1000, "A", 1, "", 1000},
        {true, true, 49999, "A", 1, "", 49999},
        {true, true, 999, "A", 0, k8004, 999},
        {true, true, 50000, "A", 0, k8004, 50000},
        {true, true, -1, "A", 0, k8004, 0},
        {false, true, -1, "A", 0, Text8005("A"), 0},
        {false, true, -1, "", 0, k8006, 0},
        {false, true, 2000, "", 0, k8006, 2000},
        {false, true, 5, "A", 1, "", 5},
        {true, false, 1000, "", 1, "", 1000},
        {false, false, -1, "", 1, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " " + c.name);
        KvSoftRecMem record(DEF_USER_APP);
        KvFieldValue(F_UA_ID, &record) = c.id;
        KvFieldValue(F_UA_NAME, &record) = CString(c.name);
        const std::size_t shown = Messages().size();
        EXPECT_EQ(KvValidateAppChoice(c.checkId, c.checkName, record), c.valid);
        EXPECT_EQ(KvFieldValue(F_UA_ID, &record).AsInt32(), c.storedId);
        const std::vector<std::string> messages = Messages();
        ASSERT_EQ(messages.size(), shown + (c.message.empty() ? 0 : 1));
        if (!c.message.empty()) {
            EXPECT_EQ(messages.back(), c.message);
        }
    }
}

TEST_F(AppListDialogTest, CancelAndADialogThatCannotBeShownEndWithZero)
{
    dialog.passes = {{2, "Sales", 2000, 3}};
    KvUserApp single("");
    EXPECT_EQ(KvChooseApplications(lists, kKvNewMode, &single, nullptr), 0);
    EXPECT_EQ(Identity(single).name, "");  // untouched
    dialog = ScriptedDialog();
    dialog.passes = {{-1, nullptr, 0, 0}, {1, "Sales", 2000, 3}};
    EXPECT_EQ(KvChooseApplications(lists, kKvNewMode, &single, nullptr), 0);
    EXPECT_EQ(dialog.dialogs.size(), 1u);
    EXPECT_EQ(Assertions().size(), 1u);
}

TEST_F(AppListDialogTest, AFailedIdRequestLeavesTheDialogUnseeded)
{
    link.results["GetUnusedID"] = 60;
    dialog.passes = {{1, "Fresh", 0, 1}};
    KvUserApp single("");
    EXPECT_EQ(KvChooseApplications(lists, kKvNewMode, &single, nullptr), 0);
    EXPECT_EQ(dialog.seededIds.front(), -2);
    EXPECT_EQ(Messages(), std::vector<std::string>{k8004});
}

// Each mode's definition: its template, the list control's flags and list, the field the
// choice is linked to, and the title its start gives the dialog.
TEST_F(AppListDialogTest, EveryModesDefinitionNamesItsListFlagsAndTitle)
{
    struct Case {
        const KvAppListMode* mode;
        WORD dialogTemplate, flags, listLink, linkField;
        const char* title;
    };
    const Case cases[] = {
        {&kKvSaveAsMode, 10001, 0x8005, 2307, 28051, "Save As"},
        {&kKvImportMode, 10001, 0x8006, 2309, 28051, "Import"},
        {&kKvNewMode, 10001, 0x8005, 2305, 28051, "New"},
        {&kKvOpenMode, 10001, 0x8006, 2306, 25255, "Open"},
        {&kKvRemoveImportMode, 10001, 0x8006, 2314, 28051, "Undo Import"},
        {&kKvDeleteMode, 10001, 0x8006, 2308, 25255, "Delete"},
        {&kKvLocksMode, 10003, 0x8004, 2310, 25255, "Locks"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        KvSoftDlgDef* def = KvSoftDlgDef::Create(c.mode->defId);
        ASSERT_NE(def, nullptr);
        EXPECT_EQ(def->GetDlgResID(), c.dialogTemplate);
        const KvSection* controls = def->GetSoftControlSection();
        const KvStatement* group = nullptr;
        for (int i = 0; controls != nullptr && i < controls->GetNbStatements(kKvKindBody); ++i) {
            if (controls->GetStatement(kKvKindBody, i)->GetOperand(0) == 5000)
                group = controls->GetStatement(kKvKindBody, i);
        }
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->GetFlags(), c.flags);
        EXPECT_EQ(group->GetOptional(0), c.listLink);
        const KvSection* links = def->GetDataLinkSection();
        ASSERT_NE(links, nullptr);
        EXPECT_EQ(links->GetStatement(kKvKindBody, 0)->GetOperand(1), c.linkField);
        KvObArray* notifications = def->GetSections(kKvSecNotification);
        ASSERT_EQ(def->GetNotificationCount(), 1);
        const auto* start = static_cast<const KvSection*>(notifications->GetAt(0));
        const WORD titleId = start->GetStatement(kKvKindBody, 0)->GetOptionalByKey(0x0468);
        const char* title = KvDefinitionStrings::Find(titleId);
        EXPECT_STREQ(title != nullptr ? title : "", c.title);
        if (def->Release() == 0)
            delete def;
    }
    EXPECT_TRUE(Assertions().empty());
}
