// The registered conversion entries and the choice of entry for a file's version.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "model/defset.h"
#include "model/pbcat.h"
#include "model/pbconv.h"
#include "model/pbconv_tables.h"

namespace zeph {
namespace {

std::vector<const PBConversion*> AllEntries() {
  TheParmVersionTables();
  std::vector<const PBConversion*> all;
  for (int i = 0; i < kPBCatalogueSize; ++i) {
    for (const PBConversion* e = GetPBType(i)->Conversions; e != nullptr; e = e->Next) all.push_back(e);
  }
  return all;
}

TEST(ConversionRegistry, EveryEntryIsListedInItsSlotByVersion) {
  EXPECT_EQ(TheParmVersionTables().ConversionCount(), 131);
  EXPECT_EQ(TheParmVersionTables().VariantCount(), 4);
  EXPECT_EQ(TheParmVersionTables().RecordConversionCount(), 9);
  const auto all = AllEntries();
  EXPECT_EQ(all.size(), 131u);

  std::map<float, int> byVersion;
  for (const PBConversion* e : all) ++byVersion[e->Version];
  const std::map<float, int> expected = {
      {1.5f, 25},  {2.0f, 1},    {2.03f, 6},   {3.01f, 1},   {3.02f, 3},   {3.05f, 3},
      {3.08f, 12}, {3.12f, 11},  {4.01f, 8},   {4.02f, 3},   {4.03f, 4},   {4.04f, 1},
      {4.05f, 6},  {4.06f, 6},   {4.07f, 3},   {4.08f, 5},   {4.09f, 5},   {4.1907f, 5},
      {4.2001f, 7}, {5.03f, 2},  {5.06f, 9},   {6.07f, 4},   {8.02f, 1}};
  EXPECT_EQ(byVersion, expected);

  for (int i = 0; i < kPBCatalogueSize; ++i) {
    for (const PBConversion* e = GetPBType(i)->Conversions; e != nullptr && e->Next != nullptr; e = e->Next) {
      EXPECT_LE(e->Version, e->Next->Version) << "type " << i;
    }
  }
}

TEST(ConversionRegistry, FaxAndSqlTypesOfOldFilesCannotBeConverted) {
  int impossible = 0;
  for (const PBConversion* e : AllEntries()) {
    if (!(e->Flags & kConvImpossible)) continue;
    ++impossible;
    EXPECT_FLOAT_EQ(e->Version, 1.5f);
    EXPECT_GE(e->OldType, 149);
    EXPECT_LE(e->OldType, 163);
    const int expectedNew = e->OldType == 159 ? 150 : e->OldType == 163 ? 159 : e->OldType;
    EXPECT_EQ(e->NewType, expectedNew);
    EXPECT_EQ(e->OldLayout, ParmLayoutParts(e->OldType == 163 ? scribe::ParmLayout::Standard
                                                               : scribe::ParmLayout::OldFax));
  }
  EXPECT_EQ(impossible, 15);
}

TEST(ConversionRegistry, EntriesAreResolvedToTheirOldDefinitions) {
  const PBConversion* menu = ConversionForFile(0, 1.4f);
  ASSERT_NE(menu, nullptr);
  EXPECT_FLOAT_EQ(menu->Version, 1.5f);
  EXPECT_EQ(menu->OldLayout, ParmLayoutParts(scribe::ParmLayout::OldMenu));
  EXPECT_STREQ(menu->OldFields[0].Name, "Log Menu Selection");
  EXPECT_EQ(menu->OldStructId, 5254);

  const PBConversion* entry = ConversionForFile(2, 1.0f);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->NewType, 180);
  EXPECT_EQ(entry->Flags, kConvCallbackFirst);
  EXPECT_EQ(entry->OldFields, GetPBType(2)->FieldTable);

