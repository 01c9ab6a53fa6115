#include "model/predef_structs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace zeph {
namespace {

int ChainLength(const StructMember* m) {
  int n = 0;
  for (; m != nullptr; m = m->Next) ++n;
  return n;
}

const StructDef* Find(const char* name) {
  for (const StructDef* d = PredefinedStructHead(); d != nullptr; d = d->NextDef) {
    if (std::strcmp(d->Name, name) == 0) return d;
  }
  return nullptr;
}

TEST(PredefinedStructs, FortyStructuresChainedWithEveryMember) {
  DefinePredefinedStructs();
  DefinePredefinedStructs();   // a second run changes nothing
  int count = 0, members = 0;
  std::set<int> codes;
  for (const StructDef* d = PredefinedStructHead(); d != nullptr; d = d->NextDef, ++count) {
    EXPECT_EQ(d, PredefinedStruct(count));
    EXPECT_EQ(ChainLength(d->FstMem), PredefinedMemberCount(count)) << d->Name;
    EXPECT_EQ(d->CantDelete, 1);
    EXPECT_EQ(d->MembersAreInvisible, 0);
    EXPECT_LT(d->TypeNum, 100);
    EXPECT_TRUE(codes.insert(d->TypeNum).second) << d->Name;
    int last = 0;
    for (const StructMember* m = d->FstMem; m != nullptr; m = m->Next) {
      EXPECT_GT(m->ElemNum, last) << d->Name;
      last = m->ElemNum;
      EXPECT_EQ(m->RefCnt, 0);
      EXPECT_TRUE(m->Comment.empty());
      // Member-type masks name every member type.
      const bool inMask = m->Type < 32 ? (d->Allowed1 >> m->Type) & 1 : (d->Allowed2 >> (m->Type - 32)) & 1;
      EXPECT_TRUE(inMask) << d->Name << "." << m->Name;
    }
    EXPECT_EQ(d->NextStructMemNum, last + 1) << d->Name;
    members += PredefinedMemberCount(count);
  }
  EXPECT_EQ(count, kPredefinedStructCount);
  EXPECT_EQ(members, 644);
  EXPECT_STREQ(PredefinedStructHead()->Name, "bMail");
  EXPECT_EQ(PredefinedStruct(40), nullptr);
}

TEST(PredefinedStructs, MembersCarryTheirNumbersTypesAndSizes) {
  struct Case {
    const char* structure;
    int position;   // from 0
    const char* member;
    int number, type, size;
  } cases[] = {
      {"bMail", 0, "MailLoc", 1, 6, 48},
      {"bMail", 8, "TimeCreated", 9, 19, 1},
      {"bMailBoxDef", 47, "MsgExpireOld", 48, 3, 1},
      {"LogFile", 9, "Value7", 10, 3, 48},
      {"LogFile", 8, "Value6", 9, 3, 1},
      {"LogFile", 10, "Value8", 11, 3, 1},
      {"Mail", 15, "BeenRead", 16, 3, 1},
      {"Mail", 16, "HowSent", 18, 3, 1},   // there is no member 17
      {"Mail", 18, "Reserved1", 20, 3, 1},
      {"MenuParm", 9, "TossTypeAhead", 10, 2, 1},
      {"MenuParm", 10, "NoRepPrompt", 12, 2, 1},   // there is no member 11
      {"MsgStruct", 37, "TextRead", 38, 53, 1},
      {"EntryKStruct", 3, "TermAndSave", 4, 3, 1},
      {"AddrParm", 2, "Location", 3, 6, 513},
      {"Mail", 11, "TimeCreated", 12, 20, 1},
      {"HeaderStruct", 9, "MsgID", 10, 5, 1},
  };
  for (const Case& c : cases) {
    const StructDef* d = Find(c.structure);
    ASSERT_NE(d, nullptr) << c.structure;
    const StructMember* m = d->FstMem;
    for (int i = 0; i < c.position && m != nullptr; ++i) m = m->Next;
    ASSERT_NE(m, nullptr) << c.structure;
    EXPECT_STREQ(m->Name, c.member) << c.structure;
    EXPECT_EQ(m->ElemNum, c.number) << c.member;
    EXPECT_EQ(m->Type, c.type) << c.member;
    EXPECT_EQ(m->Size, c.size) << c.member;
  }
}

}  // namespace
}  // namespace zeph
