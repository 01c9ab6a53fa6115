// The document operations and the workspace's File workers: the server's results and
// their messages, the local files they leave, and the faults they must not make.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "operations_fixture.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "shell/items/itemdata.h"
#include "shell/items/kvsoftitem.h"

namespace {

const std::string k8041 =
    "The system could not load the application from the server.\nPlease check the connection to the server and try "
    "again.";
const std::string k8040 =
    "The system could not save the application on the server.\nPlease check the connection to the server and try "
    "again.";
const std::string k8063 = "Server disk is full. Server will not perform any operation";
const std::string k8064 = "Database space is full.Server will not perform any operation";
const std::string k8065 = "MISA space is full.Server will not perform any operation";
const std::string k8057 =
    "The application could not be created because the specified\napplication name and ID are currently in use.";
const std::string k8058 =
    "The application could not be created because the specified\napplication name is currently in use.";
const std::string k8059 =
    "The application could not be created because the specified\napplication ID is currently in use.";

struct ResultRow {
    int result;
    std::string text;  // empty: no message
    std::uint32_t icon;
    int answer;        // the operation's result
};

std::uint32_t IconOf(const KvScriptedPresenter::Box& box) { return box.style & kKvMbIconMask; }

// Saves the opened application and lets it go, then opens its file again as app, by id.
void SaveAndReopen(KvWinApp& workspace, KvUserApp* first, KvUserApp& app, std::int32_t id)
{
    ASSERT_EQ(first->Save(0), 0);
    first->SetProgram(nullptr);
    workspace.RemoveUserApp(first);
    app.SetInt(F_UA_ID, id);
    app.Commit();
    ASSERT_EQ(app.Load(KvUserApp::kLoadOpen), 0);
}

TEST_F(OperationsTest, OpenAndNewShowOneMessagePerServerResult)
{
    const std::string k8060 =
        "The application could not be opened because it is currently being\nupdated by another administrator.\n"
        "Please try again later.";
    const std::string k8109 =
        "The application could not be created because the maximum application \nlimit has been reached for this "
        "server.";
    struct ModeRow {
        int mode;
        ResultRow row;
    };
    const ModeRow rows[] = {
        {KvUserApp::kLoadOpen, {27, k8060, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadOpen, {28, "The requested application is already open in the workspace.", kKvMbIconExclamation, -1}},
        {KvUserApp::kLoadNew, {28, k8057, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadOpen, {29, "", 0, 1}},
        {KvUserApp::kLoadNew, {29, "", 0, 1}},
        {KvUserApp::kLoadOpen, {62, k8063, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadNew, {63, k8064, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadOpen, {64, k8065, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadNew, {72, k8109, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadOpen, {101, k8057, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadNew, {102, k8059, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadOpen, {103, k8058, kKvMbIconExclamation, 1}},
        {KvUserApp::kLoadNew, {40, k8041, kKvMbIconExclamation, 1}},
    };
    WriteProgram("Payroll");
    for (const ModeRow& r : rows) {
        SCOPED_TRACE(std::to_string(r.mode) + " / " + std::to_string(r.row.result));
        Presenter().Clear();
        calls.calls.clear();
        calls.results = {{"FileOpen", r.row.result}, {"FileNew", r.row.result}};
        KvUserApp app("Payroll");
        app.SetInt(F_UA_ID, 1500);
        app.Commit();
        EXPECT_EQ(app.Load(r.mode), r.row.answer);
        EXPECT_EQ(app.GetProgram(), nullptr);
        EXPECT_EQ(calls.calls, std::vector<std::string>{r.mode == KvUserApp::kLoadNew ? "FileNew" : "FileOpen"});
        if (r.row.text.empty()) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages(), std::vector<std::string>{r.row.text});
            EXPECT_EQ(IconOf(Boxes()[0]), r.row.icon);
        }
    }
    EXPECT_TRUE(frame.log.empty());
}

TEST_F(OperationsTest, SaveShowsOneMessagePerServerResultAndStaysModified)
{
    const ResultRow rows[] = {
        {59, "", 0, 1},
        {62, k8063, kKvMbIconHand, 1},
        {63, k8064, kKvMbIconHand, 1},
        {64, k8065, kKvMbIconHand, 1},
        {68, "This application is assigned to an SDN. Cannot make it incomplete!", kKvMbIconExclamation, 1},
        {41, k8040, kKvMbIconHand, 1},
        {0, "", 0, 0},
    };
    KvUserApp* app = Open("Payroll", 1500);
    for (const ResultRow& r : rows) {
        SCOPED_TRACE(r.result);
        Presenter().Clear();
        calls.results = {{"FileSave11", r.result}};
        app->GetProgram()->ClearModified();
        EXPECT_EQ(app->Save(1), r.answer);
        EXPECT_EQ(app->GetProgram()->IsModified(), r.answer != 0);
        if (r.text.empty()) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages(), std::vector<std::string>{r.text});
            EXPECT_EQ(IconOf(Boxes()[0]), r.icon);
        }
    }
    // The new program is incomplete: saved as incomplete, with its box, never built.
    EXPECT_EQ(calls.lastComplete, 0);
    EXPECT_EQ(std::count(frame.log.begin(), frame.log.end(), "build"), 0);
    EXPECT_GT(std::count(frame.log.begin(), frame.log.end(), "incomplete box"), 0);
}

TEST_F(OperationsTest, SaveAsShowsOneMessagePerServerResultAndKeepsTheOldIdentity)
{
    const ResultRow rows[] = {
        {20, "The target application is locked by another PC.", kKvMbIconHand, 1},
        {59, "", 0, 1},
        {62, k8063, kKvMbIconHand, 1},
        {63, k8064, kKvMbIconHand, 1},
        {64, k8065, kKvMbIconHand, 1},
        {67, "Cannot save a non-exported application as an imported application.", kKvMbIconHand, 1},
        {68, "This application is assigned to an SDN. Cannot make it incomplete!", kKvMbIconHand, 1},
        {102, k8059, kKvMbIconExclamation, 1},
        {103, k8058, kKvMbIconExclamation, 1},
        {41, k8040, kKvMbIconHand, 1},
    };
    KvUserApp* app = Open("Payroll", 1500);
    for (const ResultRow& r : rows) {
        SCOPED_TRACE(r.result);
        Presenter().Clear();
        calls.results = {{"FileSaveAs", r.result}};
        KvUserApp target("Budget");
        target.SetInt(F_UA_ID, 1600);
        target.SetInt(F_UA_VOLUME, 3);
        target.Commit();
        EXPECT_EQ(app->SaveAs(target), r.answer);
        EXPECT_EQ(calls.lastNewName, "Budget");
        if (r.text.empty()) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages(), std::vector<std::string>{r.text});
            EXPECT_EQ(IconOf(Boxes()[0]), r.icon);
        }
        EXPECT_EQ(std::string(app->GetText(F_UA_NAME)), "Payroll");
        EXPECT_EQ(app->GetInt(F_UA_ID), 1500);
        EXPECT_TRUE(app->GetProgram()->IsModified());
        // What the failed save wrote under the new name is gone again.
        EXPECT_FALSE(Exists("Budget.ed"));
        EXPECT_TRUE(Exists("Payroll.ed"));
    }
}

TEST_F(OperationsTest, AFailedSaveAsKeepsTheEarlierFileOfTheNewName)
{
    KvUserApp* app = Open("Payroll", 1500);
    // Another application's recovery copy under the name chosen.
    std::ofstream(folder + "Budget.ed") << "another application";
    calls.results = {{"FileSaveAs", 20}};
    KvUserApp target("Budget");
    target.SetInt(F_UA_ID, 1600);
    target.Commit();
    EXPECT_EQ(app->SaveAs(target), 1);
    EXPECT_EQ(Read(folder + "Budget.ed"), "another application");
    EXPECT_FALSE(Exists("Budget.BAK"));
    // Accepted, the new name's files are the program's and the old name's are gone.
    calls.results.clear();
    EXPECT_EQ(app->SaveAs(target), 0);
    EXPECT_NE(Read(folder + "Budget.ed"), "another application");
    EXPECT_FALSE(Exists("Payroll.ed"));
    EXPECT_EQ(std::string(app->GetText(F_UA_NAME)), "Budget");
}

TEST_F(OperationsTest, AFileThatCannotBeWrittenIsNeverSent)
{
    KvUserApp* app = Open("Payroll", 1500);
    app->GetProgram()->ClearModified();
    frame.failWrite = true;
    calls.calls.clear();
    EXPECT_EQ(app->Save(1), 1);
    KvUserApp target("Budget");
    target.SetInt(F_UA_ID, 1600);
    target.Commit();
    EXPECT_EQ(app->SaveAs(target), 1);
    EXPECT_TRUE(calls.calls.empty());
    EXPECT_TRUE(app->GetProgram()->IsModified());
    EXPECT_EQ(std::string(app->GetText(F_UA_NAME)), "Payroll");
}

TEST_F(OperationsTest, ACompleteApplicationIsBuiltAndAFailedCompileIsSavedIncomplete)
{
    KvUserApp* app = Open("Payroll", 1500, true);
    app->SetExported(1);
    calls.profile.importable = 1;
    EXPECT_EQ(app->Save(1), 0);
    EXPECT_EQ(calls.lastComplete, 1);
    EXPECT_TRUE(Exists("Payroll.run"));
    EXPECT_TRUE(Exists("Payroll.rll"));
    frame.buildResult = 1;
    EXPECT_EQ(app->Save(1), 0);
    EXPECT_EQ(calls.lastComplete, 0);
    // No stale library is sent in place of the one that failed.
    EXPECT_FALSE(Exists("Payroll.run"));
    EXPECT_FALSE(Exists("Payroll.rll"));
}

TEST_F(OperationsTest, AnApplicationOpenInTheWorkspaceIsRefusedBeforeAnyCall)
{
    Open("Payroll", 1500);
    calls.calls.clear();
    Presenter().Clear();
    KvUserApp again("Payroll");
    again.SetInt(F_UA_ID, 1500);
    again.Commit();
    EXPECT_EQ(again.Load(KvUserApp::kLoadOpen), -1);
    EXPECT_TRUE(calls.calls.empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"The requested application is already open in the workspace."});
}

TEST_F(OperationsTest, AnUnreadableLocalFileReleasesTheLockAndItsCopy)
{
    std::ofstream(folder + "Payroll.ed") << "not a program file";
    KvUserApp app("Payroll");
    app.SetInt(F_UA_ID, 1500);
    app.Commit();
    EXPECT_EQ(app.Load(KvUserApp::kLoadOpen), 1);
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"FileOpen", "FileClose"}));
    EXPECT_FALSE(Exists("Payroll.ed"));
    // Stand-alone, the file is the user's own: it stays.
    frame.standAlone = true;
    std::ofstream(folder + "Payroll.ed") << "not a program file";
    EXPECT_EQ(app.Load(KvUserApp::kLoadOpen), 1);
    EXPECT_TRUE(Exists("Payroll.ed"));
}

