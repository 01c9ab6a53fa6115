// The designer's variable pick without its dialog: the type selection each kind of call
// asks for, the holder preset from a field's text, and the reference node that only a
// confirmed pick changes.
#include "model/interface/variable_selection.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/structops.h"
#include "model/symtable.h"
#include "modeltest_util.h"

namespace zeph {

// Compared and printed field by field in the checks below.
bool operator==(const TypeSelection& a, const TypeSelection& b) {
  return a.Allowed1 == b.Allowed1 && a.Allowed2 == b.Allowed2 && a.AddStructs == b.AddStructs &&
         a.StructNum == b.StructNum && a.WholeArray == b.WholeArray && a.MinNumber == b.MinNumber;
}

void PrintTo(const TypeSelection& s, std::ostream* os) {
  *os << std::hex << "{" << s.Allowed1 << ", " << s.Allowed2 << ", " << std::dec << s.AddStructs << ", "
      << s.StructNum << ", " << s.WholeArray << ", " << s.MinNumber << "}";
}

namespace {

TEST(VariableSelection, KindFlagsBuildTheirSelection) {
  constexpr std::uint32_t given1 = 0x12345678;
  constexpr std::uint32_t given2 = 0x9ABCDEF0;
  const struct {
    int kind;
    TypeSelection expected;
  } cases[] = {
      {-1, {given1, given2, 0, 0, 0, 0}},
      {16, {0xFFFFFFFE, 0xFFFFF4F1, -1, 0, 2, -1}},
      {0, {0, 0, 0, 0, 0, 0}},
      {1, {(1u << 6) | (1u << 20), 0, 0, 0, 0, 0}},
      {2, {0x3E, 0, 0, 0, 0, 0}},
      {4, {0, 1u << 2, 0, 0, 0, 0}},
      {8, {(1u << 19) | (1u << 20), 0, 0, 0, 0, 0}},
      {1 | 2 | 4 | 8, {0x3E | (1u << 6) | (1u << 19) | (1u << 20), 1u << 2, 0, 0, 0, 0}},
      // Bits without a meaning add nothing, and the given masks count only for -1.
      {0x20 | 2, {0x3E, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectionForKind(c.kind, given1, given2), c.expected) << "kind " << c.kind;
  }
}

TEST(VariableSelection, AnUnrestrictedPickOffersEveryVariableTypeAndStructure) {
  const TypeSelection expected{0xFFFFFFFE, 0xFFFFF5F1, -1, 0, 0, 0};
  EXPECT_EQ(UnrestrictedSelection(), expected);
}

class VariableHolder : public ::testing::Test {
 protected:
  VariableHolder() {
    inner = test::AddStructure(t, "Inner", {{"G", kTypeSmallInteger}});
    rec = test::AddStructure(t, "Rec", {{"F", kTypeInteger}, {"Sub", inner->TypeNum}});
    a = test::AddVariable(t, "A", kTypeInteger, 5);
    r = test::AddVariable(t, "R", rec->TypeNum);
    text = test::AddVariable(t, "Name", kTypeString);
    LibraryReferenceNode().Clear();
  }
  ~VariableHolder() override { LibraryReferenceNode().Clear(); }

  test::CurrentTable ct;
  SymbolTable& t = ct.table;
  StructDef* inner;
  StructDef* rec;
  Symbol* a;
  Symbol* r;
  Symbol* text;
};

TEST_F(VariableHolder, AGivenSelectionIsCopiedAndNeedsAChoice) {
  const TypeSelection selection = SelectionForKind(16, 0, 0);
  PickRequest holder;
  PrepareVariableHolder(holder, &selection, nullptr, &t);
  EXPECT_EQ(holder.Allowed1, selection.Allowed1);
  EXPECT_EQ(holder.Allowed2, selection.Allowed2);
  EXPECT_EQ(holder.AddStructs, -1);
  EXPECT_EQ(holder.WholeArray, 2);
  EXPECT_EQ(holder.MinNumber, -1);
  EXPECT_EQ(holder.NoSelectionNeeded, 0);
  EXPECT_EQ(holder.Chosen, nullptr);

  PrepareVariableHolder(holder, nullptr, nullptr, &t);
  EXPECT_EQ(holder.Allowed1, 0xFFFFFFFEu);
  EXPECT_EQ(holder.Allowed2, 0xFFFFF5F1u);
  EXPECT_EQ(holder.AddStructs, -1);
  EXPECT_EQ(holder.WholeArray, 0);
  EXPECT_EQ(holder.NoSelectionNeeded, 1);
}

TEST_F(VariableHolder, TheCurrentTextPresetsTheChoice) {
  PickRequest holder;
  PrepareVariableHolder(holder, nullptr, "R.Sub.G", &t);
  EXPECT_EQ(holder.Chosen, r);
  EXPECT_EQ(holder.MemberNumber, GetMemberIdByName(rec->TypeNum, "Sub"));
  EXPECT_EQ(holder.Member2, GetMemberIdByName(inner->TypeNum, "G"));
  EXPECT_FALSE(holder.Index);

  PrepareVariableHolder(holder, nullptr, "A[3]", &t);
  EXPECT_EQ(holder.Chosen, a);
  EXPECT_EQ(holder.MemberNumber, 0);
  EXPECT_EQ(holder.Member2, 0);
  ASSERT_TRUE(holder.Index);
  EXPECT_EQ(holder.Index->ConstType, kTypeSmallInteger);
}

TEST_F(VariableHolder, ATextThatNamesNoVariableLeavesEveryPartZero) {
  // A variable outside the selection, member paths that break off, a plain constant.
  const TypeSelection numbers = SelectionForKind(2, 0, 0);
  const struct {
    const char* text;
    const TypeSelection* selection;
  } cases[] = {{"Name", &numbers}, {"R.Sub.X", nullptr}, {"R.F.G", nullptr}, {"A[9]", nullptr},
               {"Nope", nullptr}, {"42", nullptr}, {"", nullptr}};
  for (const auto& c : cases) {
    PickRequest holder;
    PrepareVariableHolder(holder, nullptr, "R.Sub.G", &t);   // a choice left from before
    holder.Index = std::make_unique<SymP>();
    PrepareVariableHolder(holder, c.selection, c.text, &t);
    EXPECT_EQ(holder.Chosen, nullptr) << c.text;
    EXPECT_EQ(holder.MemberNumber, 0) << c.text;
    EXPECT_EQ(holder.Member2, 0) << c.text;
    EXPECT_FALSE(holder.Index) << c.text;
  }
}

TEST_F(VariableHolder, OnlyAConfirmedPickChangesTheLibraryNode) {
  PickRequest first;
  PrepareVariableHolder(first, nullptr, "R.F", &t);
  SymP* node = CommitVariableChoice(first);
  ASSERT_EQ(node, &LibraryReferenceNode());
  EXPECT_EQ(node->S, r);
  EXPECT_EQ(FormatVariableReference(*node, &t), "R.F");

  // Presetting another pick parses into a node of its own.
  PickRequest second;
  PrepareVariableHolder(second, nullptr, "A[2]", &t);
  EXPECT_EQ(LibraryReferenceNode().S, r);
  EXPECT_EQ(FormatVariableReference(LibraryReferenceNode(), &t), "R.F");

  CommitVariableChoice(second);
  EXPECT_EQ(FormatVariableReference(LibraryReferenceNode(), &t), "A[2]");
  // The node owns a copy: the holder going away leaves it whole.
  second.ClearChoice();
  EXPECT_EQ(FormatVariableReference(LibraryReferenceNode(), &t), "A[2]");
}

}  // namespace
}  // namespace zeph
