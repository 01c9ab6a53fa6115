// The palette's groups and types: the tabs and items it sends the frame, in order; the
// selected group by name, the program's own groups, and what may be dragged over it.
#include "canvas_fixture.h"

#include "editor/palette/palettestate.h"

namespace ed::test {
namespace {

class RecordingLink : public PaletteFrameLink {
 public:
  bool TabsExist() override { return tabs; }
  void ClearTabs() override { sent.push_back("1233"); }
  void AddTab(const std::string& name, GroupIcon*) override { sent.push_back("1227 " + name); }
  void EndTabs(int select) override { sent.push_back("1228 " + std::to_string(select)); }
  void ClearItems() override { sent.push_back("1226"); }
  void AddItem(const std::string& name, int image, std::uint32_t data,
               const std::shared_ptr<VavurOrezoIcon>&) override {
    sent.push_back("1225 " + name + " " + std::to_string(image) + " " + std::to_string(data));
  }
  void SelectGroupInFrame(GroupIcon* group) override { sent.push_back("1232 " + (group ? group->Name() : "-")); }
  void InvalidateTabs() override { sent.push_back("invalidate"); }
  void RefreshTabs() override { sent.push_back("refresh"); }
  void ShowMembers(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) override { shown = members; }
  bool tabs = true;
  std::vector<std::string> sent;
  const std::vector<std::shared_ptr<VavurOrezoIcon>>* shown = nullptr;
};

class PaletteStateTest : public CanvasTest {
 protected:
  PaletteStateTest() {
    basic.Title = "Basic";
    basic.Entries[0] = PaletteType("Announcement", "Play", 393);
    basic.Entries[1] = PaletteType("Mystery", "Odd one", 999);
    basic.Entries[2] = PaletteType("Orders.1234", "Orders", 409);
    hidden.Title = "Hidden";
    hidden.System = 1;
    custom.Title = "Custom";
    library.Title = "Billing.RLL";
    smallLibrary.Title = "billing.rll";
    table.Groups[0] = &basic;
    table.Groups[1] = &hidden;
    table.Groups[2] = &custom;
    table.Groups[3] = &library;
    table.Groups[4] = &smallLibrary;
    list = std::make_unique<PaletteIconList>(table, &host);
    state = std::make_unique<PaletteState>(*list, link);
  }
  GroupIcon* Group(const char* name) { return list->FindGroup(name); }

