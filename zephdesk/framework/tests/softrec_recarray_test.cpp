// Record arrays: edit layers over an object array or another layer, checked against a
// plain list; applying layers, saving into the source through the server, sorting and
// finding records.
#include <memory>
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvrecset.h"
#include "framework/softrec/kvsrecmem.h"
#include "softrec_fixture.h"

namespace {

constexpr WORD kItemDef = 22801;
constexpr WORD kName = 25300;
constexpr WORD kId = 25301;

// A voice item whose server answers are set by the test.
class ServerItem : public KvSoftRecDataLink {
public:
    static int addAnswer;
    static int deleteAnswer;
    ServerItem() : KvSoftRecDataLink(kItemDef) {}
    int AddToServer() override { return addAnswer; }
    int DeleteFromServer() override { return deleteAnswer; }
};
int ServerItem::addAnswer = 1;
int ServerItem::deleteAnswer = 1;

KvSoftRec* MakeServerItem(WORD)
{
    return new ServerItem;
}

class RecordArrayTest : public SoftRecTest {
protected:
    RecordArrayTest() { shell.makeTyped = MakeServerItem; }
    ~RecordArrayTest() override
    {
        for (int i = 0; i < source.GetSize(); ++i)
            delete source.GetAt(i);
    }

    static KvSoftRec* Item(const char* name, short id)
    {
        auto* rec = new ServerItem;
        KvFieldValue(kName, rec) = CString(name);
        KvFieldValue(kId, rec) = id;
        rec->Commit();
        return rec;
    }
    void Fill(std::vector<std::string> names)
    {
        short id = 1;
        for (const auto& name : names)
            source.Add(Item(name.c_str(), id++));
    }
    static std::vector<std::string> Names(KvRecArray& array)
    {
        std::vector<std::string> names;
        for (int i = 0; i < array.GetSize(); ++i)
            names.push_back(static_cast<const char*>(KvFieldValue(kName, array.GetAt(i)).AsText()));
        return names;
    }
    std::vector<std::string> SourceNames()
    {
        std::vector<std::string> names;
        for (int i = 0; i < source.GetSize(); ++i)
            names.push_back(static_cast<const char*>(KvFieldValue(kName, static_cast<KvSoftRec*>(source.GetAt(i))).AsText()));
        return names;
    }

    KvObArray source;
};

struct Step {
    char op;  // 'r' remove, 'a' add, 'e' edit (rename)
    int index;
    const char* name;
};

// Runs the steps on the array and on a plain list; both must agree after every step.
void Play(KvRecArray& array, std::vector<std::string>& model, const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        switch (step.op) {
        case 'r':
            array.RemoveAt(step.index);
            model.erase(model.begin() + step.index);
            break;
        case 'a': {
            auto* rec = new KvSoftRecMem(kItemDef);
            KvFieldValue(kName, rec) = CString(step.name);
            KvFieldValue(kId, rec) = static_cast<short>(1);
            EXPECT_EQ(array.Add(rec), static_cast<int>(model.size()));
            model.push_back(step.name);
            break;
        }
        case 'e':
            KvFieldValue(kName, array.GetAt(step.index)) = CString(step.name);
            model[static_cast<std::size_t>(step.index)] = step.name;
            break;
        }
        std::vector<std::string> names;
        for (int i = 0; i < array.GetSize(); ++i)
            names.push_back(static_cast<const char*>(KvFieldValue(kName, array.GetAt(i)).AsText()));
        ASSERT_EQ(names, model) << "after " << step.op << " " << step.index;
    }
}

}  // namespace

