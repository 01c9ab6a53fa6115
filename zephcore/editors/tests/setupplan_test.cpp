// Setting up a variable: the refusals in their order, the action by type, the form's
// caption, help name and start values of a new value block.
#include "editors/variables/setupplan.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

class VariableSetupPlan : public test::ReportProgram {
 protected:
  Symbol* Var(const char* name, int type, int scope = 0, int elements = 0) {
    Symbol* s = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&s, name, type, 1, 1, 0, false, 0, scope), 0) << name;
    if (s != nullptr) s->ArraySize = static_cast<std::int16_t>(elements);
    return s;
  }
  static std::int32_t Word(const ValueBlockData* b, int at) {
    return static_cast<std::int16_t>(b->Bytes()[at] | (b->Bytes()[at + 1] << 8));
  }
  static std::int32_t Long(const ValueBlockData* b, int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b->Bytes()[at + i];
    return static_cast<std::int32_t>(v);
  }
};

TEST_F(VariableSetupPlan, RefusalsInOrder) {
  const std::string structure =
      "You can not set up this structure.  If the same variable name exists with a preceding '@', double-click on it "
      "to set up the structure members";
  const std::string symbolType = "You can not set up this structure or symbol type";
  const std::string array = "You can not set up an array or a member of an array";
  EXPECT_EQ(PlanVariableSetup({nullptr, false}).Message, "You must select a variable");
  Symbol* count = Var("Count", kTypeInteger);
  EXPECT_EQ(PlanVariableSetup({count, true}).Message, "To set up structure members, double-click on the selected item");
  const struct {
    const char* name;
    int type;
    int scope;
    int elements;
    std::string message;
  } cases[] = {
      {"MailInfo", 8, 0, 0, structure},           {"PathInfo", 39, 0, 0, structure},
      {"AlarmInfo", 63, 2, 3, structure},         {"FileRef", kTypeFileHandle, 0, 0, symbolType},
      {"Passed", kTypeInteger, 2, 0, symbolType}, {"Counts", kTypeInteger, 0, 2, array},
      {"ToneSet", 54, 0, 2, array},             {"WaitTime", 48, 0, 0, "This variable cannot be setup. \n Use SetDelay vavurorezo !"},
      {"ErrWait", 49, 0, 0, "This variable cannot be setup. \n Use SetErrDelay vavurorezo !"},
  };
  for (const auto& c : cases) {
    Symbol* s = Var(c.name, c.type, c.scope, c.elements);
    ASSERT_NE(s, nullptr) << c.name;
    const SetupPlan plan = PlanVariableSetup({s, false});
    EXPECT_EQ(plan.Action, SetupAction::Refused) << c.name;
    EXPECT_EQ(plan.Message, c.message) << c.name;
  }
}

TEST_F(VariableSetupPlan, ActionsByType) {
  const struct {
    const char* name;
    int type;
    SetupAction action;
  } cases[] = {{"Flag", kTypeBoolean, SetupAction::Boolean},   {"Total", kTypeInteger, SetupAction::Value},
               {"When", 19, SetupAction::Value},               {"Query", kTypeSQLInfo, SetupAction::Nothing},
               {"Doc", 30, SetupAction::FaxEditor},            {"Menu", 12, SetupAction::Form}};
  for (const auto& c : cases) {
    Symbol* s = Var(c.name, c.type);
    ASSERT_NE(s, nullptr) << c.name;
    EXPECT_EQ(PlanVariableSetup({s, false}).Action, c.action) << c.name;
  }
}

TEST_F(VariableSetupPlan, EveryFormRowHasItsCaptionHelpAndStartValues) {
  const int types[] = {9, 10, 11, 25, 12, 13, 14, 15, 16, 23, 24, 36, 37, 42, 47, 50, 51, 54, 56, 57, 58};
  for (int type : types) {
    const std::string name = "V" + std::to_string(type);
    Symbol* s = Var(name.c_str(), type);
    ASSERT_NE(s, nullptr) << type;
    const SetupPlan plan = PlanVariableSetup({s, false});
    ASSERT_EQ(plan.Action, SetupAction::Form) << type;
    ASSERT_NE(plan.Form, nullptr);
    EXPECT_EQ(plan.Form->Type, type);
    EXPECT_NE(plan.Caption.find(" / " + name), std::string::npos) << plan.Caption;
    EXPECT_NE(plan.Form->HelpName, nullptr);
    s->Data.reset();
    ValueBlockData* block = PrepareSetupBlock(*s, *plan.Form);
    ASSERT_NE(block, nullptr) << type;
    EXPECT_EQ(block->Size(), static_cast<std::size_t>(GetBuiltinTypeSize(type))) << type;
    EXPECT_EQ(PrepareSetupBlock(*s, *plan.Form), block) << type;   // made once
  }
  EXPECT_EQ(PlanVariableSetup({Var("Keys", 54), false}).Caption, "Setup ToneParms / Keys");
  EXPECT_STREQ(FindSetupForm(54)->HelpName, "ToneParms");
  EXPECT_STREQ(FindSetupForm(9)->Resource, "VQ_VCE_ENTDIG_KPARM");
  EXPECT_TRUE(FindSetupForm(47)->PassesConstant);
  EXPECT_FALSE(FindSetupForm(9)->PassesConstant);
}

TEST_F(VariableSetupPlan, StartValuesOfNewBlocks) {
  Symbol* tone = Var("Tone", 54);
  ValueBlockData* t = PrepareSetupBlock(*tone, *FindSetupForm(54));
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(Word(t, 0), 0);
  EXPECT_EQ(Long(t, 2), -2049);
  EXPECT_EQ(Long(t, 6), 0);
  EXPECT_EQ(Long(t, 10), 2048);

  Symbol* entry = Var("Entry", 14);
  ValueBlockData* e = PrepareSetupBlock(*entry, *FindSetupForm(14));
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(Word(e, 14), 3);
  EXPECT_EQ(Word(e, 16), 3);
  EXPECT_EQ(Long(e, 18), 4000);
  EXPECT_STREQ(reinterpret_cast<const char*>(e->Bytes() + 58), "*");
  EXPECT_EQ(e->Bytes()[74], 0);

  Symbol* vrec = Var("Speech", 51);
  ValueBlockData* v = PrepareSetupBlock(*vrec, *FindSetupForm(51));
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(Long(v, 4), 4000);
  EXPECT_EQ(Word(v, 8), 1);
  EXPECT_EQ(Word(v, 10), 1);

  // A variable that has a value keeps it.
  Symbol* menu = Var("Menu", 12);
  ValueBlockData& own = MakeVariableStorage(*menu, GetBuiltinTypeSize(12));
  own.Bytes()[2] = 9;
  EXPECT_EQ(PrepareSetupBlock(*menu, *FindSetupForm(12)), &own);
  EXPECT_EQ(own.Bytes()[2], 9);
}

}  // namespace
}  // namespace zeph
