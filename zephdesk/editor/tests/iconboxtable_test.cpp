#include <gtest/gtest.h>

#include <vector>

#include "editor/frame/iconboxtable.h"

namespace ed {
namespace {

TEST(IconBoxTableTest, ButtonsTakeTheStripsPicturesInOrderAndSeparatorsOnlyAdvance) {
  std::vector<IconBoxPlace> places;
  LayOutIconBox(DesignerIconBoxTable(), [](const IconBoxPlace& place, void* out) {
    static_cast<std::vector<IconBoxPlace>*>(out)->push_back(place);
  }, &places);
  ASSERT_EQ(places.size(), 21u);
  std::vector<std::uint16_t> commands;
  std::vector<std::int32_t> images;
  for (const IconBoxPlace& place : places) {
    EXPECT_EQ(place.y, 5);
    if (place.entry->kind != kIconBoxButton) {
      EXPECT_EQ(place.image, -1);
      continue;
    }
    commands.push_back(place.entry->command);
    images.push_back(place.image);
  }
  EXPECT_EQ(commands, (std::vector<std::uint16_t>{4128, 4129, 4130, 4135, 4142, 4143, 4165, 4138, 4139, 4140,
                                                  4141, 4202, 4174, 4221, 4160}));
  for (std::size_t i = 0; i < images.size(); ++i) EXPECT_EQ(images[i], std::int32_t(i));
  // A separator's 8 units, then 23 per button: New at 8, Print after three buttons and a
  // second separator, Help last.
  EXPECT_EQ(places[1].x, 8);
  EXPECT_EQ(places[5].x, 8 + 3 * 23 + 8);
  EXPECT_EQ(places[20].x, 6 * 8 + 14 * 23);
}

}  // namespace
}  // namespace ed
