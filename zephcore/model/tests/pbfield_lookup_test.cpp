#include "model/pbfield_lookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/pbcat.h"
#include "model/pbentry_instance.h"

namespace zeph {
namespace {

// One SuperBlock page "Billing" with a variable entry and an exit.
class SuperBlockPages : public ::testing::Test {
 protected:
  SuperBlockPages() {
    std::strcpy(table[0].Name, "Amount");
    table[0].UIElement = scribe::kUIEdit;
    table[0].FieldOffset = 80;
    std::strcpy(table[1].Name, "Done");
    table[1].UIElement = scribe::kUIEdit;
    table[1].FieldOffset = 98;
    table[1].GotoStrs = table[1].Name;
    SetSuperBlockLookups(
        [this](const char* page) { return std::string(page) == "Billing" ? table : nullptr; },
        [this](const char* page) {
          return std::string(page) == "Billing" ? tpl : nullptr;
        });
  }
  ~SuperBlockPages() override { SetSuperBlockLookups(nullptr, nullptr); }

  PBFieldDef table[3] = {};
  PBTemplatePair tpl[3] = {{0, -101}, {100, 1}, {0, -101}};
};

TEST_F(SuperBlockPages, EachKindOfVavurOrezoFindsItsTable) {
  PBInstance call;
  call.Type = kPBTypeSuperBlock;
  call.Companion = "Billing";
  EXPECT_EQ(GetFieldTable(kPBTypeSuperBlock, &call), table);
  EXPECT_EQ(GetParameterTemplate(kPBTypeSuperBlock, &call), tpl);
  call.Companion = "Nowhere";
  EXPECT_EQ(GetFieldTable(kPBTypeSuperBlock, &call), nullptr);
  EXPECT_EQ(GetParameterTemplate(kPBTypeSuperBlock, &call), nullptr);
  EXPECT_EQ(GetFieldTable(kPBTypeSuperBlock, nullptr), nullptr);

  const PBFieldDef* gotoTable = GetFieldTable(kPBTypeCustom, nullptr);
  ASSERT_NE(gotoTable, nullptr);
  EXPECT_EQ(GetParameterTemplate(kPBTypeCustom, nullptr), nullptr);

  EXPECT_EQ(GetFieldTable(7, nullptr), GetPBType(7)->FieldTable);
  EXPECT_EQ(GetParameterTemplate(7, nullptr), GetPBType(7)->ParmTemplate);
  EXPECT_EQ(GetFieldTable(416, nullptr), nullptr);
  EXPECT_EQ(GetFieldTable(-5, nullptr), nullptr);
}

TEST_F(SuperBlockPages, AnOwnTableWinsWhateverTheType) {
  for (int type : {kPBTypeCustom, kPBTypeSuperBlock, 7}) {
    PBInstance inst;
    inst.Type = static_cast<std::int16_t>(type);
    inst.Companion = "Billing";
    PBOwnFieldTable& own = inst.MakeOwnTable();
    EXPECT_EQ(GetFieldTable(type, &inst), own.Entries()) << type;
  }
}

TEST(CustomGotoTable, HasTheOneGotoField) {
  const PBFieldDef* t = CustomGotoTable();
  ASSERT_EQ(CountFields(t), 1);
  EXPECT_STREQ(t[0].Name, "Goto");
  EXPECT_EQ(t[0].UIElement, scribe::kUIEdit);
  EXPECT_EQ(t[0].FieldRepresentation, scribe::kReprVariable);
  EXPECT_EQ(t[0].ScalarType, 3);
  EXPECT_EQ(t[0].FieldOffset, 24);
  EXPECT_EQ(t[0].Allowed2, 4u);
  EXPECT_EQ(t[0].CanFieldBeWrong, 1);
  EXPECT_STREQ(t[0].GotoStrs, "Goto");
  EXPECT_EQ(t[0].GotoNotOnIcon, 16);
  EXPECT_EQ(FindGotoField(t, 0), 0);
  EXPECT_EQ(FindGotoField(t, 1), -1);
  EXPECT_EQ(FindGotoField(nullptr, 0), -1);
}

}  // namespace
}  // namespace zeph
