#include <cstring>

#include "directory_client.h"
#include "flowsmith_app.h"
#include "standin_link.h"

namespace zlink::testing {
namespace {

class OpenTest : public LinkTest {
protected:
    int New(int id, const char* name, KvAppInfo* info = nullptr) {
        KvAppRecord record = AppRecord(id, name);
        KvAppInfo local{};
        return KvFileNew(&record, info ? info : &local);
    }
    int Open(int id, const char* name, KvAppInfo* info = nullptr) {
        KvAppRecord record = AppRecord(id, name);
        KvAppInfo local{};
        return KvFileOpen(&record, info ? info : &local);
    }
};

TEST_F(OpenTest, NewSavesTheFirstVersionAndOpenLocksItAgain) {
    ASSERT_EQ(Start(), 0);
    KvAppInfo info;
    std::memset(&info, 0x55, sizeof info);
    ASSERT_EQ(New(40, "Main", &info), 0) << LogText();
    EXPECT_EQ(info.customerId, 1);
    EXPECT_EQ(info.applicationId, 40);
    EXPECT_STREQ(info.name, "Main");
    EXPECT_STREQ(info.lockingUser, "4711");
    EXPECT_STREQ(info.lockingPc, "1.1.1.1");
    EXPECT_EQ(info.visible, 0);  // the new working version
    EXPECT_NE(std::string(info.newEdPath).find("a40"), std::string::npos) << info.newEdPath;
    EXPECT_TRUE(std::filesystem::exists(folder / "Main.ED"));
    EXPECT_EQ(New(40, "Main"), 28);
    EXPECT_EQ(Open(40, "Main"), 28);
    ASSERT_EQ(KvFileClose(1, 40), 0);
    EXPECT_EQ(KvFileClose(1, 40), 48);
    EXPECT_EQ(New(40, "Main"), 101);
    EXPECT_EQ(New(40, "Other"), 102);
    EXPECT_EQ(New(41, "Main"), 103);

    std::filesystem::remove(folder / "Main.ED");
    const std::size_t mark = Journal().size();
    ASSERT_EQ(Open(40, "Main", &info), 0);
    EXPECT_EQ(info.applicationId, 40);
    EXPECT_TRUE(std::filesystem::exists(folder / "Main.ED"));
    EXPECT_NE(JournalSince(mark).find("directory.lock 1 | 40"), std::string::npos) << JournalSince(mark);
    EXPECT_EQ(KvFileClose(1, 40), 0);
}

TEST_F(OpenTest, LockedByMeAsksAndLockedByAnotherRefuses) {
    ASSERT_EQ(Start(), 0);
    ASSERT_EQ(New(42, "Mine"), 0);
    // The session breaks off: the application stays locked by this user.
    KvFlowsmithApp::openApplications().clear();
    boxes.answers = {kKvIdNo};
    EXPECT_EQ(Open(42, "Mine"), 29);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], "Application is locked. If opened, it can no longer be recovered from another copy. Do "
                              "you want to open this application?");
    boxes.answers = {kKvIdYes};
    EXPECT_EQ(Open(42, "Mine"), 0);
    ASSERT_EQ(KvFileClose(1, 42), 0);

    // Another user holds it.
    KvTermFlowsmith();
    ResetLibraryState();
    started = false;
    registry.Set(kKvProductKey, "ProgDir", folder.string() + "/");
    ASSERT_EQ(Start("4712", "1357"), 0);
    ASSERT_EQ(New(43, "Theirs"), 0);
    KvTermFlowsmith();
    ResetLibraryState();
    started = false;
    ASSERT_EQ(Start(), 0);
    boxes.shown.clear();
    EXPECT_EQ(Open(43, "Theirs"), 27);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OpenTest, FixturesPreviousDesignerLockAndOldVersion) {
    LoadFixtures();
    StoreFile("d:\\tarvix\\apps\\c1\\a901\\v50100\\app.ed", "held");
    StoreFile("d:\\tarvix\\apps\\c1\\a900\\v50050\\app.ed", "legacy");
    ASSERT_EQ(Start(), 0);
    // Locked by the previous designer: No keeps the lock.
    boxes.answers = {kKvIdNo};
    EXPECT_EQ(Open(901, "Held"), 27);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].rfind("This application has been locked by the previous version of Flowsmith.", 0), 0u);
    // Yes gives up that lock; the complete application's service entry is read.
    boxes.answers = {kKvIdYes};
    ASSERT_EQ(Open(901, "Held"), 0) << LogText();
    KvFlowsmithApp* held = KvFlowsmithApp::find(1, 901);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->state.complete, 1);
    EXPECT_EQ(held->service.applicationId, 901);
    EXPECT_EQ(ReadLocal("Held.ED"), "held");
    EXPECT_EQ(KvFileClose(1, 901), 0);
    // A version of the previous designer opens; its old profile is marked with our lock.
    KvAppInfo info{};
    ASSERT_EQ(Open(900, "Legacy", &info), 0) << LogText();
    EXPECT_EQ(info.previousVersion, 50050);
    EXPECT_EQ(KvFileClose(1, 900), 0);
}

