// Initial values of variables and of members of structured variables.
#include "model/program/variable_setup.h"

#include <gtest/gtest.h>

#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/predef_structs.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

class VariableSetupTest : public ::testing::Test {
 protected:
  VariableSetupTest() { t.Structures().First = PredefinedStructHead(); }
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

TEST_F(VariableSetupTest, CaptionNamesTheVariableOrItsMember) {
  Symbol* count = test::AddVariable(t, "Count", kTypeInteger);
  EXPECT_EQ(VariableSetup(count, nullptr).Caption(), "Setup variable Count");
  StructDef* rec = test::AddStructure(t, "RecT", {{"Total", kTypeInteger}, {"Label", kTypeString}});
  Symbol* r = test::AddVariable(t, "Rec", rec->TypeNum);
  EXPECT_EQ(VariableSetup(r, "Total").Caption(), "Setup variable Rec.Total");
}

TEST_F(VariableSetupTest, AnEmptyTextMakesZeroStorageAndAValueReadsBack) {
  Symbol* count = test::AddVariable(t, "Count", kTypeInteger);
  VariableSetup setup(count, nullptr);
  EXPECT_FALSE(setup.HasStorage());
  EXPECT_EQ(setup.CurrentText(), "");
  ASSERT_EQ(setup.ApplyText(""), 0);
  ASSERT_TRUE(setup.HasStorage());
  EXPECT_EQ(setup.CurrentText(), "'0");   // constant text
  ASSERT_EQ(setup.ApplyText("42"), 0);
  EXPECT_EQ(setup.CurrentText(), "'42");
  // A text that does not parse is refused and changes nothing.
  EXPECT_NE(setup.ApplyText("forty"), 0);
  EXPECT_EQ(setup.CurrentText(), "'42");
}

TEST_F(VariableSetupTest, AMemberIsWrittenAtItsOffsetInStorageOfTheWholeSize) {
  StructDef* rec = test::AddStructure(t, "RecT", {{"Count", kTypeInteger}, {"Total", kTypeInteger}});
  Symbol* r = test::AddVariable(t, "Rec", rec->TypeNum);
  VariableSetup total(r, "Total");
  ASSERT_TRUE(total.Valid());
  ASSERT_EQ(total.ApplyText("7"), 0);
  auto* block = dynamic_cast<ValueBlockData*>(r->Data.get());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(static_cast<int>(block->Size()), GetStructureSize(rec, &t));
  EXPECT_EQ(VariableSetup(r, "Count").CurrentText(), "'0");
  EXPECT_EQ(total.CurrentText(), "'7");
  EXPECT_FALSE(VariableSetup(r, "Missing").Valid());
}

TEST_F(VariableSetupTest, AFlagIsASixteenBitValue) {
  Symbol* flag = test::AddVariable(t, "Flag", kTypeSmallInteger);
  VariableSetup setup(flag, nullptr);
  EXPECT_FALSE(setup.CurrentFlag());
  setup.ApplyFlag(true);
  EXPECT_TRUE(setup.CurrentFlag());
  EXPECT_EQ(setup.CurrentText(), "'1");
  setup.ApplyFlag(false);
  EXPECT_FALSE(setup.CurrentFlag());
}

}  // namespace
}  // namespace zeph
