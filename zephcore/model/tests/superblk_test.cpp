// SuperBlock interface tables: order, offsets, name clashes, the limit of entries, the
// callers' value slots and the notifications.
#include "model/superblk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/pbfield_lookup.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

class SuperBlockTest : public test::ModelFixture {
 protected:
  // Other tests may have put lookups of their own in place.
  SuperBlockTest() { InstallSuperBlockLookups(); }

  Symbol* AddPage(const char* name, int type = kTypeSuperBlock) {
    SymbolBody body;
    InitSymbol(body, name, 1, type, 1, 0, 0, 0, 0);
    body.Data = std::make_unique<SBPageData>();
    return InsertSymbol(body, type, true, &t);
  }
  std::vector<std::string> Names(Symbol* page) {
    std::vector<std::string> names;
    for (const PBFieldDef* e = SBInterfaceTable(page).Table(); !e->IsEnd(); ++e) names.emplace_back(e->Name);
    return names;
  }
  // A counted reference to a variable in a caller's interface slot.
  void Hold(PBInstance& caller, int slot, Symbol* variable) {
    SymP* s = caller.Area.Slot(SBSlotOffset(slot));
    s->S = variable;
    UpdateReferenceCount(*s, 1, &t);
  }
  Symbol* Held(PBInstance& caller, int slot) {
    const SymP* s = caller.Area.FindSlot(SBSlotOffset(slot));
    return s != nullptr ? s->S : nullptr;
  }
};

TEST_F(SuperBlockTest, VariablesFirstThenExitsEachSortedWithSlotOffsets) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  ASSERT_EQ(table.AddEntry("b", kTypeInteger, 0, 0), 0);
  ASSERT_EQ(table.AddEntry("z", -1, 0, 0), 0);
  ASSERT_EQ(table.AddEntry("a", kTypeInteger, 0, 0), 0);
  ASSERT_EQ(table.AddEntry("y", -1, 0, 0), 0);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"a", "b", "y", "z"}));
  const PBFieldDef* e = table.Table();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(e[i].FieldOffset, 80 + 18 * i);
  EXPECT_EQ(e[0].GotoStrs, nullptr);
  EXPECT_EQ(e[2].GotoStrs, e[2].Name);   // an exit's label is its own name
  EXPECT_EQ(e[3].GotoStrs, e[3].Name);
  EXPECT_EQ(e[2].UIElement, scribe::kUIEdit);
  EXPECT_EQ(e[2].FieldRepresentation, scribe::kReprVariable);
  EXPECT_EQ(e[2].ScalarType, kTypeInteger);
  EXPECT_EQ(e[2].Allowed1, 0u);
  EXPECT_EQ(e[2].Allowed2, 4u);
  EXPECT_EQ(table.CountExits(), 2);
  EXPECT_EQ(table.CountVariableEntries(), 2);
}

