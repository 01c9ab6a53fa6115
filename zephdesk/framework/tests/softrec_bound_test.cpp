// Records bound to a VavurOrezo: storage through the model's lookups by parameter name,
// outputs, item and restriction/permission bookkeeping, the finished state, and text
// that never overruns the model's buffer.
#include <cstdlib>
#include <functional>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvsrecpbv.h"
#include "softrec_fixture.h"

namespace {

constexpr int kMenuType = 402;

// A model with one VavurOrezo's parameters: numbers in slots, texts in buffers of a
// fixed size, goto fields with their connections and optional-output answers.
class FakeModel : public KvModelSdo {
public:
    struct Parameter {
        int offset;
        int scalarType;
        char kind;  // 's' 16-bit, 'l' 32-bit, 't' text buffer
        std::size_t size = 0;
    };
    std::map<std::string, Parameter> parameters;
    std::map<std::string, short> shorts;
    std::map<std::string, std::int32_t> longs;
    std::map<std::string, char*> texts;
    std::vector<std::pair<std::string, std::string>> outputs;  // name, connection
    std::map<std::string, int> optional;                       // by exit label
    int finished = -1;
    std::vector<std::string> unknownNames;

    ~FakeModel() override
    {
        for (auto& entry : texts)
            std::free(entry.second);
    }

    const Parameter* Find(const char* name)
    {
        const auto it = parameters.find(name);
        if (it == parameters.end()) {
            unknownNames.push_back(name);
            return nullptr;
        }
        return &it->second;
    }
    int GetSymbolOffset(int, const char* name) override
    {
        const Parameter* p = Find(name);
        return p ? p->offset : 0;
    }
    int GetSymbolType(int, const char* name) override
    {
        const Parameter* p = Find(name);
        return p ? p->scalarType : 255;
    }
    void* GetSymbolPtr(int, const char* name, vlxHandleType, int) override
    {
        const Parameter* p = Find(name);
        if (p == nullptr)
            return nullptr;
        switch (p->kind) {
        case 's':
            return &shorts[name];
        case 'l':
            return &longs[name];
        default:
            return texts.count(name) ? texts[name] : nullptr;
        }
    }
    void* AllocateMem(int, const char* name, vlxHandleType, int) override
    {
        const Parameter* p = Find(name);
        if (p == nullptr || p->kind != 't')
            return nullptr;
        std::free(texts[name]);  // the model releases the old buffer
        texts[name] = static_cast<char*>(std::calloc(p->size, 1));
        return texts[name];
    }
    std::size_t GetAllocatedSize(int, const char* name) override
    {
        const Parameter* p = Find(name);
        return p ? p->size : 0;
    }
    const char* GetOutputDataName(int, int n, vlxHandleType) override
    {
        return n < static_cast<int>(outputs.size()) ? outputs[static_cast<std::size_t>(n)].first.c_str() : nullptr;
    }
    const char* GetOutputDataConnection(int, int n, vlxHandleType) override
    {
        return outputs[static_cast<std::size_t>(n)].second.c_str();
    }
    int IsOutputOptionalApplicable(int, vlxHandleType, const char* label) override
    {
        return optional.count(label) ? optional[label] : 0;
    }
    void SetIconFinished(vlxHandleType, int value) override { finished = value; }

