#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"
#include "shell/document/kvuserapp.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemworkers.h"
#include "shell/items/kvsoftitem.h"
#include "items_fixture.h"

namespace {

// A current program with its Main page, a document holding the item lists, and the fake
// workspace whose application is that document.
class ItemRecordTest : public ItemsTest {
protected:
    ItemRecordTest()
    {
        zeph::SetDialogModuleLoader(&ItemsNoDialogModule);
        m_program = vlxAddProgram(nullptr, 0);
        vlxActivatePage(vlxCreatePage("Main", 1, 0));
        application.document = &document;
        workspace.active = &application;
        KvSetItemWorkspace(&workspace);
    }
    ~ItemRecordTest() override
    {
        KvSetItemWorkspace(nullptr);
        vlxRemoveProgram(m_program);
        zeph::SetDialogModuleLoader(nullptr);
    }

    // A committed item of the kind, kept in the document's list.
    KvSoftItem* Add(int kind, const char* name, short id, const char* description = "")
    {
        auto* item = kind == 0 ? static_cast<KvSoftItem*>(new KvVoiceItem(nullptr)) : new KvFaxItem(nullptr);
        const KvItemFields& f = item->Fields();
        KvFieldValue(f.name, item) = CString(name);
        KvFieldValue(f.id, item) = id;
        KvFieldValue(f.description, item) = CString(description);
        item->Commit();
        if (item->AddToServer() != 1) {
            delete item;
            return nullptr;
        }
        List(kind)->Add(item);
        return item;
    }
    KvObArray* List(int kind) { return document.GetList(kind == 0 ? F_UA_VOICE_ITEMS : F_UA_FAX_ITEMS); }
    static zeph::Symbol* Symbol(const char* name)
    {
        return static_cast<zeph::Symbol*>(vlxFindSymbol(name));
    }

