#include "scribe/fielddesc.h"

#include <cstring>

#include <gtest/gtest.h>

namespace scribe {
namespace {

std::unique_ptr<FieldTable> Build(const char* text, ParmLayout layout, std::string& error) {
  error.clear();
  return BuildFieldTable(text, layout, &error);
}

TEST(FieldSpec, SlotsAndRawWordsAreAssignedInOrder) {
  std::string error;
  auto t = Build("eCount:small|xFlag|vResult:str|rMode:radio=A/B/C|gDone:code=D_COMPLETED",
                 ParmLayout::Standard, error);
  ASSERT_EQ(error, "");
  ASSERT_EQ(t->Count(), 5);
  const PBFieldDef* f = t->Entries();
  EXPECT_EQ(f[0].FieldOffset, 24);        // first value slot of the standard layout
  EXPECT_EQ(f[1].FieldOffset, 0);         // first raw word
  EXPECT_EQ(f[2].FieldOffset, 24 + 18);
  EXPECT_EQ(f[3].FieldOffset, 2);
  EXPECT_EQ(f[4].FieldOffset, 24 + 36);
  EXPECT_TRUE(f[5].IsEnd());
}

TEST(FieldSpec, KindsSetControlRepresentationTypeAndMasks) {
  std::string error;
  auto t = Build("eNumber:num,=5,[1..9]|vText:str,?|sPrompt|gNext:next|xOn:on=4|"
                 "rPick:radio=X/Y,plain,base=2|cChoice:list=12",
                 ParmLayout::Extended, error);
  ASSERT_EQ(error, "");
  const PBFieldDef* f = t->Entries();
  EXPECT_EQ(f[0].UIElement, kUIEdit);
  EXPECT_EQ(f[0].FieldRepresentation, kReprEither);
  EXPECT_EQ(f[0].ScalarType, 5);
  EXPECT_EQ(f[0].Allowed1, 0x3Eu);
  EXPECT_STREQ(f[0].InitValue, "5");
  EXPECT_EQ(f[0].NeedItBeInRange, 1);
  EXPECT_EQ(f[0].MinValRange, 1.0);
  EXPECT_EQ(f[0].MaxValRange, 9.0);

  EXPECT_EQ(f[1].FieldRepresentation, kReprVariable);
  EXPECT_EQ(f[1].ScalarType, 6);
  EXPECT_EQ(f[1].Allowed1, (1u << 6) | (1u << 20));
  EXPECT_EQ(f[1].StrSize, 256);
  EXPECT_EQ(f[1].CanFieldBeBlank, 1);

  EXPECT_EQ(f[2].Allowed2, 0x8u);          // voice sentences
  EXPECT_EQ(f[2].NumRadioInArray, 1);

  EXPECT_STREQ(f[3].GotoStrs, "Next");
  EXPECT_EQ(f[3].Allowed2, 0x4u);          // VavurOrezos
  EXPECT_EQ(f[3].CanFieldBeWrong, 1);
  EXPECT_EQ(t->ExitCode(3), kExitGoto);

  EXPECT_EQ(f[4].UIElement, kUICheckBox);
  EXPECT_EQ(f[4].RadioCheckBase, 4);

  EXPECT_EQ(f[5].UIElement, kUIRadioGroup);
  EXPECT_EQ(f[5].NumRadioInArray, 2);      // plain: the count as it is
  EXPECT_EQ(f[5].RadioCheckBase, 2);
  EXPECT_STREQ(f[5].RadioNames, "X|Y");

  EXPECT_EQ(f[6].UIElement, kUIChoice);
  EXPECT_EQ(f[6].NumRadioInArray, 12);
  EXPECT_EQ(f[6].FieldOffset, 80 + 4 * 18);
}

TEST(FieldSpec, ASpecialCheckAsksForChecking) {
  // The forms run a field's special check only when the field asks to be checked.
  std::string error;
  auto t = Build("eFile:str,special=11|eName:str", ParmLayout::Standard, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(t->Entries()[0].SpecialRange, 11);
  EXPECT_EQ(t->Entries()[0].NeedItBeInRange, 1);
  EXPECT_EQ(t->Entries()[1].NeedItBeInRange, 0);
}

TEST(FieldSpec, RadioGroupsAreNumberedFromOneByDefault) {
  std::string error;
  auto t = Build("rMode:radio=A/B/C", ParmLayout::Standard, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(t->Entries()[0].NumRadioInArray, -3);
}

TEST(FieldSpec, GotoLabelsDropTheGotoPrefix) {
  std::string error;
  auto t = Build("gGoto on Valid Digs|gGoto if Greater|gGoto|gAnswered:label=Picked Up",
                 ParmLayout::Standard, error);
  ASSERT_EQ(error, "");
  EXPECT_STREQ(t->Entries()[0].GotoStrs, "Valid Digs");
  EXPECT_STREQ(t->Entries()[1].GotoStrs, "Greater");
  EXPECT_STREQ(t->Entries()[2].GotoStrs, "Goto");
  EXPECT_STREQ(t->Entries()[3].GotoStrs, "Picked Up");
}

TEST(FieldSpec, NamesMayFillAllThirtyTwoCharacters) {
  std::string error;
  auto t = Build("sLast Wrong Answer Voice Sentence", ParmLayout::Standard, error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(std::strlen(t->Entries()[0].Name), 32u);
  Build("sLast Wrong Answer Voice Sentence!", ParmLayout::Standard, error);
  EXPECT_NE(error, "");
}

TEST(FieldSpec, MalformedTextsAreReported) {
  const char* bad[] = {
      "qUnknown kind",                 // kind letter
      "eField:bogus",                  // attribute
      "eField:[5..1]",                 // range upside down
      "eRecord:T14",                   // a record type cannot be a constant
      "gExit:code=D_NOSUCH",           // completion code name
      "gExit:code=39",                 // the blank completion code
      "gExit:code=81",                 // an empty completion code
      "eNotAGoto:code=D_COMPLETED",    // exit code on a plain field
      "rOne:radio=Only",               // a radio group needs two buttons
      "cChoice",                       // a choice needs a list
      "xFlag:rules=NoSuchRules",
  };
  for (const char* text : bad) {
    std::string error;
    auto t = Build(text, ParmLayout::Standard, error);
    EXPECT_NE(error, "") << text;
    // A refused text still gives a table that ends: readers walk to the end entry.
    ASSERT_NE(t, nullptr) << text;
    ASSERT_GE(t->Count(), 0) << text;
    EXPECT_TRUE(t->Entries()[t->Count()].IsEnd()) << text;
  }
}

TEST(FieldSpec, LayoutCapacityIsEnforced) {
  std::string text;
  for (int i = 0; i < 5; ++i) text += std::string(i ? "|" : "") + "vV" + std::to_string(i);
  std::string error;
  Build(text.c_str(), ParmLayout::Message, error);   // four slots only
  EXPECT_NE(error, "");
  Build("xA|xB|xC", ParmLayout::Message, error);     // two raw words only
  EXPECT_NE(error, "");
}

TEST(CallTemplate, DerivedTemplateListsFieldsThenExits) {
  std::string error;
  auto t = Build("eA|xB|gOk:code=D_COMPLETED|cC:list=1|gBad:code=D_FAILED", ParmLayout::Extended,
                 error);
  ASSERT_EQ(error, "");
  auto tpl = BuildCallTemplate(nullptr, *t, &error);
  ASSERT_EQ(error, "");
  std::vector<std::pair<int, int>> got;
  for (const auto& p : tpl) got.emplace_back(p.Kind, p.Field);
  std::vector<std::pair<int, int>> want = {
      {0, 0}, {kArgFlag, 1}, {kArgChoice, 3}, {0, -101},
      {0, 2}, {34, 4}, {kExitFallThrough, 0}, {0, -101}};
  EXPECT_EQ(got, want);
}

TEST(CallTemplate, UnconditionalExitComesLastWithoutFallThrough) {
  std::string error;
  auto t = Build("gNext:next|gMissing:code=D_NOTFOUND", ParmLayout::Standard, error);
  auto tpl = BuildCallTemplate("", *t, &error);
  ASSERT_EQ(error, "");
  ASSERT_EQ(tpl.size(), 4u);
  EXPECT_EQ(tpl[1].Kind, 16);
  EXPECT_EQ(tpl[2].Kind, kExitGoto);
  EXPECT_EQ(tpl[2].Field, 0);
}

TEST(CallTemplate, ExplicitPartsAndSecondArgumentList) {
  std::string error;
  auto t = Build("eA|eB|gGo:next", ParmLayout::Standard, error);
  auto tpl = BuildCallTemplate("-271,1>D_TIMEOUT:2,-278>-279,0", *t, &error);
  ASSERT_EQ(error, "");
  std::vector<std::pair<int, int>> got;
  for (const auto& p : tpl) got.emplace_back(p.Kind, p.Field);
  std::vector<std::pair<int, int>> want = {{-271, 0}, {0, 1},     {0, -101}, {21, 2},
                                           {-278, 0}, {0, -101}, {-279, 0}, {0, 0},
                                           {0, -101}};
  EXPECT_EQ(got, want);
  BuildCallTemplate("7", *t, &error);   // no field 7
  EXPECT_NE(error, "");
}

}  // namespace
}  // namespace scribe
