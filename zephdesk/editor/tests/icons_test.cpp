// Palette icon lists built from the model's palette table.
#include <gtest/gtest.h>

#include <memory>

#include "editor/canvas/icons.h"

namespace ed {
namespace {

TEST(PaletteIconListTest, EmptyTableGivesNoIcons) {
  zeph::IconInfoTable table;
  PaletteIconList list(table, nullptr);
  EXPECT_TRUE(list.Groups().empty());
  EXPECT_EQ(list.FindIcon(393), nullptr);
  EXPECT_EQ(list.FindGroup("Any"), nullptr);
}

TEST(PaletteIconListTest, GroupsKeepTableOrderAndCopyTheirTexts) {
  auto first = std::make_unique<zeph::VlxPaletteGroup>();
  first->Title = "Basic";
  first->Description = "Basic blocks";
  first->Bitmap = "BASIC";
  first->Entries[0].Name = "Announcement";
  first->Entries[0].SecondName = "Announce";
  first->Entries[0].Type = 393;
  first->Entries[0].ExitCount = 1;
  first->Entries[0].Exits[0].Label = "Done";
  first->Entries[0].Exits[0].Id = 5;
  first->Entries[1].Name = "Menu";
  first->Entries[1].Type = 402;
  auto system = std::make_unique<zeph::VlxPaletteGroup>();
  system->Title = "System";
  system->System = 1;
  system->Entries[0].Name = "Other Menu";
  system->Entries[0].Type = 402;
  zeph::IconInfoTable table;
  table.Groups[0] = first.get();
  table.Groups[1] = system.get();
  PaletteIconList list(table, nullptr);
  first.reset();   // the list keeps its own copies
  ASSERT_EQ(list.Groups().size(), 2u);
  GroupIcon* basic = list.FindGroup("Basic");
  ASSERT_NE(basic, nullptr);
  EXPECT_EQ(basic->Text(), "Basic blocks");
  EXPECT_EQ(basic->BitmapName(), "BASIC");
  ASSERT_EQ(basic->Icons().size(), 2u);
  EXPECT_EQ(basic->Icons()[0]->Name(), "Announcement");
  EXPECT_EQ(basic->Icons()[0]->Text(), "Announce");
  EXPECT_EQ(basic->Icons()[0]->Record()->outputs[0].name, "Done");
  EXPECT_EQ(basic->Icons()[0]->Record()->outputs[0].bitIndex, 5);
  EXPECT_TRUE(basic->IsShown());
  EXPECT_FALSE(basic->CanDrag());
  EXPECT_FALSE(list.FindGroup("System")->IsShown());
  EXPECT_EQ(list.FindGroup("basic"), nullptr);
  // The first group in list order wins.
  EXPECT_EQ(list.FindIcon(402)->Name(), "Menu");
  EXPECT_EQ(list.FindIcon(999), nullptr);
}

TEST(PageNamePairTest, CopiesBothNamesAndTakesNullAsEmpty) {
  PageNamePair pair("Billing", nullptr);
  EXPECT_STREQ(pair.oldName, "Billing");
  EXPECT_STREQ(pair.newName, "");
}

}  // namespace
}  // namespace ed
