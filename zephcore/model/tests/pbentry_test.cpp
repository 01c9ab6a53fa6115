#include "model/pbentry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/custompb.h"
#include "model/pbcat.h"
#include "model/pbfield_lookup.h"
#include "model/predef_structs.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

constexpr int kMessageType = 1;   // VMessage: gotos "End of File" (slot 40), "User Terminates" (58)
constexpr int kRecordType = 3;

class PBEntry : public ::testing::Test {
 protected:
  PBEntry() {
    // The predefined structures end the structure list, as every program's does.
    t.Structures().First = PredefinedStructHead();
    TheCatalogue();
  }

  // A VavurOrezo symbol with its instance, as the application object files them.
  PBInstance& AddPB(const char* name, int type) {
    Symbol* s = AddVavurOrezoSymbol(name, &t);
    auto inst = std::make_unique<PBInstance>();
    inst->Name = name;
    inst->Type = static_cast<std::int16_t>(type);
    PBInstance& ref = *inst;
    s->Data = std::move(inst);
    return ref;
  }
  Symbol* SymbolOf(const char* name) { return LookupSymbol(name, kTypeVavurOrezo, &t); }

  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

TEST_F(PBEntry, SetGotoReferencesTheTargetAndClearGotoReleasesIt) {
  PBInstance& msg = AddPB("Play", kMessageType);
  AddPB("Next", kMessageType);
  ASSERT_EQ(PBEntrySetGoto("Next", 1, msg), 0);
  const SymP* slot = msg.Area.FindSlot(58);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->S, SymbolOf("Next"));
  EXPECT_EQ(SymbolOf("Next")->RefCnt, 1);

  // Pointing the goto elsewhere gives the first reference back.
  AddPB("Other", kMessageType);
  ASSERT_EQ(PBEntrySetGoto("Other", 1, msg), 0);
  EXPECT_EQ(SymbolOf("Next")->RefCnt, 0);
  EXPECT_EQ(SymbolOf("Other")->RefCnt, 1);

  msg.GotoMask = 0x3;
  PBEntryClearGoto(msg, 1);
  EXPECT_EQ(msg.GotoMask, 0x1);
  EXPECT_EQ(SymbolOf("Other")->RefCnt, 0);
  EXPECT_TRUE(msg.Area.IsSlotEmpty(58));
}

TEST_F(PBEntry, GotoIndexesBeyondTheTableAreRefused) {
  PBInstance& msg = AddPB("Play", kMessageType);
  EXPECT_EQ(PBEntrySetGoto("Play", 2, msg), -1);    // only two gotos
  EXPECT_EQ(PBEntrySetGoto("Play", -1, msg), -1);
  PBInstance& super = AddPB("Call", kPBTypeSuperBlock);
  super.Companion = "NoSuchPage";
  EXPECT_EQ(PBEntrySetGoto("Play", 0, super), -1);   // no field table
  PBEntryClearGoto(msg, 5);                           // nothing happens
  EXPECT_EQ(msg.GotoMask, 0);
}

TEST_F(PBEntry, GotoToAVavurOrezoNotDrawnYetKeepsItsName) {
  PBInstance& msg = AddPB("Play", kMessageType);
  ASSERT_EQ(PBEntrySetGoto("Later", 0, msg), 0);
  const SymP* slot = msg.Area.FindSlot(40);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->S, nullptr);
  EXPECT_STREQ(slot->ConstText(), "Later");
}

TEST_F(PBEntry, UnfinishedWhileARequiredGotoOrTheCompleteFlagIsMissing) {
  PBInstance& msg = AddPB("Play", kMessageType);
  AddPB("A", kMessageType);
  msg.Complete = 1;
  EXPECT_EQ(PBEntryIsUnfinished(msg), 1);            // no gotos yet
  PBEntrySetGoto("A", 0, msg);
  EXPECT_EQ(PBEntryIsUnfinished(msg), 1);            // second goto still missing
  PBEntrySetGoto("Later", 1, msg);
  EXPECT_EQ(PBEntryIsUnfinished(msg), 1);            // a name is no target yet
  PBEntrySetGoto("A", 1, msg);
  EXPECT_EQ(PBEntryIsUnfinished(msg), 0);
  msg.Complete = 0;
  EXPECT_EQ(PBEntryIsUnfinished(msg), 1);

  PBInstance& custom = AddPB("Code", kPBTypeCustom);  // its goto may not be blank
  custom.Complete = 1;
  EXPECT_EQ(PBEntryIsUnfinished(custom), 1);
  PBEntrySetGoto("A", 0, custom);
  EXPECT_EQ(PBEntryIsUnfinished(custom), 0);
}