    // Puts text into a text parameter as the model's own editing would.
    void SetText(const std::string& name, const char* text)
    {
        std::free(texts[name]);
        texts[name] = static_cast<char*>(std::calloc(parameters[name].size, 1));
        std::strncpy(texts[name], text, parameters[name].size - 1);
    }
    std::string Text(const std::string& name) { return texts[name] != nullptr ? texts[name] : ""; }
};

class FakeBlock : public KvEditorBlock {
public:
    std::string description = "first notes";
    std::vector<std::string> labels;
    std::vector<bool> shown;
    int GetType() const override { return kMenuType; }
    vlxHandleType GetHandle() const override { return const_cast<FakeBlock*>(this); }
    const char* GetDescription() const override { return description.c_str(); }
    void SetDescription(const char* text) override { description = text; }
    const char* GetExitLabel(int i) const override { return labels[static_cast<std::size_t>(i)].c_str(); }
    bool IsExitGotoShown(int i) const override { return shown[static_cast<std::size_t>(i)]; }
};

class ScriptedEditor : public KvRecordEditor {
public:
    int answer = 2;
    std::vector<WORD> sheets;
    std::function<void(KvSoftRec&)> edit;
    int RunSoftDialog(WORD, WORD, KvSoftRec&) override { return answer; }
    int RunPropertySheet(WORD sheetId, KvSoftRec& record) override
    {
        sheets.push_back(sheetId);
        if (edit)
            edit(record);
        return answer;
    }
};

class BoundRecordTest : public SoftRecTest {
protected:
    BoundRecordTest()
    {
        KvSetModelSdo(&model);
        KvSoftObj::SetRecordEditor(&editor);
        // The menu's parameters: three prompts (item references), retries and counts.
        model.parameters = {
            {"Menu choices", {0, 35, 't', 8}},
            {"No response", {2, 35, 't', 8}},
            {"Invalid choice", {4, 35, 't', 8}},
            {"Retry after no response", {6, 0, 's'}},
            {"Max Number of No Responses", {8, 2, 's'}},
            {"Retry after invalid choice", {12, 0, 's'}},
            {"Max Number of Invalid Entries", {14, 2, 's'}},
            {"Replay after no response", {18, 0, 's'}},
            {"Replay after invalid choice", {20, 0, 's'}},
        };
        model.outputs = {{"Choice 1", "Greeting"}, {"Choice 2", "<not connected>"}, {"Timeout", "<not connected>"}};
        model.optional = {{"Choice 2", 0x1000 | 0x0001}, {"Timeout", 0x1000}};
        block.labels = {"Choice 1", "Choice 2", "Timeout"};
        block.shown = {true, true, false};
    }
    ~BoundRecordTest() override
    {
        KvSoftObj::SetRecordEditor(nullptr);
        KvSetModelSdo(nullptr);
    }

    FakeModel model;
    FakeBlock block;
    ScriptedEditor editor;
};

}  // namespace

