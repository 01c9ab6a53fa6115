#include "model/name_compare.h"

#include <gtest/gtest.h>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(NameCompare, FoldsCaseFirstThenBytes) {
  struct Case { const char* a; const char* b; int sign; } cases[] = {
    {"abc", "ABD", -1},      // case-insensitive decides first
    {"ABC", "abc", -1},      // tie broken by bytes: 'A' < 'a'
    {"abc", "abc", 0},
    {"_x", "ax", -1},        // '_' (0x5F) is below every lower-case letter
    {"Main", "main$1", -1},  // prefix sorts first
    {nullptr, "", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(zeph::CompareNames(c.a, c.b)), c.sign) << c.a << " vs " << (c.b ? c.b : "");
    EXPECT_EQ(Sign(zeph::CompareNames(c.b, c.a)), -c.sign);
  }
}

}  // namespace
