#include <cstring>
#include <sstream>

#include "directory_client.h"
#include "entry_classes.h"
#include "flowsmith_app.h"
#include "standin_link.h"

namespace zlink::testing {
namespace {

class SaveTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        ASSERT_EQ(Start(), 0);
    }
    // A new application with its local files.
    void Make(int id, const char* name) {
        KvAppRecord record = AppRecord(id, name);
        KvAppInfo info{};
        ASSERT_EQ(KvFileNew(&record, &info), 0) << LogText();
        for (const char* ext : {".ED", ".RUN", ".RLL"}) WriteLocal(std::string(name) + ext, std::string(name) + ext);
    }
    // How many files.send lines of the journal text name `what`.
    static int Count(const std::string& text, const std::string& what) {
        int n = 0;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            n += line.rfind("files.send", 0) == 0 && (what == "files.send" || line.find(what) != std::string::npos);
        return n;
    }
    int Usage(int id) {
        int usage = -1;
        EXPECT_EQ(Directory().RetrieveInUseState(1, id, usage), 0);
        return usage;
    }
};

TEST_F(SaveTest, SaveKindsSendFilesByTheExportMark) {
    Make(50, "Save");
    KvAppInfo info{};
    std::size_t mark = Journal().size();
    ASSERT_EQ(KvFileSave(1, 50, 1, 11, &info), 0) << LogText();
    std::string sent = JournalSince(mark);
    EXPECT_EQ(Count(sent, "files.send"), 2) << sent;
    EXPECT_EQ(Count(sent, "app.run"), 1);
    EXPECT_EQ(Count(sent, "app.rll"), 0);
    EXPECT_EQ(info.compiledOk, 1);
    EXPECT_EQ(info.importable, 0);

    mark = Journal().size();
    ASSERT_EQ(KvFileSave(1, 50, 1, 12, &info), 0) << LogText();
    sent = JournalSince(mark);
    EXPECT_EQ(Count(sent, "app.rll"), 1) << sent;
    EXPECT_EQ(info.importable, 1);
    EXPECT_EQ(KvFlowsmithApp::find(1, 50)->state.exported, 1);

    // Assigned and complete: undo export saves complete in mode 4 and clears the mark.
    ASSERT_EQ(KvFileSave(1, 50, 1, 13, &info), 0) << LogText();
    EXPECT_EQ(info.importable, 0);
    EXPECT_EQ(KvFlowsmithApp::find(1, 50)->state.exported, 0);

    std::memset(&info, 0x5A, sizeof info);
    EXPECT_EQ(KvFileSave(1, 50, 0, 12, &info), 32);
    EXPECT_EQ(KvFileSave(1, 50, 1, 14, &info), 30);
    EXPECT_EQ(info.customerId, 0x5A5A5A5A);
    EXPECT_EQ(KvFileSave(1, 77, 1, 11, &info), 48);
    // Saving incomplete a complete application asks first.
    boxes.answers = {kKvIdNo};
    EXPECT_EQ(KvFileSave(1, 50, 0, 11, &info), 59);
}

TEST_F(SaveTest, MakingACompleteApplicationIncompleteAsksAndNoWritesNothing) {
    Make(52, "Ask");
    ASSERT_EQ(KvFileSave(1, 52, 1, 11, nullptr), 0);
    boxes.answers = {kKvIdNo};
    const std::size_t mark = Journal().size();
    EXPECT_EQ(KvFileSave(1, 52, 0, 11, nullptr), 59);
    const std::string after = JournalSince(mark);
    EXPECT_EQ(after.find("files.send"), std::string::npos) << after;
    EXPECT_EQ(after.find("directory.modify"), std::string::npos) << after;
    boxes.answers = {kKvIdYes};
    KvAppInfo info{};
    ASSERT_EQ(KvFileSave(1, 52, 0, 11, &info), 0) << LogText();
    EXPECT_EQ(info.compiledOk, 0);
}

TEST_F(SaveTest, AFailedTransferCommitsNothingAndUndoesListEdits) {
    Make(53, "Fail");
    KvImportEntry imports[] = {{1, 54, 1}, {0, 0, 0}};
    KvImportRequest request{1, 53, imports};
    ASSERT_EQ(KvFileImport(&request), 0);
    EXPECT_EQ(Usage(54), 2);
    SetControl("stfaultrule", {"files.send 53 count=1"});
    const std::size_t mark = Journal().size();
    EXPECT_EQ(KvFileSave(1, 53, 0, 11, nullptr), 60);
    EXPECT_EQ(JournalSince(mark).find("directory.modify appid=53"), std::string::npos) << JournalSince(mark);
    EXPECT_EQ(Usage(54), 0);
    EXPECT_EQ(ReadLocal("Fail.ED"), "Fail.ED");
    // The retry saves.
    EXPECT_EQ(KvFileSave(1, 53, 0, 11, nullptr), 0);
}

