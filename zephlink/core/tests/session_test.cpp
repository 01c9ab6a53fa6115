#include <cstdarg>
#include <cstring>

#include "standin_link.h"
#include "link_log.h"

namespace zlink::testing {
namespace {

TEST_F(LinkTest, StartFindsTheUserAndWritesTheLog) {
    ASSERT_EQ(Start(), 0);
    EXPECT_EQ(TheSession().smtpAddress, "a4711@standin.test");
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("Start Logging -> Log Level:3 LogInterval:0\n", 0), 0u) << log;
    EXPECT_NE(log.find("CAOS::Init Retrieved UserID: U0001 and SMTPAddr = a4711@standin.test.\n"), std::string::npos);
    EXPECT_NE(log.find("SSL Settings:  Port=0, Level=0.\n"), std::string::npos);
    // The encoded password never reaches the log.
    EXPECT_EQ(log.find("ENCODED"), std::string::npos);
    // The version manager ran as the user.
    EXPECT_NE(Journal().find("config.versionmanager"), std::string::npos);
}

TEST_F(LinkTest, StartFlagGivesThirtyFiveAndAUsableSession) {
    ASSERT_EQ(Start("4711", "2468", 0, 1), 35);
    char version[34];
    std::memset(version, 'X', sizeof version);
    EXPECT_EQ(KvGetServerVersion(0, 0, version), 0);
    EXPECT_STREQ(version, "1.06.04");
    short minimum = 0;
    EXPECT_EQ(KvGetCustProf(1, &minimum), 0);
    EXPECT_EQ(minimum, 4);
}

TEST_F(LinkTest, FailedStartsGiveSeventyThreeAndLeaveNothingBehind) {
    // No context: the directory client cannot start.
    EXPECT_EQ(KvInitFlowsmith("", 1, 0, "E", "127.0.0.1", 1, "4711", 1, 0, "", "2", 0, 0), 73);
    // Another user's context.
    const std::string context = Context();
    EXPECT_EQ(KvInitFlowsmith("", 1, 0, "E", "127.0.0.1", 1, "4712", 1, 0, context.c_str(), "2", 0, 0), 73);
    EXPECT_NE(LogText().find("KvFlowsmithApp::initFlowsmith, Failed init of LDAP server, hr="), std::string::npos);
    // The server is down.
    SetControl("stfaultrule", {"directory.connect 81 count=1"});
    EXPECT_EQ(KvInitFlowsmith("", 1, 0, "E", "127.0.0.1", 1, "4711", 1, 0, context.c_str(), "2", 0, 0), 73);
    // The version manager refuses: the start fails, and a later start begins afresh.
    SetControl("stfaultrule", {"config.versionmanager 80 count=1"});
    EXPECT_EQ(KvInitFlowsmith("", 1, 0, "E", "127.0.0.1", 1, "4711", 1, 0, context.c_str(), "2", 0, 0), 73);
    EXPECT_EQ(KvInitFlowsmith("", 1, 0, "E", "127.0.0.1", 1, "4711", 1, 0, context.c_str(), "2", 0, 0), 0);
    started = true;
}

void Log(int level, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    TheLog().Write(level, format, args);
    va_end(args);
}

TEST_F(LinkTest, LogWritesByLevelCutsLongLinesAndCountsEveryMessageTowardsTheFlush) {
    const std::string path = (folder / "log.txt").string();
    ASSERT_TRUE(TheLog().Open(path, 2, 2));
    auto size = [&] { return std::filesystem::file_size(path); };
    Log(2, "a%s\n", "%d");  // arguments with percent signs stand as they are
    Log(3, "hidden\n");     // not written, but counted
    EXPECT_EQ(size(), 0u);
    Log(3, "hidden\n");  // the third message flushes
    EXPECT_EQ(size(), 4u);
    Log(1, "%s", std::string(2000, 'x').c_str());
    TheLog().Close();
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "a%d\n" + std::string(511, 'x'));
}

