// The designer's definitions: every one reads with the real reader, their references
// name definitions and fields that exist, every label and message has a text, and the
// records carry the fields, editors and rules they are known by.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softrec/kvcondst.h"
#include "framework/softrec/kvdefstrings.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvsobjdf.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvtokens.h"
#include "softrec_fixture.h"

namespace {

bool IsRecordId(WORD id)
{
    return id >= 22001 && id <= 24999;
}

bool IsDialogId(WORD id)
{
    return id >= 14001 && id <= 16999;
}

// Every statement of a list, conditions' branches included, in stream order.
void Flatten(const KvMultiLineStatement& list, std::vector<const KvStatement*>& out)
{
    for (int i = 0; i < list.GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = list.GetStatement(kKvKindBody, i);
        out.push_back(s);
        if (s->GetType() == kKvStmCondition) {
            for (int branch : {1, 0}) {
                if (const KvSection* b = static_cast<const KvCondStatement*>(s)->FindBranch(branch))
                    Flatten(*b, out);
            }
        }
    }
}

std::string Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return static_cast<const char*>(text);
}

}  // namespace

using DefinitionCatalogueTest = SoftRecTest;

TEST_F(DefinitionCatalogueTest, EveryDefinitionReadsAndItsReferencesExist)
{
    const std::vector<WORD> ids = KvBuiltinDefinitionStore::Ids();
    const auto records = std::count_if(ids.begin(), ids.end(), IsRecordId);
    const auto dialogs = std::count_if(ids.begin(), ids.end(), IsDialogId);
    EXPECT_EQ(records, 42);
    EXPECT_EQ(static_cast<long>(ids.size()) - records - dialogs, 30);
    const std::set<WORD> idSet(ids.begin(), ids.end());

    for (WORD id : ids) {
        SCOPED_TRACE(id);
        if (IsDialogId(id)) {
            std::unique_ptr<KvSoftDlgDef> dialog(KvSoftDlgDef::Create(id));
            EXPECT_NE(dialog->GetDlgResID(), 0);
            dialog->Release();
            continue;
        }
        if (!IsRecordId(id)) {
            std::unique_ptr<KvSoftPropSheetDef> sheet(KvSoftPropSheetDef::Create(id));
            KvWordArray pages;
            EXPECT_GT(sheet->GetPages(pages), 0);
            sheet->Release();
            continue;
        }
        KvSoftRecDef* def = KvSoftRecDef::Get(id);
        if (def->GetPropSheetID() != 0)
            EXPECT_TRUE(idSet.count(def->GetPropSheetID())) << "sheet " << def->GetPropSheetID();
        const KvSection* data = def->GetDataSection();
        ASSERT_NE(data, nullptr);
        for (int i = 0; i < data->GetNbStatements(kKvKindBody); ++i) {
            const KvStatement* field = data->GetStatement(kKvKindBody, i);
            const WORD fieldId = field->GetOperand(0);
            EXPECT_FALSE(Text(fieldId).empty()) << "label of " << fieldId;
            if (field->GetOperand(1) == kKvValueRecordSet) {
                ASSERT_TRUE(field->HasStyle(0x8004)) << fieldId;
                const WORD setDef = field->GetOptionalByKey(0x8004);
                EXPECT_TRUE(IsRecordId(setDef) && idSet.count(setDef)) << "records of " << fieldId;
            }
            if (field->HasStyle(0x8010))
                EXPECT_FALSE(Text(field->GetOptionalByKey(0x8010)).empty()) << "name of " << fieldId;
            def->GetFieldStorageType(fieldId);  // every field has a storage type
        }
        KvObArray* rules = def->GetSections(kKvSecVerification);
        for (int r = 0; rules != nullptr && r < rules->GetSize(); ++r) {
            std::vector<const KvStatement*> statements;
            Flatten(*static_cast<KvSection*>(rules->GetAt(r)), statements);
            for (const KvStatement* s : statements) {
                if (s->GetType() == kKvStmCondition) {
                    EXPECT_TRUE(def->HasField(s->GetOperand(0))) << "condition on " << s->GetOperand(0);
                    if (s->HasStyle(0x8400))
                        EXPECT_TRUE(def->HasField(s->GetOptional(0))) << "compared field " << s->GetOptional(0);
                    continue;
                }
                if (s->HasStyle(0x8800)) {
                    EXPECT_TRUE(def->HasField(s->GetOperand(1))) << "rule field " << s->GetOperand(1);
                    continue;
                }
                EXPECT_FALSE(Text(s->GetOperand(1)).empty()) << "message " << s->GetOperand(1);
                if (s->HasStyle(0x8001) || s->HasStyle(0x8002))
                    EXPECT_TRUE(def->HasField(s->GetOptional(0))) << "label field " << s->GetOptional(0);
            }
        }
        KvSoftRecDef::Put(def);
    }
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(DefinitionCatalogueTest, RecordsCarryTheirFieldsEditorsAndRules)
{
    struct Row {
        WORD id;
        WORD dialog;
        WORD help;
        WORD sheet;
        int fields;
        int rules;  // message statements, in every branch
    };
    const Row rows[] = {
        {22004, 14004, 23, 18002, 37, 2}, {22801, 14504, 11060, 0, 6, 2}, {22802, 14508, 11080, 0, 7, 2},
        {22803, 14005, 34, 18001, 5, 0},  {22809, 14520, 11163, 0, 2, 2}, {23001, 0, 0, 19110, 11, 3},
        {23002, 0, 0, 19101, 12, 3},      {23003, 0, 0, 19111, 8, 2},     {23006, 0, 0, 19112, 12, 11},
        {23008, 0, 0, 19104, 12, 11},     {23010, 0, 0, 19103, 19, 12},   {23022, 0, 0, 19121, 0, 0},
        {23024, 0, 0, 0, 3, 0},           {24001, 0, 0, 20002, 10, 1},    {24003, 16005, 102, 0, 8, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        KvSoftRecDef* def = KvSoftRecDef::Get(row.id);
        EXPECT_EQ(def->GetDlgID(), row.dialog);
        EXPECT_EQ(def->GetDlgHelpID(), row.help);
        EXPECT_EQ(def->GetPropSheetID(), row.sheet);
        EXPECT_EQ(def->GetDataSection()->GetNbStatements(kKvKindBody), row.fields);
        int messages = 0;
        KvObArray* rules = def->GetSections(kKvSecVerification);
        for (int r = 0; rules != nullptr && r < rules->GetSize(); ++r) {
            std::vector<const KvStatement*> statements;
            Flatten(*static_cast<KvSection*>(rules->GetAt(r)), statements);
            messages += static_cast<int>(std::count_if(statements.begin(), statements.end(),
                                                       [](const KvStatement* s) { return s->GetType() == 0x3103; }));
        }
        EXPECT_EQ(messages, row.rules);
        KvSoftRecDef::Put(def);
    }
    KvSoftRecDef* item = KvSoftRecDef::Get(22801);
    EXPECT_EQ(item->GetFieldValueType(25301), kKvValueInt16);
    EXPECT_EQ(item->GetFieldStorageType(25301), kKvStoreInt16);
    EXPECT_EQ(item->GetFieldStorageType(25300), kKvStoreString);
    EXPECT_EQ(item->GetFieldStorageType(25303), kKvStoreBool);
    KvSoftRecDef::Put(item);
    // Sections are found by a header statement equal word for word.
    KvSoftRecDef* rules = KvSoftRecDef::Get(22801);
    KvStatement style;
    style.InsertType(0x2002);
    style.InsertOperand(0, 0x2201);
    EXPECT_NE(rules->FindSectionByHeader(kKvSecVerification, style), nullptr);
    KvStatement otherStyle;
    otherStyle.InsertType(0x2002);
    otherStyle.InsertOperand(0, 0x2202);
    EXPECT_EQ(rules->FindSectionByHeader(kKvSecVerification, otherStyle), nullptr);
    EXPECT_EQ(rules->FindSectionByHeader(kKvSecReferences, style), nullptr);
    KvSoftRecDef::Put(rules);
    KvSoftRecDef* menu = KvSoftRecDef::Get(23001);
    EXPECT_EQ(menu->FindFieldStatement(28001)->GetOptionalByKey(0x8010), 29001);
    EXPECT_EQ(Text(29001), "Menu choices");
    EXPECT_EQ(menu->GetFieldStorageType(28116), kKvStoreChar);
    EXPECT_EQ(menu->GetFieldStorageType(28001), kKvStoreChar);  // an item the model keeps as text
    EXPECT_EQ(menu->GetFieldStorageType(28002), kKvStoreInt16);
    EXPECT_EQ(menu->GetFieldStorageType(28003), kKvStoreInt16);  // a count the model keeps as a small number
    KvSoftRecDef::Put(menu);
}

TEST_F(DefinitionCatalogueTest, SheetsListTheirPagesInOrder)
{
    struct Row {
        WORD id;
        std::vector<WORD> pages;
    };
    const Row rows[] = {
        {18001, {14516, 14517}}, {18002, {14518, 14519}}, {19101, {15101, 15003}}, {19110, {15110, 15003}},
        {19121, {15002}},        {19123, {15001, 15003}}, {20002, {16001, 16002, 16003}},
    };
    for (const Row& row : rows) {
        std::unique_ptr<KvSoftPropSheetDef> sheet(KvSoftPropSheetDef::Create(row.id));
        KvWordArray pages;
        ASSERT_EQ(sheet->GetPages(pages), static_cast<int>(row.pages.size())) << row.id;
        for (std::size_t i = 0; i < row.pages.size(); ++i)
            EXPECT_EQ(pages.GetAt(static_cast<int>(i)), row.pages[i]) << row.id;
        sheet->Release();
    }
}

TEST_F(DefinitionCatalogueTest, EveryTextOfTheSourceIsInTheStringTable)
{
    for (UINT id : KvDefinitionStrings::Ids())
        EXPECT_EQ(Text(id), KvDefinitionStrings::Find(id)) << id;
    EXPECT_EQ(Text(8108),
              "The password in field '%1' is less than the minimum accepted length.  \n"
              "Please refer to Security Administration for the correct value.");
    // A property sheet takes its caption from the string of its record's definition.
    EXPECT_EQ(Text(22004), "File properties");
}

#ifdef _WIN32
TEST_F(DefinitionCatalogueTest, TheProgramResourcesHoldTheSourceWordForWord)
{
    KvBuiltinDefinitionStore builtin;
    KvModuleDefinitionStore resources(nullptr);
    for (WORD id : KvBuiltinDefinitionStore::Ids()) {
        const WORD* expected = nullptr;
        const WORD* actual = nullptr;
        int expectedCount = 0;
        int actualCount = 0;
        ASSERT_TRUE(builtin.Find(id, expected, expectedCount));
        ASSERT_TRUE(resources.Find(id, actual, actualCount)) << id;
        ASSERT_EQ(actualCount, expectedCount) << id;
        EXPECT_TRUE(std::equal(expected, expected + expectedCount, actual)) << id;
    }
    const WORD* words = nullptr;
    int count = 0;
    EXPECT_FALSE(resources.Find(14004, words, count));  // named but not authored
}
#endif
