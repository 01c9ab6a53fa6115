// Records bound to VavurOrezos of a real program, made through the model library's
// exports: every VavurOrezo record finds its parameters in the field table of the types
// mapped to it, with the kind of storage it expects, item and restriction/permission
// references are recognised, and values go into the model and come back.
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvmodelexports.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvsrecpbv.h"
#include "framework/softrec/kvtokens.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"
#include "softrec_fixture.h"

namespace {

void* NoDialogModule()
{
    static int module = 1;
    return &module;
}

// The editor's block over a model VavurOrezo: its exits are the model's outputs.
class ModelBlock : public KvEditorBlock {
public:
    ModelBlock(int type, vlxHandleType handle) : m_type(type), m_handle(handle)
    {
        for (int i = 0; const char* name = vlxSDOGetOutputDataName(type, i, handle); ++i)
            m_labels.emplace_back(name);
    }
    int GetType() const override { return m_type; }
    vlxHandleType GetHandle() const override { return m_handle; }
    const char* GetDescription() const override { return m_description.c_str(); }
    void SetDescription(const char* text) override { m_description = text; }
    const char* GetExitLabel(int i) const override { return m_labels.at(static_cast<std::size_t>(i)).c_str(); }
    bool IsExitGotoShown(int) const override { return true; }
    int ExitCount() const { return static_cast<int>(m_labels.size()); }

private:
    int m_type;
    vlxHandleType m_handle;
    std::string m_description;
    std::vector<std::string> m_labels;
};

class ModelRecordTest : public SoftRecTest {
protected:
    ModelRecordTest()
    {
        zeph::SetDialogModuleLoader(&NoDialogModule);
        m_program = vlxAddProgram(nullptr, 0);
        vlxActivatePage(vlxCreatePage("Main", 1, 0));
        KvSetModelSdo(&m_exports);
    }
    ~ModelRecordTest() override
    {
        KvSetModelSdo(nullptr);
        vlxRemoveProgram(m_program);
        zeph::SetDialogModuleLoader(nullptr);
    }
    vlxHandleType Create(int type)
    {
        int refused = 0;
        const std::string name = "Block" + std::to_string(++m_blocks);
        // An imported application names the page it runs.
        return vlxCreateVavurOrezo(type, name.c_str(), refused, type == 409 ? "Main" : "");
    }

    // A value of the field's type that its checks accept.
    static void SetSample(KvSoftRec& rec, WORD fieldId, WORD valueType)
    {
        KvFieldValue field(fieldId, &rec);
        switch (valueType) {
        case kKvValueInt16:
            field = static_cast<short>(1);
            break;
        case kKvValueInt32:
            field = static_cast<std::int32_t>(3);
            break;
        case kKvValueMonthAndDay:
            field = CString("12/25");
            break;
        case kKvValueTime:
            field = CString("12:30");
            break;
        default:
            field = CString("4");
            break;
        }
    }

