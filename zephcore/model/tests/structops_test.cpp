#include "model/structops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modeltest_util.h"

namespace zeph {
namespace {

std::vector<std::string> Names(const StructMember* m) {
  std::vector<std::string> out;
  for (; m; m = m->Next) out.emplace_back(m->Name);
  return out;
}

class StructOps : public ::testing::Test {
 protected:
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

TEST_F(StructOps, NewDefinitionsGoFirstWithRisingIds) {
  StructDef* a = NewStructureDef("A", 0, 0);
  StructDef* b = NewStructureDef("B", 1, 0, nullptr, 1);
  EXPECT_EQ(a->TypeNum, 100);
  EXPECT_EQ(b->TypeNum, 101);
  EXPECT_EQ(b->FromHeader, 1);
  EXPECT_EQ(t.Structures().First, b);
  EXPECT_EQ(b->NextDef, a);
  EXPECT_EQ(t.Structures().NextId, 102);
  EXPECT_EQ(DeleteStructureDef("A"), 0);
  EXPECT_EQ(NewStructureDef("C", 0, 0)->TypeNum, 102);  // ids are never reused
  EXPECT_EQ(RenameStructure("C", "D"), 0);
  EXPECT_NE(FindStructureByName("D"), nullptr);
  EXPECT_EQ(RenameStructure("C", "E"), 1);
  VectorListSink list;
  ListStructures(t.Structures().First, list);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"D"}));  // B cannot be deleted
}

TEST_F(StructOps, MemberListPositions) {
  StructDef* def = NewStructureDef("S", 0, 0);
  auto add = [&](const char* name) { return NewStructureMember(name, kTypeInteger, 1, def); };
  EXPECT_EQ(InsertMemberAfter(5, &def->FstMem, add("a")), 0);  // empty list: first
  EXPECT_EQ(InsertMemberAfter(0, &def->FstMem, add("b")), 0);  // n = 0: first
  EXPECT_EQ(InsertMemberAfter(2, &def->FstMem, add("c")), 0);  // after the 2nd
  EXPECT_EQ(Names(def->FstMem), (std::vector<std::string>{"b", "a", "c"}));
  StructMember* extra = add("x");
  EXPECT_EQ(InsertMemberAfter(4, &def->FstMem, extra), -1);
  EXPECT_EQ(InsertMemberAt(0, &def->FstMem, extra), 0);        // after position 0
  EXPECT_EQ(Names(def->FstMem), (std::vector<std::string>{"b", "x", "a", "c"}));
  StructMember* more = add("y");
  EXPECT_EQ(InsertMemberAt(4, &def->FstMem, more), -1);
  delete more;
  EXPECT_EQ(RemoveMemberAt(3, &def->FstMem), 0);
  EXPECT_EQ(RemoveMemberAt(3, &def->FstMem), -1);
  EXPECT_EQ(Names(def->FstMem), (std::vector<std::string>{"b", "x", "a"}));
  EXPECT_EQ(GetMemberAt(1, def), extra);
  EXPECT_EQ(extra->ElemNum, 4);
  EXPECT_EQ(GetMemberIdByName(def->TypeNum, "x"), 4);
  EXPECT_EQ(GetMemberIdByName(def->TypeNum, "zz"), 0);
  EXPECT_EQ(GetMemberIdByName(999, "x"), -1);
  EXPECT_EQ(FindMemberById(def->TypeNum, 4), extra);
}

