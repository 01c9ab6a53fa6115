// Message names for trace lines.
#include <gtest/gtest.h>

#include "owl/msgname.h"

TEST(MessageName, KnownNamesAndNumbersOtherwise) {
  const std::pair<UINT, const char*> cases[] = {
      {WM_PAINT, "WM_PAINT"},           {WM_COMMAND, "WM_COMMAND"},
      {WM_NCDESTROY, "WM_NCDESTROY"},   {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
      {WM_APP + 1, "WM_0x8001"},        {0xC123, "WM_0xC123"},
  };
  for (const auto& [msg, name] : cases) EXPECT_EQ(MessageName(msg), name) << msg;
}
