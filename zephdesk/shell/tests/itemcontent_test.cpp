#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"
#include "shell/autosave/autosaveoptions.h"
#include "shell/items/itemcontent.h"
#include "shell/items/itemlink.h"
#include "shell/items/itemtexts.h"
#include "items_fixture.h"

namespace {

// The server link's item calls, answering a scripted result and keeping what they got.
class RecordingItemLink : public KvItemLink {
public:
    int result = 0;
    std::vector<std::string> calls;
    KvItemTransfer last{};
    std::string path;
    int applicationId = 0;

    int ManipulateItem(int, int app, int operation, KvItemTransfer* item) override
    {
        return Take("manipulate " + std::to_string(operation), app, item, nullptr);
    }
    int RecordVoiceItem(int, int app, KvItemTransfer* item) override { return Take("record", app, item, nullptr); }
    int ImportVoiceItem(int, int app, KvItemTransfer* item, const char* file) override
    {
        return Take("import voice", app, item, file);
    }
    int ImportFaxItem(int, int app, KvItemTransfer* item, const char* file) override
    {
        return Take("import fax", app, item, file);
    }
    int CutCopyPasteItem(int, int, int app, KvItemTransfer* item, int, int, KvItemTransfer*) override
    {
        return Take("paste", app, item, nullptr);
    }

private:
    int Take(const std::string& call, int app, KvItemTransfer* item, const char* file)
    {
        calls.push_back(call);
        applicationId = app;
        last = *item;
        path = file != nullptr ? file : "";
        return result;
    }
};

using Application = FakeItemApplication;
using Workspace = FakeItemWorkspace;

class ItemContentTest : public ItemsTest {
protected:
    ItemContentTest() { KvSetItemLink(&link); }

    ~ItemContentTest() override { KvSetItemLink(nullptr); }

    RecordingItemLink link;
};

std::string Text(UINT id) { return id == 0 ? "" : KvItemText(id); }

// One table for every member: no application, a cancelled file choice, success and the
// server results that have their own message.
TEST_F(ItemContentTest, EveryMemberAnswersEachOutcome)
{
    struct Member {
        WORD callOut;
        bool import;
        bool fax;  // takes its texts from the fax fields
        bool shortResults;
        UINT noWindow, failure, format;
        std::string call;
    };
    const Member members[] = {
        {32000, false, false, false, 8018, 8032, 0, "record"},
        {32001, true, false, false, 8019, 8033, 8110, "import voice"},
        {32002, true, true, false, 8020, 8034, 8106, "import fax"},
        {32003, false, true, true, 8018, 8032, 0, "record"},
        {32004, true, true, false, 8019, 8033, 8110, "import voice"},
        {32005, false, false, true, 8018, 8032, 0, "record"},
        {32006, true, false, false, 8019, 8033, 8110, "import voice"},
    };
    enum Outcome { NoApplication, Cancelled, Server };
    struct Row {
        Outcome outcome;
        int server;
    };
    const Row rows[] = {{NoApplication, 0}, {Cancelled, 0}, {Server, 0},  {Server, 62},
                        {Server, 63},       {Server, 64},   {Server, 71}, {Server, 5}};

    for (const Member& m : members) {
        const KvContentMember* member = KvFindContentMember(m.callOut);
        ASSERT_NE(member, nullptr) << m.callOut;
        for (const Row& row : rows) {
            if (row.outcome == Cancelled && !m.import)
                continue;
            const std::string where = std::to_string(m.callOut) + " row " + std::to_string(row.server) + "/" +
                                      std::to_string(row.outcome);
            std::unique_ptr<KvSoftRec> record(KvSoftRec::Create(m.fax ? DEF_FAX_ITEM : DEF_VOICE_ITEM, 0));
            KvFieldValue(m.fax ? F_FI_NAME : F_VI_NAME, record.get()) = CString("Greeting");
            KvFieldValue(m.fax ? F_FI_ID : F_VI_ID, record.get()) = static_cast<short>(12);
            KvFieldValue(m.fax ? F_FI_DESCRIPTION : F_VI_DESCRIPTION, record.get()) = CString("Hello");
            Application app;
            Workspace workspace;
            workspace.active = row.outcome == NoApplication ? nullptr : &app;
            workspace.choose = row.outcome != Cancelled;
            link.calls.clear();
            link.result = row.server;
            const std::size_t before = Messages().size();

            const int result = KvRunContentMember(*member, *record, workspace);

            const std::vector<std::string> all = Messages();
            const std::vector<std::string> shown(all.begin() + static_cast<long>(before), all.end());
            int expected = 0;
            std::string message;
            if (row.outcome == NoApplication) {
                expected = -1;
                message = Text(m.noWindow);
            } else if (row.outcome == Cancelled) {
                expected = -1;
            } else if (row.server != 0) {
                expected = 1;
                UINT id = m.failure;
                if (!m.shortResults && row.server >= 62 && row.server <= 64)
                    id = static_cast<UINT>(8001 + row.server);
                if (!m.shortResults && row.server == 71 && m.format != 0)
                    id = m.format;
                message = Text(id);
            }
            EXPECT_EQ(result, expected) << where;
            EXPECT_EQ(shown, message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message})
                << where;
            EXPECT_EQ(app.modified, expected == 0 ? 1 : 0) << where;
            EXPECT_EQ(workspace.refreshes, expected == 0 ? 1 : 0) << where;
            if (row.outcome != Server) {
                EXPECT_TRUE(link.calls.empty()) << where;
                continue;
            }
            EXPECT_EQ(link.calls, std::vector<std::string>{m.call}) << where;
            EXPECT_EQ(link.applicationId, 4711);
            EXPECT_EQ(workspace.cursors, (std::vector<std::string>{"wait", "arrow"})) << where;
            const bool spoken = m.callOut >= 32005;
            EXPECT_EQ(link.last.itemId, spoken ? 9999 : 12) << where;
            EXPECT_EQ(link.last.mediaType, m.fax ? 15 : 14) << where;
            EXPECT_STREQ(link.last.name, spoken ? "" : "Greeting") << where;
            EXPECT_STREQ(link.last.text, spoken ? "" : "Hello") << where;
            EXPECT_EQ(link.path, m.import ? workspace.chosen : "") << where;
            EXPECT_EQ(app.spokenNameAdds, spoken ? 1 : 0) << where;
        }
    }
}

