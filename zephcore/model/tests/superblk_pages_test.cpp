// Page helpers (palette entries, counts, prefix walks) and the End Block's label.
#include "model/superblk_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/pbaccess_msgtext.h"
#include "model/superblk.h"
#include "model/superblk_endpage.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

class SuperBlockPagesTest : public test::ModelFixture {
 protected:
  SuperBlockPagesTest() { InstallSuperBlockLookups(); }

  Symbol* AddPage(const char* name, int type = kTypeSuperBlock, std::int16_t pageType = 0) {
    SymbolBody body;
    InitSymbol(body, name, 1, type, 1, 0, 0, 0, 0);
    auto data = std::make_unique<SBPageData>();
    data->PageType = pageType;
    body.Data = std::move(data);
    return InsertSymbol(body, type, true, &t);
  }
  Symbol* Pages() { return *t.TreeSlot(kTypeSuperBlock); }
};

TEST_F(SuperBlockPagesTest, CountEntryKindsAndByteSize) {
  auto table = test::BuildTable("xA|xB|rC:radio=a/b|eD:int|vE:str|gF|cG:list=7");
  const PBEntryKindCounts counts = CountEntryKinds(table->Entries());
  EXPECT_EQ(counts.CheckBoxes, 2);
  EXPECT_EQ(counts.Edits, 3);
  EXPECT_EQ(counts.ShortTexts, 1);
  EXPECT_EQ(counts.ByteSize, 102 * 8);
  EXPECT_EQ(CountEntryKinds(nullptr).ByteSize, 102);
}

TEST_F(SuperBlockPagesTest, PageExitsComeFromTheLabelledEntries) {
  Symbol* page = AddPage("Billing");
  SBInterfaceTable table(page);
  table.AddEntry("v", kTypeInteger, 0, 0);
  table.AddEntry("Done", -1, 0, 0);
  table.AddEntry("Again", -1, 0, 0);
  std::vector<PBFieldDef> fields(table.Table(), table.Table() + 4);
  fields[2].GotoNotOnIcon = 1;
  VavurOrezoInfo info;
  ASSERT_EQ(FillPageExits(info, fields.data()), 2);
  EXPECT_EQ(info.ExitCount, 2);
  EXPECT_STREQ(info.Exits[0].Label, "Again");
  EXPECT_EQ(info.Exits[0].Flags, 0);
  EXPECT_EQ(info.Exits[0].Id, 5);
  EXPECT_STREQ(info.Exits[1].Label, "Done");
  EXPECT_EQ(info.Exits[1].Flags, kExitNotDrawn);
  EXPECT_EQ(info.Exits[1].Id, 6);
  EXPECT_EQ(info.Exits[1].Group, 0);
}

TEST_F(SuperBlockPagesTest, PagePaletteLeavesOutMainAndLibraryPages) {
  AddPage("Main");
  SBInterfaceTable(AddPage("Zeta")).AddEntry("Out", -1, 0, 0);
  AddPage("Alpha");
  AddPage("MYLIB.RLL", kTypeSuperBlock, 2);
  AddPage("MYLIB.Menu");
  Symbol* gone = AddPage("Gone");
  gone->Deleted = 1;
  EXPECT_EQ(CountPages(Pages()), 2);
  VavurOrezoInfo entries[4];
  ASSERT_EQ(AddPagePaletteEntries(Pages(), entries, 4, "SBLOCK"), 2);
  EXPECT_STREQ(entries[0].Name, "Alpha");
  EXPECT_STREQ(entries[1].Name, "Zeta");
  EXPECT_STREQ(entries[1].SecondName, "Zeta");
  EXPECT_STREQ(entries[1].Bitmap, "SBLOCK");
  EXPECT_EQ(entries[1].Type, kPBTypeSuperBlock);
  EXPECT_EQ(entries[1].ExitCount, 1);
  EXPECT_EQ(AddPagePaletteEntries(Pages(), entries, 1, "SBLOCK"), 1);   // capacity
}