TEST_F(LinkTest, StandAloneAnswersLocally) {
    ASSERT_EQ(KvInitFlowsmith("", 1, 0, "E", nullptr, 1, "4711", 0, 0, "", "2", 0, 0), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "FlowsmithLog.txt"));
    EXPECT_TRUE(TheSession().standAlone);
    // No component is made in stand-alone mode.
    EXPECT_EQ(Journal().find("directory.connect"), std::string::npos);
    int id = 0;
    EXPECT_EQ(KvGetUnusedID(&id), 0);
    EXPECT_EQ(id, 1000);
    char out[8] = {'k', 'e', 'e', 'p', 0};
    EXPECT_EQ(KvEncryptString("2468", out), 0);
    EXPECT_STREQ(out, "keep");
    EXPECT_EQ(KvFileSave(1, 5, 1, 11, nullptr), 0);
    EXPECT_EQ(KvTermFlowsmith(), 0);

    // Local lists: the "*.ed" files and the fixed tables.
    WriteLocal("beta.ed", "b");
    WriteLocal("alpha.ED", "a");
    WriteLocal("notes.txt", "n");
    int* list = nullptr;
    ASSERT_EQ(KvFilesToDisplay(reinterpret_cast<int*>(&list), 1, 1, 0), 0);
    auto* apps = reinterpret_cast<KvAppListEntry*>(list);
    ASSERT_STREQ(apps[0].name, "alpha");
    EXPECT_STREQ(apps[1].name, "beta");
    EXPECT_EQ(apps[1].applicationId, 1);
    EXPECT_EQ(apps[1].customerId, 1);
    EXPECT_EQ(apps[2].customerId, 0);
    KvFreeAllocatedMemory(list);
    ASSERT_EQ(KvLanguagesToDisplay(reinterpret_cast<int*>(&list)), 0);
    auto* languages = reinterpret_cast<KvLanguageEntry*>(list);
    EXPECT_STREQ(languages[2].name, "Polish");
    EXPECT_EQ(languages[3].customerId, 0);
    KvFreeAllocatedMemory(list);
    ASSERT_EQ(KvVolumeToDisplay(reinterpret_cast<int*>(&list)), 0);
    auto* volumes = reinterpret_cast<KvVolumeEntry*>(list);
    EXPECT_EQ(volumes[2].number, 11);
    EXPECT_STREQ(volumes[2].text, "11");
    EXPECT_EQ(volumes[3].number, 0);
    KvFreeAllocatedMemory(list);
    ASSERT_EQ(KvResPermToDisplay(reinterpret_cast<int*>(&list)), 0);
    auto* lists = reinterpret_cast<KvResPermListEntry*>(list);
    EXPECT_EQ(lists[0].listId, 6);
    EXPECT_STREQ(lists[1].name, "RPL 2");
    EXPECT_EQ(lists[2].listId, 0);
    KvFreeAllocatedMemory(list);

    // New copies the template; open fills the record locally.
    KvAppRecord record = AppRecord(7, "fresh");
    KvAppInfo info;
    std::memset(&info, 0x55, sizeof info);
    EXPECT_EQ(KvFileNew(&record, &info), 33);  // no template yet
    std::filesystem::create_directories(folder / "default");
    std::ofstream(folder / "default" / "default.ed") << "template";
    // The template's name as the program folder's value joins it (a Windows separator).
    std::filesystem::copy_file(folder / "default" / "default.ed", folder / "default\\default.ed");
    EXPECT_EQ(KvFileNew(&record, &info), 0);
    EXPECT_EQ(ReadLocal("fresh.ed"), "template");
    EXPECT_EQ(info.applicationId, 7);
    EXPECT_STREQ(info.name, "fresh");
    EXPECT_EQ(info.customerId, 0);
    EXPECT_EQ(info.newEdPath[0], 0);
    std::memset(&info, 0x55, sizeof info);
    EXPECT_EQ(KvFileOpen(&record, &info), 0);
    EXPECT_EQ(info.volumeId, 0);
    EXPECT_STREQ(info.name, "fresh");
}

TEST_F(LinkTest, StandAloneNewWithoutAProgramFolderFails) {
    ASSERT_EQ(KvInitFlowsmith("", 1, 0, "E", nullptr, 1, "4711", 0, 0, "", "2", 0, 0), 0);
    registry.Clear();
    KvAppRecord record = AppRecord(7, "fresh");
    KvAppInfo info{};
    EXPECT_EQ(KvFileNew(&record, &info), 33);
}

}  // namespace
}  // namespace zlink::testing
