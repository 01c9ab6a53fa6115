// The tool palette: its groups, their entries in name order, and its two limits.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/interface/library.h"
#include "model/interface/palette.h"
#include "model/name_compare.h"
#include "model/program/program.h"

namespace zeph {
namespace {

class VlxPalette : public ::testing::Test {
 protected:
  VlxPalette() {
    SetDialogModuleLoader(&test::FakeDialogModule);
    EnsureLibraryStarted();
    program = vlxAddProgram(nullptr, 0);
  }
  ~VlxPalette() override {
    for (VlxPaletteGroup* group : table.Groups) delete group;
    vlxRemoveProgram(program);
    SetDialogModuleLoader(nullptr);
  }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  vlxHandleType program = nullptr;
  IconInfoTable table;
};

TEST_F(VlxPalette, FrontPaletteHoldsTheThreeGroupsWithEntriesInNameOrder) {
  ASSERT_EQ(vlxGetVavurOrezoList(&table, 0, 0, 0, 0, 0), 0);
  const char* titles[] = {"System", "Basic", "System "};
  for (int g = 0; g < 3; ++g) {
    SCOPED_TRACE(titles[g]);
    ASSERT_NE(table.Groups[g], nullptr);
    const VlxPaletteGroup& group = *table.Groups[g];
    EXPECT_STREQ(group.Title, titles[g]);
    EXPECT_EQ(group.System, g == 0 ? 1 : 0);
    int n = 0;
    for (; group.Entries[n].Name != nullptr; ++n) {
      const VavurOrezoInfo& entry = group.Entries[n];
      EXPECT_STREQ(entry.SecondName, entry.Name);
      EXPECT_STREQ(GetPBType(entry.Type)->GroupCode, group.Key);
      EXPECT_NE(entry.Bitmap, nullptr);
      if (n > 0) {
        EXPECT_LT(CompareNames(group.Entries[n - 1].Name, entry.Name), 0);
      }
    }
    EXPECT_GT(n, 1);
  }
  EXPECT_EQ(table.Groups[3], nullptr);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(VlxPalette, BackPaletteHasNoGroups) {
  ASSERT_EQ(vlxGetVavurOrezoList(&table, 1, 0, 0, 0, 0), 0);
  EXPECT_EQ(table.Groups[0], nullptr);
}

TEST_F(VlxPalette, TheThirtiethGroupIsRefused) {
  std::deque<std::string> keys;
  std::vector<PaletteGroupDef> groups;
  for (int i = 0; i < 31; ++i) {
    keys.push_back("k" + std::to_string(i));
    groups.push_back({"T", keys.back().c_str(), "D", "B"});
  }
  PBCatalogue catalogue;
  EXPECT_EQ(BuildPalette(table, false, groups.data(), 29, catalogue), 0);
  for (VlxPaletteGroup*& group : table.Groups) delete std::exchange(group, nullptr);
  EXPECT_EQ(BuildPalette(table, false, groups.data(), 31, catalogue), -11);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].text, "Internal Error:  Too many groups.");
  EXPECT_EQ(table.Groups[0], nullptr);   // nothing is left for the caller to use
}

TEST_F(VlxPalette, AFullGroupLeavesTheTypeOutAndStaysUsable) {
  PBCatalogue catalogue;
  std::deque<std::string> names;
  for (int i = 0; i < 31; ++i) {
    names.push_back("Type" + std::to_string(100 - i));   // registered against name order
    catalogue.Keep(std::make_unique<DefinePB>(catalogue, i, names.back().c_str(), names.back().c_str(),
                                              i == 30 ? "other" : "g", "", 0, nullptr, 0, nullptr, nullptr, 0,
                                              nullptr, nullptr, nullptr, nullptr, 0, nullptr));
  }
  const PaletteGroupDef groups[] = {{"Other", "other", "", "OB"}, {"Group", "g", "", "GB"}};
  ASSERT_EQ(BuildPalette(table, false, groups, 2, catalogue), 0);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].text,
            "Problem encountered loading the palette.\nCould not add block ID '29' to palette group '1'.");
  EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
  const VlxPaletteGroup& full = *table.Groups[1];
  EXPECT_STREQ(full.Entries[0].Name, "Type100");
  EXPECT_STREQ(full.Entries[1].Name, "Type72");
  EXPECT_STREQ(full.Entries[28].Name, "Type99");
  EXPECT_EQ(full.Entries[29].Name, nullptr);
  EXPECT_STREQ(full.Entries[0].Bitmap, "GB");   // no keyword: the group's bitmap
  EXPECT_STREQ(table.Groups[0]->Entries[0].Name, "Type70");
  EXPECT_EQ(table.Groups[2], nullptr);
}

TEST_F(VlxPalette, BackTypesToggle) {
  const bool before = BackTypesOffered();
  vlxToggleBackTypes();
  EXPECT_NE(BackTypesOffered(), before);
  vlxToggleBackTypes();
  EXPECT_EQ(BackTypesOffered(), before);
}

}  // namespace
}  // namespace zeph