    KvModelExports m_exports;
    vlxHandleType m_program = nullptr;
    int m_blocks = 0;
};

// The types of the editor's VavurOrezos and the definition each maps to.
struct TypeRow {
    int type;
    WORD def;
    std::vector<WORD> items;    // fields that refer to voice or fax items
    std::vector<WORD> resPerm;  // fields that refer to restriction/permission lists
};

const std::vector<TypeRow>& TypeRows()
{
    static const std::vector<TypeRow> rows = {
        {393, DEF_PB_ANNOUNCE, {F_ANN_CUSTOM}, {}},
        {394, DEF_PB_TRANSFER, {F_XFR_PROMPT}, {}},
        {395, DEF_PB_DAY, {}, {}},
        {396, DEF_PB_END, {}, {}},
        {397, DEF_PB_EXPRESS, {}, {}},
        {398, DEF_PB_FAX_SEND, {}, {}},
        {399, DEF_PB_FAX_MAINTENANCE, {}, {}},
        {400, DEF_PB_REMOTE_ACTIVATION, {}, {}},
        {401, DEF_PB_CONTINUE, {}, {}},
        {402, DEF_PB_MENU, {F_MENU_GREETING, F_MENU_NR_PROMPT, F_MENU_INV_PROMPT}, {}},
        {403, DEF_PB_LANGUAGE, {}, {}},
        {404, DEF_PB_SUBSCRIBER_MAILBOX, {}, {}},
        {405, DEF_PB_THRU_DIAL, {F_TD_GREETING}, {F_TD_RESPERM}},
        {406, DEF_PB_TIME, {}, {}},
        {407, DEF_PB_VOICE_MAINTENANCE, {}, {}},
        {408, DEF_PB_ROTARY, {}, {}},
        {409, DEF_PB_IMPORTED, {}, {}},
        {410, DEF_PB_DATE, {}, {}},
        {411, DEF_PB_PASSWORD, {F_PWD_PROMPT}, {}},
        {412, DEF_PB_FAX_AUTO_ATTEND, {}, {}},
        {413, DEF_PB_FAX_SELECT, {F_FAX_ITEM}, {}},
        {414, DEF_PB_SPEECH_MESSAGING, {}, {}},
        {415, DEF_PB_SPEECH_TRAINING, {}, {}},
        {142, DEF_PB_START, {}, {}},
        {289, DEF_PB_OBSOLETE, {}, {}},
    };
    return rows;
}

std::vector<WORD> ParameterFields(WORD defId)
{
    std::vector<WORD> ids;
    KvSoftRecDef* def = KvSoftRecDef::Get(defId);
    const KvSection* data = def->GetDataSection();
    for (int i = 0; i < data->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* field = data->GetStatement(kKvKindBody, i);
        if (field->HasStyle(0x8010))
            ids.push_back(field->GetOperand(0));
    }
    KvSoftRecDef::Put(def);
    return ids;
}

}  // namespace

