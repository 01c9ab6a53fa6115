#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"
#include "shell/document/kvuserapp.h"
#include "shell/itemclip/itemclipboard.h"
#include "shell/itemclip/pasteconflict.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemlink.h"
#include "shell/items/kvsoftitem.h"
#include "shell/workspace/kvwinapp.h"
#include "items_fixture.h"

namespace {

// The server's item paste, answering a scripted result per call (0 after the script).
class PasteLink : public KvItemLink {
public:
    std::vector<int> results;
    std::vector<std::string> pastes;  // "5 Hello -> 9 Hello" with source and target apps

    int ManipulateItem(int, int, int, KvItemTransfer*) override { return 0; }
    int RecordVoiceItem(int, int, KvItemTransfer*) override { return 0; }
    int ImportVoiceItem(int, int, KvItemTransfer*, const char*) override { return 0; }
    int ImportFaxItem(int, int, KvItemTransfer*, const char*) override { return 0; }
    int CutCopyPasteItem(int operation, int, int fromApp, KvItemTransfer* from, int, int toApp,
                         KvItemTransfer* to) override
    {
        pastes.push_back(std::to_string(operation) + " " + std::to_string(fromApp) + ":" +
                         std::to_string(from->itemId) + " " + from->name + " -> " + std::to_string(toApp) + ":" +
                         std::to_string(to->itemId) + " " + to->name + " (" + std::to_string(to->mediaType) + ")");
        if (results.empty())
            return 0;
        const int r = results.front();
        results.erase(results.begin());
        return r;
    }
};

class Switch : public ActiveApplication {
public:
    KvUserApp* app = nullptr;
    bool ActiveName(std::string& name) override
    {
        if (app == nullptr)
            return false;
        name = static_cast<const char*>(app->GetText(F_UA_NAME));
        return true;
    }
    KvUserApp* ActiveUserApp() override { return app; }
};

// Applications A (ID 1001) and B (1002) with programs of their own; the workspace's and the
// item workers' active application switch together.
class ItemClipboardTest : public ItemsTest {
protected:
    ItemClipboardTest()
    {
        zeph::SetDialogModuleLoader(&ItemsNoDialogModule);
        for (KvUserApp* app : {&a, &b}) {
            app->SetInt(F_UA_ID, app == &a ? 1001 : 1002);
            app->SetText(F_UA_NAME, app == &a ? "Alpha" : "Beta");
            app->Commit();
        }
        m_programB = vlxAddProgram(nullptr, 0);
        vlxActivatePage(vlxCreatePage("Main", 1, 0));
        m_programA = vlxAddProgram(nullptr, 0);
        vlxActivatePage(vlxCreatePage("Main", 1, 0));
        workspace.SetActiveApplication(&active);
        itemWorkspace.active = &application;
        KvSetItemWorkspace(&itemWorkspace);
        KvSetItemLink(&link);
        Activate(a);
    }
    ~ItemClipboardTest() override
    {
        KvSetItemLink(nullptr);
        KvSetItemWorkspace(nullptr);
        workspace.SetActiveApplication(nullptr);
        vlxRemoveProgram(m_programA);
        vlxRemoveProgram(m_programB);
        zeph::SetDialogModuleLoader(nullptr);
    }

    void Activate(KvUserApp& app)
    {
        active.app = &app;
        application.document = &app;
        vlxActivateProgram(&app == &a ? m_programA : m_programB);
    }
    KvSoftItem* Add(int kind, const char* name, short id, const char* description = "")
    {
        auto* item = kind == 0 ? static_cast<KvSoftItem*>(new KvVoiceItem(nullptr)) : new KvFaxItem(nullptr);
        KvFieldValue(item->Fields().name, item) = CString(name);
        KvFieldValue(item->Fields().id, item) = id;
        KvFieldValue(item->Fields().description, item) = CString(description);
        item->Commit();
        EXPECT_EQ(item->AddToServer(), 1) << name;
        active.app->GetList(kind == 0 ? F_UA_VOICE_ITEMS : F_UA_FAX_ITEMS)->Add(item);
        return item;
    }
    // "ID name description" of each item of the application's list.
    std::vector<std::string> Items(KvUserApp& app, int kind)
    {
        std::vector<std::string> out;
        KvObArray& list = *app.GetList(kind == 0 ? F_UA_VOICE_ITEMS : F_UA_FAX_ITEMS);
        for (int i = 0; i < list.GetSize(); ++i) {
            auto* item = static_cast<KvSoftItem*>(list.GetAt(i));
            const KvItemFields& f = item->Fields();
            out.push_back(std::to_string(KvFieldValue(f.id, item).AsInt16()) + " " +
                          static_cast<const char*>(KvFieldValue(f.name, item).AsText()) + " " +
                          static_cast<const char*>(KvFieldValue(f.description, item).AsText()));
            // Each listed item has its symbol in the application's program.
            EXPECT_NE(item->GetSymbol(), nullptr);
        }
        return out;
    }
    static zeph::TClipInfo Entry(const char* name, int kind, int id)
    {
        zeph::TClipInfo entry(name, kind == 0 ? zeph::kClipSentence : zeph::kClipFaxDocument);
        entry.ItemId = id;
        return entry;
    }