TEST_F(SaveTest, AFailedExportRestoresTheMarkAndFullSpaceIsMapped) {
    Make(55, "Exp");
    SetControl("stfaultrule", {"files.send 53 count=1 match=app.rll"});
    EXPECT_EQ(KvFileSave(1, 55, 1, 12, nullptr), 60);
    EXPECT_EQ(KvFlowsmithApp::find(1, 55)->state.exported, 0);
    struct Case { int server; int result; };
    for (const Case c : {Case{60657, 62}, Case{60656, 63}, Case{60658, 64}}) {
        SetControl("stfaultrule", {"directory.modify " + std::to_string(c.server) + " count=1 match=appid=55"});
        EXPECT_EQ(KvFileSave(1, 55, 0, 11, nullptr), c.result);
    }
    SetControl("stfaultrule", {"directory.modify 80 count=1 match=appid=55"});
    EXPECT_EQ(KvFileSave(1, 55, 0, 11, nullptr), 31);
}

TEST_F(SaveTest, SaveAsOntoNewAndExistingTargets) {
    Make(56, "Src");
    KvAppInfo info{};
    // Onto a new application: the file the designer wrote under the target's name goes;
    // the designer now edits the target and the source is free.
    WriteLocal("Copy.ED", "copy");
    const std::size_t mark = Journal().size();
    ASSERT_EQ(KvFileSaveAs(1, 56, 0, 1, 57, "Copy", 1, 0, &info), 0) << LogText();
    const std::string sent = JournalSince(mark);
    EXPECT_EQ(Count(sent, "Copy.ED"), 1) << sent;
    EXPECT_EQ(Count(sent, "Src.ED"), 0) << sent;
    EXPECT_EQ(info.applicationId, 57);
    EXPECT_STREQ(info.name, "Copy");
    EXPECT_EQ(KvFlowsmithApp::find(1, 56), nullptr);
    ASSERT_NE(KvFlowsmithApp::find(1, 57), nullptr);
    EXPECT_EQ(KvFileSaveAs(1, 57, 0, 1, 60, "Src", 1, 0, &info), 103);
    EXPECT_EQ(KvFileSaveAs(1, 57, 0, 1, 56, "Other", 1, 0, &info), 102);
    // Onto an existing one: No gives 59, Yes copies.
    boxes.answers = {kKvIdNo};
    EXPECT_EQ(KvFileSaveAs(1, 57, 0, 1, 56, "Src", 1, 0, &info), 59);
    EXPECT_EQ(boxes.shown.back(), "The application 'Src' already exists. \nDo you wish to replace it?");
    boxes.answers = {kKvIdYes};
    ASSERT_EQ(KvFileSaveAs(1, 57, 0, 1, 56, "Src", 1, 0, &info), 0) << LogText();
    EXPECT_EQ(info.applicationId, 56);
    // Onto itself: the plain save.
    EXPECT_EQ(KvFileSaveAs(1, 56, 0, 1, 56, "Src", 1, 0, &info), 0);
    // Onto another open application.
    Make(58, "Open2");
    EXPECT_EQ(KvFileSaveAs(1, 56, 0, 1, 58, "Open2", 1, 0, &info), 31);
}

TEST_F(SaveTest, SaveAsOntoLockedAndImportedTargets) {
    LoadFixtures();
    Make(59, "Mine");
    // 901 is held by the previous designer's lock (another user), complete and in use.
    boxes.answers = {kKvIdYes};
    EXPECT_EQ(KvFileSaveAs(1, 59, 0, 1, 901, "Held", 1, 0, nullptr), 20);
    EXPECT_EQ(boxes.shown.size(), 1u);
    boxes.answers = {kKvIdYes};
    EXPECT_EQ(KvFileSaveAs(1, 59, 1, 1, 901, "Held", 1, 0, nullptr), 67);  // imported target, not exported
    boxes.answers = {kKvIdYes};
    boxes.shown.clear();
    KvFlowsmithApp::find(1, 59)->state.exported = 1;
    EXPECT_EQ(KvFileSaveAs(1, 59, 1, 1, 901, "Held", 1, 0, nullptr), 20);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1], "YOU MUST DO SAVE AS INSTEAD CUZ THE Target App IS Locked by another PC");
}

TEST_F(SaveTest, DeleteRefusalsAndDelete) {
    LoadFixtures();
    Make(61, "Del");
    EXPECT_EQ(KvFileDelete(1, 61, "Del", 0), 26);
    EXPECT_EQ(KvFileDelete(1, 62, "Nothing", 0), 16);
    EXPECT_EQ(KvFileDelete(1, 901, "Held", 0), 70);
    // Locked by this user without being open here (a broken-off session).
    KvFlowsmithApp::openApplications().clear();
    EXPECT_EQ(KvFileDelete(1, 61, "Del", 0), 25);
    Make(63, "Free");
    ASSERT_EQ(KvFileSave(1, 63, 1, 11, nullptr), 0);
    ASSERT_EQ(KvFileClose(1, 63), 0);
    KvAppService service;
    ASSERT_EQ(KvAppServiceEntry::Search(1, 63, 3, service), 0);
    EXPECT_EQ(KvFileDelete(1, 63, "Free", 0), 0) << LogText();
    EXPECT_EQ(KvAppServiceEntry::Search(1, 63, 3, service), 65);
    int version = 0;
    EXPECT_EQ(Directory().QueryApplicationExists(1, 63, &version, "Free"), 100);
}

}  // namespace
}  // namespace zlink::testing
