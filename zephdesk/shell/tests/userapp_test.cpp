// The user-application document: its defaults from a path and from a server list entry,
// its small queries, and what its destructor frees.
#include <cstring>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/kvuserapp.h"
#include "shell/document/locktime.h"
#include "userapp_fixture.h"

namespace {

KvAppListEntry Entry()
{
    KvAppListEntry entry{};
    entry.customerId = 7;
    entry.applicationId = 4321;
    std::strcpy(entry.name, "Orders");
    std::strcpy(entry.description, "Order desk");
    std::strcpy(entry.lockingPc, "PC-12");
    std::strcpy(entry.lockingUser, "anna");
    const std::int32_t time[9] = {55, 3, 2, 2, 0, 80, 3, 1, 0};
    std::memcpy(entry.lockingTime, time, sizeof time);
    entry.volumeId = 3;
    entry.reserved = 17;
    return entry;
}

// A record that counts its destruction, to see what a document frees.
int g_deleted = 0;
class CountedApp : public KvUserApp {
public:
    CountedApp() : KvUserApp("x.ed") {}
    ~CountedApp() override { ++g_deleted; }
};

}  // namespace

TEST_F(UserAppTest, APathGivesTheDefaultsAndTheNameOfTheFile)
{
    KvUserApp app("C:\\Flowsmith\\Programs\\Sales.ed");
    EXPECT_STREQ(app.GetText(F_UA_NAME), "Sales");
    EXPECT_EQ(app.GetInt(F_UA_ID), 0);
    EXPECT_EQ(app.GetInt(F_UA_CUSTOMER), 1);
    EXPECT_EQ(app.GetInt(F_UA_VOLUME), 1);
    EXPECT_STREQ(app.GetText(F_UA_TELSET_PWD), kKvPasswordPlaceholder);
    EXPECT_STREQ(app.GetText(F_UA_PWD_CONFIRM), kKvPasswordPlaceholder);
    EXPECT_EQ(std::strlen(kKvPasswordPlaceholder), 18u);
    EXPECT_EQ(app.IsExported(), 0);
    EXPECT_EQ(app.GetInt(F_UA_COMPLETE), 0);
    const unsigned char zero[8] = {};
    EXPECT_EQ(std::memcmp(app.GetStoredPassword(), zero, 8), 0);
    EXPECT_STREQ(KvUserApp("plain").GetText(F_UA_NAME), "plain");
    EXPECT_STREQ(KvUserApp("a/b.c/Name.ed").GetText(F_UA_NAME), "Name");
}

TEST_F(UserAppTest, AListEntryGivesItsNineFields)
{
    KvUserApp app(Entry());
    EXPECT_EQ(app.GetInt(F_UA_CUSTOMER), 7);
    EXPECT_EQ(app.GetInt(F_UA_ID), 4321);
    EXPECT_STREQ(app.GetText(F_UA_NAME), "Orders");
    EXPECT_STREQ(app.GetText(F_UA_DESCRIPTION), "Order desk");
    EXPECT_STREQ(app.GetText(F_UA_LOCKING_PC), "PC-12");
    EXPECT_STREQ(app.GetText(F_UA_LOCKING_USER), "anna");
    EXPECT_STREQ(app.GetText(F_UA_LOCKING_TIME), "Wed Jan  2 02:03:55 1980\n");
    EXPECT_EQ(app.GetInt(F_UA_VOLUME), 3);
    EXPECT_EQ(app.GetInt(F_UA_MODIFICATION), 17);
}

TEST_F(UserAppTest, AnEntryWithoutTerminatorsIsReadToTheEndOfEachArray)
{
    KvAppListEntry entry = Entry();
    std::memset(entry.name, 'N', sizeof entry.name);
    std::memset(entry.lockingUser, 'U', sizeof entry.lockingUser);
    KvUserApp app(entry);
    EXPECT_EQ(std::string(app.GetText(F_UA_NAME)), std::string(61, 'N'));
    EXPECT_EQ(std::string(app.GetText(F_UA_LOCKING_USER)), std::string(40, 'U'));
    EXPECT_STREQ(app.GetText(F_UA_DESCRIPTION), "Order desk");
}

TEST_F(UserAppTest, LockTimeIsInTheAsctimeFormAndEmptyWhenUnlocked)
{
    struct Case {
        std::int32_t time[9];
        const char* text;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {{55, 3, 2, 2, 0, 80, 3, 1, 0}, "Wed Jan  2 02:03:55 1980\n"},
        {{9, 59, 23, 31, 11, 126, 4, 364, 0}, "Thu Dec 31 23:59:09 2026\n"},
        // Out of range names and a huge year stay inside the text.
        {{1, 2, 3, 4, 12, 2147483647, -1, 0, 0}, "??? ???  4 03:02:01 2147485547\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KvFormatLockTime(c.time), c.text);
}

TEST_F(UserAppTest, ValidIdsRunFrom1000To49999)
{
    const std::pair<int, int> cases[] = {{999, 0}, {1000, 1}, {49999, 1}, {50000, 0}, {-1000, 0}};
    for (auto [id, valid] : cases)
        EXPECT_EQ(KvUserApp::IsValidID(id), valid) << id;
    EXPECT_EQ(KvUserApp::IsValidName(""), 0);
    EXPECT_EQ(KvUserApp::IsValidName(" "), 1);
}

TEST_F(UserAppTest, FindImportLooksUpTheImportedApplicationsById)
{
    KvUserApp app("Main.ed");
    EXPECT_EQ(app.FindImport(1234), -1);
    EXPECT_EQ(app.GetImportCount(), 0);
    for (int id : {1234, 2345}) {
        auto* imported = new KvUserApp("Lib.ed");
        imported->SetInt(F_UA_ID, id);
        imported->Commit();
        app.GetList(F_UA_APPS)->Add(imported);
    }
    EXPECT_EQ(app.GetImportCount(), 2);
    EXPECT_EQ(app.FindImport(2345), 1);
    EXPECT_EQ(app.FindImport(1234), 0);
    EXPECT_EQ(app.FindImport(999), -1);
}

TEST_F(UserAppTest, ExportedFollowsTheFlagAndIsCommitted)
{
    KvUserApp app("Main.ed");
    app.SetExported(1);
    EXPECT_EQ(app.IsExported(), 1);
    EXPECT_EQ(*static_cast<std::int32_t*>(app.GetFieldStorage(F_UA_EXPORTED)), 1);
    app.SetExported(0);
    EXPECT_EQ(app.IsExported(), 0);
}

TEST_F(UserAppTest, DeletingTheDocumentDeletesTheRecordsOfItsLists)
{
    g_deleted = 0;
    {
        KvUserApp app("Main.ed");
        app.GetList(F_UA_APPS)->Add(new CountedApp);
        app.GetList(F_UA_APPS)->Add(new CountedApp);
        EXPECT_EQ(g_deleted, 0);
    }
    EXPECT_EQ(g_deleted, 2);
}

TEST_F(UserAppTest, TheProgramQueriesAnswerNothingWithoutAProgram)
{
    KvUserApp app("Main.ed");
    EXPECT_EQ(app.IsModified(), 0);
    EXPECT_EQ(app.IsComplete(), 0);
    app.SetModified();
    EXPECT_EQ(Assertions().size(), 2u);
}