  zeph::VlxPaletteGroup basic, hidden, custom, library, smallLibrary;
  zeph::IconInfoTable table;
  std::unique_ptr<PaletteIconList> list;
  RecordingLink link;
  std::unique_ptr<PaletteState> state;
};

TEST_F(PaletteStateTest, TabsAndItemsAreSentInOrder) {
  state->SetGroups(nullptr);
  // The third group is current: "Custom", without a program nothing to show.
  EXPECT_EQ(state->CurrentGroup(), Group("Custom"));
  EXPECT_EQ(state->CustomSelected(), 1);
  EXPECT_EQ(link.shown, nullptr);
  EXPECT_EQ(link.sent, (std::vector<std::string>{"1233", "1227 Basic", "1227 Custom", "1227 Billing.RLL",
                                                 "1227 billing.rll", "1228 0", "1232 Custom", "invalidate"}));
  // The system group has no tab but stays in the group pane.
  EXPECT_EQ(state->Groups().size(), 5u);

  link.sent.clear();
  ASSERT_TRUE(state->GroupClicked(Group("Basic")));
  EXPECT_FALSE(state->GroupClicked(Group("Basic")));
  EXPECT_EQ(link.sent, (std::vector<std::string>{"1226", "1225 Play 0 1", "1225 Odd one 24 2", "1225 Orders.1234 11 3"}));
  ASSERT_NE(link.shown, nullptr);
  // An item's data is its position plus one: 0 and one past the end name nothing.
  EXPECT_EQ(state->MemberAt(2)->TypeCode(), 999);
  EXPECT_EQ(state->MemberAt(0), nullptr);
  EXPECT_EQ(state->MemberAt(4), nullptr);

  link.sent.clear();
  state->RebuildGroupTabs(2);
  EXPECT_EQ(link.sent.front(), "1233");
  EXPECT_EQ(link.sent[link.sent.size() - 2], "1228 2");
  EXPECT_EQ(link.sent.back(), "refresh");

  // Without the tabbed palette nothing is sent.
  link.tabs = false;
  link.sent.clear();
  state->RefillGroupTabs();
  state->FillFramePalette();
  EXPECT_TRUE(link.sent.empty());
}

// Without any group there is none to select: the frame is not told of one (it takes a
// group as given).
TEST_F(PaletteStateTest, APaletteWithoutGroupsNamesNoneToTheFrame) {
  zeph::IconInfoTable empty;
  PaletteIconList none(empty, &host);
  RecordingLink quiet;
  PaletteState bare(none, quiet);
  bare.SetGroups(nullptr);
  bare.BuildGroupTabs();
  EXPECT_EQ(bare.CurrentGroup(), nullptr);
  EXPECT_EQ(quiet.sent, (std::vector<std::string>{"1233", "1228 0", "invalidate", "1233", "1228 0", "invalidate"}));
}

TEST_F(PaletteStateTest, GroupsSelectedByName) {
  struct Case {
    const char* group;
    int custom, superBlock, library;
  } cases[] = {
      {"Basic", 0, 0, 0}, {"Custom", 1, 0, 0}, {"Billing.RLL", 0, 0, 3}, {"billing.rll", 0, 0, 0},
  };
  for (const auto& c : cases) {
    state->SelectGroup(Group(c.group));
    EXPECT_EQ(state->CustomSelected(), c.custom) << c.group;
    EXPECT_EQ(state->SuperBlockSelected(), c.superBlock) << c.group;
    EXPECT_EQ(state->LibrarySelected(), c.library) << c.group;
  }
  GroupIcon superBlocks("SuperBlocks", "", "");
  GroupIcon verification("Verification Blocks", "", "");
  state->SelectGroup(&verification);
  EXPECT_EQ(state->SuperBlockSelected(), 2);
  EXPECT_EQ(link.shown, nullptr);   // no program: nothing of its own to show
  state->SelectGroup(&superBlocks);
  EXPECT_EQ(state->SuperBlockSelected(), 1);
}

TEST_F(PaletteStateTest, TheProgramsOwnGroupFollowsTheProgram) {
  imports.custom = std::make_unique<zeph::VlxPaletteGroup>();
  imports.custom->Title = "Custom";
  imports.custom->Entries[0] = PaletteType("MyBlock", "Mine", -100);
  program->RebuildOwnGroups();
  ASSERT_NE(program->CustomGroup(), nullptr);

  state->SetGroups(nullptr);   // "Custom" is the current group
  ASSERT_EQ(state->CustomSelected(), 1);
  EXPECT_EQ(link.shown, nullptr);
  state->SetProgram(program.get());
  EXPECT_EQ(state->CustomSelected(), 1);
  ASSERT_NE(link.shown, nullptr);
  EXPECT_EQ(link.shown, &program->CustomGroup()->Icons());
  state->SetProgram(nullptr);
  EXPECT_EQ(link.shown, nullptr);
  EXPECT_EQ(state->CustomSelected(), 1);
}

TEST(PaletteDragTest, OnlyVavurOrezoTypesMayBeDraggedOverThePane) {
  EXPECT_TRUE(PaletteAcceptsDrag(kClassVavurOrezoIcon));
  EXPECT_FALSE(PaletteAcceptsDrag(kClassGroupIcon));
  EXPECT_FALSE(PaletteAcceptsDrag(kClassVavurOrezo));
}

}  // namespace
}  // namespace ed::test
