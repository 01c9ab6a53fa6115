#include "model/symtable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/symtree.h"
#include "model/varref.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

using test::AddVariable;

class SymbolTableTest : public ::testing::Test {
 protected:
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

TEST_F(SymbolTableTest, RemovedVariableLeavesPlaceholderThatInsertRevives) {
  Symbol* a = AddVariable(t, "Count", kTypeInteger);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(LookupSymbol("Count", kTypeInteger), a);
  EXPECT_EQ(RemoveSymbol("Count", kTypeInteger), 0);
  EXPECT_EQ(LookupSymbol("Count", kTypeInteger), nullptr);
  EXPECT_EQ(FindDeletedSymbol("Count", *t.TreeSlot(kTypeInteger)), a);
  EXPECT_EQ(RemoveSymbol("Count", kTypeInteger), kRcRefused);
  Symbol* again = AddVariable(t, "Count", kTypeInteger, 5);
  EXPECT_EQ(again, a);  // the same node
  EXPECT_EQ(again->Deleted, 0);
  EXPECT_EQ(again->ArraySize, 5);
  EXPECT_EQ(FindDeletedSymbol("Count", *t.TreeSlot(kTypeInteger)), nullptr);
}

TEST_F(SymbolTableTest, InsertRefusesALiveName) {
  Symbol* a = AddVariable(t, "X", kTypeInteger);
  EXPECT_EQ(AddVariable(t, "X", kTypeInteger), nullptr);
  EXPECT_EQ(LookupSymbol("X", kTypeInteger), a);
}

TEST_F(SymbolTableTest, RenameKeepsTheNodeAndLeavesTheOldNameDeleted) {
  Symbol* a = AddVariable(t, "A", kTypeInteger);
  a->RefCnt = 2;
  ASSERT_EQ(RenameSymbol(a, "B"), 0);
  EXPECT_EQ(LookupSymbol("A", kTypeInteger), nullptr);
  EXPECT_EQ(LookupSymbol("B", kTypeInteger), a);
  EXPECT_STREQ(a->Name, "B");
  EXPECT_EQ(a->RefCnt, 2);
  Symbol* placeholder = FindDeletedSymbol("A", *t.TreeSlot(kTypeInteger));
  ASSERT_NE(placeholder, nullptr);
  EXPECT_NE(placeholder, a);
  EXPECT_EQ(test::InOrder(*t.TreeSlot(kTypeInteger)), (std::vector<std::string>{"A", "B"}));
}

TEST_F(SymbolTableTest, RenameOntoAPlaceholderTakesItsPlace) {
  Symbol* c = AddVariable(t, "C", kTypeInteger);
  AddVariable(t, "D", kTypeInteger);
  ASSERT_EQ(RemoveSymbol("D", kTypeInteger), 0);
  ASSERT_EQ(RenameSymbol(c, "D"), 0);
  EXPECT_EQ(LookupSymbol("D", kTypeInteger), c);
  EXPECT_NE(FindDeletedSymbol("C", *t.TreeSlot(kTypeInteger)), nullptr);
  EXPECT_EQ(test::InOrder(*t.TreeSlot(kTypeInteger)), (std::vector<std::string>{"C", "D"}));
}

TEST_F(SymbolTableTest, RenameRefusals) {
  Symbol* a = AddVariable(t, "A", kTypeInteger);
  AddVariable(t, "Taken", kTypeSmallInteger);
  EXPECT_EQ(RenameSymbol(a, "Taken"), kErrNameInUse);
  EXPECT_EQ(RenameSymbol(a, std::string(31, 'n').c_str()), kErrNameTooLong);
  EXPECT_EQ(RenameSymbol(a, std::string(30, 'n').c_str()), 0);
  EXPECT_EQ(RenameSymbol(a, "9lives"), kErrBadName);
}

TEST_F(SymbolTableTest, RenameRefusesANameHeldOutsideThePage) {
  // On the Main page names carry no page prefix: a live "P1$X" keeps its name, and the
  // prefixed name is refused as a name.
  t.SymbolPageCheck = 0;
  t.NamesUnqualified = 1;
  Symbol* other = AddVariable(t, "P1$X", kTypeInteger);
  Symbol* a = AddVariable(t, "A", kTypeInteger);
  t.SymbolPageCheck = 1;
  EXPECT_EQ(RenameSymbol(a, "P1$X"), kErrBadName);
  EXPECT_STREQ(a->Name, "A");
  t.SymbolPageCheck = 0;
  EXPECT_EQ(LookupSymbol("P1$X", kTypeInteger), other);
  EXPECT_EQ(LookupSymbol("A", kTypeInteger), a);

  // On page P2 an unprefixed VavurOrezo name is outside the page, so lookups do not see
  // it; renaming onto it is still refused and both keep their names.
  Symbol* held = AddVavurOrezoSymbol("Play1");
  Symbol* mine = AddVavurOrezoSymbol("Play2");
  t.NamesUnqualified = 0;
  t.SetCurrentPageName("P2");
  t.SymbolPageCheck = 1;
  EXPECT_EQ(RenameSymbol(mine, "Play1"), kErrNameInUse);
  EXPECT_STREQ(mine->Name, "Play2");
  EXPECT_STREQ(held->Name, "Play1");
  EXPECT_EQ(SymTreeFind(*t.TreeSlot(kTypeVavurOrezo), "Play1"), held);
}

TEST_F(SymbolTableTest, PageScopeOfLookups) {
  t.NamesUnqualified = 0;
  t.SetCurrentPageName("MAIN");
  t.SymbolPageCheck = 0;
  Symbol* mine = AddVariable(t, "MAIN$X", kTypeInteger);
  AddVariable(t, "PAGE2$X", kTypeInteger);
  AddVariable(t, "MAI$X", kTypeInteger);
  Symbol* global = AddVariable(t, "G", kTypeInteger);
  Symbol* pb = AddVavurOrezoSymbol("Play1");
  t.SymbolPageCheck = 1;
  EXPECT_EQ(LookupSymbol("MAIN$X", kTypeInteger), mine);
  EXPECT_EQ(LookupSymbol("PAGE2$X", kTypeInteger), nullptr);
  EXPECT_EQ(LookupSymbol("MAI$X", kTypeInteger), nullptr);
  EXPECT_EQ(LookupSymbol("G", kTypeInteger), global);
  // A VavurOrezo without page prefix lies outside every page while names are qualified.
  EXPECT_EQ(LookupSymbol("Play1", kTypeVavurOrezo), nullptr);
  t.NamesUnqualified = 1;
  EXPECT_EQ(LookupSymbol("Play1", kTypeVavurOrezo), pb);
  EXPECT_EQ(LookupSymbol("MAIN$X", kTypeInteger), nullptr);
  t.SymbolPageCheck = 0;
  EXPECT_EQ(LookupSymbol("PAGE2$X", kTypeInteger), SymTreeFind(*t.TreeSlot(kTypeInteger), "PAGE2$X"));
}

TEST_F(SymbolTableTest, RemovalRefusals) {
  Symbol* used = AddVariable(t, "Used", kTypeInteger);
  used->RefCnt = 1;
  EXPECT_EQ(RemoveSymbol("Used", kTypeInteger), kErrVariableInUse);
  AddVavurOrezoSymbol("Block1");
  EXPECT_EQ(RemoveSymbol("Block1", kTypeVavurOrezo), kErrNotDeletable);
  EXPECT_EQ(LookupSymbol("Used", kTypeInteger), used);
}

TEST_F(SymbolTableTest, SlotsWithoutTrees) {
  EXPECT_EQ(t.TreeOfType(64), nullptr);
  EXPECT_EQ(t.TreeOfType(70), nullptr);
  EXPECT_EQ(t.TreeOfType(-1), nullptr);
  EXPECT_NE(t.TreeOfType(kLibraryTreeSlot), nullptr);
  EXPECT_EQ(LookupSymbol("X", 64), nullptr);
  EXPECT_EQ(LookupSymbol("X", 70), nullptr);
  EXPECT_EQ(LookupSymbol("X", 150), nullptr);  // no such structure
  SymbolBody body;
  InitSymbol(body, "X", 1, 64, 1, 0, 0, 0, 0);
  EXPECT_EQ(InsertSymbol(body, 64, true), nullptr);
}

TEST_F(SymbolTableTest, RemoveByMaskTriesOnlyTheLowestCode) {
  AddVariable(t, "V", kTypeNumber);
  TypeMask mask = MaskOfTypes({kTypeInteger, kTypeNumber});
  EXPECT_EQ(RemoveSymbolByMask("V", mask), kRcRefused);
  EXPECT_NE(LookupSymbol("V", kTypeNumber), nullptr);
  EXPECT_EQ(RemoveSymbolByMask("V", MaskOfTypes({kTypeNumber})), 0);
}

TEST_F(SymbolTableTest, LookupByMaskSearchesStructuresFirst) {
  StructDef* def = test::AddStructure(t, "Rec", {{"F", kTypeInteger}});
  Symbol* inStruct = AddVariable(t, "Same", def->TypeNum);
  Symbol* plain = AddVariable(t, "Same", kTypeSmallInteger);
  EXPECT_EQ(LookupSymbolByMask("Same", AllTypesMask()), inStruct);
  EXPECT_EQ(LookupSymbolByMask("Same", MaskOfTypes({kTypeSmallInteger})), plain);
  TypeMask one;
  one.AddStructs = kStructsOne;
  one.StructNum = def->TypeNum;
  EXPECT_EQ(LookupSymbolByMask("Same", one), inStruct);
  TypeMask bySize;
  bySize.AddStructs = kStructsBitsOrSize;
  bySize.StructNum = 4;
  EXPECT_EQ(LookupSymbolByMask("Same", bySize), inStruct);
  bySize.StructNum = 8;
  EXPECT_EQ(LookupSymbolByMask("Same", bySize), nullptr);
}

TEST_F(SymbolTableTest, StructureUseCountFollowsItsSymbols) {
  StructDef* def = test::AddStructure(t, "Rec", {{"F", kTypeInteger}});
  AddVariable(t, "R1", def->TypeNum);
  AddVariable(t, "R2", def->TypeNum);
  EXPECT_EQ(def->RefCnt, 2);
  EXPECT_EQ(DeleteStructureDef("Rec"), kErrStructureInUse);
  EXPECT_EQ(RemoveSymbol("R1", def->TypeNum), 0);
  EXPECT_EQ(RemoveSymbol("R2", def->TypeNum), 0);
  EXPECT_EQ(def->RefCnt, 0);
  EXPECT_EQ(DeleteStructureDef("Rec"), 0);
  EXPECT_EQ(FindStructureByName("Rec"), nullptr);
  EXPECT_EQ(DeleteStructureDef("Rec"), kRcRefused);
}

TEST_F(SymbolTableTest, FindByScopeWalksPreOrder) {
  struct Item : SymbolData {
    explicit Item(int id) : id(id) {}
    int DataId() const override { return id; }
    int id;
  };
  for (const char* name : {"b", "a", "c"}) {
    SymbolBody body;
    InitSymbol(body, name, 1, kTypeVoiceSentence, 1, 0, 7, 0, 0);
    body.Data = std::make_unique<Item>(name[0]);
    InsertSymbol(body, kTypeVoiceSentence, false);
  }
  EXPECT_STREQ(FindSymbolByScope(7, kTypeVoiceSentence, -1)->Name, "b");  // the root first
  EXPECT_STREQ(FindSymbolByScope(7, kTypeVoiceSentence, 'c')->Name, "c");
  EXPECT_EQ(FindSymbolByScope(8, kTypeVoiceSentence, -1), nullptr);
}

TEST_F(SymbolTableTest, CountsVisibleSymbolsAndPagePrefixes) {
  AddVariable(t, "A", kTypeInteger);
  AddVariable(t, "B", kTypeInteger)->Invisible = 1;
  AddVariable(t, "C", kTypeInteger);
  RemoveSymbol("C", kTypeInteger);
  int count = 0;
  CountVisibleSymbols(*t.TreeSlot(kTypeInteger), count);
  EXPECT_EQ(count, 1);
  std::string prefix;
  EXPECT_STREQ(GetPagePrefix("Page2$X$Y", prefix), "Page2");
  EXPECT_EQ(GetPagePrefix("X", prefix), nullptr);
  EXPECT_EQ(prefix, "");
}

TEST_F(SymbolTableTest, RenamedPlaceholderStaysValidForUncountedIndexReferences) {
  // A[I]: the index variable is not counted, so I can be removed while referenced; a
  // later rename onto "I" must not leave the reference pointing at freed memory.
  AddVariable(t, "A", kTypeInteger, 5);
  AddVariable(t, "I", kTypeInteger);
  Symbol* j = AddVariable(t, "J", kTypeInteger);
  SymP ref;
  ParseVariableReference("A[I]", ref, AllTypesMask(), nullptr);
  ASSERT_NE(ref.S, nullptr);
  ASSERT_EQ(RemoveSymbol("I", kTypeInteger), 0);
  ASSERT_EQ(RenameSymbol(j, "I"), 0);
  EXPECT_EQ(FormatVariableReference(ref), "A[I]");
}

// Goto slots of VavurOrezos, kept by symbol, as the VavurOrezo instances would hold them.
struct GotoSlots : SymbolTableHooks {
  std::map<Symbol*, std::vector<SymP>> slots;
  std::vector<std::string> notified;
  void ForEachGotoSlot(SymbolTable&, Symbol& pb, const std::function<void(SymP&)>& visit) override {
    for (SymP& slot : slots[&pb]) visit(slot);
  }
  void NotifyVavurOrezoChanged(SymbolTable&, Symbol& pb) override { notified.emplace_back(pb.Name); }
};

TEST_F(SymbolTableTest, RelinkGotosToANewVavurOrezo) {
  GotoSlots hooks;
  t.SetHooks(&hooks);
  Symbol* from1 = AddVavurOrezoSymbol("From1");
  Symbol* from2 = AddVavurOrezoSymbol("From2");
  Symbol* gone = AddVavurOrezoSymbol("Gone");
  hooks.slots[from1].resize(2);
  hooks.slots[from1][0].SetConstText("Target");
  hooks.slots[from1][1].SetConstText("Elsewhere");
  hooks.slots[from2].resize(1);
  hooks.slots[from2][0].SetConstText("Other");
  hooks.slots[gone].resize(1);
  hooks.slots[gone][0].SetConstText("Target");
  gone->Deleted = 1;
  Symbol* target = AddVavurOrezoSymbol("Target");
  RelinkGotoReferences(*t.TreeSlot(kTypeVavurOrezo), "Target");
  EXPECT_EQ(hooks.slots[from1][0].S, target);
  EXPECT_FALSE(hooks.slots[from1][0].HasConst());
  EXPECT_EQ(hooks.slots[from1][1].S, nullptr);
  EXPECT_STREQ(hooks.slots[from1][1].ConstText(), "Elsewhere");
  EXPECT_EQ(hooks.slots[gone][0].S, nullptr);  // deleted VavurOrezos are skipped
  EXPECT_EQ(target->RefCnt, 1);
  EXPECT_EQ(hooks.notified, (std::vector<std::string>{"From1"}));
  t.SetHooks(nullptr);
}

TEST_F(SymbolTableTest, SymbolSizes) {
  EXPECT_EQ(GetSymbolSize(AddVariable(t, "S", kTypeString, 0, 40)), 40);
  EXPECT_EQ(GetSymbolSize(AddVariable(t, "N", kTypeNumber)), 8);
  EXPECT_EQ(GetSymbolSize(AddVariable(t, "M", kTypeMenuK)), 2);
}

TEST_F(SymbolTableTest, CurrentTableIsUsedWhenNoneIsGiven) {
  SymbolTable other;
  Symbol* mine = AddVariable(t, "Here", kTypeInteger);
  EXPECT_EQ(LookupSymbol("Here", kTypeInteger), mine);
  EXPECT_EQ(LookupSymbol("Here", kTypeInteger, &other), nullptr);
}

}  // namespace
}  // namespace zeph
