// Setting, reading and defaulting VavurOrezo parameters by field.
#include "model/pbaccess.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/modelcodes.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

// 0 check box (on-value 4), 1 radio numbered from 1, 2 plain radio with base 2, 3 integer
// constant or variable, 4 string variable, 5 string constant of 8 bytes, 6 choice, 7 goto.
constexpr const char* kFields =
    "xFlag:on=4|rMode:radio=A/B/C|rPlain:plain,base=2,radio=A/B/C/D|eAmount:int|vName:str|"
    "eTitle:str,len=8|cChoice:list=7|gNext";

class PBAccessEntry : public test::ModelFixture {
 protected:
  PBAccessEntry() : table(test::BuildTable(kFields)), pb(AddPB("Block", kPBTypeCustom)) {}

  PBFieldAccessor Accessor() { return PBFieldAccessor(&pb, 0, table->Entries(), 1); }
  const PBFieldDef& F(int i) const { return table->Entries()[i]; }
  std::int32_t Number(int i) {
    std::int32_t n = -999;
    EXPECT_NE(Accessor().GetEntry(i, &n), nullptr);
    return n;
  }
  std::string Text(int i) {
    std::string s = "unset";
    EXPECT_NE(Accessor().GetEntry(i, &s), nullptr);
    return s;
  }
  int SetNumber(int i, std::int32_t n) { return Accessor().SetEntry(i, &n); }

  std::unique_ptr<scribe::FieldTable> table;
  PBInstance& pb;
};

TEST_F(PBAccessEntry, CheckBoxStoresItsOnValue) {
  ASSERT_EQ(SetNumber(0, 7), 1);
  EXPECT_EQ(pb.Area.Word(F(0).FieldOffset), 4);
  EXPECT_EQ(Number(0), 4);
  ASSERT_EQ(SetNumber(0, 0), 1);
  EXPECT_EQ(pb.Area.Word(F(0).FieldOffset), 0);
  EXPECT_EQ(Number(0), 0);
}

TEST_F(PBAccessEntry, RadioGroupsStoreTheButtonIndex) {
  ASSERT_EQ(SetNumber(1, 3), 1);   // numbered from 1: the index is the number less 1
  EXPECT_EQ(pb.Area.Word(F(1).FieldOffset), 2);
  ASSERT_EQ(SetNumber(2, 5), 1);   // numbered from its base: less 1 and the base
  EXPECT_EQ(pb.Area.Word(F(2).FieldOffset), 2);
}

// Every button of a group reads back as set; a number naming no button is refused and the
// stored button stays.
TEST_F(PBAccessEntry, RadioGroupReadsBackWhatWasSetAndRefusesOtherNumbers) {
  struct Case {
    int field;
    std::vector<std::int32_t> valid, invalid;
  };
  const Case cases[] = {{1, {1, 2, 3}, {-1, 0, 4, 9}},          // numbered from 1, three buttons
                        {2, {3, 4, 5, 6}, {0, 1, 2, 7, 9}}};    // base 2, four buttons
  for (const Case& c : cases) {
    for (std::int32_t n : c.valid) {
      ASSERT_EQ(SetNumber(c.field, n), 1) << "field " << c.field << " value " << n;
      EXPECT_EQ(Number(c.field), n) << "field " << c.field << " value " << n;
    }
    for (std::int32_t n : c.invalid) {
      EXPECT_EQ(SetNumber(c.field, n), 0) << "field " << c.field << " value " << n;
      EXPECT_EQ(Number(c.field), c.valid.back());
    }
  }
}

TEST_F(PBAccessEntry, RadioGroupAlwaysWritesItsOutput) {
  pb.Area.SetWord(F(2).FieldOffset, 1);
  EXPECT_EQ(Number(2), 4);   // index 1 of a group based on 2
  pb.Area.SetWord(F(1).FieldOffset, 0);
  EXPECT_EQ(Number(1), 1);
}

TEST_F(PBAccessEntry, QuotedTextInAnEitherFieldIsAConstant) {
  ASSERT_EQ(Accessor().SetEntry(3, "'123"), 1);
  const SymP* slot = pb.Area.FindSlot(F(3).FieldOffset);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->S, nullptr);
  EXPECT_EQ(slot->ConstType, kTypeInteger);
  std::int32_t value = 0;
  ASSERT_GE(slot->ConstPtr.size(), sizeof value);
  std::memcpy(&value, slot->ConstPtr.data(), sizeof value);
  EXPECT_EQ(value, 123);
  EXPECT_EQ(Text(3), "'123");
}