TEST_F(StructOps, SizesAndOffsets) {
  StructDef* inner = test::AddStructure(t, "Inner", {{"P", kTypeSmallInteger}, {"Q", kTypeString}});
  StructDef* outer = test::AddStructure(t, "Outer", {{"C", kTypeCharacter}, {"N", kTypeNumber}, {"In", inner->TypeNum}, {"Z", kTypeInteger}});
  EXPECT_EQ(GetStructureSize(inner), 2 + 16);
  EXPECT_EQ(GetStructureSize(outer), 1 + 8 + 18 + 4);
  int total = 0;
  SumStructureSize(outer, total);
  EXPECT_EQ(total, 1 + 8 + 0 + 2 + 16 + 4);
  StructMember* m = nullptr;
  EXPECT_EQ(GetMemberOffset(outer, "Z", &m), 27);
  EXPECT_STREQ(m->Name, "Z");
  EXPECT_EQ(GetMemberOffset(outer, "In.Q", &m), 9 + 2);
  EXPECT_STREQ(m->Name, "Q");
  EXPECT_EQ(GetMemberOffset(outer, "Nope", &m), -1);
  EXPECT_EQ(GetMemberOffset(outer, "C.X", &m), -1);
}

TEST_F(StructOps, SizeOfSelfNestedStructureEnds) {
  StructDef* def = NewStructureDef("Loop", 0, 0);
  InsertMemberAfter(0, &def->FstMem, NewStructureMember("Self", def->TypeNum, 1, def));
  InsertMemberAfter(1, &def->FstMem, NewStructureMember("V", kTypeInteger, 1, def));
  int total = 0;
  SumStructureSize(def, total);
  EXPECT_GT(total, 0);
}

TEST_F(StructOps, Listings) {
  StructDef* inner = test::AddStructure(t, "Inner", {{"P", kTypeSmallInteger}});
  StructDef* outer = test::AddStructure(t, "Outer", {{"Name", kTypeString}, {"In", inner->TypeNum}, {"Play", kTypePlayParms}, {"B", kTypeBoolean}});
  VectorListSink members;
  ListStructureMembers(outer, members);
  EXPECT_EQ(members.lines, (std::vector<std::string>{"001: Name *STRING 16", "002: In Inner 1", "003: Play PlayParms 1",
                                                     "004: B boolean 1"}));
  VectorListSink bySmall;
  ListMembersByTypeMask(outer, bySmall, MaskOfTypes({kTypeSmallInteger}));
  EXPECT_EQ(bySmall.lines, (std::vector<std::string>{"@In", "In", "Play"}));
  VectorListSink byString;
  ListMembersByTypeMask(outer, byString, MaskOfTypes({kTypeString}));
  EXPECT_EQ(byString.lines, (std::vector<std::string>{"Name", "Play"}));
}

TEST_F(StructOps, MemberTypeMasks) {
  StructDef* inner = test::AddStructure(t, "Inner", {{"P", kTypeSmallInteger}, {"N", kTypeNumber}});
  std::uint32_t w1 = 0, w2 = 0;
  EXPECT_EQ(AddTypeToMask(w1, w2, inner->TypeNum), 0);
  EXPECT_EQ(w1, (1u << kTypeSmallInteger) | (1u << kTypeNumber));
  EXPECT_EQ(AddTypeToMask(w1, w2, kTypeVoiceSentence), 0);
  EXPECT_EQ(w2, 1u << (kTypeVoiceSentence - 32));
  EXPECT_EQ(AddTypeToMask(w1, w2, -1), -1);
  // A type stays while a member still has it.
  EXPECT_EQ(RemoveTypeFromMask(w1, w2, kTypeNumber, inner->FstMem), 0);
  EXPECT_NE(w1 & (1u << kTypeNumber), 0u);
  EXPECT_EQ(RemoveTypeFromMask(w1, w2, kTypeNumber, nullptr), 0);
  EXPECT_EQ(w1 & (1u << kTypeNumber), 0u);
  EXPECT_EQ(RemoveTypeFromMask(w1, w2, -2, nullptr), -1);
}

TEST_F(StructOps, StructureOfReference) {
  StructDef* def = test::AddStructure(t, "Rec", {{"F", kTypeInteger}});
  test::AddVariable(t, "R", def->TypeNum);
  EXPECT_EQ(GetStructureOfReference("@R"), def);
  EXPECT_EQ(GetStructureOfReference("@Q"), nullptr);
  TypeMask m;
  m.Allowed1 = 1u << (def->TypeNum - 100);
  EXPECT_EQ(FindStructureInMask(m), def);
}

}  // namespace
}  // namespace zeph
