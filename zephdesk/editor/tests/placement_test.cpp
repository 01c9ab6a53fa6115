// Blocks placed from the palette under automatic names: a name the model refuses is
// passed over for the next one.
#include "canvas_fixture.h"

#include "editor/page/placement.h"

namespace ed::test {
namespace {

class PlacementTest : public CanvasTest {};

TEST_F(PlacementTest, AutoNamesCountOnAndARefusedNameGivesTheNext) {
  auto menu = palette->FindIconShared(402);
  ASSERT_NE(menu, nullptr);
  model.refusedNames = {"Menu1"};
  VavurOrezo* first = AddAutoNamedBlock(*main, menu, 40, 60);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Name(), "Menu2");
  EXPECT_EQ(first->X(), 40);
  VavurOrezo* second = AddAutoNamedBlock(*main, menu, 100, 60);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Name(), "Menu3");
  ASSERT_EQ(main->Blocks().size() >= 2, true);
  EXPECT_EQ(main->FindVavurOrezo("Menu2"), first);
  EXPECT_EQ(main->FindVavurOrezo("Menu1"), nullptr);
}

TEST_F(PlacementTest, WithoutAnIconNothingIsMade) {
  const std::size_t before = main->Blocks().size();
  EXPECT_EQ(AddAutoNamedBlock(*main, nullptr, 0, 0), nullptr);
  EXPECT_EQ(main->Blocks().size(), before);
}

}  // namespace
}  // namespace ed::test