TEST_F(PBAccessEntry, VariableNameBecomesACountedReference) {
  Symbol* count = Var("Count", kTypeInteger);
  Symbol* total = Var("Total", kTypeInteger);
  ASSERT_EQ(Accessor().SetEntry(3, "Count"), 1);
  EXPECT_EQ(pb.Area.FindSlot(F(3).FieldOffset)->S, count);
  EXPECT_EQ(count->RefCnt, 1);
  EXPECT_EQ(Text(3), "Count");

  ASSERT_EQ(Accessor().SetEntry(3, "Total"), 1);   // the first reference is given back
  EXPECT_EQ(count->RefCnt, 0);
  EXPECT_EQ(total->RefCnt, 1);

  ASSERT_EQ(Accessor().SetEntry(3, "'5"), 1);      // so is a reference replaced by a constant
  EXPECT_EQ(total->RefCnt, 0);
}

TEST_F(PBAccessEntry, ReferencesAreLookedUpWithTheFieldsTypes) {
  Var("Count", kTypeInteger);
  ASSERT_EQ(Accessor().SetEntry(4, "Count"), 1);   // a string field: no integer variable
  const SymP* slot = pb.Area.FindSlot(F(4).FieldOffset);
  EXPECT_EQ(slot->S, nullptr);
  EXPECT_EQ(Text(4), "Count");
}

TEST_F(PBAccessEntry, UnknownNameIsKeptAsText) {
  ASSERT_EQ(Accessor().SetEntry(4, "Later"), 1);
  EXPECT_EQ(Text(4), "Later");
  ASSERT_EQ(Accessor().SetEntry(3, "Later"), 1);   // either field: read back as the name
  EXPECT_EQ(Text(3), "Later");
  ASSERT_EQ(Accessor().SetEntry(4, ""), 1);
  EXPECT_TRUE(pb.Area.IsSlotEmpty(F(4).FieldOffset));
  EXPECT_EQ(Text(4), "");
}

TEST_F(PBAccessEntry, StringConstantsKeepWhatFits) {
  ASSERT_EQ(Accessor().SetEntry(5, "'abcdefghij"), 1);   // 8 bytes: 7 characters
  EXPECT_EQ(Text(5), "'abcdefg");
  ASSERT_EQ(Accessor().SetEntry(5, ""), 1);              // no text, no value
  EXPECT_TRUE(pb.Area.IsSlotEmpty(F(5).FieldOffset));
}

TEST_F(PBAccessEntry, ShortTextKeeps47Characters) {
  const std::string longText(60, 'x');
  ASSERT_EQ(Accessor().SetEntry(6, longText.c_str()), 1);
  EXPECT_EQ(Text(6), std::string(47, 'x'));
  EXPECT_EQ(pb.Area.FindSlot(F(6).FieldOffset)->ConstPtr.size(), static_cast<std::size_t>(kShortTextSize));
}

TEST_F(PBAccessEntry, ByNameAndByTextForms) {
  PBFieldAccessor a = Accessor();
  EXPECT_EQ(a.FindField("Amount"), 3);
  EXPECT_EQ(a.FindField("amount"), -1);
  ASSERT_EQ(a.SetEntryText("Mode", "2"), 1);
  std::string text;
  ASSERT_NE(a.GetEntryText("Mode", text), nullptr);
  EXPECT_EQ(text, "2");
  ASSERT_EQ(a.SetEntry("Title", "'ok"), 1);
  ASSERT_NE(a.GetEntryText("Title", text), nullptr);
  EXPECT_EQ(text, "'ok");
}

// A number given as text that no 32-bit number holds names no button: it is refused, not
// wrapped round onto one (2^32 + 1 would otherwise read as button 1).
TEST_F(PBAccessEntry, RadioTextBeyondThirtyTwoBitsIsRefused) {
  PBFieldAccessor a = Accessor();
  ASSERT_EQ(a.SetEntryText("Mode", "2"), 1);
  for (const char* text : {"4294967297", "-4294967295", "99999999999999999999"}) {
    EXPECT_EQ(a.SetEntryText("Mode", text), 0) << text;
    EXPECT_EQ(a.LastError(), kErrValueOutOfRange) << text;
    EXPECT_EQ(Number(1), 2) << text;
  }
}

TEST_F(PBAccessEntry, BadIndexNullValueAndUnknownNameAreRefused) {
  PBFieldAccessor a = Accessor();
  std::int32_t one = 1;
  EXPECT_EQ(a.SetEntry(-1, &one), 0);
  EXPECT_EQ(a.SetEntry(a.Count(), &one), 0);
  EXPECT_EQ(a.SetEntry(0, nullptr), 0);
  EXPECT_EQ(a.SetEntry("Missing", &one), 0);
  EXPECT_EQ(a.GetEntry(-1, &one), nullptr);
  EXPECT_EQ(a.GetEntry(a.Count(), &one), nullptr);
  EXPECT_EQ(a.GetEntry("Missing", &one), nullptr);
  EXPECT_EQ(pb.Area.Word(F(0).FieldOffset), 0);
}

