// The block details report's display-text tables, built from the workspace's server lists
// and the active application's item lists through their data links.
#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"
#include "model/pbentry_combo.h"
#include "shell/commands/reportlookups.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/kvserverrec.h"
#include "shell/serverlists/workspacelists.h"
#include "fake_link.h"
#include "userapp_fixture.h"

namespace {

using zeph::ComboStruct;

struct Entry {
    int id;
    std::string text;
    bool operator==(const Entry& other) const { return id == other.id && text == other.text; }
};

std::vector<Entry> EntriesOf(const ComboStruct* table)
{
    std::vector<Entry> entries;
    for (; table != nullptr && table->Id != zeph::kComboEnd; ++table)
        entries.push_back({table->Id, table->Text});
    return entries;
}

class ReportLookupsTest : public UserAppTest {
protected:
    ReportLookupsTest()
    {
        KvLanguageEntry english{};
        english.promptLanguageId = 900;
        english.localLanguageId = 3;
        english.customerId = 1;
        std::strcpy(english.name, "English");
        KvLanguageEntry welsh = english;
        welsh.promptLanguageId = 901;
        welsh.localLanguageId = 7;
        std::strcpy(welsh.name, "Welsh");
        link.languages = {english, welsh};
        KvResPermListEntry local{};
        local.listId = 12;
        std::strcpy(local.name, "Local calls");
        link.resPerms = {local};
    }

    void AddItem(WORD listField, WORD defId, WORD nameField, WORD idField, const char* name, short id)
    {
        auto* item = new KvSoftRecMem(defId);
        KvFieldValue(nameField, item) = CString(name);
        KvFieldValue(idField, item) = id;
        item->Commit();
        active.GetList(listField)->Add(item);
    }

    ReportLookupTables::Resolver Resolver()
    {
        return [this](WORD linkId, KvFieldValue& list) {
            resolved.push_back(linkId);
            return lists.ResolveDataLink(linkId, list, &active);
        };
    }

    FakeLink link;
    ScopedLink scope{&link};
    KvUserApp active{"Active"};
    KvWorkspaceLists lists;
    std::vector<WORD> resolved;
};

TEST_F(ReportLookupsTest, EachTableHoldsItsListsIdsAndTextsInTheModelsOrder)
{
    AddItem(F_UA_VOICE_ITEMS, DEF_VOICE_ITEM, F_VI_NAME, F_VI_ID, "Welcome", 41);
    AddItem(F_UA_VOICE_ITEMS, DEF_VOICE_ITEM, F_VI_NAME, F_VI_ID, "Goodbye", 42);
    AddItem(F_UA_FAX_ITEMS, DEF_FAX_ITEM, F_FI_NAME, F_FI_ID, "Price list", 8);

    ReportLookupTables tables(Resolver(), true);
    ComboStruct* const* t = tables.Tables();
    EXPECT_EQ(EntriesOf(t[zeph::kComboLanguages]), (std::vector<Entry>{{3, "English"}, {7, "Welsh"}}));
    EXPECT_EQ(EntriesOf(t[zeph::kComboRestrictions]), (std::vector<Entry>{{12, "Local calls"}}));
    EXPECT_EQ(EntriesOf(t[zeph::kComboVoiceItems]), (std::vector<Entry>{{41, "Welcome"}, {42, "Goodbye"}}));
    EXPECT_EQ(EntriesOf(t[zeph::kComboFaxItems]), (std::vector<Entry>{{8, "Price list"}}));
    // The system prompts are found by position: every one, in the server record's order.
    const std::vector<Entry> prompts = EntriesOf(t[zeph::kComboSystemPrompts]);
    ASSERT_EQ(prompts.size(), 17u);
    for (std::size_t i = 0; i < prompts.size(); ++i)
        EXPECT_EQ(prompts[i], (Entry{0, KvServerRec::kSystemPrompts[i]})) << i;
    // The model looks the tables up as the report does.
    EXPECT_STREQ(zeph::ComboTextAt(t[zeph::kComboSystemPrompts], 17), "Goodbye");
    EXPECT_STREQ(zeph::FindComboText(t[zeph::kComboVoiceItems], 42), "Goodbye");
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ReportLookupsTest, TextsAreCopiesThatOutliveTheirRecords)
{
    AddItem(F_UA_VOICE_ITEMS, DEF_VOICE_ITEM, F_VI_NAME, F_VI_ID, "Welcome", 41);
    ReportLookupTables tables(Resolver(), true);
    KvFieldValue(F_VI_NAME, static_cast<KvSoftRec*>(active.GetList(F_UA_VOICE_ITEMS)->GetAt(0))) =
        CString("Renamed meanwhile");
    lists.FreeServerRec();
    EXPECT_STREQ(zeph::FindComboText(tables.Tables()[zeph::kComboVoiceItems], 41), "Welcome");
    EXPECT_STREQ(zeph::FindComboText(tables.Tables()[zeph::kComboLanguages], 7), "Welsh");
}

TEST_F(ReportLookupsTest, EmptyListsGiveNoTableAndWithoutAnApplicationItsListsAreNeverAsked)
{
    link.languages.clear();
    {
        // The application's lists are empty: no item tables.
        ReportLookupTables tables(Resolver(), true);
        EXPECT_EQ(tables.Tables()[zeph::kComboLanguages], nullptr);
        EXPECT_EQ(tables.Tables()[zeph::kComboVoiceItems], nullptr);
        EXPECT_EQ(tables.Tables()[zeph::kComboFaxItems], nullptr);
        EXPECT_NE(tables.Tables()[zeph::kComboRestrictions], nullptr);
    }
    resolved.clear();
    AddItem(F_UA_VOICE_ITEMS, DEF_VOICE_ITEM, F_VI_NAME, F_VI_ID, "Welcome", 41);
    ReportLookupTables tables(Resolver(), false);
    EXPECT_EQ(resolved, (std::vector<WORD>{2313, 2311, 2312}));
    EXPECT_EQ(tables.Tables()[zeph::kComboVoiceItems], nullptr);
    EXPECT_NE(tables.Tables()[zeph::kComboSystemPrompts], nullptr);
    // A link the shell cannot resolve gives no table either.
    ReportLookupTables none([](WORD, KvFieldValue&) { return false; }, true);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(none.Tables()[i], nullptr) << i;
    EXPECT_TRUE(Assertions().empty());
}

}  // namespace