TEST_F(OperationsTest, StandAloneOpenKeepsTheHeadersAttributes)
{
    frame.standAlone = true;
    KvUserApp* first = Open("Payroll", 1500);
    first->SetText(F_UA_DESCRIPTION, "Wages line");
    first->Commit();
    KvUserApp app("Payroll");
    SaveAndReopen(workspace, first, app, 1777);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(std::string(app.GetText(F_UA_DESCRIPTION)), "Wages line");
    EXPECT_EQ(app.GetInt(F_UA_ID), 1777);
    EXPECT_EQ(std::string(app.GetText(F_UA_NAME)), "Payroll");
    app.SetProgram(nullptr);
}

TEST_F(OperationsTest, OpenListsTheRestrictionListsTheProgramUses)
{
    frame.standAlone = true;
    KvUserApp* first = Open("Payroll", 1500);
    first->AddResPermUse(17);
    first->AddResPermUse(17);
    KvUserApp app("Payroll");
    SaveAndReopen(workspace, first, app, 1500);
    ASSERT_FALSE(HasFatalFailure());
    KvObArray* uses = app.GetList(F_UA_RESPERM_USED);
    ASSERT_NE(uses, nullptr);
    ASSERT_EQ(uses->GetSize(), 1);
    auto* use = static_cast<KvSoftRec*>(uses->GetAt(0));
    EXPECT_EQ(KvFieldValue(F_RPU_LIST_ID, use).AsInt32(), 17);
    EXPECT_EQ(KvFieldValue(F_RPU_COUNT, use).AsInt32(), 2);
    app.SetProgram(nullptr);
}