TEST_F(PBAccessEntry, GetEntryGivesTheValueItsAddress) {
  PBFieldAccessor a = Accessor();
  EXPECT_EQ(a.GetEntry(0, nullptr), pb.Area.Bytes() + F(0).FieldOffset);
  const void* slot = a.GetEntry(3, nullptr);
  EXPECT_EQ(slot, pb.Area.FindSlot(F(3).FieldOffset));
}

TEST_F(PBAccessEntry, AccessorOverASymbolFindsItsInstance) {
  PBFieldAccessor bySymbol(PBSymbol("Block"), 0, table->Entries(), 0);
  EXPECT_EQ(bySymbol.Instance(), &pb);
  Symbol* variable = Var("Plain", kTypeInteger);
  PBFieldAccessor notAPB(variable, 0, table->Entries(), 0);
  EXPECT_EQ(notAPB.Instance(), nullptr);
  std::int32_t one = 1;
  EXPECT_EQ(notAPB.SetEntry(0, &one), 0);
}

TEST_F(PBAccessEntry, AccessorWithoutTableUsesTheGoverningOne) {
  PBFieldAccessor a(&pb, 0, nullptr, 0);
  EXPECT_EQ(a.Fields(), CustomGotoTable());
  EXPECT_EQ(a.FindField("Goto"), 0);
}

TEST_F(PBAccessEntry, DefaultsFillEveryKind) {
  auto defaults = test::BuildTable(
      "xOn:=1,on=3|xOff:=0|rFromOne:radio=A/B/C,base=1,=3|rPlain:plain,radio=A/B,=1|"
      "eLimit:int,='300|vTarget:str,=Missing|cPick:list=7,=cSCSM_Null|eNone:int");
  PBFieldAccessor a(&pb, 0, defaults->Entries(), 0);
  ASSERT_EQ(a.LoadDefaultEntries(), 1);
  const PBFieldDef* f = defaults->Entries();
  EXPECT_EQ(pb.Area.Word(f[0].FieldOffset), 3);
  EXPECT_EQ(pb.Area.Word(f[1].FieldOffset), 0);
  EXPECT_EQ(pb.Area.Word(f[2].FieldOffset), 2);   // numbered from 1, base 1: 3 - 1
  EXPECT_EQ(pb.Area.Word(f[3].FieldOffset), 1);   // plain group: the number as given
  std::string text;
  a.GetEntry(4, &text);
  EXPECT_EQ(text, "'300");
  a.GetEntry(5, &text);
  EXPECT_EQ(text, "Missing");
  a.GetEntry(6, &text);
  EXPECT_EQ(text, "cSCSM_Null");
  EXPECT_TRUE(pb.Area.IsSlotEmpty(f[7].FieldOffset));
}

TEST_F(PBAccessEntry, DefaultReferenceUsesTheFieldsTypes) {
  Symbol* name = Var("Who", kTypeString, 16);
  Var("Amount", kTypeInteger);
  auto defaults = test::BuildTable("vWho:str,=Who|vAmount:str,=Amount");
  PBFieldAccessor a(&pb, 0, defaults->Entries(), 0);
  ASSERT_EQ(a.LoadDefaultEntries(), 1);
  EXPECT_EQ(pb.Area.FindSlot(defaults->Entries()[0].FieldOffset)->S, name);
  EXPECT_EQ(name->RefCnt, 1);
  EXPECT_EQ(pb.Area.FindSlot(defaults->Entries()[1].FieldOffset)->S, nullptr);
}

TEST_F(PBAccessEntry, CatalogueTypesWorkThroughTheirOwnTables) {
  PBInstance& pause = AddPB("Pause", 134);   // UPauseProgram: "Pause Time (mSec)", "Goto"
  PBFieldAccessor a(&pause, 0, nullptr, 1);
  ASSERT_EQ(a.LoadDefaultEntries(), 1);
  std::string text;
  ASSERT_NE(a.GetEntry("Pause Time (mSec)", &text), nullptr);
  EXPECT_EQ(text, "'1000");
  ASSERT_EQ(a.SetEntry("Pause Time (mSec)", "'250"), 1);
  a.GetEntry("Pause Time (mSec)", &text);
  EXPECT_EQ(text, "'250");
}

}  // namespace
}  // namespace zeph
