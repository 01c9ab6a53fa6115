// Export and undo export: the exported mark, the "Continue" entry block, the server's
// save kinds and results, and the preconditions of the workspace's two workers.
#include <gtest/gtest.h>

#include "model/interface/vlx.h"
#include "operations_fixture.h"
#include "shell/workspace/filecommandtable.h"

namespace {

const std::string k8037 =
    "The system could not export the application on the server.\nPlease check the connection to the server and try "
    "again.";
const std::string k8038 =
    "The system could not undo the export of the application on the server.\nPlease check the connection to the "
    "server and try again.";
const char kMarker[] = "This application is newly restored. Administrator must reopen and resave.";

class ExportTest : public OperationsTest {
protected:
    ed::VavurOrezo* ContinueBlock(KvUserApp& app) { return app.GetProgram()->GetMainPage()->FindVavurOrezo("Continue"); }
    // Whether the document is exported: its mark, its entry block and its local file agree.
    void ExpectExported(KvUserApp& app, bool exported)
    {
        EXPECT_EQ(app.IsExported(), exported ? 1 : 0);
        EXPECT_EQ(ContinueBlock(app) != nullptr, exported);
    }
};

TEST_F(ExportTest, ExportPlacesTheEntryBlockBuildsTheLibraryAndUndoTakesItAway)
{
    KvUserApp* app = Open("Payroll", 1500, true);
    calls.calls.clear();
    EXPECT_EQ(app->Export(), 0);
    ExpectExported(*app, true);
    ed::VavurOrezo* block = ContinueBlock(*app);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->TypeCode(), 401);
    // (505, 300) snapped to the page grid of 8.
    EXPECT_EQ(block->X(), 504);
    EXPECT_EQ(block->Y(), 300);
    EXPECT_EQ(calls.calls, std::vector<std::string>{"FileSave12"});
    // The client library takes an export only as complete.
    EXPECT_EQ(calls.lastComplete, 1);
    EXPECT_FALSE(app->GetProgram()->IsModified());
    // The new entry block waits for its exit to be drawn; once finished, the saved
    // application is built with its library.
    EXPECT_EQ(app->IsComplete(), 0);
    vlxSDOSetIconFinished(block->Handle(), 1);
    calls.calls.clear();
    EXPECT_EQ(app->Save(1), 0);
    EXPECT_EQ(calls.lastComplete, 1);
    EXPECT_TRUE(Exists("Payroll.run"));
    EXPECT_TRUE(Exists("Payroll.rll"));

    calls.calls.clear();
    EXPECT_EQ(app->UndoExport(), 0);
    ExpectExported(*app, false);
    EXPECT_EQ(calls.calls, std::vector<std::string>{"FileSave13"});
    EXPECT_EQ(calls.lastComplete, 1);
    EXPECT_FALSE(app->GetProgram()->IsModified());
    // Without a block there is nothing to remove, and the save is still sent.
    app->SetExported(1);
    calls.calls.clear();
    EXPECT_EQ(app->UndoExport(), 0);
    EXPECT_EQ(calls.calls, std::vector<std::string>{"FileSave13"});
}

