#include "model/fieldchecks.h"

#include <gtest/gtest.h>

#include "model/modelcodes.h"
#include "model/symnames.h"

namespace zeph {
namespace {

TEST(FieldChecks, CheckFieldValueByKind) {
  struct { const char* text; int kind; int result; } cases[] = {
      {"hello", 0, 0},
      {"a*b", 0, kErrBadPrompt},
      {"", 0, kErrBadPrompt},
      {"9999", 1, 0},
      {"10000", 1, kErrIndexRange},
      {"0", 1, kErrIndexRange},
      {"0123", 7, 0},
      {"12a", 22, kErrNotDigits},
      {"ab12", 8, 0},
      {"ab-1", 23, kErrNotAlnum},
      {"999999999999", 9, 0},
      {"1000000000000", 25, kErrNumberRange},
      {"1.5", 10, kErrNumberRange},
      {"20010101000000", 12, 0},
      {"20011301000000", 31, kErrMonth},
      {"1e20", 2, 0},
      {"12x", 26, kErrNumberRange},
      {"anything", 32, 0},
  };
  for (auto c : cases) EXPECT_EQ(CheckFieldValue(c.text, c.kind), c.result) << c.text << " kind " << c.kind;
}

TEST(FieldChecks, DosPaths) {
  struct { const char* text; bool dir; int result; } cases[] = {
      {"", true, 0},
      {"C:\\", true, 0},
      {"\\VLX\\PRMT\\", true, 0},
      {"\\VLX\\PRMT", true, kErrDirNeedsBackslash},
      {"\\VLX\\FILE.TXT\\", false, kErrNeedFullFilespec},
      {"\\VLX\\FILE.TXT", false, 0},
      {"1:\\VLX\\", true, kErrBadDrive},
      {"\\VLX\\\\A\\", true, kErrBadPath},
      {"\\ABCDEFGHI\\", true, kErrBadPath},          // 9 characters without a dot
      {"\\ABCDEFGHIJKLM\\", true, kErrPathTooLong},  // a component over 12
      {"\\A.TOOLONG\\", true, kErrBadPath},
      {"\\A[1]\\", true, kErrBadPath},
      {"\\..\\.\\X\\", true, 0},
      {"\\AAAAAAAA\\BBBBBBBB\\CCCCCCCC\\DDDDDDDD\\EEEEEEEE\\", true, 0},                // 46 characters
      {"\\AAAAAAAA\\BBBBBBBB\\CCCCCCCC\\DDDDDDDD\\EEEEEEEE\\F\\", true, kErrPathTooLong},  // 48
  };
  for (auto c : cases) EXPECT_EQ(CheckDosPath(c.text, c.dir), c.result) << c.text;
}

TEST(FieldChecks, SmallCheckers) {
  EXPECT_EQ(CheckMonthDay("'1231"), 0);
  EXPECT_EQ(CheckMonthDay("1331"), kErrNumberRange);
  EXPECT_EQ(CheckMonthDay("123"), kErrNumberRange);
  EXPECT_EQ(CheckMMDDYY("123199"), 0);
  EXPECT_EQ(CheckMMDDYY("003199"), kErrNumberRange);
  EXPECT_EQ(CheckDayOfWeek("wednesday"), 0);
  EXPECT_EQ(CheckDayOfWeek("'7"), 0);
  EXPECT_EQ(CheckDayOfWeek("8"), kErrNumberRange);
  EXPECT_EQ(CheckDayOfMonth("31"), 0);
  EXPECT_EQ(CheckDayOfMonth("32"), kErrNumberRange);
  EXPECT_EQ(CheckDayOfMonth("031"), kErrNumberRange);
  EXPECT_EQ(CheckYear("xx"), 0);
  EXPECT_EQ(CheckYear("2100"), 0);
  EXPECT_EQ(CheckYear("2101"), kErrNumberRange);
  EXPECT_EQ(CheckYear("199"), kErrNumberRange);
  EXPECT_EQ(CheckAlphaText("abC"), 0);
  EXPECT_EQ(CheckAlphaText("ab1"), kErrNumberRange);
  EXPECT_EQ(CheckAlnumText("ab1"), 0);
  EXPECT_EQ(CheckDigitText("'123"), 0);
  EXPECT_EQ(CheckDigitText(""), kErrNumberRange);
  EXPECT_EQ(CheckDigitText(nullptr), kErrNumberRange);
}

TEST(FieldChecks, ReservedExitNames) {
  EXPECT_EQ(IsReservedExitName("HUNGUP"), -1);
  EXPECT_EQ(IsReservedExitName("Page2$Continue"), -1);
  EXPECT_EQ(IsReservedExitName("continue"), 0);
  EXPECT_EQ(IsReservedExitName("ERRORS"), 0);
}

}  // namespace
}  // namespace zeph