TEST_F(PBEntry, RecordRecomputesItsCompleteFlag) {
  PBInstance& rec = AddPB("Rec", kRecordType);
  const PBFieldDef* table = GetFieldTable(kRecordType, &rec);
  ASSERT_STREQ(table[0].Name, "Max Record Length (Sec)");
  AddPB("To", kMessageType);
  // Every goto given; the plain fields decide.
  for (int n = 0; n < 7; ++n) ASSERT_EQ(PBEntrySetGoto("To", n, rec), 0);
  auto fill = [&](int index) { rec.Area.Slot(table[index].FieldOffset)->SetConstText("x"); };
  // Menu supervision off: the menu fields may stay empty; message parameters too while no
  // message voice sentence is given.
  for (int index : {0, 1, 6}) fill(index);
  EXPECT_EQ(PBEntryIsUnfinished(rec), 0);
  EXPECT_EQ(rec.Complete, 1);
  // Menu supervision on: the menu parameters are required.
  rec.Area.SetWord(2, 1);
  EXPECT_EQ(PBEntryIsUnfinished(rec), 1);
  EXPECT_EQ(rec.Complete, 0);
  for (int index : {5, 10, 11}) fill(index);
  EXPECT_EQ(PBEntryIsUnfinished(rec), 0);
  // A message voice sentence makes the message parameters required.
  Symbol* vs = test::AddVariable(t, "Hello", kTypeVoiceSentence);
  rec.Area.Slot(78)->S = vs;
  EXPECT_EQ(PBEntryIsUnfinished(rec), 1);
  fill(2);
  EXPECT_EQ(PBEntryIsUnfinished(rec), 0);
}

TEST_F(PBEntry, UnlinkGotosToClearsEveryGotoToTheTarget) {
  PBInstance& a = AddPB("A", kMessageType);
  PBInstance& b = AddPB("B", kMessageType);
  AddPB("Gone", kMessageType);
  PBEntrySetGoto("Gone", 0, a);
  PBEntrySetGoto("Gone", 1, b);
  PBEntrySetGoto("B", 0, b);
  PBEntrySetGoto("Gone", 1, a);
  ASSERT_EQ(SymbolOf("Gone")->RefCnt, 3);
  PBInstance& c = AddPB("C", kMessageType);
  c.Area.Slot(40)->SetConstText("Gone");   // a goto that holds text is left alone

  UnlinkGotosTo(*t.TreeSlot(kTypeVavurOrezo), SymbolOf("Gone"));
  EXPECT_EQ(SymbolOf("Gone")->RefCnt, 0);
  EXPECT_TRUE(a.Area.IsSlotEmpty(40));
  EXPECT_TRUE(a.Area.IsSlotEmpty(58));
  EXPECT_TRUE(b.Area.IsSlotEmpty(58));
  EXPECT_EQ(b.Area.FindSlot(40)->S, SymbolOf("B"));   // other targets stay
  EXPECT_STREQ(c.Area.FindSlot(40)->ConstText(), "Gone");
}

TEST_F(PBEntry, UnlinkSkipsDeletedVavurOrezos) {
  PBInstance& a = AddPB("A", kMessageType);
  AddPB("Gone", kMessageType);
  PBEntrySetGoto("Gone", 0, a);
  SymbolOf("A")->Deleted = 1;
  UnlinkGotosTo(*t.TreeSlot(kTypeVavurOrezo), SymbolOf("Gone"));
  EXPECT_EQ(SymbolOf("Gone")->RefCnt, 1);
}