TEST_F(SuperBlockTest, VariableEntriesAcceptTheirTypes) {
  struct Case {
    const char* name;
    int type;
    std::uint32_t allowed1, allowed2;
    std::int16_t addStructs, structNum;
    std::int8_t radio;
  } cases[] = {
      {"s", kTypeString, (1u << 6) | (1u << 20), 0, 0, 0, 0},
      {"d", kTypeDateString, (1u << 6) | (1u << 20), 0, 0, 0, 0},
      {"i", kTypeInteger, 0x3Eu | (1u << 19), 0, 0, 0, 0},
      {"n", kTypeDateNumber, 0x3Eu | (1u << 19), 0, 0, 0, 0},
      {"m", kTypeMenuParms, 1u << 12, 0, 0, 0, 0},
      {"b", kTypeBoolean, 0, 1u << 21, 0, 0, 0},
      {"v", kTypeVSentenceVar, 0, 16392, 0, 0, 0},
      {"w", kTypeVoiceSentence, 0, 1u << 3, 0, 0, 1},
      {"r", 150, 0, 0, 1, 150, 0},
  };
  Symbol* page = AddPage("Kinds");
  SBInterfaceTable table(page);
  for (const Case& c : cases) ASSERT_EQ(table.AddEntry(c.name, c.type, 20, 0), 0) << c.name;
  for (const Case& c : cases) {
    const PBFieldDef* found = table.Table();
    while (!found->IsEnd() && std::string(found->Name) != c.name) ++found;
    const PBFieldDef& e = *found;
    EXPECT_EQ(e.FieldRepresentation, scribe::kReprEither) << c.name;
    EXPECT_EQ(e.ScalarType, c.type) << c.name;
    EXPECT_EQ(e.Allowed1, c.allowed1) << c.name;
    EXPECT_EQ(e.Allowed2, c.allowed2) << c.name;
    EXPECT_EQ(e.AddStructs, c.addStructs) << c.name;
    EXPECT_EQ(e.StructNum, c.structNum) << c.name;
    EXPECT_EQ(e.NumRadioInArray, c.radio) << c.name;
    EXPECT_EQ(e.StrSize, c.type == kTypeString ? 20 : 0) << c.name;
  }
}

TEST_F(SuperBlockTest, NamesClashOnlyWithinTheirSection) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  ASSERT_EQ(table.AddEntry("Done", kTypeInteger, 0, 0), 0);
  EXPECT_EQ(table.AddEntry("Done", -1, 0, 0), 0);
  EXPECT_EQ(table.AddEntry("Done", -1, 0, 0), kErrGotoExists);
  EXPECT_EQ(table.AddEntry("Done", kTypeString, 8, 0), kErrInternal2);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"Done", "Done"}));
  EXPECT_EQ(table.AddEntry(std::string(33, 'x').c_str(), -1, 0, 0), kErrNameTooLong);
  EXPECT_EQ(notifier.pageKinds.size(), 2u);   // failures change nothing and notify nothing
}

// An empty name would end the table for every reader; adding or renaming to one is refused
// and leaves the table as it was.
TEST_F(SuperBlockTest, EmptyEntryNamesAreRefused) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  ASSERT_EQ(table.AddEntry("a", kTypeInteger, 0, 0), 0);
  ASSERT_EQ(table.AddEntry("x", -1, 0, 0), 0);
  EXPECT_EQ(table.AddEntry("", kTypeInteger, 0, 0), kErrBadName);
  EXPECT_EQ(table.AddEntry("", -1, 0, 0), kErrBadName);
  EXPECT_EQ(table.RenameEntry("x", ""), kErrBadName);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"a", "x"}));
  EXPECT_EQ(notifier.pageKinds.size(), 2u);
}

TEST_F(SuperBlockTest, PageKindOfTheNotification) {
  SBInterfaceTable(AddPage("Billing")).AddEntry("x", kTypeInteger, 0, 0);
  SBInterfaceTable(AddPage("Check", kTypeVerificationBlock)).AddEntry("Success", -1, 0, 0);
  EXPECT_EQ(notifier.pageKinds, (std::vector<int>{1, 2}));
}

TEST_F(SuperBlockTest, AddingAnEntryOpensASlotInEveryCaller) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  table.AddEntry("m", kTypeInteger, 0, 0);
  PBInstance& first = AddPB("Call1", kPBTypeSuperBlock, "Billing");
  PBInstance& other = AddPB("Call2", kPBTypeSuperBlock, "Elsewhere");
  Symbol* amount = Var("Amount", kTypeInteger);
  Hold(first, 0, amount);
  Hold(other, 0, amount);

  ASSERT_EQ(table.AddEntry("a", kTypeInteger, 0, 0), 0);   // position 0
  EXPECT_EQ(Held(first, 0), nullptr);
  EXPECT_EQ(Held(first, 1), amount);
  EXPECT_EQ(Held(other, 0), amount);   // a caller of another page is left alone
  EXPECT_EQ(amount->RefCnt, 2);
  EXPECT_TRUE(hooks.interfaceChanged.empty());   // a variable: the exits stay as they are

  ASSERT_EQ(table.AddEntry("Out", -1, 0, 0), 0);
  EXPECT_EQ(hooks.interfaceChanged, std::vector<Symbol*>{PBSymbol("Call1")});
}