  const PBConversion* menu506 = ConversionForFile(402, 5.0f);
  ASSERT_NE(menu506, nullptr);
  EXPECT_EQ(menu506->OldStructId, 10297);
  EXPECT_TRUE(menu506->ByName);
}

TEST(ConversionRegistry, EntriesByNameOverTheCurrentTableCopyEveryField) {
  int checked = 0;
  for (const PBConversion* e : AllEntries()) {
    if (!e->ByName || e->OldFields != GetPBType(e->NewType)->FieldTable) continue;
    int moves = 0;
    for (const PBFieldMove* m = e->Moves; m->Kind != kMoveEnd; ++m) {
      EXPECT_EQ(m->Kind, kMoveCopy);
      ++moves;
    }
    EXPECT_EQ(moves, CountFields(e->OldFields)) << "type " << e->OldType << " " << e->Version;
    ++checked;
  }
  EXPECT_GT(checked, 90);
}

TEST(ConversionRegistry, TheFilesVersionPicksTheEntry) {
  struct Case {
    int type;
    float file;
    float entry;   // 0: none
  } cases[] = {
      {0, 1.4f, 1.5f},    {0, 1.5f, 1.5f},    {0, 2.0f, 2.03f},  {180, 3.10f, 3.12f},
      {302, 8.02f, 8.02f}, {302, 8.03f, 0},   {302, 8.0295f, 0}, {5, 1.0f, 0},
      {-101, 1.0f, 0},    {271, 3.0f, 3.02f}, {17, 2.5f, 3.12f}, {180, 6.0f, 0},
  };
  for (const Case& c : cases) {
    const PBConversion* e = ConversionForFile(c.type, c.file);
    if (c.entry == 0) {
      EXPECT_EQ(e, nullptr) << c.type << " " << c.file;
    } else {
      ASSERT_NE(e, nullptr) << c.type << " " << c.file;
      EXPECT_FLOAT_EQ(e->Version, c.entry) << c.type << " " << c.file;
    }
  }
}

TEST(ConversionRegistry, OlderDefinitionsReadFilesWithoutConversion) {
  auto catalogue = std::make_unique<PBCatalogue>();
  RegisterCatalogue(*catalogue);
  UpdateVavurOrezoDefinitions("1.06", *catalogue);
  EXPECT_EQ(ConversionForFile(0, 1.4f), nullptr);
  ResetDefinitionSet();
  EXPECT_NE(ConversionForFile(0, 1.4f), nullptr);
}

TEST(ConversionRegistry, AmongEqualVersionsTheLastRegisteredComesFirst) {
  auto catalogue = std::make_unique<PBCatalogue>();
  RegisterCatalogue(*catalogue);
  ParmVersionTables tables;
  PBConversion& late = AddConversion(*catalogue, tables, 271, 0, 4.0f, 0, nullptr, 0, nullptr, 11, nullptr, nullptr);
  PBConversion& first = AddConversion(*catalogue, tables, 271, 0, 3.02f, 0, nullptr, 0, nullptr, 11, nullptr, nullptr);
  PBConversion& second = AddConversion(*catalogue, tables, 271, 0, 3.02f, 0, nullptr, 0, nullptr, 11, nullptr, nullptr);
  const PBConversion* list = catalogue->Slot(271)->Conversions;
  EXPECT_EQ(FindConversionForVersion(list, 3.0f), &second);
  EXPECT_EQ(second.Next, &first);
  EXPECT_EQ(first.Next, &late);
  EXPECT_EQ(second.NewType, 271);   // 0 stands for the old type
  EXPECT_EQ(second.OldFields, catalogue->Slot(271)->FieldTable);

  // The registered pair of type 271 at 3.02 in the process-wide catalogue.
  TheParmVersionTables();
  const PBConversion* registered = GetPBType(271)->Conversions;
  ASSERT_NE(registered, nullptr);
  ASSERT_NE(registered->Next, nullptr);
  EXPECT_FLOAT_EQ(registered->Version, 3.02f);
  EXPECT_FLOAT_EQ(registered->Next->Version, 3.02f);
}

}  // namespace
}  // namespace zeph
