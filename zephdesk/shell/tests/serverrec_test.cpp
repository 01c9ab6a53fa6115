// The server record: the system prompt names, the three side lists and the application
// lists from the server link, the messages of failed fetches by list kind, and the finders.
#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/kvserverrec.h"
#include "fake_link.h"
#include "userapp_fixture.h"

namespace {

class ServerRecTest : public UserAppTest {
protected:
    ServerRecTest()
    {
        KvResPermListEntry rp{};
        rp.listId = 17;
        std::strcpy(rp.name, "RP17");
        link.resPerms.push_back(rp);
        rp.listId = 18;
        std::memset(rp.name, 'R', sizeof rp.name);  // no terminator: cut at the array's end
        link.resPerms.push_back(rp);
        KvLanguageEntry lang{};
        lang.promptLanguageId = 1;
        lang.localLanguageId = 2;
        lang.customerId = 1;
        std::strcpy(lang.name, "English");
        lang.modNumber = 5;
        link.languages.push_back(lang);
        KvVolumeEntry volume{};
        volume.number = 1;
        std::strcpy(volume.text, "VOL1");
        link.volumes.push_back(volume);
    }

    std::vector<std::string> Texts(KvServerRec& rec, WORD list, WORD field)
    {
        std::vector<std::string> texts;
        KvObArray& records = rec.List(list);
        for (int i = 0; i < records.GetSize(); ++i)
            texts.emplace_back(KvFieldValue(field, static_cast<KvSoftRec*>(records.GetAt(i))).AsText());
        return texts;
    }

    FakeLink link;
    ScopedLink scope{&link};
};

}  // namespace

TEST_F(ServerRecTest, TheSideListsAreCopiedAndEveryListIsHandedBack)
{
    KvServerRec rec(1);
    const std::vector<std::string> prompts = Texts(rec, F_SRV_DIRECTORIES, F_DIR_NAME);
    ASSERT_EQ(prompts.size(), 17u);
    EXPECT_EQ(prompts.front(), "<beep>");
    EXPECT_EQ(prompts[9], "<beep> That number is busy, try later");
    EXPECT_EQ(prompts.back(), "Goodbye");
    EXPECT_EQ(Texts(rec, F_SRV_RESPERM, F_RPL_NAME), (std::vector<std::string>{"RP17", std::string(28, 'R')}));
    EXPECT_EQ(Texts(rec, F_SRV_LANGUAGES, F_LANG_NAME), std::vector<std::string>{"English"});
    EXPECT_EQ(Texts(rec, F_SRV_VOLUMES, F_VOL_NAME), std::vector<std::string>{"VOL1"});
    EXPECT_EQ(rec.FindResPermIndex(18), 1);
    EXPECT_EQ(rec.FindResPermIndex(19), -1);
    EXPECT_EQ(rec.FindLanguageIndex(2), 0);
    EXPECT_EQ(rec.FindLanguageIndex(1), -1);  // by the local language id
    EXPECT_EQ(link.outstanding, 0);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(rec.List(F_SRV_APPS).GetSize(), 0);  // the applications only on request
}

TEST_F(ServerRecTest, FailedFetchesAreReportedByTheListKind)
{
    link.results = {{"ResPermToDisplay", 60}, {"LanguagesToDisplay", 60}, {"VolumeToDisplay", 60},
                    {"FilesToDisplay", 60}};
    const std::string resPerm = "List of Restriction/Permission not available on the server";
    const std::string language = "List of Languages not available on the server";
    const std::string volume = "List of Volumes not available on the server";
    const std::string apps = "List of Applications not available on the server";
    struct Case {
        int kind;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {-1, {resPerm, language, apps}},
        {1, {volume, apps}},
        {2299, {volume, apps}},
        {2300, {apps}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::size_t before = Messages().size();
        KvServerRec rec(c.kind);
        rec.LoadFileList(0);
        const std::vector<std::string> all = Messages();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()), c.messages);
        EXPECT_EQ(rec.List(F_SRV_RESPERM).GetSize(), 0);
        EXPECT_EQ(rec.List(F_SRV_LANGUAGES).GetSize(), 0);
        EXPECT_EQ(rec.List(F_SRV_APPS).GetSize(), 0);
        EXPECT_EQ(rec.FindResPermIndex(17), -1);
        EXPECT_EQ(rec.FindLanguageIndex(2), -1);
    }
    EXPECT_EQ(link.outstanding, 0);
}

TEST_F(ServerRecTest, ApplicationListsStopAtTheFirstZeroWordAndPumpInsertsAtAPosition)
{
    link.apps = {FakeLink::App(1001, "Alpha"), FakeLink::App(1002, "Beta"), FakeLink::App(0, "Hidden"),
                 FakeLink::App(1003, "After")};
    KvServerRec rec(4);
    rec.LoadFileList(1234);
    EXPECT_EQ(link.lastKind, 4);
    EXPECT_EQ(link.lastAppId, 1234);
    EXPECT_EQ(Texts(rec, F_SRV_APPS, F_UA_NAME), (std::vector<std::string>{"Alpha", "Beta"}));
    link.pump = {FakeLink::App(2001, "P1"), FakeLink::App(2002, "P2")};
    rec.LoadPumpList(1);
    EXPECT_EQ(Texts(rec, F_SRV_APPS, F_UA_NAME), (std::vector<std::string>{"Alpha", "P1", "P2", "Beta"}));
    EXPECT_EQ(link.outstanding, 0);

    link.apps = {FakeLink::App(0, "First")};
    KvServerRec empty(1);
    empty.LoadFileList(0);
    EXPECT_EQ(empty.List(F_SRV_APPS).GetSize(), 0);
}
