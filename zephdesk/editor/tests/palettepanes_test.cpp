// The palette panes: the group pane lays out its groups and a click selects another
// group, whose types the VavurOrezo pane shows with their drawn objects; and the drag
// outline that follows the mouse over the VavurOrezo pane.
#include "palette_fixture.h"

#include "editor/palette/bandlist.h"
#include "editor/palette/paletteobjects.h"
#include "editor/palette/palettepanes.h"
#include "editor/palette/palettestate.h"

namespace ed::test {
namespace {

// Hands the types the state shows to the VavurOrezo pane, as the palette window does.
class PaneLink : public PaletteFrameLink {
 public:
  bool TabsExist() override { return false; }
  void ClearTabs() override {}
  void AddTab(const std::string&, GroupIcon*) override {}
  void EndTabs(int) override {}
  void ClearItems() override {}
  void AddItem(const std::string&, int, std::uint32_t, const std::shared_ptr<VavurOrezoIcon>&) override {}
  void SelectGroupInFrame(GroupIcon*) override {}
  void InvalidateTabs() override {}
  void RefreshTabs() override {}
  void ShowMembers(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) override {
    if (pane != nullptr) pane->SetGroup(members);
  }
  VavurOrezoPalettePane* pane = nullptr;
};

class PalettePanesTest : public CanvasTest {
 protected:
  PalettePanesTest() : palette(host), list(palette.list) {
    state = std::make_unique<PaletteState>(*list, link);
    groupPane = std::make_unique<GroupPalettePane>(host, nullptr, *FindLayoutEntry(kPaneGroupPalette), *state);
    blockPane = std::make_unique<VavurOrezoPalettePane>(host, nullptr, *FindLayoutEntry(kPaneBlockPalette));
    link.pane = blockPane.get();
    groupPane->Resize(200, 150);
    blockPane->Resize(188, 300);
  }

  ThreeGroupPalette palette;
  std::unique_ptr<PaletteIconList>& list;
  PaneLink link;
  std::unique_ptr<PaletteState> state;
  std::unique_ptr<GroupPalettePane> groupPane;
  std::unique_ptr<VavurOrezoPalettePane> blockPane;
};

TEST_F(PalettePanesTest, AClickOnAnotherGroupShowsItsTypes) {
  state->SetGroups(nullptr);
  groupPane->GroupsChanged();
  // Three group cells of 96 by 38 overlapping by 16 in rows of a 200-pixel pane.
  ASSERT_EQ(groupPane->DrawnCount(), 3u);
  EXPECT_EQ(groupPane->Selection(), (std::vector<UIObject*>{list->FindGroup("Third")}));
  EXPECT_EQ(blockPane->DrawnCount(), 0u);

  // The first cell lies at the left edge, the second 80 pixels on.
  EXPECT_FALSE(groupPane->Click({90, 60}));  // between the rows: nothing there
  ASSERT_TRUE(groupPane->Click({10, 10}));
  EXPECT_EQ(state->CurrentGroup(), list->FindGroup("Basic"));
  EXPECT_EQ(groupPane->Selection(), (std::vector<UIObject*>{list->FindGroup("Basic")}));
  ASSERT_EQ(blockPane->DrawnCount(), 3u);
  const DisplayObject* first = blockPane->FindObjectAt(10, 10);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->isA(), kDrawnVavurOrezoIcon);
  EXPECT_EQ(first->GetStatusText(), "Play");
  EXPECT_EQ(first->GetActionText(), "Dragging new Block...");
  EXPECT_EQ(first->GetHint(), "Drag new Block to the desired location in the workspace.");
  EXPECT_GT(blockPane->ContentHeight(), 38 + 6);   // two rows of types

  // A click on the current group is not taken; another group replaces the types.
  EXPECT_FALSE(groupPane->Click({10, 10}));
  ASSERT_TRUE(groupPane->Click({90, 10}));
  EXPECT_EQ(blockPane->DrawnCount(), 1u);
  const DisplayObject* group = groupPane->FindObjectAt(90, 10);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->isA(), kDrawnGroupIcon);
  EXPECT_EQ(group->GetHint(), "More types");
  EXPECT_EQ(group->GetActionText(), "");
}

TEST_F(PalettePanesTest, RefilledGroupsDropTheOldIcons) {
  state->SetGroups(nullptr);
  groupPane->GroupsChanged();
  ASSERT_TRUE(groupPane->Click({10, 10}));
  std::vector<std::shared_ptr<GroupIcon>> libraries{std::make_shared<GroupIcon>("Billing.RLL", "Billing", "")};
  state->SetGroups(&libraries);
  groupPane->GroupsChanged();
  EXPECT_EQ(groupPane->DrawnCount(), 4u);
  // The library comes first; the third group ("More") is current and shown.
  EXPECT_EQ(groupPane->IconAt({10, 10}), libraries[0].get());
  EXPECT_EQ(groupPane->Selection(), (std::vector<UIObject*>{list->FindGroup("More")}));
  EXPECT_EQ(blockPane->DrawnCount(), 1u);
  // Drawn objects left their icons as they went: each icon is drawn once.
  EXPECT_EQ(list->FindGroup("Basic")->Drawn().size(), 1u);
}

class RecordingPainter : public BandPainter {
 public:
  void InvertBand(const BandObject& b) override {
    drawn.push_back(std::to_string(b.x1) + "," + std::to_string(b.y1) + "," + std::to_string(b.x2) + "," +
                    std::to_string(b.y2));
  }
  std::vector<std::string> drawn;
};

TEST(BandListTest, TheOutlineFollowsTheMouseAndDrawingTwiceErases) {
  BandList bands;
  RecordingPainter pane, other;
  // Only a dragged VavurOrezo type is outlined.
  EXPECT_FALSE(OutlineInBlockPane(bands, pane, kClassGroupIcon, {5, 5}, 96, 38));
  EXPECT_EQ(bands.Owner(), nullptr);
  EXPECT_TRUE(pane.drawn.empty());

  ASSERT_TRUE(OutlineInBlockPane(bands, pane, kClassVavurOrezoIcon, {10, 20}, 96, 38));
  ASSERT_TRUE(OutlineInBlockPane(bands, pane, kClassVavurOrezoIcon, {15, 18}, 96, 38));
  EXPECT_EQ(pane.drawn, (std::vector<std::string>{"10,20,106,58", "10,20,106,58", "15,18,111,56"}));
  EXPECT_TRUE(bands.Shown());

  // Another window's outline replaces it: the old one is erased by its own window.
  ASSERT_TRUE(OutlineInBlockPane(bands, other, kClassVavurOrezoIcon, {0, 0}, 40, 30));
  EXPECT_EQ(pane.drawn.back(), "15,18,111,56");
  EXPECT_EQ(pane.drawn.size(), 4u);
  EXPECT_EQ(other.drawn, (std::vector<std::string>{"0,0,40,30"}));
  bands.Clear();
  EXPECT_EQ(other.drawn.size(), 2u);
  EXPECT_FALSE(bands.Shown());
  EXPECT_EQ(bands.Owner(), nullptr);
}

}  // namespace
}  // namespace ed::test