    FakeItemApplication application;
    FakeItemWorkspace workspace;
    KvUserApp document{""};

private:
    vlxHandleType m_program = nullptr;
};

TEST_F(ItemRecordTest, CommitAddMakesSymbolBlockAndServerItem)
{
    KvSoftItem* voice = Add(0, "Welcome", 5, "Morning greeting");
    ASSERT_NE(voice, nullptr);
    zeph::Symbol* symbol = Symbol("Welcome");
    ASSERT_EQ(voice->GetSymbol(), symbol);
    EXPECT_EQ(symbol->Type, 35);
    EXPECT_EQ(symbol->Scope, 5);
    EXPECT_EQ(KvItemKind(symbol), 0);
    EXPECT_STREQ(KvBlockText(KvItemBlock(symbol)), "Morning greeting");
    EXPECT_EQ(KvItemBlock(symbol)->Next, nullptr);

    KvSoftItem* fax = Add(3, "Invoice", 5, "The invoice");
    ASSERT_NE(fax, nullptr);  // a fax item may share a voice item's ID
    zeph::Symbol* faxSymbol = Symbol("Invoice");
    EXPECT_EQ(KvItemKind(faxSymbol), 3);
    ASSERT_NE(KvItemBlock(faxSymbol)->Next, nullptr);
    EXPECT_EQ(KvItemBlock(faxSymbol)->Next->Id, 3);
    EXPECT_EQ(application.serverCalls, (std::vector<std::string>{"add 0 Welcome 5", "add 3 Invoice 5"}));
}

TEST_F(ItemRecordTest, CommitAddRefusalsLeaveNothingBehind)
{
    ASSERT_NE(Add(0, "Welcome", 5), nullptr);
    ASSERT_EQ(vlxAddVariable("Counter", 1, 4, 0, 1, 0), 0);
    const std::string failed = "The system could not add the voice item on the server.\n"
                               "Please check the connection to the server and try again.";
    struct Row {
        const char* name;
        short id;
        int server;
        std::vector<std::string> calls;  // server calls made
    };
    const Row rows[] = {
        {"Counter", 6, 0, {}},                 // a variable's name
        {"Welcome", 6, 0, {}},                 // an item's name
        {"Other", 5, 0, {}},                   // an ID in use
        {"Other", 6, 7, {"add 0 Other 6"}},    // the server refuses
    };
    for (const Row& row : rows) {
        application.serverCalls.clear();
        application.serverResult = row.server;
        const std::size_t before = Messages().size();
        KvVoiceItem item(nullptr);
        KvFieldValue(F_VI_NAME, &item) = CString(row.name);
        KvFieldValue(F_VI_ID, &item) = row.id;
        item.Commit();
        EXPECT_EQ(item.AddToServer(), 0) << row.name;
        EXPECT_EQ(item.GetSymbol(), nullptr) << row.name;
        EXPECT_EQ(application.serverCalls, row.calls) << row.name;
        if (row.server == 0) {
            ASSERT_EQ(Messages().size(), before + 1) << row.name;
            EXPECT_EQ(Messages().back(), failed);
        }
    }
    EXPECT_EQ(Symbol("Other"), nullptr);
    EXPECT_NE(Symbol("Welcome"), nullptr);
}

TEST_F(ItemRecordTest, ClipboardCopiesAndPastedRecordsSkipTheServer)
{
    KvVoiceItem connected(nullptr);
    KvFieldValue(F_VI_NAME, &connected) = CString("Held");
    KvFieldValue(F_VI_ID, &connected) = static_cast<short>(7);
    KvFieldValue(F_VI_CONNECTED, &connected) = static_cast<std::int32_t>(1);
    connected.Commit();
    EXPECT_EQ(connected.AddToServer(), 1);
    EXPECT_EQ(Symbol("Held"), nullptr);

    KvVoiceItem pasted(nullptr);
    KvFieldValue(F_VI_NAME, &pasted) = CString("Pasted");
    KvFieldValue(F_VI_ID, &pasted) = static_cast<short>(7);
    KvFieldValue(F_VI_PASTE_MODE, &pasted) = static_cast<std::int32_t>(1);
    pasted.Commit();
    EXPECT_EQ(pasted.AddToServer(), 1);
    EXPECT_NE(Symbol("Pasted"), nullptr);
    EXPECT_TRUE(application.serverCalls.empty());
}

TEST_F(ItemRecordTest, CommitRemoveDeletesServerItemAndSymbol)
{
    KvSoftItem* item = Add(0, "Welcome", 5);
    ASSERT_NE(item, nullptr);
    application.serverCalls.clear();

    application.serverResult = 9;
    EXPECT_EQ(item->DeleteFromServer(), 0);
    EXPECT_NE(Symbol("Welcome"), nullptr);

    application.serverResult = 0;
    EXPECT_EQ(item->DeleteFromServer(), 1);
    EXPECT_EQ(Symbol("Welcome"), nullptr);
    EXPECT_EQ(item->GetSymbol(), nullptr);
    EXPECT_EQ(application.serverCalls, (std::vector<std::string>{"remove 0 Welcome 5", "remove 0 Welcome 5"}));
}

TEST_F(ItemRecordTest, ItemInUseIsNeverRemoved)
{
    KvSoftItem* item = Add(3, "Invoice", 2);
    ASSERT_NE(item, nullptr);
    application.serverCalls.clear();
    item->ChangeUseCount(true);
    EXPECT_EQ(item->DeleteFromServer(), 0);
    EXPECT_TRUE(application.serverCalls.empty());
    ASSERT_NE(Symbol("Invoice"), nullptr);
    EXPECT_NE(KvItemBlock(Symbol("Invoice")), nullptr);
}

TEST_F(ItemRecordTest, UseCountNeverGoesBelowZero)
{
    KvSoftItem* item = Add(0, "Welcome", 5);
    ASSERT_NE(item, nullptr);
    zeph::Symbol* symbol = item->GetSymbol();
    struct Step {
        bool add;
        int count;
        const char* inUse;
    };
    const Step steps[] = {{false, 0, "No"}, {true, 1, "Yes"}, {true, 2, "Yes"},
                          {false, 1, "Yes"}, {false, 0, "No"}, {false, 0, "No"}};
    for (const Step& step : steps) {
        item->ChangeUseCount(step.add);
        EXPECT_EQ(symbol->RefCnt, step.count);
        EXPECT_STREQ(KvFieldValue(F_VI_IN_USE, item).AsText(), step.inUse);
    }
    // A fresh record of the symbol reads the count too.
    item->ChangeUseCount(true);
    KvVoiceItem again(symbol);
    EXPECT_EQ(KvFieldValue(F_VI_IN_USE, &again).AsInt32(), 1);
}

TEST_F(ItemRecordTest, StoresFollowIntoTheSymbol)
{
    KvSoftItem* item = Add(3, "Invoice", 2, "First");
    ASSERT_NE(item, nullptr);
    zeph::Symbol* symbol = item->GetSymbol();
    KvFieldValue(F_FI_ID, item) = static_cast<short>(9);
    KvFieldValue(F_FI_DESCRIPTION, item) = CString("Second");
    KvFieldValue(F_FI_CONFIRM_DESCRIPTION, item) = CString("Sent");
    KvFieldValue(F_FI_NAME, item) = CString("invoice");  // a change of case renames
    item->Commit();
    EXPECT_EQ(symbol->Scope, 9);
    EXPECT_STREQ(KvBlockText(KvItemBlock(symbol)), "Second");
    EXPECT_STREQ(KvBlockText(KvItemConfirmation(symbol)), "Sent");
    EXPECT_STREQ(symbol->Name, "invoice");
    EXPECT_EQ(Symbol("invoice"), symbol);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ItemRecordTest, RefusedRenameKeepsTheSymbolsName)
{
    KvSoftItem* item = Add(0, "Welcome", 5);
    ASSERT_NE(item, nullptr);
    KvFieldValue(F_VI_NAME, item) = CString("VMenu");  // a VavurOrezo's name: the model refuses
    item->Commit();
    EXPECT_STREQ(item->GetSymbol()->Name, "Welcome");
    EXPECT_STREQ(KvFieldValue(F_VI_NAME, item).AsText(), "Welcome");
    EXPECT_FALSE(Messages().empty());  // the model showed why
}

TEST_F(ItemRecordTest, RenameToTheSameTextAsksNothingOfTheModel)
{
    // A symbol the model would refuse to be renamed to: only a real call shows a message.
    zeph::Symbol* symbol = nullptr;
    ASSERT_TRUE(vlxAddSymbol(symbol, "VMenu", 35, 1, 4, 1, 0, KvNewItemData(0, "").release()));
    KvVoiceItem item(symbol);
    KvFieldValue(F_VI_NAME, &item) = CString("VMenu");
    item.Commit();
    EXPECT_TRUE(Messages().empty());
    KvFieldValue(F_VI_NAME, &item) = CString("VMENU");
    item.Commit();
    EXPECT_FALSE(Messages().empty());
}

TEST_F(ItemRecordTest, FaxSymbolWithoutConfirmationBlockGetsOne)
{
    auto data = KvNewItemData(3, "Order form", "old");
    zeph::FreeSentenceComponents(data->First->Next);
    data->First->Next = nullptr;
    zeph::Symbol* symbol = nullptr;
    ASSERT_TRUE(vlxAddSymbol(symbol, "Order", 35, 1, 3, 1, 0, data.release()));
    KvFaxItem item(symbol);
    ASSERT_NE(KvItemBlock(symbol)->Next, nullptr);
    EXPECT_EQ(KvItemBlock(symbol)->Next->Id, 3);
    EXPECT_STREQ(KvFieldValue(F_FI_CONFIRM_DESCRIPTION, &item).AsText(), "");
    EXPECT_STREQ(KvFieldValue(F_FI_DESCRIPTION, &item).AsText(), "Order form");
    EXPECT_EQ(KvFieldValue(F_FI_ID, &item).AsInt16(), 3);
}

TEST_F(ItemRecordTest, IdOutsideTheRangeFailsVerification)
{
    for (short id : {0, 3001, 1, 3000}) {
        KvVoiceItem item(nullptr);
        KvFieldValue(F_VI_NAME, &item) = CString("Welcome");
        KvFieldValue(F_VI_ID, &item) = id;
        item.SetEditing(1);
        const std::size_t before = Messages().size();
        const bool accepted = item.Verify(0) == 1;
        EXPECT_EQ(accepted, id >= 1 && id <= 3000) << id;
        if (!accepted) {
            ASSERT_EQ(Messages().size(), before + 1);
            EXPECT_EQ(Messages().back(), "The field 'ID' must be between 1 and 3000.");
        }
        item.SetEditing(0);
    }
}

TEST_F(ItemRecordTest, NewRecordsOfferTheNextFreeId)
{
    ASSERT_NE(Add(0, "One", 1), nullptr);
    ASSERT_NE(Add(0, "Two", 2), nullptr);
    ASSERT_NE(Add(0, "Four", 4), nullptr);
    std::unique_ptr<KvSoftRec> next(KvNewItemRecord(0));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(KvFieldValue(F_VI_ID, next.get()).AsInt16(), 3);
    EXPECT_EQ(dynamic_cast<KvSoftItem*>(next.get()), nullptr);  // a plain memory record
    EXPECT_EQ(KvNextItemId(3), 1);
    bool nameFree = true;
    bool idFree = true;
    EXPECT_FALSE(KvCheckNewItem(0, "Two", 5, nameFree, idFree));
    EXPECT_FALSE(nameFree);
    EXPECT_TRUE(idFree);
    EXPECT_FALSE(KvCheckNewItem(0, "Five", 4, nameFree, idFree));
    EXPECT_TRUE(nameFree);
    EXPECT_FALSE(idFree);
    EXPECT_TRUE(KvCheckNewItem(3, "Five", 4, nameFree, idFree));

    workspace.active = nullptr;
    EXPECT_EQ(KvNewItemRecord(0), nullptr);
}

TEST_F(ItemRecordTest, WorkersWithoutActiveApplicationShowTheirText)
{
    workspace.active = nullptr;
    KvFaxItem record(nullptr);
    const std::vector<int> results = {KvAddItem(0, "A", 1, ""), KvRemoveItem(0, "A", 1, ""), KvAddItem(3, "A", 1, ""),
                                      KvRemoveItem(3, "A", 1, ""), KvDefineItems(0), KvDefineItems(3),
                                      KvDeleteFaxItem(record)};
    EXPECT_EQ(results, std::vector<int>(7, -1));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Select an application window before attempting to add voice items.",
                              "Select an application window before attempting to delete voice items.",
                              "Select an application window before attempting to add fax items.",
                              "Select an application window before attempting to delete fax items.",
                              "Select an application window before attempting to define voice items.",
                              "Select an application window before attempting to define fax items.",
                              "Select an application window before attempting to delete fax items.",
                          }));
}

TEST_F(ItemRecordTest, FaxResetAsksFirstWhenDeletesAreConfirmed)
{
    KvFaxItem record(nullptr);
    KvFieldValue(F_FI_NAME, &record) = CString("Invoice");
    KvFieldValue(F_FI_ID, &record) = static_cast<short>(2);
    record.Commit();

    EXPECT_EQ(KvDeleteFaxItem(record), 0);  // not confirmed: no question
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(application.serverCalls, std::vector<std::string>{"reset 3 Invoice 2"});

    workspace.confirmDeletes = true;
    Responder().Answer(kKvIdNo);
    EXPECT_EQ(KvDeleteFaxItem(record), 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Are you sure you want to delete the selected item?"});
    EXPECT_EQ(application.serverCalls.size(), 1u);

    Responder().Answer(kKvIdYes);
    application.serverResult = 5;
    EXPECT_EQ(KvDeleteFaxItem(record), -1);
    EXPECT_EQ(application.serverCalls.size(), 2u);
}

}  // namespace