    KvWinApp workspace{nullptr};
    Switch active;
    FakeItemApplication application;
    FakeItemWorkspace itemWorkspace;
    PasteLink link;
    KvUserApp a{""};
    KvUserApp b{""};

private:
    vlxHandleType m_programA = nullptr;
    vlxHandleType m_programB = nullptr;
};

TEST_F(ItemClipboardTest, ItemsPasteIntoAnotherApplicationWithTheDecisions)
{
    Add(0, "Hello", 5, "hi");
    Add(0, "Bye", 6, "ciao");
    Add(0, "Skipped", 7);
    Add(0, "Dup", 8, "new text");
    Add(3, "Form", 2, "order form");
    EXPECT_EQ(KvCutCopyItem(0, 5, 1, 0), 0);
    for (int id : {6, 7, 8})
        EXPECT_EQ(KvCutCopyItem(0, id, 0, 0), 0);
    EXPECT_EQ(KvCutCopyItem(3, 2, 0, 0), 0);
    EXPECT_EQ(KvCutCopyItem(0, 99, 0, 0), -1);

    Activate(b);
    Add(0, "Other", 5, "b's own");
    Add(0, "Dup", 8, "old text");
    application.serverCalls.clear();

    std::vector<zeph::TClipInfo> conflicts = {Entry("Hello", 0, 5), Entry("Bye", 0, 6), Entry("Skipped", 0, 7),
                                              Entry("Dup", 0, 8), Entry("Hello", 3, 5)};
    conflicts[0].Second = 9;
    conflicts[1].SetNewName("Farewell");
    conflicts[2].DontCopy = 1;
    conflicts[3].UseExisting = 1;
    conflicts[4].Second = 77;  // a fax entry: never applies to a voice item

    EXPECT_EQ(KvPasteClipboardItems(0, conflicts), 0);
    EXPECT_EQ(KvPasteClipboardItems(3, conflicts), 0);
    EXPECT_EQ(link.pastes, (std::vector<std::string>{
                               "0 1001:5 Hello -> 1002:9 Hello (14)",
                               "0 1001:6 Bye -> 1002:6 Farewell (14)",
                               "0 1001:8 Dup -> 1002:8 Dup (14)",
                               "0 1001:2 Form -> 1002:2 Form (15)",
                           }));
    EXPECT_EQ(Items(b, 0), (std::vector<std::string>{"5 Other b's own", "8 Dup new text", "9 Hello hi",
                                                      "6 Farewell ciao"}));
    EXPECT_EQ(Items(b, 3), std::vector<std::string>{"2 Form order form"});
    // No item add went to the server: the paste made the server items.
    EXPECT_TRUE(application.serverCalls.empty());
    zeph::Symbol* hello = static_cast<zeph::Symbol*>(vlxFindSymbol("Hello"));
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ(hello->Scope, 9);
    EXPECT_EQ(vlxFindSymbol("Skipped"), nullptr);
    EXPECT_TRUE(Messages().empty());

    // The blocks pasted with these items follow Hello's new ID only.
    const std::vector<std::tuple<int, int, int>> followed = {{0, 5, 9}, {0, 6, 6}, {0, 7, 7},
                                                             {0, 8, 8}, {3, 2, 2}, {3, 5, 5}};
    for (const auto& [kind, held, pasted] : followed)
        EXPECT_EQ(KvPastedItemId(kind, held), pasted) << kind << ' ' << held;
    // A paste into the source gives no new IDs: its blocks keep theirs.
    Activate(a);
    EXPECT_EQ(KvPasteClipboardItems(0, conflicts), 0);
    EXPECT_EQ(KvPastedItemId(0, 5), 5);
}

TEST_F(ItemClipboardTest, ExistingItemIsFoundByNameElseByIdElseAdded)
{
    Add(0, "Source", 4, "from a");
    Add(0, "Gone", 6, "also from a");
    KvCutCopyItem(0, 4, 1, 0);
    KvCutCopyItem(0, 6, 0, 0);
    Activate(b);
    Add(0, "Target", 4, "b's");
    std::vector<zeph::TClipInfo> conflicts = {Entry("Source", 0, 4), Entry("Gone", 0, 6)};
    conflicts[0].UseExisting = 1;
    conflicts[1].UseExisting = 1;
    EXPECT_EQ(KvPasteClipboardItems(0, conflicts), 0);
    EXPECT_EQ(Items(b, 0), (std::vector<std::string>{"4 Target from a", "6 Gone also from a"}));
}

TEST_F(ItemClipboardTest, PasteIntoTheSourcePastesNothing)
{
    Add(0, "Hello", 5);
    EXPECT_EQ(KvPasteClipboardItems(0, {}), -1);  // nothing held
    KvCutCopyItem(0, 5, 1, 0);
    EXPECT_TRUE(KvIsClipboardFromActiveApp());
    EXPECT_EQ(KvPasteClipboardItems(0, {}), 0);
    EXPECT_TRUE(link.pastes.empty());
    EXPECT_EQ(Items(a, 0).size(), 1u);
    Activate(b);
    EXPECT_FALSE(KvIsClipboardFromActiveApp());
}

TEST_F(ItemClipboardTest, HoldingBlocksDropsTheHeldItems)
{
    Add(0, "Hello", 5);
    KvCutCopyItem(0, 5, 1, 0);
    EXPECT_EQ(workspace.HoldBlocks(), 0);
    EXPECT_FALSE(workspace.IsNoBlocksHeld());
    EXPECT_TRUE(workspace.IsNoVoiceItemHeld());
    EXPECT_EQ(workspace.GetClipUserApp(), nullptr);
    EXPECT_EQ(KvPasteClipboardItems(0, {}), -1);
}

TEST_F(ItemClipboardTest, ServerFaultStopsAtThatItemAndKeepsTheEarlierOnes)
{
    Add(0, "First", 1);
    Add(0, "Second", 2);
    Add(0, "Third", 3);
    KvCutCopyItem(0, 1, 1, 0);
    KvCutCopyItem(0, 2, 0, 0);
    KvCutCopyItem(0, 3, 0, 0);
    Activate(b);
    link.results = {0, 8};
    EXPECT_EQ(KvPasteClipboardItems(0, {}), 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"The system could not add the voice item on the server.\n"
                                                   "Please check the connection to the server and try again."});
    EXPECT_EQ(Items(b, 0), std::vector<std::string>{"1 First "});
    // The clipboard still holds all three for another try.
    EXPECT_EQ(workspace.GetClipUserApp()->GetList(F_UA_VOICE_ITEMS)->GetSize(), 3);
    link.results = {63};
    EXPECT_EQ(KvPasteClipboardItems(0, {}), 1);
    EXPECT_EQ(Messages().back(), "Database space is full.Server will not perform any operation");
}