TEST_F(SuperBlockTest, ModeTwoLeavesTheCallersSlots) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  PBInstance& caller = AddPB("Call", kPBTypeSuperBlock, "Billing");
  Symbol* amount = Var("Amount", kTypeInteger);
  Hold(caller, 0, amount);
  ASSERT_EQ(table.AddEntry("a", kTypeInteger, 0, kSBLeaveCallers), 0);
  EXPECT_EQ(Held(caller, 0), amount);
}

TEST_F(SuperBlockTest, RemovingAnExitReleasesTheSlotAndNotifiesEachCaller) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  table.AddEntry("x", kTypeInteger, 0, 0);
  table.AddEntry("Done", -1, 0, 0);
  table.AddEntry("Fail", -1, 0, 0);
  PBInstance& one = AddPB("Call1", kPBTypeSuperBlock, "Billing");
  PBInstance& two = AddPB("Call2", kPBTypeSuperBlock, "Billing");
  PBInstance& target = AddPB("Next", 134);
  (void)target;
  Symbol* next = PBSymbol("Next");
  Symbol* after = Var("After", kTypeInteger);
  Hold(one, 1, next);
  Hold(two, 1, next);
  Hold(one, 2, after);
  notifier.pageKinds.clear();

  ASSERT_EQ(table.RemoveEntry("Done"), 0);
  EXPECT_EQ(notifier.pageKinds, std::vector<int>{1});
  EXPECT_EQ(hooks.interfaceChanged.size(), 2u);
  EXPECT_EQ(next->RefCnt, 0);
  EXPECT_EQ(Held(one, 1), after);   // the following slot moved down
  EXPECT_EQ(Held(one, 2), nullptr);
  EXPECT_EQ(after->RefCnt, 1);
  EXPECT_EQ(table.Table()[1].FieldOffset, 98);
  EXPECT_EQ(table.Table()[1].GotoStrs, table.Table()[1].Name);
  EXPECT_EQ(table.RemoveEntry("Done"), kErrInternal2);
}

TEST_F(SuperBlockTest, RenamingMovesTheEntryAndTheCallersSlot) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  for (const char* exit : {"a", "b", "c"}) table.AddEntry(exit, -1, 0, 0);
  table.AddEntry("v", kTypeInteger, 0, 0);
  PBInstance& caller = AddPB("Call", kPBTypeSuperBlock, "Billing");
  Symbol* x = Var("X", kTypeInteger);
  AddPB("TargetA", 134);
  AddPB("TargetC", 134);
  Hold(caller, 0, x);
  Hold(caller, 1, PBSymbol("TargetA"));
  Hold(caller, 3, PBSymbol("TargetC"));

  ASSERT_EQ(table.RenameEntry("a", "d"), 0);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"v", "b", "c", "d"}));
  EXPECT_EQ(Held(caller, 0), x);
  EXPECT_EQ(Held(caller, 2), PBSymbol("TargetC"));
  EXPECT_EQ(Held(caller, 3), PBSymbol("TargetA"));
  EXPECT_EQ(table.Table()[3].GotoStrs, table.Table()[3].Name);
  EXPECT_EQ(hooks.interfaceChanged.size(), 1u);

  EXPECT_EQ(table.RenameEntry("b", "c"), kErrGotoExists);
  EXPECT_EQ(table.RenameEntry("b", "v"), kErrInternal2);
  EXPECT_EQ(table.RenameEntry("nothing", "e"), kErrInternal2);
  EXPECT_EQ(Names(page), (std::vector<std::string>{"v", "b", "c", "d"}));
}

