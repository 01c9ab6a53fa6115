// The soft dialogs' data links: each id names one list of the active application or of the
// workspace's cached server record; refresh reads an application list of the link's kind
// into a fresh record, pump inserts the transfer list.
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/kvserverrec.h"
#include "shell/serverlists/workspacelists.h"
#include "fake_link.h"
#include "userapp_fixture.h"

namespace {

class DataLinkTest : public UserAppTest {
protected:
    DataLinkTest()
    {
        KvFieldValue(F_UA_ID, &active) = std::int32_t(1234);
        link.apps = {FakeLink::App(2000, "Sales"), FakeLink::App(2001, "Billing")};
        link.pump = {FakeLink::App(3000, "Moved")};
    }

    std::vector<std::string> AppNames()
    {
        std::vector<std::string> names;
        KvObArray& apps = lists.GetServerRec(kKvNoAppList).List(F_SRV_APPS);
        for (int i = 0; i < apps.GetSize(); ++i)
            names.emplace_back(KvFieldValue(F_UA_NAME, static_cast<KvSoftRec*>(apps.GetAt(i))).AsText());
        return names;
    }

    FakeLink link;
    ScopedLink scope{&link};
    KvUserApp active{"Active"};
    KvWorkspaceLists lists;
};

}  // namespace

TEST_F(DataLinkTest, EveryLinkNamesItsFieldAndRecord)
{
    struct Case {
        WORD link;
        WORD field;
        bool onActive;
        int kindMade;  // the kind of a server record made by the resolve
    };
    const Case cases[] = {
        {2301, F_UA_FUNCTIONS, true, 0},   {2302, F_UA_VOICE_ITEMS, true, 0}, {2303, F_UA_FAX_ITEMS, true, 0},
        {2305, F_SRV_APPS, false, 2},      {2306, F_SRV_APPS, false, 1},      {2307, F_SRV_APPS, false, 6},
        {2308, F_SRV_APPS, false, 3},      {2309, F_SRV_APPS, false, 4},      {2310, F_SRV_APPS, false, 5},
        {2311, F_SRV_DIRECTORIES, false, -1}, {2312, F_SRV_RESPERM, false, -1}, {2313, F_SRV_LANGUAGES, false, -1},
        {2314, F_UA_APPS, true, 0},        {2315, F_UA_RESPERM_USED, true, 0}, {2316, F_SRV_VOLUMES, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        lists.FreeServerRec();
        KvFieldValue field;
        ASSERT_TRUE(lists.ResolveDataLink(c.link, field, &active));
        EXPECT_EQ(field.GetFieldID(), c.field);
        if (c.onActive) {
            EXPECT_EQ(field.GetSoftRec(), &active);
            EXPECT_EQ(lists.PeekServerRec(), nullptr);
        } else {
            ASSERT_NE(lists.PeekServerRec(), nullptr);
            EXPECT_EQ(field.GetSoftRec(), lists.PeekServerRec());
            EXPECT_EQ(lists.PeekServerRec()->GetKind(), c.kindMade);
        }
    }
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(DataLinkTest, AnExistingServerRecordIsKeptWhateverItsKind)
{
    KvServerRec& first = lists.GetServerRec(5);
    KvFieldValue field;
    ASSERT_TRUE(lists.ResolveDataLink(2306, field, &active));
    EXPECT_EQ(field.GetSoftRec(), &first);
    EXPECT_EQ(first.GetKind(), 5);
}

TEST_F(DataLinkTest, UnknownLinksAndMissingActiveApplicationsResolveToNothing)
{
    for (WORD id : {WORD(2300), WORD(2304), WORD(2317)}) {
        KvFieldValue field;
        EXPECT_FALSE(lists.ResolveDataLink(id, field, &active)) << id;
    }
    KvFieldValue field;
    EXPECT_FALSE(lists.ResolveDataLink(2301, field, nullptr));
    EXPECT_EQ(Assertions().size(), 4u);
}

TEST_F(DataLinkTest, RefreshReadsTheLinksKindIntoAFreshRecord)
{
    const struct {
        WORD link;
        int kind;
    } cases[] = {{2305, 2}, {2306, 1}, {2307, 6}, {2308, 3}, {2309, 4}, {2310, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        lists.GetServerRec(-1);
        lists.RefreshDataLink(c.link, 1234);
        ASSERT_NE(lists.PeekServerRec(), nullptr);
        EXPECT_EQ(lists.PeekServerRec()->GetKind(), c.kind);
        EXPECT_EQ(link.lastKind, c.kind);
        EXPECT_EQ(link.lastAppId, 1234);
        EXPECT_EQ(AppNames(), (std::vector<std::string>{"Sales", "Billing"}));
        lists.FreeServerRec();
    }
    EXPECT_EQ(link.outstanding, 0);
}

TEST_F(DataLinkTest, PumpInsertsTheTransferListAtThePosition)
{
    lists.RefreshDataLink(2306, 0);
    lists.PumpDataLink(2306, 1);
    EXPECT_EQ(AppNames(), (std::vector<std::string>{"Sales", "Moved", "Billing"}));
    // Without a cached record the pump makes one of no list kind.
    lists.FreeServerRec();
    lists.PumpDataLink(2310, 0);
    EXPECT_EQ(lists.PeekServerRec()->GetKind(), -1);
    EXPECT_EQ(AppNames(), std::vector<std::string>{"Moved"});
    EXPECT_EQ(link.outstanding, 0);
}

TEST_F(DataLinkTest, TheImportsLinkNeitherRefreshesNorPumps)
{
    lists.RefreshDataLink(2314, 0);
    lists.PumpDataLink(2314, 0);
    EXPECT_EQ(lists.PeekServerRec(), nullptr);
    EXPECT_TRUE(link.calls.empty());
    lists.RefreshDataLink(2311, 0);
    lists.PumpDataLink(2316, 0);
    EXPECT_EQ(Assertions().size(), 2u);
    EXPECT_EQ(lists.PeekServerRec(), nullptr);
}

TEST_F(DataLinkTest, AFailedRefreshLeavesAnEmptyListOfTheNewKind)
{
    lists.RefreshDataLink(2306, 0);
    link.results["FilesToDisplay"] = 60;
    lists.RefreshDataLink(2308, 0);
    EXPECT_EQ(lists.PeekServerRec()->GetKind(), 3);
    EXPECT_TRUE(AppNames().empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"List of Applications not available on the server"});
}
