// Voice sentences, their segments and the user functions that list them, as the read-only
// records the shell's lists show.
#include <cstring>
#include <string>
#include <vector>

#include "editor/canvas/page.h"
#include "foundation/kvobarray.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "model/vsentence.h"
#include "shell/records/kvsegment.h"
#include "shell/records/kvsentence.h"
#include "shell/records/kvuserfunc.h"
#include "opendocument_fixture.h"

namespace {

class RecordsTest : public OpenDocumentTest {
protected:
    RecordsTest() { program->Activate(); }

    // A sentence symbol with the segments given (first to last).
    static zeph::Symbol* AddSentence(const char* name, int scope, std::vector<zeph::SentenceComponent*> segments)
    {
        for (std::size_t i = 0; i + 1 < segments.size(); ++i)
            segments[i]->Next = segments[i + 1];
        zeph::Symbol* symbol = nullptr;
        vlxAddSymbol(symbol, name, 35, 1, scope, 1, 0,
                     new zeph::SentenceData(segments.empty() ? nullptr : segments.front()));
        return symbol;
    }
    static zeph::SentenceComponent* FileSegment(int kind, const char* path, const char* text)
    {
        zeph::SentenceComponent* segment = zeph::NewSentenceComponent();
        segment->Kind = std::int16_t(kind);
        std::strcpy(segment->Area.Path, path);
        if (text != nullptr)
            segment->Text = text;
        return segment;
    }
    static zeph::SentenceComponent* VariableSegment(int kind, const char* variable)
    {
        zeph::SentenceComponent* segment = zeph::NewSentenceComponent();
        segment->Kind = std::int16_t(kind);
        segment->RefFlag = 1;
        segment->Area.Ref.S = static_cast<zeph::Symbol*>(vlxFindSymbol(variable));
        return segment;
    }

    static std::string Text(KvSoftRec* record, WORD field)
    {
        return static_cast<const char*>(KvFieldValue(field, record).AsText());
    }
    static KvObArray& List(KvSoftRec& record, WORD field)
    {
        return *static_cast<KvObArray*>(record.GetFieldStorage(field));
    }
    static std::vector<std::string> Names(KvSoftRec& record, WORD listField, WORD nameField)
    {
        std::vector<std::string> names;
        KvObArray& list = List(record, listField);
        for (int i = 0; i < list.GetSize(); ++i)
            names.push_back(Text(static_cast<KvSoftRec*>(list.GetAt(i)), nameField));
        return names;
    }
};

}  // namespace

TEST_F(RecordsTest, ASentenceShowsItsNameScopeAndSegments)
{
    ASSERT_EQ(vlxAddVariable("Amount", 3, 4, 0, 1, 0), 0);
    zeph::Symbol* symbol =
        AddSentence("Orders$Total", 2,
                    {FileSegment(0, "\\VLX\\PRMT\\total.vox", "the total is"), VariableSegment(11, "Amount"),
                     FileSegment(17, "", nullptr)});
    ASSERT_NE(symbol, nullptr);
    KvSentence sentence(symbol);
    EXPECT_EQ(Text(&sentence, F_SCOPE_NAME), "Total");
    EXPECT_EQ(Text(&sentence, F_SCOPE_SCOPE), "Parameter");

    struct Row {
        std::string type, file, description;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> rows;
    KvObArray& segments = List(sentence, F_SCOPE_FILES);
    for (int i = 0; i < segments.GetSize(); ++i) {
        auto* segment = static_cast<KvSoftRec*>(segments.GetAt(i));
        rows.push_back({Text(segment, F_FN_TYPE), Text(segment, F_FN_FILE), Text(segment, F_FN_DESCRIPTION)});
    }
    EXPECT_EQ(rows, (std::vector<Row>{{"Recording", "\\VLX\\PRMT\\total.vox", "the total is"},
                                      {"Money", "Amount", ""},
                                      {"", "", ""}}));
}

TEST_F(RecordsTest, NamesScopesAndEmptySentences)
{
    const struct {
        const char* symbol;
        int scope;
        const char* name;
        const char* scopeText;
    } cases[] = {
        {"Welcome", 0, "Welcome", "Global"},
        {"Sales$Hello", 1, "Hello", "Local"},
        {"A$B$C", 2, "B$C", "Parameter"},
        {"Odd", 7, "Odd", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbol);
        KvSentence sentence(AddSentence(c.symbol, c.scope, {}));
        EXPECT_EQ(Text(&sentence, F_SCOPE_NAME), c.name);
        EXPECT_EQ(Text(&sentence, F_SCOPE_SCOPE), c.scopeText);
        EXPECT_EQ(List(sentence, F_SCOPE_FILES).GetSize(), 0);
    }
    KvSentence none(nullptr);
    EXPECT_EQ(Text(&none, F_SCOPE_NAME), "");
    EXPECT_EQ(List(none, F_SCOPE_FILES).GetSize(), 0);
}

TEST_F(RecordsTest, EditingASentenceRecordLeavesTheSymbolAlone)
{
    zeph::Symbol* symbol = AddSentence("Sales$Hello", 1, {FileSegment(0, "a.vox", nullptr)});
    KvSentence sentence(symbol);
    KvFieldValue(F_SCOPE_NAME, &sentence) = CString("Renamed");
    KvFieldValue(F_SCOPE_SCOPE, &sentence) = CString("Global");
    sentence.Commit();
    EXPECT_EQ(Text(&sentence, F_SCOPE_NAME), "Renamed");
    EXPECT_STREQ(symbol->Name, "Sales$Hello");
    EXPECT_EQ(symbol->Scope, 1);
    ASSERT_NE(zeph::SentenceComponents(symbol), nullptr);
    EXPECT_STREQ((*zeph::SentenceComponents(symbol))->Area.Path, "a.vox");
}

TEST_F(RecordsTest, TheMainFunctionListsTheSentencesWithoutADollar)
{
    AddSentence("Greeting", 0, {});
    AddSentence("Orders$Menu", 1, {});
    AddSentence("Bye", 0, {});
    ed::Page page(program.get(), "Main", ed::kPageMain, 0);
    KvUserFunc main(&page);
    EXPECT_EQ(Text(&main, F_FUNC_NAME), "Main");
    std::vector<std::string> names = Names(main, F_FUNC_SCOPES, F_SCOPE_NAME);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Bye", "Greeting"}));
    // Asked again, the list is the same, not built twice.
    EXPECT_EQ(List(main, F_FUNC_SCOPES).GetSize(), 2);

    KvUserFunc none(nullptr);
    EXPECT_EQ(List(none, F_FUNC_SCOPES).GetSize(), 0);
}

TEST_F(RecordsTest, ListsNeverAddOrRemoveTheseRecords)
{
    zeph::SentenceComponent* segment = FileSegment(0, "a.vox", nullptr);
    KvSegment record(*segment);
    KvSentence sentence(nullptr);
    KvUserFunc function(nullptr);
    for (KvSoftRecDataLink* r : std::vector<KvSoftRecDataLink*>{&record, &sentence, &function}) {
        EXPECT_EQ(r->AddToServer(), 1);
        EXPECT_EQ(r->DeleteFromServer(), 1);
    }
    EXPECT_EQ(Assertions().size(), 6u);
    zeph::FreeSentenceComponents(segment);
}
