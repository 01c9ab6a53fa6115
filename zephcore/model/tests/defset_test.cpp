// Definition sets by server version and the definition variants of the service blocks.
#include "model/defset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "model/pbcat.h"
#include "model/pbconv_tables.h"
#include "scribe/calltemplate.h"
#include "scribe/fielddesc.h"

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

// A later switch starts from the registered definitions: back to the current set, or on to
// 6.07, the four slots are exactly as they were registered.
TEST_F(DefinitionVariants, SwitchingAgainRestoresTheRegisteredDefinitions) {
  for (const char* later : {"2.0", "1.07", ""}) {
    UpdateVavurOrezoDefinitions("1.06", *catalogue);
    ASSERT_EQ(catalogue->Slot(402)->StructId, 10297);
    UpdateVavurOrezoDefinitions(later, *catalogue);
    for (int type : kVariantTypes) {
      const PBType* slot = catalogue->Slot(type);
      EXPECT_EQ(slot->StructId, before[type].StructId) << type << " after " << later;
      EXPECT_EQ(slot->FieldTable, before[type].FieldTable) << type;
      EXPECT_EQ(slot->ParmTemplate, before[type].ParmTemplate) << type;
      EXPECT_EQ(slot->DialogResource, before[type].DialogResource) << type;
      EXPECT_EQ(slot->VariantName, nullptr) << type;
    }
  }
  UpdateVavurOrezoDefinitions("1.0", *catalogue);
  EXPECT_EQ(catalogue->Slot(405)->StructId, 10294);   // and a variant applies again
}

// Each older definition has its own call: the exit codes these servers need (rotary and end
// lines) are there, and passwords go as the encoded argument kind, never as plain values.
TEST_F(DefinitionVariants, OlderDefinitionsKeepTheirExitsAndEncodePasswords) {
  UpdateVavurOrezoDefinitions("1.0", *catalogue);
  // The exit section follows the argument section's end pair.
  auto has = [&](int type, const char* code) {
    const int wanted = scribe::CompletionCodeByName(code);
    const scribe::PBTemplatePair* p = catalogue->Slot(type)->ParmTemplate;
    while (p->Field != scribe::kTemplateEndField) ++p;
    for (++p; p->Field != scribe::kTemplateEndField; ++p) {
      if (p->Kind == wanted) return true;
    }
    return false;
  };
  const std::pair<int, const char*> exits[] = {
      {405, "D_TDL_ROTARY"}, {405, "D_TDL_END"}, {411, "D_PWD_ROTARY"}, {411, "D_PWD_END"},
      {413, "D_FSL_END"},    {402, "D_MENUROTARY"}};
  for (const auto& [type, code] : exits) EXPECT_TRUE(has(type, code)) << type << " " << code;

  int encoded = 0;
  for (const scribe::PBTemplatePair* p = catalogue->Slot(411)->ParmTemplate;
       p->Field != scribe::kTemplateEndField; ++p) {
    if (p->Kind == -315) {
      ++encoded;
      EXPECT_STREQ(catalogue->Slot(411)->FieldTable[p->Field].Name,
                   ("Password Entry " + std::to_string(encoded)).c_str());
    }
  }
  EXPECT_EQ(encoded, 5);
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