TEST_F(SuperBlockTest, TableHoldsNoMoreEntriesThanTheFileKeeps) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  for (int i = 0; i < kSBInterfaceCapacity; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "v%02d", i);
    ASSERT_EQ(table.AddEntry(name, kTypeInteger, 0, 0), 0) << i;
  }
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  EXPECT_EQ(table.AddEntry("Exit", -1, 0, 0), kRcLimit);
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_NE(faults.presenter.Boxes()[0].text.find("40"), std::string::npos);
  EXPECT_EQ(table.CountExits(), 0);
  EXPECT_EQ(table.Table()[kSBInterfaceCapacity - 1].FieldOffset, SBSlotOffset(39));
  EXPECT_EQ(SBSlotOffset(39) + scribe::kValueSlotSize, 80 + 40 * 18);   // the end of the kept slots
}

TEST_F(SuperBlockTest, SlotPushedOutByAShiftGivesBackItsReference) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  for (int i = 0; i < kSBInterfaceCapacity - 1; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "v%02d", i);
    table.AddEntry(name, kTypeInteger, 0, kSBLeaveCallers);
  }
  PBInstance& caller = AddPB("Call", kPBTypeSuperBlock, "Billing");
  Symbol* last = Var("Last", kTypeInteger);
  Symbol* stale = Var("Stale", kTypeInteger);
  Hold(caller, 38, last);
  Hold(caller, 39, stale);   // a slot beyond the table's entries

  ASSERT_EQ(table.AddEntry("a", kTypeInteger, 0, 0), 0);
  EXPECT_EQ(stale->RefCnt, 0);
  EXPECT_EQ(Held(caller, 39), last);
  EXPECT_EQ(last->RefCnt, 1);
  for (const auto& [offset, slot] : caller.Area.Slots()) {
    EXPECT_LT(offset, SBSlotOffset(kSBInterfaceCapacity));
    (void)slot;
  }
}

TEST_F(SuperBlockTest, EntryValueAndUnboundTables) {
  Symbol* page = AddPage("LIB.Menu");
  SBInterfaceTable table(page);
  table.AddEntry("Done", -1, 0, 0);
  EXPECT_EQ(table.SetEntryValue("Done", 105), 0);
  EXPECT_EQ(table.Table()[0].StrSize, 105);
  EXPECT_EQ(table.SetEntryValue("None", 1), kErrInternal2);

  SBInterfaceTable unbound(nullptr);
  EXPECT_EQ(unbound.AddEntry("x", -1, 0, 0), kErrInternal2);
  EXPECT_EQ(unbound.RemoveEntry("x"), kErrInternal2);
  EXPECT_EQ(unbound.CountExits(), 0);
  EXPECT_EQ(unbound.Table(), nullptr);
}

TEST_F(SuperBlockTest, CallsOfAPageTakeItsInterfaceAsFieldTable) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable(page).AddEntry("Done", -1, 0, 0);
  PBInstance& caller = AddPB("Call", kPBTypeSuperBlock, "Billing");
  EXPECT_EQ(GetFieldTable(kPBTypeSuperBlock, &caller), SBInterfaceTable(page).Table());
  PBInstance& lost = AddPB("Lost", kPBTypeSuperBlock, "Nowhere");
  EXPECT_EQ(GetFieldTable(kPBTypeSuperBlock, &lost), nullptr);
  const PBTemplatePair* tpl = GetParameterTemplate(kPBTypeSuperBlock, &caller);
  ASSERT_NE(tpl, nullptr);
  EXPECT_EQ(tpl[1].Kind, 100);
}

TEST_F(SuperBlockTest, NotifyPageCallersSendsCodeOneToEachCaller) {
  Symbol* page = AddPage("Billing");
  AddPB("Call1", kPBTypeSuperBlock, "Billing");
  AddPB("Call2", kPBTypeSuperBlock, "Other");
  AddPB("Call3", kPBTypeSuperBlock, "Billing");
  NotifyPageCallers(page);
  EXPECT_EQ(hooks.interfaceChanged.size(), 2u);
}

