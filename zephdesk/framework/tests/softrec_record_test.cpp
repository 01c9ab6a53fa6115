// Soft records: storage by type, edit buffers, commits into storage or into a parent,
// shared definitions, and verification with the messages of the failed rules.
#include <memory>

#include "foundation/kvx.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvsrecmem.h"
#include "framework/softrec/kvvirfld.h"
#include "softrec_fixture.h"

namespace {

constexpr WORD kFixtureId = 60020;
constexpr WORD kFieldA = 1, kFieldB = 2, kFieldC = 3, kFieldD = 4;

}  // namespace

using SoftRecordTest = SoftRecTest;

TEST_F(SoftRecordTest, StorageFollowsTheFlagsOrTheValueType)
{
    KvMemoryDefinitionStore store;
    // An INT16 kept as text (flag 0x0400), an INT32, a BOOL kept in 16 bits (0x0100).
    store.Set(kFixtureId, {0x1001, 0x0001, 0x0002, 0x1002, 0x0001, 0x3203, kFieldA, 1, 0x8401, 0x3203, kFieldB, 2,
                           0x8001, 0x3203, kFieldC, 4, 0x8101, 0x0002});
    KvSetDefinitionStore(&store);
    KvSoftRecMem rec(kFixtureId);
    EXPECT_EQ(rec.GetFieldStorageType(kFieldA), kKvStoreString);
    EXPECT_EQ(rec.GetFieldStorageType(kFieldB), kKvStoreInt32);
    EXPECT_EQ(rec.GetFieldStorageType(kFieldC), kKvStoreInt16);

    KvFieldValue(kFieldA, &rec) = static_cast<short>(-12);
    KvFieldValue(kFieldB, &rec) = CString("77");
    EXPECT_EQ(*static_cast<CString*>(rec.GetFieldStorage(kFieldA)), "");  // not before the commit
    EXPECT_TRUE(rec.Commit());
    EXPECT_EQ(*static_cast<CString*>(rec.GetFieldStorage(kFieldA)), "-12");
    EXPECT_EQ(*static_cast<std::int32_t*>(rec.GetFieldStorage(kFieldB)), 77);
    EXPECT_EQ(KvFieldValue(kFieldA, &rec).AsInt16(), -12);  // read back from storage
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(SoftRecordTest, BoolStorageTakesTheTextOfTheValue)
{
    struct Row {
        const char* text;
        std::int32_t stored;
    };
    const Row rows[] = {{"Yes", 1}, {"No", 0}, {"0", 0}, {"", 1}, {"1", 1}};
    for (const Row& row : rows) {
        KvSoftRecMem item(22801);
        KvFieldValue(25301, &item) = static_cast<short>(1);  // a valid item
        KvFieldValue(25303, &item) = CString(row.text);
        item.Commit();
        EXPECT_EQ(*static_cast<std::int32_t*>(item.GetFieldStorage(25303)), row.stored) << '"' << row.text << '"';
    }
}

TEST_F(SoftRecordTest, EditBuffersKeepEveryViewEqualUntilTheCommit)
{
    KvSoftRecMem item(22801);
    *static_cast<short*>(item.GetFieldStorage(25301)) = 40;
    KvVirtualField* buffer = item.GetVirtualField(25301, 0);
    EXPECT_EQ(KvFieldValue(25301, &item).AsInt16(), 40);
    *static_cast<short*>(item.GetFieldStorage(25301)) = 41;  // the storage is read once
    EXPECT_EQ(KvFieldValue(25301, &item).AsText(), "40");
    EXPECT_FALSE(buffer->IsModified());
    KvFieldValue(25301, &item) = static_cast<std::int32_t>(7);
    EXPECT_EQ(KvFieldValue(25301, &item).AsInt16(), 7);
    EXPECT_EQ(KvFieldValue(25301, &item).AsText(), "7");
    EXPECT_EQ(*static_cast<short*>(item.GetFieldStorage(25301)), 41);
    item.DiscardEdits();
    EXPECT_EQ(KvFieldValue(25301, &item).AsInt16(), 41);
}

TEST_F(SoftRecordTest, ACommitOfAChildGoesIntoItsParentsBuffers)
{
    auto* parent = new KvSoftRecMem(22801);
    KvFieldValue(25300, parent) = CString("Welcome");
    KvSoftRecMem child(22801);
    child.SetParent(parent);  // owned by the child
    EXPECT_EQ(KvFieldValue(25300, &child).AsText(), "Welcome");  // read through
    KvFieldValue(25302, &child) = KvFieldValue(25300, parent);
    KvFieldValue(25301, &child) = static_cast<short>(12);
    child.SetEditing(1);
    EXPECT_TRUE(child.Commit());
    EXPECT_EQ(KvFieldValue(25302, parent).AsText(), "Welcome");
    EXPECT_EQ(*static_cast<CString*>(child.GetFieldStorage(25302)), "");
    EXPECT_EQ(*static_cast<CString*>(parent->GetFieldStorage(25302)), "");  // the parent stores on its commit
    parent->Commit();
    EXPECT_EQ(*static_cast<CString*>(parent->GetFieldStorage(25302)), "Welcome");
}

TEST_F(SoftRecordTest, OneDefinitionIsSharedAndFreedWithItsLastRecord)
{
    {
        KvSoftRecMem a(22802);
        KvSoftRecMem b(22802);
        EXPECT_EQ(a.GetDef(), b.GetDef());
        EXPECT_EQ(a.GetDef()->GetRefCount(), 2);
    }
    EXPECT_EQ(KvSoftRecDef::Loaded(22802), nullptr);
}

TEST_F(SoftRecordTest, ARecordOfAMissingDefinitionIsRefused)
{
    EXPECT_THROW(KvSoftRecMem(14004), KvException);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(SoftRecordTest, VerificationShowsTheFirstFailedRule)
{
    struct Row {
        short id;
        bool accepted;
    };
    const Row rows[] = {{0, false}, {1, true}, {3000, true}, {3001, false}, {-5, false}};
    for (const Row& row : rows) {
        ClearBoxes();
        KvSoftRecMem item(22801);
        KvFieldValue(25301, &item) = row.id;
        EXPECT_EQ(item.Commit(), row.accepted ? 1 : 0) << row.id;
        if (row.accepted) {
            EXPECT_TRUE(Messages().empty()) << row.id;
            EXPECT_EQ(*static_cast<short*>(item.GetFieldStorage(25301)), row.id);
        } else {
            ASSERT_EQ(Messages().size(), 1u) << row.id;
            EXPECT_EQ(Messages()[0], "The field 'ID' must be between 1 and 3000.");
            EXPECT_EQ(KvFieldValue(25301, &item).AsInt16(), row.id);  // the edit is kept
        }
    }
}

TEST_F(SoftRecordTest, ARecordNotBeingEditedPassesEveryRule)
{
    KvSoftRecMem item(22801);
    EXPECT_EQ(item.Verify(0), 1);
    KvFieldValue(25301, &item) = static_cast<short>(0);
    item.SetEditing(0);
    EXPECT_EQ(item.Commit(), 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SoftRecordTest, PeriodRulesNameTheFieldThatIsSet)
{
    struct Row {
        const char* from;
        const char* to;
        const char* message;
    };
    const Row rows[] = {
        {"9:00", "", "The 'To' field cannot be blank when the field 'Time period 1 - From' is set."},
        {"", "17:00", "The 'From' field cannot be blank when the field 'Time period 1 - To' is set."},
        {"", "", "At least one period must be used."},
        {"9:00", "17:00", nullptr},
    };
    for (const Row& row : rows) {
        ClearBoxes();
        TextRecord rec(23006);
        KvFieldValue(28081, &rec) = CString(row.from);
        KvFieldValue(28082, &rec) = CString(row.to);
        EXPECT_EQ(rec.Verify(0), row.message == nullptr ? 1 : 0) << row.from << "-" << row.to;
        if (row.message != nullptr) {
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0], row.message);
        } else {
            EXPECT_TRUE(Messages().empty());
        }
        rec.DiscardEdits();
    }
}

TEST_F(SoftRecordTest, PasswordRulesUseTheProfileNumberAndTheConfirmation)
{
    struct Row {
        int profile;
        const char* entry;
        const char* confirmation;
        const char* message;
    };
    const Row rows[] = {
        {6, "abc", "abc",
         "The password in field 'Password Entry 1' is less than the minimum accepted length.  \n"
         "Please refer to Security Administration for the correct value."},
        {3, "abc", "abd", "The password entered does not match the confirmation for 'Password Entry 1'."},
        {3, "abc", "abc", nullptr},
    };
    for (const Row& row : rows) {
        ClearBoxes();
        shell.profile = row.profile;
        TextRecord rec(23010);
        KvFieldValue(28146, &rec) = static_cast<std::int32_t>(3);
        KvFieldValue(28132, &rec) = static_cast<short>(1);
        KvFieldValue(28130, &rec) = CString(row.entry);
        KvFieldValue(28131, &rec) = CString(row.confirmation);
        EXPECT_EQ(rec.Verify(0), row.message == nullptr ? 1 : 0);
        if (row.message != nullptr) {
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0], row.message);
        }
        rec.DiscardEdits();
    }
    // Without any password checked.
    ClearBoxes();
    TextRecord rec(23010);
    KvFieldValue(28146, &rec) = static_cast<std::int32_t>(3);
    EXPECT_EQ(rec.Verify(0), 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "At least one password must be used.");
    rec.DiscardEdits();
}

