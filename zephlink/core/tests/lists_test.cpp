#include <cstring>

#include "directory_client.h"
#include "flowsmith_app.h"
#include "standin_link.h"

namespace zlink::testing {
namespace {

class ListsTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        ASSERT_EQ(Start(), 0);
    }
    void Make(int id, const char* name, bool exported = false) {
        KvAppRecord record = AppRecord(id, name, 2);
        KvAppInfo info{};
        ASSERT_EQ(KvFileNew(&record, &info), 0) << LogText();
        for (const char* ext : {".ED", ".RUN", ".RLL"}) WriteLocal(std::string(name) + ext, "x");
        if (exported) {
            ASSERT_EQ(KvFileSave(1, id, 1, 12, nullptr), 0) << LogText();
        }
        ASSERT_EQ(KvFileClose(1, id), 0);
    }
    std::vector<KvAppListEntry> Apps(int mode, int app = 0) {
        KvAppListEntry* list = nullptr;
        EXPECT_EQ(KvFilesToDisplay(reinterpret_cast<int*>(&list), mode, 1, app), 0);
        std::vector<KvAppListEntry> out;
        for (KvAppListEntry* e = list; e && (e->customerId || e->applicationId); ++e) out.push_back(*e);
        KvFreeAllocatedMemory(list);
        return out;
    }
    static std::vector<int> Ids(const std::vector<KvAppListEntry>& list) {
        std::vector<int> ids;
        for (const auto& e : list) ids.push_back(e.applicationId);
        return ids;
    }
};

TEST_F(ListsTest, ApplicationListEntriesByteForByte) {
    EXPECT_TRUE(Apps(1).empty());
    Make(20, "Alpha");
    KvAppListEntry* list = nullptr;
    ASSERT_EQ(KvFilesToDisplay(reinterpret_cast<int*>(&list), 1, 1, 0), 0);
    KvAppListEntry expected{};
    expected.customerId = 1;
    expected.applicationId = 20;
    std::strcpy(expected.name, "Alpha");
    LocalTimeFields(0, expected.lockingTime);  // the server keeps no locking time once unlocked
    expected.volumeId = 2;
    // Unlocked after the close: no locking workstation or user.
    EXPECT_EQ(std::memcmp(&list[0], &expected, sizeof expected), 0)
        << list[0].name << "|" << list[0].lockingPc << "|" << list[0].lockingUser << "|" << list[0].lockingTime[5];
    const KvAppListEntry zero{};
    EXPECT_EQ(std::memcmp(&list[1], &zero, sizeof zero), 0);
    KvFreeAllocatedMemory(list);
}

TEST_F(ListsTest, PagesOfTwoGiveEveryApplicationOnceInOrderAndModeFourFilters) {
    Make(21, "A21", true);
    Make(22, "A22");
    Make(23, "A23", true);
    Make(24, "A24");
    Make(25, "A25", true);
    SetControl("stpagesize", {"2"});
    EXPECT_EQ(Ids(Apps(1)), (std::vector<int>{21, 22, 23, 24, 25}));
    EXPECT_EQ(Ids(Apps(4, 23)), (std::vector<int>{21, 25}));
    KvAppListEntry* list = nullptr;
    ASSERT_EQ(KvFilesToPump(reinterpret_cast<int*>(&list)), 0);
    EXPECT_EQ(list[4].applicationId, 25);
    KvFreeAllocatedMemory(list);
}

TEST_F(ListsTest, ServerListsAndTheirEnds) {
    KvLanguageEntry* languages = nullptr;
    ASSERT_EQ(KvLanguagesToDisplay(reinterpret_cast<int*>(&languages)), 0);
    int n = 0;
    while (languages[n].customerId) ++n;
    EXPECT_EQ(n, 3);
    EXPECT_EQ(languages[0].promptLanguageId, 3);
    KvFreeAllocatedMemory(languages);
    KvResPermListEntry* lists = nullptr;
    ASSERT_EQ(KvResPermToDisplay(reinterpret_cast<int*>(&lists)), 0);
    n = 0;
    while (lists[n].listId) ++n;
    EXPECT_EQ(n, 3);
    KvFreeAllocatedMemory(lists);
    KvVolumeEntry* volumes = nullptr;
    ASSERT_EQ(KvVolumeToDisplay(reinterpret_cast<int*>(&volumes)), 0);
    std::vector<std::pair<int, std::string>> got;
    for (KvVolumeEntry* v = volumes; v->number; ++v) got.emplace_back(v->number, v->text);
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{{1, "1"}, {12, "12"}, {3, "3"}}));
    KvFreeAllocatedMemory(volumes);
    // A failed search gives 36, or the mapped code.
    SetControl("stfaultrule", {"directory.search 80 count=1"});
    EXPECT_EQ(KvVolumeToDisplay(reinterpret_cast<int*>(&volumes)), 36);
    SetControl("stfaultrule", {"directory.search 60656 count=1"});
    EXPECT_EQ(KvLanguagesToDisplay(reinterpret_cast<int*>(&languages)), 63);
    EXPECT_EQ(KvFreeAllocatedMemory(nullptr), 0);
}

TEST_F(ListsTest, ExistenceAndInUseQueries) {
    LoadFixtures();
    Make(26, "Here");
    int version = 0;
    struct Case { int id; const char* name; int expected; };
    const Case cases[] = {{27, "Nowhere", 100}, {26, "Here", 101}, {26, "Else", 102}, {27, "Here", 103},
                          {26, "Held", 102}};
    for (const Case& c : cases) EXPECT_EQ(Directory().QueryApplicationExists(1, c.id, &version, c.name), c.expected) << c.id << c.name;
    // In use: 0 none, 2 imported (by 903), 3 imported and assigned (901).
    struct Use { int id; int usage; };
    for (const Use u : {Use{26, 0}, Use{901, 3}}) {
        int usage = -1;
        EXPECT_EQ(Directory().RetrieveInUseState(1, u.id, usage), 0);
        EXPECT_EQ(usage, u.usage) << u.id;
    }
    KvImportEntry imports[] = {{1, 26, 1}, {0, 0, 0}};
    KvAppRecord record = AppRecord(28, "User");
    KvAppInfo info{};
    ASSERT_EQ(KvFileNew(&record, &info), 0);
    KvImportRequest request{1, 28, imports};
    ASSERT_EQ(KvFileImport(&request), 0);
    KvAppRecord here = AppRecord(26, "Here");
    ASSERT_EQ(KvFileOpen(&here, &info), 0);
    int answer = -1;
    EXPECT_EQ(KvIsImported(1, 26, &answer), 0);
    EXPECT_EQ(answer, 2);
    EXPECT_EQ(KvIsImported(1, 99, &answer), 48);
    SetControl("stfaultrule", {"directory.search 80 count=1"});
    answer = -1;
    EXPECT_EQ(KvIsImported(1, 26, &answer), 38);
    EXPECT_EQ(answer, -1);
}

TEST_F(ListsTest, UnusedIdFromTheServiceAndAFailureLeavesTheCallersInt) {
    int id = 0;
    ASSERT_EQ(KvGetUnusedID(&id), 0);
    EXPECT_GE(id, 1000);
    SetControl("stfaultrule", {"config.unusedid 80 count=1"});
    id = 4242;
    EXPECT_EQ(KvGetUnusedID(&id), 60);
    EXPECT_EQ(id, 4242);
}

}  // namespace
}  // namespace zlink::testing
