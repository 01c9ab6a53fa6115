// The exports in stand-alone mode under Wine: no server, answers from fixed tables and
// the program folder (each suite runs in a process of its own, so the mode is this one's).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "kvlink.h"

namespace {

TEST(StandAloneExportsTest, AnswersWithoutAServer) {
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    ASSERT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarvix\\Vantora\\Flowsmith", "ProgDir", RRF_RT_REG_SZ,
                           nullptr, folder, &size),
              ERROR_SUCCESS);
    std::filesystem::create_directories(folder);
    const std::string name = "Alone" + std::to_string(GetCurrentProcessId() % 100000);
    std::ofstream(std::string(folder) + name + ".ed") << "x";

    ASSERT_EQ(KvInitFlowsmith("", 1, 0, "E", nullptr, 1, "4711", 0, 0, "", "2", 0, 0), 0);
    int id = 0;
    EXPECT_EQ(KvGetUnusedID(&id), 0);
    EXPECT_EQ(id, 1000);
    KvAppListEntry* apps = nullptr;
    ASSERT_EQ(KvFilesToDisplay(reinterpret_cast<int*>(&apps), 1, 1, 0), 0);
    bool found = false;
    for (KvAppListEntry* e = apps; e->customerId || e->applicationId; ++e) found = found || name == e->name;
    EXPECT_TRUE(found);
    KvFreeAllocatedMemory(apps);
    KvLanguageEntry* languages = nullptr;
    ASSERT_EQ(KvLanguagesToDisplay(reinterpret_cast<int*>(&languages)), 0);
    EXPECT_STREQ(languages[0].name, "English");
    EXPECT_EQ(languages[3].customerId, 0);
    KvFreeAllocatedMemory(languages);
    KvAppRecord record{};
    record.applicationId = 9;
    std::strcpy(record.name, name.c_str());
    KvAppInfo info;
    std::memset(&info, 0x11, sizeof info);
    EXPECT_EQ(KvFileOpen(&record, &info), 0);
    EXPECT_EQ(info.applicationId, 9);
    EXPECT_EQ(info.customerId, 0);
    EXPECT_STREQ(info.name, name.c_str());
    EXPECT_EQ(KvFileClose(1, 9), 0);
    EXPECT_EQ(KvTermFlowsmith(), 0);
    std::filesystem::remove(std::string(folder) + name + ".ed");
}

}  // namespace