TEST_F(ExportTest, RefusedExportsAndUndoExportsPutTheDocumentBackWithOneMessage)
{
    struct Row {
        bool undo;
        int result;
        std::string text;  // empty: none
    };
    const Row rows[] = {
        {false, 62, "Server disk is full. Server will not perform any operation"},
        {false, 63, "Database space is full.Server will not perform any operation"},
        {false, 64, "MISA space is full.Server will not perform any operation"},
        {false, 41, k8037},
        {true, 22, "You cannot make an application that is exported and/or assigned incomplete."},
        {true, 23, "You cannot UndoExport on imported applications."},
        {true, 59, ""},
        {true, 62, "Server disk is full. Server will not perform any operation"},
        {true, 63, "Database space is full.Server will not perform any operation"},
        {true, 64, "MISA space is full.Server will not perform any operation"},
        {true, 41, k8038},
    };
    KvUserApp* app = Open("Payroll", 1500, true);
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.undo) + " / " + std::to_string(r.result));
        calls.results.clear();
        if (r.undo != (app->IsExported() != 0)) {
            ASSERT_EQ(r.undo ? app->Export() : app->UndoExport(), 0);
        }
        ExpectExported(*app, r.undo);
        Presenter().Clear();
        calls.results = {{r.undo ? "FileSave13" : "FileSave12", r.result}};
        app->GetProgram()->ClearModified();
        EXPECT_EQ(r.undo ? app->UndoExport() : app->Export(), 1);
        ExpectExported(*app, r.undo);
        EXPECT_TRUE(app->GetProgram()->IsModified());
        if (r.text.empty()) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages(), std::vector<std::string>{r.text});
            EXPECT_EQ(Boxes()[0].style & kKvMbIconMask, std::uint32_t(kKvMbIconHand));
        }
    }
    // Each refusal took its own block away again: never more than one.
    int blocks = 0;
    for (const auto& block : app->GetProgram()->GetMainPage()->Blocks())
        blocks += block->Name() == "Continue" ? 1 : 0;
    EXPECT_EQ(blocks, 1);
}

TEST_F(ExportTest, TheRestoreMarkerIsClearedFirstAndAFailedUpdateUndoesEverything)
{
    KvUserApp* app = Open("Payroll", 1500, true);
    app->SetText(F_UA_DESCRIPTION, kMarker);
    app->Commit();
    link.results = {{"FileProperties", 62}};
    calls.calls.clear();
    app->GetProgram()->ClearModified();
    EXPECT_EQ(app->Export(), 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Server disk is full. Server will not perform any operation"});
    EXPECT_TRUE(calls.calls.empty());
    ExpectExported(*app, false);
    EXPECT_TRUE(app->GetProgram()->IsModified());
    // The server still holds the marker, so the next attempt clears it again.
    EXPECT_EQ(std::string(app->GetText(F_UA_DESCRIPTION)), kMarker);

    link.results.clear();
    link.calls.clear();
    EXPECT_EQ(app->Export(), 0);
    EXPECT_EQ(link.calls, std::vector<std::string>{"FileProperties"});
    EXPECT_EQ(calls.calls, std::vector<std::string>{"FileSave12"});
    EXPECT_EQ(std::string(app->GetText(F_UA_DESCRIPTION)), "");
    ExpectExported(*app, true);
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsNeitherExportedNorUnexported)
{
    KvUserApp* app = Open("Payroll", 1500, true);
    frame.failWrite = true;
    calls.calls.clear();
    EXPECT_EQ(app->Export(), 1);
    ExpectExported(*app, false);
    frame.failWrite = false;
    ASSERT_EQ(app->Export(), 0);
    frame.failWrite = true;
    calls.calls.clear();
    EXPECT_EQ(app->UndoExport(), 1);
    ExpectExported(*app, true);
    EXPECT_TRUE(calls.calls.empty());
}

TEST_F(ExportTest, WorkersCheckTheirPreconditionsInOrderBeforeAnyCall)
{
    struct Row {
        const char* name;
        bool undo;
        bool hasApp;
        bool complete;
        bool exported;
        int queryResult;
        int usage;
        std::string text;  // empty: the operation runs
    };
    const Row rows[] = {
        {"export without app", false, false, true, false, 0, 0,
         "Select an application window before attempting to export."},
        {"export incomplete", false, true, false, true, 0, 0,
         "This application is incomplete.  It must be made complete before it can be exported."},
        {"export exported", false, true, true, true, 0, 0, "The application is already exported."},
        {"export", false, true, true, false, 0, 0, ""},
        {"undo without app", true, false, true, true, 0, 0,
         "Select an application window before attempting to undo export."},
        {"undo not exported", true, true, true, false, 38, 2, "The application is not exported."},
        {"undo query fails", true, true, true, true, 38, 2, k8038},
        {"undo imported", true, true, true, true, 0, 2, "You cannot UndoExport on imported applications."},
        {"undo imported and assigned", true, true, true, true, 0, 3, "You cannot UndoExport on imported applications."},
        {"undo assigned only", true, true, true, true, 0, 1, ""},
    };
    ActiveApp active;
    workspace.SetActiveApplication(&active);
    KvUserApp* complete = Open("Payroll", 1500, true);
    KvUserApp* incomplete = Open("Draft", 1600);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        active.app = !r.hasApp ? nullptr : r.complete ? complete : incomplete;
        if (active.app != nullptr)
            active.app->SetExported(r.exported ? 1 : 0);
        link.results = {{"IsImported", r.queryResult}};
        link.importUsage = r.usage;
        Presenter().Clear();
        calls.calls.clear();
        const int result = r.undo ? workspace.UndoExport() : workspace.ExportApplication();
        if (r.text.empty()) {
            EXPECT_EQ(result, 0);
            EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
            EXPECT_EQ(calls.calls, std::vector<std::string>{r.undo ? "FileSave13" : "FileSave12"});
        } else {
            EXPECT_EQ(result, -1);
            EXPECT_EQ(Messages(), std::vector<std::string>{r.text});
            EXPECT_EQ(Boxes()[0].style & kKvMbIconMask, std::uint32_t(kKvMbIconExclamation));
            EXPECT_TRUE(calls.calls.empty());
        }
    }
    workspace.SetActiveApplication(nullptr);
}