TEST_F(SuperBlockPagesTest, LibraryPagesByPrefix) {
  AddPage("MYLIB.RLL", kTypeSuperBlock, 2);
  AddPage("MYLIB.Menu");
  AddPage("MYLIB.Check");
  AddPage("OTHER.Menu");
  AddPage("Main");
  EXPECT_EQ(CountLibraryPages(Pages(), "MYLIB.RLL"), 3);
  VavurOrezoInfo entries[4];
  ASSERT_EQ(AddLibraryPaletteEntries(Pages(), "MYLIB.RLL", entries, 4), 2);
  EXPECT_STREQ(entries[0].Name, "MYLIB.Check");
  EXPECT_STREQ(entries[1].Name, "MYLIB.Menu");
  EXPECT_STREQ(entries[0].Bitmap, "RLL");
}

TEST_F(SuperBlockPagesTest, PrefixWalks) {
  Var("LIB.a", kTypeInteger);
  Var("LIB.b", kTypeString, 8);
  Var("Other", kTypeInteger)->RefCnt = 2;
  Symbol* page = AddPage("LIB.Page");
  std::vector<Symbol*> found;
  CollectByPrefix("LIB.", found);
  EXPECT_EQ(found.size(), 3u);

  MarkDeletedByPrefix(Pages(), "LIB.");
  EXPECT_EQ(page->Deleted, 1);
  EXPECT_EQ(page->Data, nullptr);

  EXPECT_EQ(IsNameReferenced(*t.TreeSlot(kTypeInteger), "OTHER"), 1);
  EXPECT_EQ(IsNameReferenced(*t.TreeSlot(kTypeInteger), "LIB.a"), 0);   // not in use
  EXPECT_EQ(IsNameReferenced(*t.TreeSlot(kTypeInteger), "Oth"), 0);

  std::vector<std::string> names;
  CollectNames(*t.TreeSlot(kTypeInteger), names);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"LIB.a", "Other"}));
}

class EndPageLabelTest : public SuperBlockPagesTest {
 protected:
  EndPageLabelTest() : page(AddPage("Billing")), end(AddPB("Billing$Finish", 181, "Finish")) {
    SBInterfaceTable table(page);
    table.AddEntry("Finish", -1, 0, 0);
    table.AddEntry("Other", -1, 0, 0);
  }
  std::vector<std::string> Exits() {
    std::vector<std::string> names;
    for (const PBFieldDef* e = SBInterfaceTable(page).Table(); !e->IsEnd(); ++e) names.emplace_back(e->Name);
    return names;
  }
  Symbol* page;
  PBInstance& end;
};

TEST_F(EndPageLabelTest, NewLabelRenamesTheExit) {
  SBEndPageLabel label(end);
  EXPECT_EQ(label.Label(), "Finish");
  EXPECT_EQ(label.Commit("Success", page, nullptr), 1);
  EXPECT_EQ(end.Companion, "Success");
  EXPECT_EQ(Exits(), (std::vector<std::string>{"Other", "Success"}));
}

TEST_F(EndPageLabelTest, EmptyTextRestoresTheLabelFromTheName) {
  SBInterfaceTable(page).RenameEntry("Finish", "Done");
  end.Companion = "Done";
  SBEndPageLabel label(end);
  EXPECT_EQ(label.Commit("", page, nullptr), 1);
  EXPECT_EQ(end.Companion, "Finish");
  EXPECT_EQ(Exits(), (std::vector<std::string>{"Finish", "Other"}));
}

TEST_F(EndPageLabelTest, UnchangedLabelClosesWithoutRenaming) {
  notifier.pageKinds.clear();
  SBEndPageLabel label(end);
  EXPECT_EQ(label.Commit("Finish", page, nullptr), 1);
  EXPECT_TRUE(notifier.pageKinds.empty());
}

TEST_F(EndPageLabelTest, RefusedRenameKeepsTheDialogAndTheLabel) {
  SBEndPageLabel label(end);
  EXPECT_EQ(label.Commit("Other", page, nullptr), 0);
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text, PBMessageText(kErrGotoExists));
  EXPECT_EQ(end.Companion, "Finish");
  EXPECT_EQ(Exits(), (std::vector<std::string>{"Finish", "Other"}));
}

TEST_F(EndPageLabelTest, LabelOfAnEndBlockWithoutOneIsItsName) {
  end.Companion.clear();
  EXPECT_EQ(SBEndPageLabel(end).Label(), "Billing$Finish");
}

}  // namespace
}  // namespace zeph