// The items of a program read from its file fill the document's lists, each kind its own
// list, bound to their symbols.
TEST_F(OperationsTest, OpenListsTheProgramsVoiceAndFaxItems)
{
    frame.standAlone = true;
    KvUserApp* first = Open("Payroll", 1500);
    const std::vector<std::tuple<const char*, int, int, const char*>> items = {
        {"Hello", kKvVoiceItemKind, 5, "hi"}, {"Form", kKvFaxItemKind, 2, "order form"},
        {"Bye", kKvVoiceItemKind, 6, "ciao"}};
    for (const auto& [name, kind, id, text] : items) {
        zeph::Symbol* symbol = nullptr;
        ASSERT_TRUE(
            vlxAddSymbol(symbol, name, kKvItemSymbolType, 1, id, 1, 0, KvNewItemData(kind, text, "").release()));
    }
    KvUserApp app("Payroll");
    SaveAndReopen(workspace, first, app, 1500);
    ASSERT_FALSE(HasFatalFailure());
    auto listed = [&](WORD list) {
        std::vector<std::string> texts;
        for (int i = 0; i < app.GetList(list)->GetSize(); ++i) {
            auto* item = dynamic_cast<KvSoftItem*>(app.GetList(list)->GetAt(i));
            EXPECT_NE(item, nullptr);
            if (item == nullptr)
                continue;
            EXPECT_NE(item->GetSymbol(), nullptr);
            texts.push_back(std::to_string(KvFieldValue(item->Fields().id, item).AsInt16()) + " " +
                            static_cast<const char*>(KvFieldValue(item->Fields().name, item).AsText()) + " " +
                            static_cast<const char*>(KvFieldValue(item->Fields().description, item).AsText()));
        }
        return texts;
    };
    // In the model's order of its symbols, by name.
    EXPECT_EQ(listed(F_UA_VOICE_ITEMS), (std::vector<std::string>{"6 Bye ciao", "5 Hello hi"}));
    EXPECT_EQ(listed(F_UA_FAX_ITEMS), std::vector<std::string>{"2 Form order form"});
    app.SetProgram(nullptr);
}

