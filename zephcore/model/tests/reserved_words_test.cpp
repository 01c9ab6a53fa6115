#include "model/reserved_words.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zeph {
namespace {

TEST(ReservedWords, StartsWithTheBuiltInWordsInStoredOrder) {
  ReservedWordTable table;
  ASSERT_EQ(table.Count(), kBuiltinReservedWordCount);
  EXPECT_STREQ(table.Words()[0], "ApStats");
  EXPECT_STREQ(table.Words()[209], "struct");
  int strings = 0;
  for (int i = 0; i < table.Count(); ++i) strings += std::strcmp(table.Words()[i], "string") == 0;
  EXPECT_EQ(strings, 2);
  EXPECT_FALSE(table.Contains("ApStats"));   // searched only once sorted
}

TEST(ReservedWords, SortedTableIsSearchedByBisection) {
  ReservedWordTable table;
  table.Append("Zeta");
  table.Append("alpha");
  table.Sort();
  EXPECT_TRUE(table.Contains("alpha"));
  EXPECT_TRUE(table.Contains("Zeta"));
  EXPECT_TRUE(table.Contains("goto"));
  EXPECT_FALSE(table.Contains("GOTO"));
  EXPECT_FALSE(table.Contains(nullptr));
  table.Append("beta");
  EXPECT_FALSE(table.IsSorted());
}

TEST(ReservedWords, CapacityIsKept) {
  ReservedWordTable table;
  while (table.Count() < kReservedWordCapacity) ASSERT_TRUE(table.Append("w"));
  EXPECT_FALSE(table.Append("w"));
  EXPECT_FALSE(table.HasRoomForPair());
}

}  // namespace
}  // namespace zeph