TEST_F(ItemClipboardTest, HeldCopiesAreConnectedAndIndependent)
{
    KvSoftItem* item = Add(0, "Hello", 5, "hi");
    item->ChangeUseCount(true);
    KvHoldItem(0, *item, 1, 1);
    KvFieldValue(F_VI_DESCRIPTION, item) = CString("changed");
    item->Commit();
    auto* held = static_cast<KvSoftRec*>(workspace.GetClipUserApp()->GetList(F_UA_VOICE_ITEMS)->GetAt(0));
    EXPECT_EQ(dynamic_cast<KvSoftItem*>(held), nullptr);
    EXPECT_EQ(KvFieldValue(F_VI_CONNECTED, held).AsInt32(), 1);
    EXPECT_EQ(KvFieldValue(F_VI_IN_USE, held).AsInt32(), 0);
    EXPECT_STREQ(KvFieldValue(F_VI_DESCRIPTION, held).AsText(), "hi");
    EXPECT_EQ(workspace.GetClipUserApp()->GetInt(F_UA_ID), 1001);
    // A first copy empties the clipboard.
    Add(3, "Form", 2);
    KvCutCopyItem(3, 2, 1, 0);
    EXPECT_EQ(workspace.GetClipUserApp()->GetList(F_UA_VOICE_ITEMS)->GetSize(), 0);
    EXPECT_TRUE(workspace.IsNoVoiceItemHeld());
    EXPECT_FALSE(workspace.IsNoFaxItemHeld());
}