TEST_F(OperationsTest, CloseDeletesTheLocalFilesOnlyAfterTheServerLetsGo)
{
    KvUserApp* app = Open("Payroll", 1500);
    calls.results = {{"FileClose", 30}};
    EXPECT_EQ(app->Close(), 1);
    EXPECT_TRUE(Exists("Payroll.ed"));
    calls.results.clear();
    EXPECT_EQ(app->Close(), 0);
    EXPECT_FALSE(Exists("Payroll.ed"));
}

TEST_F(OperationsTest, ARefusedCloseWritesTheLocalCopyAndTheDocumentLeaves)
{
    KvUserApp* app = Open("Payroll", 1500);
    ed::Program* program = app->GetProgram();
    // Another window still shows the program: nothing happens.
    program->SetPageWindows(2);
    EXPECT_EQ(workspace.CloseApplication(program), -1);
    EXPECT_EQ(workspace.UserApps().size(), 1u);
    program->SetPageWindows(1);
    frame.log.clear();
    calls.results = {{"FileClose", 30}};
    EXPECT_EQ(workspace.CloseApplication(program), 1);
    EXPECT_EQ(Messages().back(), "Server could not unlock application. Local copy will be saved.");
    EXPECT_EQ(frame.log, std::vector<std::string>{"write"});
    EXPECT_TRUE(Exists("Payroll.ed"));
    EXPECT_TRUE(workspace.UserApps().empty());
}

