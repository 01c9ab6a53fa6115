// Walks every row of the catalogue data: each text reads without error, each field table
// fits its layout and its form, each call template fits its field table.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "scribe/catalogue.h"
#include "scribe/choicelists.h"
#include "scribe/fielddesc.h"

namespace scribe {
namespace {

struct Built {
  const CatalogueRow* row;
  std::unique_ptr<FieldTable> table;
  std::vector<PBTemplatePair> tpl;
};

const std::vector<Built>& AllBuilt() {
  static const std::vector<Built> built = [] {
    std::vector<Built> all;
    for (const CatalogueRow& row : CatalogueRows()) {
      Built b{&row, BuildFieldTable(row.Fields, row.Layout, nullptr), {}};
      if (row.Calls == nullptr || std::strcmp(row.Calls, "none") != 0) {
        b.tpl = BuildCallTemplate(row.Calls, *b.table, nullptr);
      }
      all.push_back(std::move(b));
    }
    return all;
  }();
  return built;
}

// Number of arguments that one template pair writes.
int ArgumentsOf(const PBTemplatePair& p) {
  switch (p.Kind) {
    case -289: case -291: return 2;   // "%s, datadef %s"
    case -286: case -298: return 6;
    default: return 1;
  }
}

int Arity(const std::vector<PBTemplatePair>& tpl) {
  int n = 0;
  for (const PBTemplatePair& p : tpl) {
    if (IsTemplateEnd(p)) break;
    n += ArgumentsOf(p);
  }
  return n;
}

const Built& ByIndex(int index) {
  for (const Built& b : AllBuilt()) {
    if (b.row->Index == index) return b;
  }
  static Built none{};
  ADD_FAILURE() << "no row " << index;
  return none;
}

TEST(CatalogueRows, EverySlotHasOneRowWithUniqueNames) {
  auto rows = CatalogueRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kCatalogueSize));
  std::set<std::string> internal;
  for (int i = 0; i < kCatalogueSize; ++i) {
    EXPECT_EQ(rows[static_cast<std::size_t>(i)].Index, i);
    EXPECT_TRUE(internal.insert(rows[static_cast<std::size_t>(i)].Internal).second)
        << rows[static_cast<std::size_t>(i)].Internal;
    EXPECT_EQ(FindCatalogueRow(i), &rows[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(FindCatalogueRow(416), nullptr);
  EXPECT_EQ(FindCatalogueRow(-1), nullptr);
}

TEST(CatalogueRows, EveryTextReadsWithoutError) {
  for (const CatalogueRow& row : CatalogueRows()) {
    std::string error;
    auto table = BuildFieldTable(row.Fields, row.Layout, &error);
    EXPECT_EQ(error, "") << row.Index << " " << row.Internal;
    if (row.Calls != nullptr && std::strcmp(row.Calls, "none") == 0) continue;
    error.clear();
    BuildCallTemplate(row.Calls, *table, &error);
    EXPECT_EQ(error, "") << "template of " << row.Index << " " << row.Internal;
  }
  for (const StructureRow& row : ExtraStructureRows()) {
    std::string error;
    BuildFieldTable(row.Fields, row.Layout, &error);
    EXPECT_EQ(error, "") << row.StructId;
  }
}

// Offsets: value slots lie on slot boundaries of the layout, 16-bit values in a raw part,
// no two fields share a place, and every value slot is among the first n slots of a table
// of n entries (the application file stores that many).
void ExpectFitsLayout(const FieldTable& table, const std::string& what) {
  const LayoutGeometry geo = GeometryOf(table.Layout());
  const int n = table.Count();
  std::set<int> used;
  for (int i = 0; i < n; ++i) {
    const PBFieldDef& f = table.Entries()[i];
    EXPECT_TRUE(used.insert(f.FieldOffset).second) << what << " field " << i << " offset reused";
    if (f.UsesValueSlot()) {
      const int rel = f.FieldOffset - geo.SlotBase;
      ASSERT_GE(rel, 0) << what << " field " << i;
      EXPECT_EQ(rel % kValueSlotSize, 0) << what << " field " << i;
      EXPECT_LT(rel / kValueSlotSize, geo.SlotCount) << what << " field " << i;
      EXPECT_LT(rel / kValueSlotSize, n) << what << " field " << i << " not stored";
    } else {
      const bool inLead = f.FieldOffset >= 0 && f.FieldOffset + 2 <= geo.RawLength;
      const bool inTail = geo.TailLength > 0 && f.FieldOffset >= geo.TailOffset &&
                          f.FieldOffset + 2 <= geo.TailOffset + geo.TailLength;
      EXPECT_TRUE(inLead || inTail) << what << " field " << i;
      EXPECT_EQ(f.FieldOffset % 2, 0) << what << " field " << i;
    }
  }
}

TEST(CatalogueRows, EveryFieldTableFitsItsLayout) {
  for (const Built& b : AllBuilt()) {
    ExpectFitsLayout(*b.table, std::to_string(b.row->Index) + " " + b.row->Internal);
  }
  for (const StructureRow& row : ExtraStructureRows()) {
    ExpectFitsLayout(*BuildFieldTable(row.Fields, row.Layout, nullptr), std::to_string(row.StructId));
  }
}

// The forms build one control per entry: their order and limits.
TEST(CatalogueRows, EveryFieldTableFitsItsForm) {
  for (const Built& b : AllBuilt()) {
    const std::string what = std::to_string(b.row->Index) + " " + b.row->Internal;
    const PBFieldDef* f = b.table->Entries();
    int edits = 0, checks = 0, combos = 0, radios = 0, buttons = 0, stage = 0;
    for (int i = 0; i < b.table->Count(); ++i) {
      int kindStage = 0;
      switch (f[i].UIElement) {
        case kUIEdit: ++edits; kindStage = 0; break;
        case kUICheckBox: ++checks; kindStage = 1; break;
        case kUIChoice: ++combos; kindStage = 2; break;
        case kUIRadioGroup:
          ++radios;
          buttons += f[i].NumRadioInArray < 0 ? -f[i].NumRadioInArray : f[i].NumRadioInArray;
          kindStage = 3;
          break;
        default: ADD_FAILURE() << what << " field " << i << " kind";
      }
      if (b.row->DialogKind != 0) {
        EXPECT_GE(kindStage, stage) << what << " field " << i << " out of form order";
      }
      stage = std::max(stage, kindStage);
    }
    switch (b.row->DialogKind) {
      case 1:
        EXPECT_EQ(combos + radios, 0) << what;
        EXPECT_LE(edits, 40) << what;
        EXPECT_LE(checks, 40) << what;
        break;
      case 3:
        EXPECT_EQ(combos, 0) << what;
        break;
      case 4:
        EXPECT_LE(edits, 40) << what;
        EXPECT_LE(checks, 39) << what;
        EXPECT_LE(combos, 30) << what;
        EXPECT_LE(radios, 20) << what;
        EXPECT_LE(buttons, 128) << what;
        EXPECT_LE(edits + combos, 41) << what;
        break;
      default: break;
    }
  }
}

// Shared templates "DIALOG_<edits>_<gotos>[_C<check boxes>]" of the table-driven forms.
TEST(CatalogueRows, NumberedTemplatesMatchTheirTables) {
  for (const Built& b : AllBuilt()) {
    const char* res = b.row->Resource;
    int e = -1, g = -1, c = 0;
    if (res == nullptr || b.row->DialogKind != 1) continue;
    if (std::sscanf(res, "DIALOG_%d_%d_C%d", &e, &g, &c) < 2) continue;
    int edits = 0, gotos = 0, checks = 0;
    for (int i = 0; i < b.table->Count(); ++i) {
      const PBFieldDef& f = b.table->Entries()[i];
      if (f.IsGoto()) ++gotos;
      else if (f.UIElement == kUIEdit) ++edits;
      else if (f.UIElement == kUICheckBox) ++checks;
    }
    EXPECT_EQ(edits, e) << b.row->Index << " " << res;
    EXPECT_EQ(gotos, g) << b.row->Index << " " << res;
    EXPECT_EQ(checks, c) << b.row->Index << " " << res;
  }
}

// Completion codes whose exit line always leads to the end of the page.
const std::set<int> kEndCodes = {105, 108, 111, 118, 124, 127, 136, 138, 140,
                                 142, 144, 154, 157, 159, 162, 164, 166};

TEST(CatalogueRows, TemplatesFitTheirFieldTables) {
  for (const Built& b : AllBuilt()) {
    if (b.tpl.empty()) continue;
    const std::string what = std::to_string(b.row->Index) + " " + b.row->Internal;
    const int count = b.table->Count();
    int list = 0;
    for (const PBTemplatePair& p : b.tpl) {
      if (IsTemplateEnd(p)) {
        ++list;
        continue;
      }
      ASSERT_LT(p.Field, std::max(count, 1)) << what;
      ASSERT_GE(p.Field, 0) << what;
      if (list == 1) {
        // Exits: a code or kind that names a goto field, never a blank code.
        EXPECT_FALSE(p.Kind == 39 || (p.Kind >= 80 && p.Kind <= 83)) << what;
        EXPECT_LT(p.Kind, kCompletionCodeCount) << what;
        if ((p.Kind >= 0 && kEndCodes.count(p.Kind) == 0) || p.Kind == kExitGoto) {
          EXPECT_TRUE(b.table->Entries()[p.Field].IsGoto()) << what << " exit " << p.Kind;
        }
      } else if (p.Kind >= 0) {
        EXPECT_FALSE(b.table->Entries()[p.Field].IsGoto()) << what << " argument " << p.Field;
      }
    }
    EXPECT_TRUE(list == 2 || list == 3) << what;
  }
}

TEST(CatalogueRows, CallsWrittenByTheGeneratorHaveTheirArity) {
  const std::map<int, int> fixed = {
      {6, 0}, {16, 1}, {100, 2}, {112, 2}, {115, 2}, {116, 2}, {121, 10}, {223, 1},
      // calls that the types' own code writes
      {135, 1}, {147, 2}, {148, 2}, {153, 2}, {284, 7}, {285, 8}, {291, 2}};
  for (const auto& [index, arity] : fixed) {
    EXPECT_EQ(Arity(ByIndex(index).tpl), arity) << index;
  }
  // Types whose first pass writes a shared call head.
  for (auto [a, b] : {std::pair{46, 48}, std::pair{65, 66}, std::pair{74, 75}}) {
    EXPECT_EQ(Arity(ByIndex(a).tpl), Arity(ByIndex(b).tpl)) << a << "/" << b;
  }
  // Second argument lists: exactly the types with a shared first-pass head.
  std::set<int> second;
  for (const Built& b : AllBuilt()) {
    int ends = 0;
    for (const PBTemplatePair& p : b.tpl) ends += IsTemplateEnd(p);
    if (ends == 3) second.insert(b.row->Index);
  }
  EXPECT_EQ(second, (std::set<int>{45, 46, 48, 65, 66, 74, 75}));
}

TEST(CatalogueRows, StructureIdsAreUniqueAndInTheirRanges) {
  std::set<int> ids;
  for (const CatalogueRow& row : CatalogueRows()) {
    if (row.StructId == 0) continue;
    EXPECT_TRUE(ids.insert(row.StructId).second) << row.StructId;
    if (row.Index < 393) {
      EXPECT_GE(row.StructId, 5001);
      EXPECT_LE(row.StructId, 5258);
    } else {
      EXPECT_EQ(row.StructId, 10271 + (row.Index - 393));
    }
  }
  for (const StructureRow& row : ExtraStructureRows()) {
    EXPECT_TRUE(ids.insert(row.StructId).second) << row.StructId;
  }
  EXPECT_EQ(ids.size(), 254u + 23u + ExtraStructureRows().size());
}

TEST(CatalogueRows, ChoiceFieldsNameListsThatHoldTheirDefaults) {
  for (const Built& b : AllBuilt()) {
    for (int i = 0; i < b.table->Count(); ++i) {
      const PBFieldDef& f = b.table->Entries()[i];
      if (f.UIElement != kUIChoice) continue;
      const char* const* texts = ChoiceListTexts(f.NumRadioInArray);
      ASSERT_NE(texts, nullptr) << b.row->Index << " list " << int(f.NumRadioInArray);
      if (f.InitValue == nullptr) continue;
      bool found = false;
      for (const char* const* t = texts; *t != nullptr; ++t) found |= std::strcmp(*t, f.InitValue) == 0;
      EXPECT_TRUE(found) << b.row->Index << " default " << f.InitValue;
    }
  }
}

TEST(ChoiceLists, EveryListPairsItsTextsWithValues) {
  for (int id = 0; id < 80; ++id) {
    const char* const* texts = ChoiceListTexts(id);
    const char* const* values = ChoiceListValues(id);
    EXPECT_EQ(IsChoiceListId(id), texts != nullptr) << id;
    if (texts == nullptr) {
      EXPECT_EQ(values, nullptr);
      continue;
    }
    ASSERT_NE(values, nullptr) << id;
    int n = 0;
    while (texts[n] != nullptr && values[n] != nullptr) {
      EXPECT_NE(texts[n][0], '\0') << id;
      EXPECT_NE(values[n][0], '\0') << id;
      ++n;
    }
    EXPECT_GT(n, 1) << id;
    EXPECT_EQ(texts[n], nullptr) << id << " has more texts than values";
    EXPECT_EQ(values[n], nullptr) << id << " has more values than texts";
  }
}

}  // namespace
}  // namespace scribe