TEST_F(BoundRecordTest, StorageComesFromTheModelByParameterName)
{
    model.SetText("Menu choices", "12");
    model.shorts["Max Number of No Responses"] = 3;
    KvSoftRecPBV rec(DEF_PB_MENU, &block, block.GetHandle(), kMenuType);
    EXPECT_EQ(KvFieldValue(F_MENU_GREETING, &rec).AsInt16(), 12);
    EXPECT_EQ(KvFieldValue(F_MENU_NR_COUNT, &rec).AsInt32(), 3);
    EXPECT_EQ(KvFieldValue(F_NOTES, &rec).AsText(), "first notes");
    EXPECT_EQ(rec.GetItemFields(), (std::vector<WORD>{F_MENU_GREETING, F_MENU_NR_PROMPT, F_MENU_INV_PROMPT}));
    EXPECT_TRUE(rec.GetResPermFields().empty());
    EXPECT_TRUE(model.unknownNames.empty());

    KvFieldValue(F_MENU_GREETING, &rec) = static_cast<short>(14);
    KvFieldValue(F_MENU_NR_COUNT, &rec) = static_cast<std::int32_t>(4);
    KvFieldValue(F_NOTES, &rec) = CString("new notes");
    rec.SetEditing(0);
    EXPECT_TRUE(rec.Commit());
    EXPECT_EQ(model.Text("Menu choices"), "14");
    EXPECT_EQ(model.shorts["Max Number of No Responses"], 4);
    EXPECT_EQ(block.description, "new notes");
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(BoundRecordTest, OutputsAreListedWithTheirConnectionAndVisibility)
{
    KvSoftRecPBV rec(DEF_PB_MENU, &block, block.GetHandle(), kMenuType);
    KvRecArray& outputs = KvFieldValue(F_OUTPUTS, &rec).AsRecArray();
    ASSERT_EQ(outputs.GetSize(), 3);
    struct Row {
        const char* name;
        const char* connection;
        int visible;
    };
    const Row rows[] = {{"Choice 1", "Greeting", 0}, {"Choice 2", "<not connected>", 1}, {"Timeout", "<not connected>", 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(KvFieldValue(F_OUT_NAME, outputs.GetAt(i)).AsText(), rows[i].name);
        EXPECT_EQ(KvFieldValue(F_OUT_CONNECTION, outputs.GetAt(i)).AsText(), rows[i].connection);
        EXPECT_EQ(KvFieldValue(F_OUT_VISIBLE, outputs.GetAt(i)).AsInt32(), rows[i].visible) << i;
    }
    KvSoftRecPBV noOutputs(DEF_OUTPUT, &block, block.GetHandle(), kMenuType);
    EXPECT_EQ(noOutputs.GetFieldStorage(F_OUTPUTS), nullptr);
}

TEST_F(BoundRecordTest, TextNeverOverrunsTheModelsBuffer)
{
    model.parameters = {{"Extension", {0, 6, 't', 8}},
                        {"Prompt to play before transfer", {8, 35, 't', 8}},
                        {"Supervised Transfer", {10, 0, 's'}}};
    KvSoftRecPBV rec(DEF_PB_TRANSFER, &block, block.GetHandle(), 394);
    EXPECT_EQ(KvFieldValue(F_XFR_EXTENSION, &rec).AsText(), "");  // no buffer yet
    KvFieldValue(F_XFR_EXTENSION, &rec) = CString("1234567890123");
    rec.SetEditing(0);
    ASSERT_TRUE(rec.Commit());
    EXPECT_STREQ(model.texts["Extension"], "1234567");
    KvFieldValue(F_XFR_EXTENSION, &rec) = CString("42");
    rec.SetEditing(0);
    ASSERT_TRUE(rec.Commit());
    EXPECT_STREQ(model.texts["Extension"], "42");
    EXPECT_EQ(KvFieldValue(F_XFR_EXTENSION, &rec).AsText(), "42");
}

TEST_F(BoundRecordTest, EditingReleasesAndRetakesItemReferences)
{
    model.SetText("Menu choices", "12");
    model.SetText("No response", "0");        // no item
    model.SetText("Invalid choice", "3001");  // not an item id
    KvSoftRecPBV rec(DEF_PB_MENU, &block, block.GetHandle(), kMenuType);
    rec.AddItemRefs();
    EXPECT_EQ(shell.voiceUses, (std::map<int, int>{{12, 1}}));

    editor.answer = 2;  // cancelled
    EXPECT_EQ(rec.Edit(), 2);
    EXPECT_EQ(editor.sheets, std::vector<WORD>{SHEET_MENU});
    EXPECT_EQ(shell.voiceUses, (std::map<int, int>{{12, 1}}));

    editor.answer = 1;
    editor.edit = [](KvSoftRec& r) {
        KvFieldValue(F_MENU_GREETING, &r) = static_cast<short>(20);
        r.SetEditing(0);
        r.Commit();
    };
    EXPECT_EQ(rec.Edit(), 1);
    EXPECT_EQ(shell.voiceUses, (std::map<int, int>{{12, 0}, {20, 1}}));

    shell.calls.clear();
    rec.CopyItemsToClipboard();
    EXPECT_EQ(shell.calls, std::vector<std::string>{"CopyVoice 20"});
    rec.ReplaceVoiceItemID(20, 21);
    EXPECT_EQ(model.Text("Menu choices"), "21");
    rec.ReplaceFaxItemID(21, 22);  // not a fax record: nothing changes
    EXPECT_EQ(model.Text("Menu choices"), "21");
}

TEST_F(BoundRecordTest, ReferenceListsGrowPastTwentyFields)
{
    KvMemoryDefinitionStore store;
    std::vector<WORD> words = {0x1001, 0x0001, 0x0002, 0x1002, 0x0001};
    model.parameters.clear();
    for (WORD i = 0; i < 25; ++i) {
        words.insert(words.end(), {0x3203, static_cast<WORD>(100 + i), 1, 0x8011, static_cast<WORD>(29001 + i % 9)});
        model.parameters[std::string("p") + std::to_string(i)] = {2 * i, 35, 's'};
    }
    words.push_back(0x0002);
    store.Set(60030, words);
    KvSetDefinitionStore(&store);
    // The names come from the string table: give each field its own.
    model.parameters = {};
    const char* names[] = {"Menu choices", "Retry after no response", "Max Number of No Responses", "No response",
                           "Retry after invalid choice", "Max Number of Invalid Entries", "Invalid choice",
                           "Replay after no response", "Replay after invalid choice"};
    for (int i = 0; i < 9; ++i)
        model.parameters[names[i]] = {2 * i, i % 3 == 1 ? 21 : 35, 's'};
    KvSoftRecPBV rec(60030, &block, block.GetHandle(), kMenuType);
    rec.AddResPermRefs();
    EXPECT_EQ(rec.GetItemFields().size() + rec.GetResPermFields().size(), 25u);
    EXPECT_EQ(rec.GetResPermFields().size(), 8u);  // names 2, 5 and 8 of every nine
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(BoundRecordTest, TheFinishedStateFollowsTheRulesAndTheOpenOutputs)
{
    KvSoftRecPBV rec(DEF_PB_MENU, &block, block.GetHandle(), kMenuType);
    // "Timeout" is optional-capable, not connected and may not stay blank.
    EXPECT_EQ(rec.UpdateIconFinished(), 0);
    EXPECT_EQ(model.finished, 0);
    model.optional["Timeout"] = 0x1000 | 0x0010;
    EXPECT_EQ(rec.UpdateIconFinished(), 1);
    EXPECT_EQ(model.finished, 1);
    // A failed rule: retries after no response with a count out of range.
    model.shorts["Retry after no response"] = 1;
    model.shorts["Max Number of No Responses"] = 9;
    model.SetText("No response", "5");
    EXPECT_EQ(rec.UpdateIconFinished(), 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BoundRecordTest, ListsTheServerNoLongerKnowsBecomeMinusTwo)
{
    model.parameters = {{"Thru-Dial greeting", {0, 35, 't', 8}}, {"Dialing", {2, 0, 's'}},
                        {"Use Fixed Length Numbers", {4, 0, 's'}}, {"Number Length", {6, 2, 's'}},
                        {"Left Pad Character", {10, 6, 't', 2}}, {"Restriction/permission list", {14, 21, 't', 48}}};
    model.SetText("Restriction/permission list", "7");
    model.outputs.clear();
    shell.serverResPerms = {3, 4};
    KvSoftRecPBV rec(DEF_PB_THRU_DIAL, &block, block.GetHandle(), 405);
    EXPECT_EQ(rec.UpdateIconFinished(), 0);  // -2 breaks the "above 0" rule
    EXPECT_EQ(model.Text("Restriction/permission list"), "-2");
    model.SetText("Restriction/permission list", "4");
    KvSoftRecPBV known(DEF_PB_THRU_DIAL, &block, block.GetHandle(), 405);
    EXPECT_EQ(known.UpdateIconFinished(), 1);
    EXPECT_EQ(model.Text("Restriction/permission list"), "4");
    known.AddResPermRefs();
    known.CopyResPermRefs();
    EXPECT_EQ(shell.resPermUses[4], 1);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"UpdateResPermData", "CopyResPerm 4"}));
}

TEST_F(BoundRecordTest, WithoutAProgramTheModelsNeutralAnswersArePassedOn)
{
    KvSetModelSdo(nullptr);
    KvSoftRecPBV rec(DEF_PB_MENU, &block, block.GetHandle(), kMenuType);
    EXPECT_EQ(KvFieldValue(F_MENU_GREETING, &rec).AsInt16(), 0);
    EXPECT_TRUE(rec.GetItemFields().empty());
    EXPECT_EQ(KvFieldValue(F_OUTPUTS, &rec).AsRecArray().GetSize(), 0);
}

TEST_F(BoundRecordTest, EveryVavurOrezoRecordBindsToAModelThatKnowsItsNames)
{
    // The model knows each parameter by the name the definition gives it.
    model.outputs = {{"Done", "<not connected>"}};
    model.optional.clear();
    for (WORD id = DEF_PB_MENU; id <= DEF_PB_OBSOLETE; ++id) {
        SCOPED_TRACE(id);
        if (id == DEF_OUTPUT)
            continue;
        KvSoftRecDef* def = KvSoftRecDef::Get(id);
        model.parameters.clear();
        const KvSection* data = def->GetDataSection();
        for (int i = 0; i < data->GetNbStatements(4); ++i) {
            const KvStatement* field = data->GetStatement(4, i);
            if (!field->HasStyle(0x8010))
                continue;
            CString name;
            name.LoadString(field->GetOptionalByKey(0x8010));
            const bool text = def->GetFieldStorageType(field->GetOperand(0)) == kKvStoreChar;
            const char kind = text ? 't' : (def->GetFieldValueType(field->GetOperand(0)) == kKvValueInt32 ? 'l' : 's');
            model.parameters[static_cast<const char*>(name)] = {2 * i, 0, kind, 32};
        }
        KvSoftRecDef::Put(def);
        KvSoftRecPBV rec(id, &block, block.GetHandle(), kMenuType);
        rec.CreateFieldStorage(0);
        EXPECT_TRUE(model.unknownNames.empty());
        rec.UpdateIconFinished();
        EXPECT_NE(model.finished, -1);
        if (KvSoftRecDef::Loaded(id)->HasField(F_OUTPUTS))
            EXPECT_EQ(KvFieldValue(F_OUTPUTS, &rec).AsRecArray().GetSize(), 1);
        model.finished = -1;
    }
    EXPECT_TRUE(Assertions().empty());
}