TEST_F(ExportTest, FileMenuCommandsReachTheirWorkers)
{
    // Without an active application each worker of the active one says so; the others
    // open their list dialog (cancelled here).
    struct Row {
        UINT id;
        std::string text;
        WORD dialog;  // 0: none
    };
    const Row rows[] = {
        {4128, "", kKvNewMode.defId},
        {4129, "", kKvOpenMode.defId},
        {4130, "Select an application window before attempting to save.", 0},
        {4131, "Select an application window before attempting to save.", 0},
        {4203, "Select an application window before attempting to export.", 0},
        {4229, "Select an application window before attempting to undo export.", 0},
        {101, "Select an application window before attempting to import.", 0},
        {4228, "Select an application window before attempting to remove an import.", 0},
        {4230, "", kKvDeleteMode.defId},
        {4231, "", kKvLocksMode.defId},
        {4232, "Select an application window before attempting to edit properties.", 0},
    };
    ActiveApp active;
    workspace.SetActiveApplication(&active);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.id);
        Presenter().Clear();
        picker.dialogs.clear();
        EXPECT_TRUE(KvRunFileCommand(workspace, r.id));
        if (r.text.empty())
            EXPECT_TRUE(Messages().empty());
        else
            EXPECT_EQ(Messages(), std::vector<std::string>{r.text});
        EXPECT_EQ(picker.dialogs, r.dialog == 0 ? std::vector<WORD>{} : std::vector<WORD>{r.dialog});
    }
    EXPECT_FALSE(KvRunFileCommand(workspace, 4132));
    EXPECT_TRUE(calls.calls.empty());
    workspace.SetActiveApplication(nullptr);
}

TEST_F(ExportTest, ImportWorkerHandsEachChosenApplicationToTheActiveDocument)
{
    ActiveApp active;
    workspace.SetActiveApplication(&active);
    active.app = Open("Payroll", 1500);
    picker.manies = {{{1700, "Rates", 1, 0}, {1500, "Payroll", 1, 0}}};
    EXPECT_EQ(workspace.ImportApplication(), 0);
    // Its own ID is refused; the other one is imported.
    EXPECT_EQ(active.app->GetImportCount(), 1);
    EXPECT_EQ(active.app->FindImport(1700), 0);
    workspace.SetActiveApplication(nullptr);
}

}  // namespace