TEST_F(ItemClipboardTest, FindClipboardItemSearchesByIdOrName)
{
    EXPECT_FALSE(KvFindClipboardItem(0, 5, "Hello"));  // no clipboard application
    Add(0, "Hello", 5);
    Add(3, "Form", 2);
    KvCutCopyItem(0, 5, 1, 0);
    KvCutCopyItem(3, 2, 0, 0);
    struct Row {
        int media;
        int id;
        const char* name;
        bool found;
    };
    const Row rows[] = {
        {0, 5, "", true},       {0, 2, "Form", false},  {3, 2, "", true},      {3, 5, "Hello", false},
        {0, 0, "Hello", true},  {0, 0, "Form", false},  {3, 0, "Form", true},  {0, 0, "", false},
        {-1, 0, "Form", true},  {-1, 9, "Hello", true}, {-1, 5, "", false},    {-1, 0, "hello", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KvFindClipboardItem(row.media, row.id, row.name), row.found)
            << row.media << " " << row.id << " " << row.name;
}

TEST(SameApplicationTest, StandAloneComparesNamesElseIds)
{
    EXPECT_TRUE(KvIsSameApplication(true, "Alpha", 0, "Alpha", 0));
    EXPECT_FALSE(KvIsSameApplication(true, "Alpha", 0, "alpha", 0));
    EXPECT_FALSE(KvIsSameApplication(true, "Alpha", 0, "Beta", 0));
    EXPECT_TRUE(KvIsSameApplication(false, "Alpha", 1001, "Beta", 1001));
    EXPECT_FALSE(KvIsSameApplication(false, "Alpha", 1001, "Alpha", 1002));
}

TEST(PasteConflictTest, FirstMatchingEntryOfTheKindDecides)
{
    zeph::TClipInfo renamed("Hello", zeph::kClipSentence);
    renamed.ItemId = 5;
    renamed.SetNewName("Hi");
    renamed.Second = 9;
    zeph::TClipInfo otherId("Hello", zeph::kClipSentence);
    otherId.ItemId = 6;
    otherId.DontCopy = 1;
    zeph::TClipInfo both("Hello", zeph::kClipSentence);
    both.ItemId = 5;
    both.DontCopy = 1;
    both.UseExisting = 1;
    struct Row {
        std::vector<zeph::TClipInfo> list;
        int kind;
        const char* name;
        int id;
        bool skip, exists;
        const char* pastedName;
        int pastedId;
        bool idChanged;
    };
    const Row rows[] = {
        {{}, 0, "Hello", 5, false, false, "Hello", 5, false},
        {{renamed}, 0, "Hello", 5, false, false, "Hi", 9, true},
        {{renamed}, 3, "Hello", 5, false, false, "Hello", 5, false},   // another kind
        {{renamed}, 0, "hello", 5, false, false, "hello", 5, false},   // names compare exactly
        {{otherId, renamed}, 0, "Hello", 5, false, false, "Hi", 9, true},
        {{otherId}, 0, "Hello", 6, true, false, "Hello", 6, false},
        {{both, renamed}, 0, "Hello", 5, true, false, "Hello", 5, false},  // skip wins, first entry only
    };
    for (const Row& row : rows) {
        const KvPasteDecision d = KvApplyPasteConflict(row.list, row.kind, row.name, row.id);
        EXPECT_EQ(d.skip, row.skip) << row.name << row.id;
        EXPECT_EQ(d.exists, row.exists);
        EXPECT_EQ(d.name, row.pastedName);
        EXPECT_EQ(d.id, row.pastedId);
        EXPECT_EQ(d.idChanged, row.idChanged);
    }
}

}  // namespace