TEST_F(ModelRecordTest, EveryVavurOrezoRecordFindsItsParametersInTheModel)
{
    for (const TypeRow& row : TypeRows()) {
        SCOPED_TRACE(row.type);
        vlxHandleType handle = Create(row.type);
        ASSERT_NE(handle, nullptr);
        ModelBlock block(row.type, handle);
        shell.serverResPerms = {3};   // the samples name lists the server knows
        shell.serverLanguages = {1};
        const std::vector<WORD> parameters = ParameterFields(row.def);
        {
            KvSoftRecPBV rec(row.def, &block, handle, row.type);
            rec.CreateFieldStorage(0);
            EXPECT_EQ(rec.GetItemFields(), row.items);
            EXPECT_EQ(rec.GetResPermFields(), row.resPerm);
            if (KvSoftRecDef::Loaded(row.def)->HasField(kKvFieldOutputs)) {
                EXPECT_EQ(KvFieldValue(kKvFieldOutputs, &rec).AsRecArray().GetSize(), block.ExitCount());
            }

            // Every parameter takes a value of its type and the model keeps it.
            for (WORD id : parameters)
                SetSample(rec, id, rec.GetFieldValueType(id));
            rec.SetEditing(0);
            EXPECT_TRUE(rec.Commit());
            rec.UpdateIconFinished();
        }
        KvSoftRecPBV again(row.def, &block, handle, row.type);
        for (WORD id : parameters) {
            KvSoftRecPBV sample(row.def, &block, handle, row.type);
            SetSample(sample, id, sample.GetFieldValueType(id));
            EXPECT_EQ(KvFieldValue(id, &again).AsText(), KvFieldValue(id, &sample).AsText()) << "field " << id;
            sample.DiscardEdits();
        }
        EXPECT_TRUE(Assertions().empty()) << (Assertions().empty() ? "" : Assertions().front());
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ModelRecordTest, AMenuCountsItsItemsAndReportsItsFinishedState)
{
    vlxHandleType handle = Create(402);
    ModelBlock block(402, handle);
    KvSoftRecPBV rec(DEF_PB_MENU, &block, handle, 402);
    KvFieldValue(F_MENU_GREETING, &rec) = static_cast<short>(12);
    KvFieldValue(F_MENU_NR_PROMPT, &rec) = static_cast<short>(0);      // no item
    KvFieldValue(F_MENU_INV_PROMPT, &rec) = static_cast<short>(3001);  // not an item id
    KvFieldValue(F_NOTES, &rec) = CString("main menu");
    rec.SetEditing(0);
    ASSERT_TRUE(rec.Commit());
    rec.AddItemRefs();
    EXPECT_EQ(shell.voiceUses, (std::map<int, int>{{12, 1}}));
    EXPECT_EQ(block.GetDescription(), std::string("main menu"));

    // Retries after no response need a prompt: the record is not finished.
    EXPECT_EQ(rec.UpdateIconFinished(), 0);
    EXPECT_EQ(vlxIsVavurOrezoFinished(handle), 0);
    KvFieldValue(F_MENU_NR_RETRY, &rec) = static_cast<short>(0);
    KvFieldValue(F_MENU_INV_RETRY, &rec) = static_cast<short>(0);
    rec.SetEditing(0);
    ASSERT_TRUE(rec.Commit());
    // The exits after too many no responses or invalid choices must lead on.
    EXPECT_EQ(rec.UpdateIconFinished(), 0);
    vlxHandleType next = Create(396);
    ASSERT_EQ(vlxCreateGoto(handle, next, 12), 0);
    EXPECT_EQ(rec.UpdateIconFinished(), 0);
    ASSERT_EQ(vlxCreateGoto(handle, next, 13), 0);
    EXPECT_EQ(rec.UpdateIconFinished(), 1);
    EXPECT_EQ(vlxIsVavurOrezoFinished(handle), 1);
    EXPECT_TRUE(Assertions().empty());
}

// A pasted block's item fields follow the IDs the item paste gave its items, in the model
// too; a fax record follows only the fax items' new IDs.
TEST_F(ModelRecordTest, PastedBlockFollowsTheItemsNewIds)
{
    shell.pastedVoiceIds = {{12, 40}, {3, 41}};
    shell.pastedFaxIds = {{7, 9}, {12, 50}};
    vlxHandleType menu = Create(402);
    ModelBlock menuBlock(402, menu);
    {
        KvSoftRecPBV rec(DEF_PB_MENU, &menuBlock, menu, 402);
        KvFieldValue(F_MENU_GREETING, &rec) = static_cast<short>(12);
        KvFieldValue(F_MENU_NR_PROMPT, &rec) = static_cast<short>(5);  // kept its ID
        rec.SetEditing(0);
        ASSERT_TRUE(rec.Commit());
        rec.RenumberPastedItems();
        rec.AddItemRefs();
    }
    KvSoftRecPBV menuAgain(DEF_PB_MENU, &menuBlock, menu, 402);
    EXPECT_EQ(KvFieldValue(F_MENU_GREETING, &menuAgain).AsInt32(), 40);
    EXPECT_EQ(KvFieldValue(F_MENU_NR_PROMPT, &menuAgain).AsInt32(), 5);
    EXPECT_EQ(shell.voiceUses, (std::map<int, int>{{5, 1}, {40, 1}}));

    vlxHandleType fax = Create(413);
    ModelBlock faxBlock(413, fax);
    {
        KvSoftRecPBV rec(DEF_PB_FAX_SELECT, &faxBlock, fax, 413);
        KvFieldValue(F_FAX_ITEM, &rec) = static_cast<short>(7);
        rec.SetEditing(0);
        ASSERT_TRUE(rec.Commit());
        rec.RenumberPastedItems();
    }
    KvSoftRecPBV faxAgain(DEF_PB_FAX_SELECT, &faxBlock, fax, 413);
    EXPECT_EQ(KvFieldValue(F_FAX_ITEM, &faxAgain).AsInt32(), 9);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ModelRecordTest, TextIsCutToTheModelsBuffer)
{
    vlxHandleType handle = Create(394);
    ModelBlock block(394, handle);
    KvSoftRecPBV rec(DEF_PB_TRANSFER, &block, handle, 394);
    const int size = vlxSDOGetAllocatedSize(394, "Extension");
    ASSERT_GT(size, 1);
    KvFieldValue(F_XFR_EXTENSION, &rec) = CString(std::string(static_cast<std::size_t>(size) + 20, '7').c_str());
    rec.SetEditing(0);
    ASSERT_TRUE(rec.Commit());
    const int offset = vlxSDOGetSymbolOffset(394, "Extension");
    const char* stored = static_cast<const char*>(vlxSDOGetSymbolPtr(394, "Extension", handle, offset));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(std::string(stored), std::string(static_cast<std::size_t>(size) - 1, '7'));
    KvFieldValue(F_XFR_EXTENSION, &rec) = CString("42");
    rec.SetEditing(0);
    ASSERT_TRUE(rec.Commit());
    EXPECT_STREQ(static_cast<const char*>(vlxSDOGetSymbolPtr(394, "Extension", handle, offset)), "42");
}