TEST_F(ItemContentTest, ImportDialogsNameTheirFileKind)
{
    std::unique_ptr<KvSoftRec> record(KvSoftRec::Create(DEF_FAX_ITEM, 0));
    Application app;
    Workspace workspace;
    workspace.active = &app;
    workspace.choose = false;
    for (WORD id : {32001, 32002, 32004})
        KvRunContentMember(*KvFindContentMember(id), *record, workspace);
    EXPECT_EQ(workspace.titles, (std::vector<std::string>{"Import voice item|WAV File (*.WAV)|*.wav|WAV",
                                                          "Import fax item|TIF File (*.TIF)|*.tif|TIF",
                                                          "Import voice item|WAV File (*.WAV)|*.wav|WAV"}));
    EXPECT_EQ(KvFindContentMember(32007), nullptr);
}

TEST_F(ItemContentTest, SpokenNameItemIsMadeOnlyOnce)
{
    std::unique_ptr<KvSoftRec> record(KvSoftRec::Create(DEF_VOICE_ITEM, 0));
    Application app;
    app.spokenName = true;
    Workspace workspace;
    workspace.active = &app;
    EXPECT_EQ(KvRunContentMember(*KvFindContentMember(32005), *record, workspace), 0);
    EXPECT_EQ(app.spokenNameAdds, 0);
}

TEST_F(ItemContentTest, AutoSaveIntervalOutsideOneToSixtyIsRefused)
{
    for (std::int32_t minutes : {0, 61, 1, 60}) {
        std::unique_ptr<KvSoftRec> record(KvSoftRec::Create(DEF_AUTO_SAVE, 0));
        KvFieldValue(F_AS_MINUTES, record.get()) = minutes;
        record->SetEditing(1);
        const std::size_t before = Messages().size();
        const bool accepted = record->Verify(0) == 1;
        EXPECT_EQ(accepted, minutes >= 1 && minutes <= 60) << minutes;
        if (!accepted) {
            ASSERT_EQ(Messages().size(), before + 1) << minutes;
            EXPECT_EQ(Messages().back(), "The save interval must be between 1 and 60 minutes.");
        }
    }
}

}  // namespace