TEST_F(SoftRecordTest, RulesThatOnlyWarnAreAllShownAndGeneratedTextsStateTheRequirement)
{
    KvMemoryDefinitionStore store;
    KvMemoryStringTable strings;
    // Style 0x2202: every failed rule is shown and the record is still accepted.
    store.Set(kFixtureId, {0x1001, 0x0001, 0x0002, 0x1002, 0x0001, 0x3203, 25301, 1, 0x8001, 0x3203, 25302, 3,
                           0x8001, 0x3203, 25303, 2, 0x8001, 0x0002, 0x1004, 0x2002, 0x2202, 0x0001,
                           0x3001, 25301, 0x8301, 10, 0x3103, 0x8000, 8072, 0x8008,        // short < 10
                           0x3001, 25301, 0x8200, 20, 0x3103, 0x8000, 8072, 0x8008,        // short > 20
                           0x3001, 25303, 0x8011, 1, 5, 0x3103, 0x8000, 8072, 0x8008,      // long not in [1, 5]
                           0x3001, 25302, 0x8040, 0x3103, 0x8000, 8072, 0x8008,            // text blank
                           0x3001, 25302, 0x8041, 0x3103, 0x8000, 13002, 0x8003, 25302,   // label and value
                           0x0002});
    KvSetDefinitionStore(&store);
    KvSoftRecMem rec(kFixtureId);
    KvFieldValue(25301, &rec) = static_cast<short>(5);
    KvFieldValue(25303, &rec) = static_cast<std::int32_t>(9);
    EXPECT_EQ(rec.Verify(0), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The value for \"ID\" should be greater than or equal to 10",
                              "The value for \"In use\" should be in the range (inclusive) [1, 5]",
                              "The value for \"Description\" should not be blank ",
                          }));
    ClearBoxes();
    KvFieldValue(25301, &rec) = static_cast<short>(25);
    KvFieldValue(25302, &rec) = CString("x");
    KvFieldValue(25303, &rec) = static_cast<std::int32_t>(3);
    EXPECT_EQ(rec.Verify(0), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The value for \"ID\" should be less than or equal to 20",
                              "MessageBox 1 - Verif failed",
                          }));
    EXPECT_EQ(rec.Verify(1), 0);  // silently: the first failed rule rejects
}

