// Structure definitions through the clipboard: copied with the structures their members
// use, pasted under their names, and left alone where the target has the name.

#include <cstring>

#include "clipboard_testutil.h"
#include "model/structops.h"

namespace zeph::test {
namespace {

class ClipStructs : public ClipboardTest {
 protected:
  // "Outer" {Flag, In of "Inner" {Count, Label}, Rate} in a program of its own.
  std::unique_ptr<TProgram> Source() {
    auto p = NewProgram();
    StructDef* outer = AddNestedStructures(p->Symbols());
    InsertMemberAfter(2, &outer->FstMem, NewStructureMember("Rate", kTypeNumber, 1, outer));
    return p;
  }

  static std::string Members(TProgram& p, const char* name) {
    const StructDef* def = FindStructureByName(name, &p.Symbols());
    if (def == nullptr) return "<none>";
    std::string out;
    for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
      const StructDef* nested = m->Type >= kFirstStructureId ? FindStructureById(m->Type, &p.Symbols()) : nullptr;
      out += std::string(m->Name) + ":" + (nested ? nested->Name : std::to_string(m->Type)) + ":" +
             std::to_string(m->Size) + " ";
    }
    return out;
  }
};

TEST_F(ClipStructs, AStructureComesWithTheStructuresItsMembersUse) {
  auto source = Source();
  clip->Empty();
  clip->SourceSerial = static_cast<std::int32_t>(source->SerialNumber());
  clip->Mode = kClipStructure;
  ASSERT_EQ(clip->AddStructDefn(FindStructureByName("Outer", &source->Symbols()), *source), 0);
  // Newest first: the structure asked for, then the one it needed.
  ASSERT_EQ(clip->GetCount(), 2);
  EXPECT_STREQ(clip->Entries()[0].Name, "Outer");
  EXPECT_EQ(clip->Entries()[0].Dependent, 0);
  EXPECT_STREQ(clip->Entries()[1].Name, "Inner");
  EXPECT_EQ(clip->Entries()[1].Dependent, 1);
  EXPECT_EQ(clip->Entries()[1].Kind, kClipStructure);

  // The target numbers its structures its own way; members follow by name.
  auto target = NewProgram();
  NewStructureDef("Other", 0, 0, &target->Symbols());
  ASSERT_EQ(clip->PasteStructDefns(*target), 1);
  EXPECT_EQ(Members(*target, "Outer"), "Flag:2:1 In:Inner:1 Rate:5:1 ");
  EXPECT_EQ(Members(*target, "Inner"), "Count:3:1 Label:6:12 ");
  EXPECT_EQ(FindStructureByName("Outer", &target->Symbols())->FstMem->Next->ElemNum,
            FindStructureByName("Outer", &source->Symbols())->FstMem->Next->ElemNum);
  // Nothing more to paste: both are there now.
  EXPECT_EQ(clip->PasteStructDefns(*target), 0);
  EXPECT_EQ(RecountDifferences(*target), "");
}

TEST_F(ClipStructs, ANameInUseInTheTargetIsNotPastedOver) {
  auto source = Source();
  clip->Empty();
  ASSERT_EQ(clip->AddStructDefn(FindStructureByName("Inner", &source->Symbols()), *source), 0);
  struct Case {
    const char* what;
    bool symbol;
  } cases[] = {{"a structure of the name", false}, {"a variable of the name", true}};
  for (const Case& c : cases) {
    auto target = NewProgram();
    if (c.symbol) {
      AddVariable(*target, "Inner", kTypeInteger);
    } else {
      StructDef* other = NewStructureDef("Inner", 0, 0, &target->Symbols());
      InsertMemberAfter(0, &other->FstMem, NewStructureMember("X", kTypeBoolean, 1, other));
    }
    const std::string before = Save(*target);
    EXPECT_EQ(clip->PasteStructDefns(*target), 0) << c.what;
    EXPECT_EQ(Save(*target), before) << c.what;
  }
}

TEST_F(ClipStructs, CopyingAStructureTheClipboardHoldsFails) {
  auto source = Source();
  clip->Empty();
  const StructDef* inner = FindStructureByName("Inner", &source->Symbols());
  ASSERT_EQ(clip->AddStructDefn(inner, *source), 0);
  EXPECT_EQ(clip->AddStructDefn(inner, *source), 1);
  EXPECT_EQ(clip->AddStructDefn(nullptr, *source), 1);
  EXPECT_EQ(clip->GetCount(), 1);
}

TEST_F(ClipStructs, StructureEqualityIgnoresTheNameOnlyWhenAsked) {
  auto a = Source();
  auto b = Source();
  SymbolTable& ta = a->Symbols();
  SymbolTable& tb = b->Symbols();
  EXPECT_TRUE(StructuresEqual(FindStructureByName("Outer", &ta), ta, FindStructureByName("Outer", &tb), tb, true));
  RenameStructure("Outer", "Renamed", &tb);
  EXPECT_FALSE(StructuresEqual(FindStructureByName("Outer", &ta), ta, FindStructureByName("Renamed", &tb), tb, true));
  EXPECT_TRUE(StructuresEqual(FindStructureByName("Outer", &ta), ta, FindStructureByName("Renamed", &tb), tb, false));
  // A member of another size, a missing member, a nested structure that differs.
  FindStructureByName("Inner", &tb)->FstMem->Next->Size = 13;
  EXPECT_FALSE(StructuresEqual(FindStructureByName("Inner", &ta), ta, FindStructureByName("Inner", &tb), tb, false));
  EXPECT_FALSE(StructuresEqual(FindStructureByName("Outer", &ta), ta, FindStructureByName("Renamed", &tb), tb, false));
  FindStructureByName("Inner", &tb)->FstMem->Next->Size = 12;
  RemoveMemberAt(2, &FindStructureByName("Renamed", &tb)->FstMem);
  EXPECT_FALSE(StructuresEqual(FindStructureByName("Outer", &ta), ta, FindStructureByName("Renamed", &tb), tb, false));
}

TEST_F(ClipStructs, EmptyLeavesNothing) {
  auto source = Source();
  ASSERT_EQ(clip->AddStructDefn(FindStructureByName("Outer", &source->Symbols()), *source), 0);
  clip->Mode = kClipStructure;
  EXPECT_EQ(clip->Empty(), 0);
  EXPECT_EQ(clip->GetCount(), 0);
  EXPECT_EQ(clip->Mode, kClipEmpty);
  EXPECT_EQ(FindStructureByName("Outer", &clip->Program().Symbols()), nullptr);
  EXPECT_EQ(clip->Program().Symbols().NamesUnqualified, 1);
  EXPECT_EQ(clip->Program().Symbols().SymbolPageCheck, 0);
}

}  // namespace
}  // namespace zeph::test