TEST_F(OperationsTest, DeleteShowsOneMessagePerServerResult)
{
    const ResultRow rows[] = {
        {24, "The application 'Old' cannot be deleted\nbecause it is currently in use on the server.",
         kKvMbIconExclamation, 1},
        {25, "The application 'Old' cannot be deleted\nbecause it is opened for edit on another machine.",
         kKvMbIconExclamation, 1},
        {26, "The application 'Old' cannot be deleted\nbecause it is opened for edit.  Please close the application "
             "and try again.",
         kKvMbIconExclamation, 1},
        {69, "You cannot delete an application that is imported by another application.", kKvMbIconExclamation, 1},
        {70, "You cannot delete an application that is assigned to an SDN.", kKvMbIconExclamation, 1},
        {41, "The system could not delete the application from the server.\nPlease check the connection to the "
             "server and try again.",
         kKvMbIconExclamation, 1},
        {0, "", 0, 0},
    };
    workspace.SetDeleteConfirmation([] { return false; });
    for (const ResultRow& r : rows) {
        SCOPED_TRACE(r.result);
        Presenter().Clear();
        calls.calls.clear();
        calls.results = {{"FileDelete 1200", r.result}};
        picker.manies = {{{1200, "Old", 1, 4}, {1300, "Older", 1, 2}}};
        EXPECT_EQ(workspace.DeleteApplication(), r.answer);
        // A failure leaves the applications after it on the server.
        EXPECT_EQ(calls.calls.size(), r.answer == 0 ? 2u : 1u);
        if (r.text.empty()) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages(), std::vector<std::string>{r.text});
            EXPECT_EQ(IconOf(Boxes()[0]), r.icon);
        }
    }
}

TEST_F(OperationsTest, NoToTheSecondOfThreeDeletesOnlyTheFirst)
{
    workspace.SetDeleteConfirmation([] { return true; });
    picker.manies = {{{1200, "One", 1, 0}, {1300, "Two", 1, 0}, {1400, "Three", 1, 0}}};
    Presenter().Answer(kKvIdYes);
    Presenter().Answer(kKvIdNo);
    EXPECT_EQ(workspace.DeleteApplication(), 1);
    EXPECT_EQ(calls.calls, std::vector<std::string>{"FileDelete 1200"});
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], "Are you sure you want to delete the application 'Two'?");
    EXPECT_EQ(Boxes()[1].style & kKvMbDefMask, std::uint32_t(kKvMbDefButton2));
}

TEST_F(OperationsTest, NewRefusesFileNameCharactersAndAsksAgain)
{
    WriteProgram("Budget");
    picker.ones = {{1600, "a:b", 1, 0}, {1600, "Budget", 1, 0}};
    std::vector<std::string> recent;
    workspace.SetRecentSink([&](const std::string& entry) { recent.push_back(entry); });
    EXPECT_EQ(workspace.NewApplication(), 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "A filename cannot contain any of the following characters:\n  \\ / : * ? \" < > |");
    EXPECT_EQ(recent, std::vector<std::string>{"Budget|1600|1"});
    ASSERT_EQ(workspace.UserApps().size(), 1u);
    EXPECT_EQ(calls.calls.front(), "FileNew");
}