TEST_F(PBEntry, ReleaseGivesBackReferencesAndCustomUses) {
  Symbol* v = test::AddVariable(t, "Parms", 13);
  PBInstance& msg = AddPB("Play", kMessageType);
  SymP* slot = msg.Area.Slot(22);
  ParseVariableReference("Parms", *slot, AllTypesMask(), nullptr, &t);
  UpdateReferenceCount(*slot, 1, &t);
  ASSERT_EQ(v->RefCnt, 1);

  CustomPBList customs;
  ASSERT_EQ(CustomPBAdd(customs, "Calc", &t), 0);
  CustomPBAddRef(customs, "Calc");
  SetActiveCustomPBList(&customs);
  PBInstance& code = AddPB("UseCalc", kPBTypeCustom);
  code.Companion = "Calc";

  ReleaseVavurOrezoRefs(*t.TreeSlot(kTypeVavurOrezo), &t);
  EXPECT_EQ(v->RefCnt, 0);
  EXPECT_TRUE(msg.Area.IsSlotEmpty(22));
  EXPECT_EQ(CustomPBFind(customs, "Calc")->RefCount, 0);
  SetActiveCustomPBList(nullptr);
}

TEST_F(PBEntry, ResetProgramEmptiesTheProgramButKeepsPredefinedStructures) {
  test::AddStructure(t, "MyRec", {{"F", kTypeInteger}});
  test::AddVariable(t, "X", kTypeInteger);
  AddPB("A", kMessageType);
  CustomPBList customs;
  CustomPBAdd(customs, "Calc", &t);

  ResetProgram(&t, &customs);
  EXPECT_EQ(*t.TreeSlot(kTypeVavurOrezo), nullptr);
  EXPECT_EQ(*t.TreeSlot(kTypeInteger), nullptr);
  EXPECT_EQ(t.SymbolPageCheck, 0);
  EXPECT_EQ(customs.Head, nullptr);
  ASSERT_NE(t.Structures().First, nullptr);
  EXPECT_STREQ(t.Structures().First->Name, "bMail");
  EXPECT_STREQ(t.Structures().First->FstMem->Name, "MailLoc");
  EXPECT_EQ(t.Structures().First->FstMem->ElemNum, 1);
  StructDef* next = NewStructureDef("Again", 0, 0, &t);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->TypeNum, 100);
}

TEST_F(PBEntry, OwnTableCopiesTheGoverningTableWithItsOwnLabels) {
  PBInstance& msg = AddPB("Play", kMessageType);
  PBOwnFieldTable& own = msg.MakeOwnTable();
  ASSERT_EQ(own.Count(), 4);
  EXPECT_STREQ(own.Entries()[2].GotoStrs, "End of File");
  EXPECT_NE(own.Entries()[2].GotoStrs, GetPBType(kMessageType)->FieldTable[2].GotoStrs);
  own.SetLabel(2, "Done");
  EXPECT_STREQ(GetFieldTable(kMessageType, &msg)[2].GotoStrs, "Done");
  EXPECT_STREQ(GetPBType(kMessageType)->FieldTable[2].GotoStrs, "End of File");
  EXPECT_EQ(&msg.MakeOwnTable(), &own);
}

TEST(PBParameterArea, WordsAreLittleEndianAndStayInside) {
  PBParameterArea area;
  area.SetWord(2, -2);
  EXPECT_EQ(area.Bytes()[2], 0xFE);
  EXPECT_EQ(area.Bytes()[3], 0xFF);
  EXPECT_EQ(area.Word(2), -2);
  area.SetLong(78, 0x12345678);
  EXPECT_EQ(area.Long(78), 0x12345678);
  EXPECT_EQ(area.Bytes()[78], 0x78);
  EXPECT_EQ(area.Word(1019), 0);            // would run past the area
  EXPECT_EQ(area.Slot(1010), nullptr);      // a slot must fit the area
  EXPECT_TRUE(area.IsSlotEmpty(80));
}

}  // namespace
}  // namespace zeph