TEST_F(RecordArrayTest, LayersAgreeWithAPlainListThroughEverySequence)
{
    const std::vector<std::vector<Step>> sequences = {
        {{'r', 1, ""}, {'r', 1, ""}, {'e', 1, "D"}, {'a', 0, "X"}, {'r', 0, ""}},
        {{'r', 3, ""}, {'r', 0, ""}, {'r', 1, ""}, {'e', 0, "B2"}, {'e', 1, "E2"}},
        {{'a', 0, "X"}, {'a', 0, "Y"}, {'r', 5, ""}, {'e', 5, "Y2"}, {'r', 0, ""}, {'a', 0, "Z"}},
        {{'e', 2, "C2"}, {'r', 2, ""}, {'e', 2, "D2"}, {'r', 0, ""}, {'r', 0, ""}, {'r', 0, ""}, {'r', 0, ""}},
        {{'a', 0, "X"}, {'r', 5, ""}, {'a', 0, "Y"}, {'r', 4, ""}, {'r', 3, ""}},
    };
    Fill({"A", "B", "C", "D", "E"});
    for (const auto& steps : sequences) {
        // Directly over the object array, and as a layer applied to its parent.
        KvRecArray direct(&source);
        std::vector<std::string> model = SourceNames();
        Play(direct, model, steps);

        KvRecArray parent(&source);
        KvRecArray layer(&parent);
        std::vector<std::string> layered = SourceNames();
        Play(layer, layered, steps);
        EXPECT_EQ(Names(parent), SourceNames());  // untouched until applied
        parent = layer;
        EXPECT_EQ(Names(parent), layered);
        EXPECT_EQ(SourceNames(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    }
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(RecordArrayTest, AddingThenRemovingARecordLeavesNoChange)
{
    Fill({"A", "B"});
    KvRecArray array(&source);
    array.Add(new KvSoftRecMem(kItemDef));
    array.RemoveAt(2);
    EXPECT_EQ(array.GetAddedCount(), 0);
    EXPECT_EQ(array.GetRemovedCount(), 0);
    EXPECT_FALSE(array.IsModified());
    for (int i = 0; i < array.GetSize(); ++i)
        array.GetAt(i);
    EXPECT_EQ(array.GetEditedCount(), 2);
}

TEST_F(RecordArrayTest, SavingAddsAndDeletesOnlyWhatTheServerTook)
{
    struct Row {
        int add;
        int remove;
        std::vector<std::string> saved;
    };
    const Row rows[] = {
        {1, 1, {"A2", "B", "N"}},
        {0, 0, {"A2", "B", "C"}},
        {1, 0, {"A2", "B", "C", "N"}},
    };
    for (const Row& row : rows) {
        for (int i = 0; i < source.GetSize(); ++i)
            delete source.GetAt(i);
        if (source.GetSize() > 0)
            source.RemoveAt(0, source.GetSize());
        Fill({"A", "B", "C"});
        ServerItem::addAnswer = row.add;
        ServerItem::deleteAnswer = row.remove;
        KvRecArray parent(&source);
        KvFieldValue(kName, parent.GetAt(0)) = CString("A2");
        auto* added = new KvSoftRecMem(kItemDef);
        KvFieldValue(kName, added) = CString("N");
        KvFieldValue(kId, added) = static_cast<short>(9);
        parent.Add(added);
        parent.RemoveAt(2);
        KvRecArray layer(&parent);
        layer.SaveToSource();
        EXPECT_EQ(SourceNames(), row.saved);
        EXPECT_FALSE(parent.IsModified());
        EXPECT_EQ(Names(parent), row.saved);
    }
    EXPECT_TRUE(Assertions().empty());
    ServerItem::addAnswer = ServerItem::deleteAnswer = 1;
}

TEST_F(RecordArrayTest, SortsKeepTheRuleForEqualValues)
{
    source.Add(Item("3a", 3));
    source.Add(Item("1", 1));
    source.Add(Item("3b", 3));
    source.Add(Item("2", 2));
    KvSortRecArray sorted(&source);
    auto order = [&]() {
        std::vector<std::string> names;
        for (int pos = 0; pos < sorted.GetSize(); ++pos)
            names.push_back(static_cast<const char*>(KvFieldValue(kName, sorted.GetAt(pos)).AsText()));
        return names;
    };
    EXPECT_EQ(order(), (std::vector<std::string>{"3a", "1", "3b", "2"}));
    sorted.Sort(kId, 1);
    EXPECT_EQ(order(), (std::vector<std::string>{"1", "2", "3b", "3a"}));
    sorted.Sort(kId, 0);
    EXPECT_EQ(order(), (std::vector<std::string>{"3a", "3b", "2", "1"}));
    sorted.Sort(kName, 1);
    EXPECT_EQ(order(), (std::vector<std::string>{"1", "2", "3a", "3b"}));

    // Removing by position keeps the order of the others.
    sorted.Sort(kId, 0);
    sorted.RemoveAt(1);
    EXPECT_EQ(order(), (std::vector<std::string>{"3b", "2", "1"}));
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(RecordArrayTest, FindersMatchOneFieldExactly)
{
    KvRecArray empty(&source);
    EXPECT_EQ(KvSoftRecSet::FindByText(kName, "A", &empty), -1);
    EXPECT_EQ(KvSoftRecSet::FindByInt32(kId, 1, &empty), -1);
    EXPECT_EQ(KvSoftRecSet::FindByStringID(kName, 25300, &empty), -1);
    Fill({"abc", "ABC", "Name"});
    KvRecArray array(&source);
    EXPECT_EQ(KvSoftRecSet::FindByText(kName, "ABC", &array), 1);
    EXPECT_EQ(KvSoftRecSet::FindByText(kName, "Abc", &array), -1);
    EXPECT_EQ(KvSoftRecSet::FindByInt32(kId, 3, &array), 2);
    EXPECT_EQ(KvSoftRecSet::FindByStringID(kName, 25300, &array), 2);  // the text "Name"
    KvSoftRecMem probe(kItemDef);
    KvFieldValue(kId, &probe) = static_cast<short>(2);
    EXPECT_EQ(KvSoftRecSet::FindByValue(kId, KvFieldValue(kId, &probe), &array), 1);
    KvSortRecArray sorted(&source);
    sorted.Sort(kId, 0);
    EXPECT_EQ(KvSoftRecSet::FindByValue(kId, KvFieldValue(kId, &probe), &sorted), 1);
    KvFieldValue(kId, &probe) = static_cast<short>(3);
    EXPECT_EQ(KvSoftRecSet::FindByValue(kId, KvFieldValue(kId, &probe), &sorted), 0);
}

TEST_F(RecordArrayTest, RecordSetFieldsAreStoredWithTheirRecords)
{
    KvSoftRecMem scope(22002);
    KvRecArray layer(&KvFieldValue(25152, &scope).AsRecArray());
    auto* file = new KvSoftRecMem(22001);
    KvFieldValue(25051, file) = CString("menu.wav");
    layer.Add(file);
    KvFieldValue(25152, &scope) = layer;
    EXPECT_TRUE(scope.Commit());
    auto* stored = static_cast<KvObArray*>(scope.GetFieldStorage(25152));
    ASSERT_EQ(stored->GetSize(), 1);
    EXPECT_EQ(KvFieldValue(25051, static_cast<KvSoftRec*>(stored->GetAt(0))).AsText(), "menu.wav");

    KvSoftRecMem copy(22002);
    copy.CopyFrom(scope);
    copy.Commit();
    auto* copied = static_cast<KvObArray*>(copy.GetFieldStorage(25152));
    ASSERT_EQ(copied->GetSize(), 1);
    EXPECT_NE(copied->GetAt(0), stored->GetAt(0));
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

namespace {

// An application file whose nested list of files holds the named ones, committed.
std::unique_ptr<KvSoftRecMem> FileWithNested(const char* name, const std::vector<std::string>& nested)
{
    auto file = std::make_unique<KvSoftRecMem>(DEF_USER_APP);
    KvFieldValue(F_UA_NAME, file.get()) = CString(name);
    KvRecArray layer(&KvFieldValue(F_UA_APPS, file.get()).AsRecArray());
    for (const auto& n : nested) {
        auto* inner = new KvSoftRecMem(DEF_USER_APP);
        KvFieldValue(F_UA_NAME, inner) = CString(n.c_str());
        layer.Add(inner);
    }
    KvFieldValue(F_UA_APPS, file.get()) = layer;
    EXPECT_TRUE(file->Commit());
    return file;
}

std::vector<std::string> NestedNames(KvSoftRec* file)
{
    std::vector<std::string> names;
    KvRecArray& nested = KvFieldValue(F_UA_APPS, file).AsRecArray();
    for (int i = 0; i < nested.GetSize(); ++i)
        names.push_back(static_cast<const char*>(KvFieldValue(F_UA_NAME, nested.GetAt(i)).AsText()));
    return names;
}

}  // namespace

// A copy owns its nested records: it reads and commits them after the record it was
// copied from is gone (sharing them read freed memory).
TEST_F(RecordArrayTest, ACopyKeepsItsNestedRecordsAfterTheOriginalIsGone)
{
    auto original = FileWithNested("menu", {"greeting", "hours"});
    KvSoftRecMem copy(DEF_USER_APP);
    copy.CopyFrom(*original);
    original.reset();
    EXPECT_EQ(NestedNames(&copy), (std::vector<std::string>{"greeting", "hours"}));
    EXPECT_TRUE(copy.Commit());
    EXPECT_EQ(NestedNames(&copy), (std::vector<std::string>{"greeting", "hours"}));
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// A record added through a layer is copied into the set, so the set still holds it after
// the layer deleted its own; a change made in a nested set of an edited copy goes back with
// the copy. Commit stores both, a discard leaves the stored list as it was.
TEST_F(RecordArrayTest, NestedChangesGoBackWithTheEditedCopyUntilDiscarded)
{
    for (const bool commit : {true, false}) {
        KvSoftRecMem server(DEF_SERVER);
        {
            KvRecArray files(&KvFieldValue(F_SRV_APPS, &server).AsRecArray());
            files.Add(FileWithNested("menu", {"greeting"}).release());
            KvFieldValue(F_SRV_APPS, &server) = files;
        }
        ASSERT_TRUE(server.Commit());
        {
            KvRecArray files(&KvFieldValue(F_SRV_APPS, &server).AsRecArray());
            KvSoftRec* menu = files.GetAt(0);
            KvRecArray nested(&KvFieldValue(F_UA_APPS, menu).AsRecArray());
            KvFieldValue(F_UA_NAME, nested.GetAt(0)) = CString("welcome");
            nested.Add(FileWithNested("hours", {}).release());
            KvFieldValue(F_UA_APPS, menu) = nested;
            files.Add(FileWithNested("fax", {"cover"}).release());
            KvFieldValue(F_SRV_APPS, &server) = files;
        }
        if (commit)
            ASSERT_TRUE(server.Commit());
        else
            server.DiscardEdits();
        auto* stored = static_cast<KvObArray*>(server.GetFieldStorage(F_SRV_APPS));
        ASSERT_EQ(stored->GetSize(), commit ? 2 : 1) << commit;
        EXPECT_EQ(NestedNames(static_cast<KvSoftRec*>(stored->GetAt(0))),
                  commit ? (std::vector<std::string>{"welcome", "hours"}) : (std::vector<std::string>{"greeting"}))
            << commit;
        if (commit)
            EXPECT_EQ(NestedNames(static_cast<KvSoftRec*>(stored->GetAt(1))), std::vector<std::string>{"cover"});
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}
