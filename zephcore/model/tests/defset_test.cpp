// Definition sets by server version and the definition variants of the service blocks.
#include "model/defset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/pbcat.h"
#include "model/pbconv_tables.h"

namespace zeph {
namespace {

TEST(DefinitionSets, ChosenByTheFirstTextTheServerVersionContains) {
  struct Case {
    const char* server;
    const char* set;
    float version;
  } cases[] = {
      {"2.0", "VLXV8.03", kModelVersion}, {"1.07", "VLXV6.07", 6.07f}, {"1.06", "VLXV5.06", 5.06f},
      {"1.0", "VLXV5.06", 5.06f},         {"12.0", "VLXV8.03", kModelVersion},
      {"11.0", "VLXV5.06", 5.06f},        {"10.0", "VLXV8.03", kModelVersion},
      {"Server 1.07.2", "VLXV6.07", 6.07f}, {"", "VLXV8.03", kModelVersion},
      {nullptr, "VLXV8.03", kModelVersion},
  };
  for (const Case& c : cases) {
    const DefinitionSet set = SelectDefinitionSet(c.server);
    EXPECT_STREQ(set.Name, c.set) << (c.server ? c.server : "null");
    EXPECT_FLOAT_EQ(set.Version, c.version) << (c.server ? c.server : "null");
  }
}

// A catalogue of its own with its variants, so that switching leaves the process-wide
// catalogue as it is.
class DefinitionVariants : public ::testing::Test {
 protected:
  DefinitionVariants() : catalogue(std::make_unique<PBCatalogue>()) {
    RegisterCatalogue(*catalogue);
    InitParmVersionTables(*catalogue, tables);
    for (int type : kVariantTypes) before[type] = *catalogue->Slot(type);
  }
  ~DefinitionVariants() override { ResetDefinitionSet(); }

  static constexpr int kVariantTypes[] = {402, 405, 411, 413};
  std::unique_ptr<PBCatalogue> catalogue;
  ParmVersionTables tables;
  std::map<int, PBType> before;
};

TEST_F(DefinitionVariants, OldestServersSwitchTheFourServiceBlocks) {
  UpdateVavurOrezoDefinitions("1.0", *catalogue);
  EXPECT_EQ(DefinitionMode(), kDefinitionsOlder);
  EXPECT_FLOAT_EQ(DefinitionVersion(), 5.06f);
  struct Expected {
    int type;
    std::uint16_t id;
    const char* firstField;
    const char* dialog;
    const char* variant;
  } expected[] = {
      {402, 10297, "1", "ULVO_MENU", "ULVO_vB_MENU"},
      {405, 10294, "Thru-Dial greeting", "ULVO_THRUDIAL", "ULVO_vB_THRUDIAL"},
      {411, 10295, "Password Voice Item", "ULVO_CHECKPASSWORD", "ULVO_vB_CHECKPASSWORD"},
      {413, 10296, "Fax Item", "ULVO_FAXSELECT", "ULVO_vB_FAXSELECT"},
  };
  for (const Expected& e : expected) {
    const PBType* slot = catalogue->Slot(e.type);
    EXPECT_EQ(slot->StructId, e.id) << e.type;
    ASSERT_NE(slot->FieldTable, nullptr) << e.type;
    EXPECT_STREQ(slot->FieldTable[0].Name, e.firstField) << e.type;
    EXPECT_STREQ(slot->DialogResource, e.dialog) << e.type;
    EXPECT_STREQ(slot->VariantName, e.variant) << e.type;
    ASSERT_NE(slot->ParmTemplate, nullptr) << e.type;
    EXPECT_NE(slot->ParmTemplate, before[e.type].ParmTemplate) << e.type;
  }
  EXPECT_EQ(catalogue->Slot(393)->VariantName, nullptr);   // a slot without variants
}

TEST_F(DefinitionVariants, ServersOf607KeepTheCurrentDefinitions) {
  UpdateVavurOrezoDefinitions("1.07", *catalogue);
  EXPECT_EQ(DefinitionMode(), kDefinitionsOlder);
  EXPECT_FLOAT_EQ(DefinitionVersion(), 6.07f);
  for (int type : kVariantTypes) {
    EXPECT_EQ(catalogue->Slot(type)->FieldTable, before[type].FieldTable) << type;
    EXPECT_EQ(catalogue->Slot(type)->VariantName, nullptr) << type;
  }
}

TEST_F(DefinitionVariants, SwitchingBackKeepsTheVariantsApplied) {
  UpdateVavurOrezoDefinitions("1.06", *catalogue);
  UpdateVavurOrezoDefinitions("2.0", *catalogue);
  EXPECT_EQ(DefinitionMode(), kDefinitionsCurrent);
  EXPECT_FLOAT_EQ(DefinitionVersion(), kModelVersion);
  EXPECT_EQ(catalogue->Slot(402)->StructId, 10297);
}

TEST_F(DefinitionVariants, VariantsAreFoundByVersionAndKeptInOrder) {
  PBTypeVersion& later = AddVariant(*catalogue, tables, 402, 7.0f, 10280, "LATER", "later");
  PBTypeVersion& early = AddVariant(*catalogue, tables, 402, 3.0f, 10297, "EARLY", "early");
  PBTypeVersion& same = AddVariant(*catalogue, tables, 402, 5.06f, 10297, "SAME", "same");
  PBTypeVersion* list = catalogue->Slot(402)->Variants;
  EXPECT_EQ(list, &early);
  EXPECT_EQ(FindVariantForVersion(list, 2.0f), &early);
  EXPECT_EQ(FindVariantForVersion(list, 5.06f), &same);   // the one registered last
  EXPECT_EQ(FindVariantForVersion(list, 6.0f), &later);
  EXPECT_EQ(FindVariantForVersion(list, 7.5f), nullptr);
}

}  // namespace
}  // namespace zeph