TEST_F(OperationsTest, RecentEntriesFillTheMissingPartsAndARefusalLeavesNoDocument)
{
    WriteProgram("Payroll");
    EXPECT_EQ(workspace.OpenApplication("Payroll|1500"), 0);
    ASSERT_EQ(workspace.UserApps().size(), 1u);
    EXPECT_EQ(workspace.UserApps()[0]->GetInt(F_UA_ID), 1500);
    EXPECT_EQ(workspace.UserApps()[0]->GetInt(F_UA_VOLUME), 0);
    // The same application again: refused in the workspace, and the document goes.
    EXPECT_EQ(workspace.OpenApplication("Payroll|1500|0"), 0);
    EXPECT_EQ(workspace.UserApps().size(), 1u);
    WriteProgram("Other");
    calls.results = {{"FileOpen", 27}};
    EXPECT_EQ(workspace.OpenApplication("Other"), 1);
    EXPECT_EQ(workspace.UserApps().size(), 1u);
}

TEST_F(OperationsTest, SaveWorkerNeedsAnActiveApplication)
{
    ActiveApp active;
    workspace.SetActiveApplication(&active);
    EXPECT_EQ(workspace.SaveApplication(), -1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Select an application window before attempting to save."});
    active.app = Open("Payroll", 1500);
    active.app->SetExported(1);
    Presenter().Clear();
    calls.calls.clear();
    EXPECT_EQ(workspace.SaveApplication(), -1);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "This application is exported.  It must be made complete before it can be saved."});
    EXPECT_TRUE(calls.calls.empty());
    workspace.SetActiveApplication(nullptr);
}

TEST_F(OperationsTest, SaveAsOntoAnOpenApplicationReturnsToTheDialogOrStops)
{
    const std::string k8024 =
        "This file is open for editing and cannot be overwritten.\nPlease use a different name and id.";
    ActiveApp active;
    workspace.SetActiveApplication(&active);
    active.app = Open("Payroll", 1500);
    Open("Budget", 1600);
    // The ID of one open application, then the name of another: OK each time asks again.
    picker.ones = {{1600, "Other", 1, 0}, {1700, "Payroll", 1, 0}, {1700, "Rates", 1, 0}};
    Presenter().Answer(kKvIdOk);
    Presenter().Answer(kKvIdOk);
    calls.calls.clear();
    EXPECT_EQ(workspace.SaveApplicationAs(), 0);
    EXPECT_EQ(picker.dialogs.size(), 3u);
    EXPECT_EQ(Messages(), (std::vector<std::string>{k8024, k8024}));
    EXPECT_EQ(calls.calls, std::vector<std::string>{"FileSaveAs"});
    EXPECT_EQ(std::string(active.app->GetText(F_UA_NAME)), "Rates");
    // Cancel ends the command before any call.
    Presenter().Clear();
    calls.calls.clear();
    picker.ones = {{1600, "Budget", 1, 0}};
    Presenter().Answer(kKvIdCancel);
    EXPECT_EQ(workspace.SaveApplicationAs(), -1);
    EXPECT_EQ(Messages(), std::vector<std::string>{k8024});
    EXPECT_TRUE(calls.calls.empty());
    workspace.SetActiveApplication(nullptr);
}

TEST_F(OperationsTest, RecoveryAsksForEachCopyAndOpensTheAcceptedOnesModified)
{
    WriteProgram("Alpha");
    WriteProgram("Beta");
    Presenter().Answer(kKvIdNo);
    Presenter().Answer(kKvIdYes);
    EXPECT_EQ(workspace.RecoverApplications(), 0);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[0].find("A recovery version of the application '"), std::string::npos);
    ASSERT_EQ(workspace.UserApps().size(), 1u);
    KvUserApp* restored = workspace.UserApps()[0];
    EXPECT_TRUE(restored->GetProgram()->IsModified());
    EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "FileOpenOnRecovery"), 1);
    EXPECT_TRUE(Exists("Alpha.ed"));
    EXPECT_TRUE(Exists("Beta.ed"));
}

}  // namespace