TEST_F(SoftRecordTest, TheOutputsFieldIsNeverStored)
{
    KvMemoryDefinitionStore store;
    store.Set(kFixtureId, {0x1001, 0x0001, 0x0002, 0x1002, 0x0001, 0x3203, 28115, 3, 0x8001, 0x3203, 28111, 3,
                           0x8001, 0x0002});
    KvSetDefinitionStore(&store);
    KvSoftRecMem rec(kFixtureId);
    KvFieldValue(28115, &rec) = CString("edited");
    KvFieldValue(28111, &rec) = CString("Done");
    EXPECT_TRUE(rec.Commit());
    EXPECT_EQ(*static_cast<CString*>(rec.GetFieldStorage(28115)), "");
    EXPECT_EQ(*static_cast<CString*>(rec.GetFieldStorage(28111)), "Done");
}

TEST_F(SoftRecordTest, TheTraceListsFieldsAndTheirViews)
{
    KvSoftRecMem item(22801);
    KvFieldValue(25301, &item) = static_cast<short>(7);
    const std::string trace = item.DumpField(25301);
    EXPECT_NE(trace.find("   Field Name: 'ID'"), std::string::npos);
    EXPECT_NE(trace.find("INT16      "), std::string::npos);
    EXPECT_NE(trace.find("\"7\""), std::string::npos);
    EXPECT_NE(item.DumpField(25300).find("No VirtualField for FieldID: '25300'"), std::string::npos);
    EXPECT_EQ(KvSoftObj::GetValueTypeName(7), "RECORDSET  ");
    EXPECT_EQ(KvSoftObj::GetValueTypeName(5), "MONTHANDDAY");
    EXPECT_EQ(KvSoftObj::GetStorageTypeName(0x8040), "MEMSTRINGTABLEID");
}

TEST_F(SoftRecordTest, CallOutsPassTheWorkersAnswerOn)
{
    KvSoftRecMem item(22801);
    short result = 99;
    shell.callOutResults[32001] = -1;
    KvSoftObj::CallOut(32001, &item, 0, &result);
    EXPECT_EQ(result, 99);
    shell.callOutResults[32000] = -1;
    KvSoftObj::CallOut(32000, &item, 0, &result);
    EXPECT_EQ(result, -1);
    KvSoftObj::CallOut(31999, &item, 0, &result);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"CallOut 32001", "CallOut 32000"}));
    EXPECT_EQ(Assertions().size(), 1u);
}