std::vector<std::pair<int, int>> Pairs(const PBTemplatePair* tpl) {
  std::vector<std::pair<int, int>> out;
  out.emplace_back(tpl->Kind, tpl->Field);
  for (++tpl;; ++tpl) {
    out.emplace_back(tpl->Kind, tpl->Field);
    if (tpl->Kind == 0 && tpl->Field == -101) break;
  }
  return out;
}

const std::vector<std::pair<int, int>> kFixed = {{-1, 0}, {-3, 0}, {-2, 0}, {-10, 0},
                                                {-30, 0}, {-31, 0}, {-278, 0}, {0, -101}};

TEST_F(SuperBlockTest, TemplateOfAVerificationBlock) {
  Symbol* page = AddPage("Check", kTypeVerificationBlock);
  SBInterfaceTable table(page);
  table.AddEntry("v", kTypeInteger, 0, 0);
  table.AddEntry("Success", -1, 0, 0);
  table.AddEntry("Failure", -1, 0, 0);
  table.AddEntry("Maybe", -1, 0, 0);
  std::vector<std::pair<int, int>> expected = {{0, -101}, {101, 1}, {102, 2}, {100, 3}};
  expected.insert(expected.end(), kFixed.begin(), kFixed.end());
  EXPECT_EQ(Pairs(GetSuperBlockTemplate("Check")), expected);
}

TEST_F(SuperBlockTest, TemplateOfSuperBlockAndLibraryPages) {
  SBInterfaceTable plain(AddPage("Billing"));
  plain.AddEntry("b", -1, 0, 0);
  plain.AddEntry("a", -1, 0, 0);
  std::vector<std::pair<int, int>> expected = {{0, -101}, {100, 0}, {101, 1}};
  expected.insert(expected.end(), kFixed.begin(), kFixed.end());
  EXPECT_EQ(Pairs(GetSuperBlockTemplate("Billing")), expected);

  SBInterfaceTable library(AddPage("LIB.Menu"));
  library.AddEntry("a", -1, 0, 0);
  library.AddEntry("b", -1, 0, 0);
  library.SetEntryValue("a", 7);
  library.SetEntryValue("b", 9);
  expected = {{0, -101}, {100, 0}, {9, 1}};
  expected.insert(expected.end(), kFixed.begin(), kFixed.end());
  EXPECT_EQ(Pairs(GetSuperBlockTemplate("LIB.Menu")), expected);
  EXPECT_EQ(GetSuperBlockTemplate("Missing"), nullptr);
}

// A caller keeps the template while it builds the call; a later, larger template must not
// free or move what the earlier pointer reads.
TEST_F(SuperBlockTest, EarlierTemplatePointerStaysReadableAfterALargerOne) {
  SBInterfaceTable small(AddPage("Small"));
  small.AddEntry("x", -1, 0, 0);
  const PBTemplatePair* first = GetSuperBlockTemplate("Small");
  ASSERT_NE(first, nullptr);

  SBInterfaceTable large(AddPage("Large"));
  for (int i = 0; i < kSBInterfaceCapacity; ++i) {
    std::string name = "e" + std::to_string(100 + i);
    ASSERT_EQ(large.AddEntry(name.c_str(), -1, 0, 0), 0);
  }
  const PBTemplatePair* second = GetSuperBlockTemplate("Large");
  ASSERT_NE(second, nullptr);
  std::vector<std::pair<int, int>> pairs = Pairs(second);
  ASSERT_EQ(pairs.size(), 1u + kSBInterfaceCapacity + kFixed.size());
  EXPECT_EQ(pairs[kSBInterfaceCapacity], std::make_pair(100 + kSBInterfaceCapacity - 1, kSBInterfaceCapacity - 1));
  // The earlier pointer now reads the latest template, from storage that is still alive.
  EXPECT_EQ(Pairs(first), pairs);
}

}  // namespace
}  // namespace zeph