TEST_F(OpenTest, AFailedFetchKeepsTheLocalFileAndUnlocks) {
    ASSERT_EQ(Start(), 0);
    ASSERT_EQ(New(44, "Keep"), 0);
    ASSERT_EQ(KvFileClose(1, 44), 0);
    WriteLocal("Keep.ED", "local edits");
    SetControl("stfaultrule", {"files.receive 53 count=1"});
    EXPECT_EQ(Open(44, "Keep"), 60);
    EXPECT_EQ(ReadLocal("Keep.ED"), "local edits");
    EXPECT_EQ(KvFlowsmithApp::find(1, 44), nullptr);
    // Unlocked again: a second open asks nothing.
    EXPECT_EQ(Open(44, "Keep"), 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OpenTest, NewFailingAfterTheAddLeavesNoEntry) {
    ASSERT_EQ(Start(), 0);
    SetControl("stfaultrule", {"files.receive 53 count=1"});
    EXPECT_EQ(New(45, "Gone"), 60);
    EXPECT_EQ(KvFlowsmithApp::find(1, 45), nullptr);
    int version = 0;
    EXPECT_EQ(Directory().QueryApplicationExists(1, 45, &version, "Gone"), 100);
    EXPECT_EQ(New(45, "Gone"), 0);
}

TEST_F(OpenTest, CloseWritesSavedListsBackAndFailedCloseStaysClosable) {
    ASSERT_EQ(Start(), 0);
    ASSERT_EQ(New(46, "Lists"), 0);
    KvImportEntry imports[] = {{1, 47, 1}, {0, 0, 0}};
    KvImportRequest request{1, 46, imports};
    ASSERT_EQ(KvFileImport(&request), 0);
    KvFlowsmithApp* app = KvFlowsmithApp::find(1, 46);
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->imports.size(), 1u);
    EXPECT_TRUE(app->importsSaved.empty());
    // The unlock fails: the application stays open and can be closed later.
    SetControl("stfaultrule", {"directory.unlock 80 count=1"});
    EXPECT_EQ(KvFileClose(1, 46), 60);
    ASSERT_NE(KvFlowsmithApp::find(1, 46), nullptr);
    const std::size_t mark = Journal().size();
    EXPECT_EQ(KvFileClose(1, 46), 0);
    EXPECT_EQ(KvFlowsmithApp::find(1, 46), nullptr);
    // The unsaved import was already undone by the first close.
    EXPECT_EQ(JournalSince(mark).find("directory.add"), std::string::npos);
    int usage = -1;
    EXPECT_EQ(Directory().RetrieveInUseState(1, 47, usage), 0);
    EXPECT_EQ(usage, 0);
}

TEST_F(OpenTest, RecoveryRebuildsTheApplicationAndSavesIntoTheKeptWorkingVersion) {
    ASSERT_EQ(Start(), 0);
    KvAppInfo info{};
    ASSERT_EQ(New(48, "Recover", &info), 0);
    KvFlowsmithApp* app = KvFlowsmithApp::find(1, 48);
    ASSERT_NE(app, nullptr);
    KvRecoveryRecord record{};
    KvAppInfo server{};
    app->serverProfile.ToInfo(server);
    KvAppInfo working = info;
    std::memcpy(record.serverProfile, &server, kKvProfileImageSize);
    std::memcpy(record.workingProfile, &working, kKvProfileImageSize);
    KvImportEntry none[] = {{0, 0, 0}};
    record.importsSaved = none;
    record.imports = none;
    // The designer went away without closing.
    KvFlowsmithApp::openApplications().clear();
    ASSERT_EQ(KvFileOpenOnRecovery(&record), 0);
    app = KvFlowsmithApp::find(1, 48);
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->newEdPath, std::string(info.newEdPath));
    WriteLocal("Recover.ED", "recovered work");
    ASSERT_EQ(KvFileSave(1, 48, 0, 11, &info), 0) << LogText();
    EXPECT_EQ(KvFileClose(1, 48), 0);
    std::filesystem::remove(folder / "Recover.ED");
    ASSERT_EQ(Open(48, "Recover"), 0);
    EXPECT_EQ(ReadLocal("Recover.ED"), "recovered work");
}

}  // namespace
}  // namespace zlink::testing
