#include "model/constvalue.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/datatypes.h"

namespace zeph {
namespace {

TEST(ConstValue, ParseConstantResultCodes) {
  struct Case {
    const char* text;
    int code;
    int length;
    int result;
  } cases[] = {
      {"'127", kTypeCharacter, 0, 0},
      {"'128", kTypeCharacter, 0, kErrValueOutOfRange},   // the character check reports it
      {"'-128", kTypeCharacter, 0, 0},
      {"'1x", kTypeCharacter, 0, kErrNumberFormat},
      {"\"A", kTypeCharacter, 0, 0},
      {"\"AB", kTypeCharacter, 0, kErrBadSymbolOrConstant},
      {"\"", kTypeCharacter, 0, kErrBadSymbolOrConstant},
      {"'1.5", kTypeSmallInteger, 0, kErrNumberFormat},
      {"'40000", kTypeSmallInteger, 0, kErrNumberRange},
      {"-32768", kTypeSmallInteger, 0, 0},
      {"'32767", kTypeBoolean, 0, 0},
      {"2147483647", kTypeInteger, 0, 0},
      {"2147483648", kTypeInteger, 0, kErrNumberRange},
      {"12abc", kTypeInteger, 0, kErrNumberFormat},
      {"", kTypeInteger, 0, kErrNumberFormat},
      {"0x10", kTypeInteger, 0, kErrNumberFormat},
      {"'0.1", kTypeSmallNumber, 0, 0},                   // a value a user types
      {"1e39", kTypeSmallNumber, 0, kErrNumberRange},      // beyond a 32-bit float
      {"1e-50", kTypeSmallNumber, 0, kErrNumberRange},     // a float holds it only as 0
      {"1e300", kTypeNumber, 0, 0},
      {"'abcd", kTypeString, 5, 0},                       // exactly length - 1
      {"'abcde", kTypeString, 5, kErrStringTooLong},
      {"19800101000000", kTypeDateString, 0, 0},
      {"19791231235959", kTypeDateString, 0, 0},
      {"19791231235959", kTypeDateNumber, 0, kErrDateBefore1980},
      {"'20240230120000", kTypeDateNumber, 0, 0},         // the day is not tested against the month
      {"1", kTypeVavurOrezo, 0, kErrNoConstants},
  };
  for (const Case& c : cases) {
    unsigned char buf[64] = {};
    EXPECT_EQ(ParseConstantValue(c.text, buf, c.code, c.length, 1), c.result) << c.text << " code " << c.code;
    EXPECT_EQ(ParseConstantValue(c.text, nullptr, c.code, c.length, 0), c.result) << c.text << " (check only)";
  }
}

TEST(ConstValue, ParseNumberOfTypeRefusesCharactersOutOfRange) {
  unsigned char buf[8];
  EXPECT_EQ(ParseNumberOfType("128", buf, kTypeCharacter), kErrNumberRange);
  EXPECT_EQ(CheckCharConstant("'128"), kErrValueOutOfRange);
  EXPECT_EQ(ParseNumberOfType("2.5", buf, kTypeCharacter), kErrNumberFormat);
}

TEST(ConstValue, StoredValuesAndFormatRoundTrip) {
  struct Case {
    const char* text;
    int code;
    const char* formatted;
  } cases[] = {
      {"'-5", kTypeCharacter, "'-5"},
      {"\"A", kTypeCharacter, "'65"},
      {"'1234", kTypeSmallInteger, "'1234"},
      {"1", kTypeBoolean, "'1"},
      {"-70000", kTypeInteger, "'-70000"},
      {"0.5", kTypeSmallNumber, "'0.500000"},
      {"0.1", kTypeSmallNumber, "'0.100000"},
      {"2.25", kTypeNumber, "'2.250000"},
      {"'hello", kTypeString, "'hello"},
      {"'20010203040506", kTypeDateString, "'20010203040506"},
  };
  for (const Case& c : cases) {
    unsigned char buf[64] = {};
    ASSERT_EQ(ParseConstantValue(c.text, buf, c.code, 32, 1), 0) << c.text;
    std::string out;
    EXPECT_EQ(FormatConstantValue(out, buf, c.code), 0);
    EXPECT_EQ(out, c.formatted);
  }
  // A voice item reference is kept as its text.
  char item[16] = {};
  ASSERT_EQ(ParseConstantValue("'12", item, kTypeVoiceSentence, sizeof item, 1), 0);
  EXPECT_STREQ(item, "12");
  std::string out;
  EXPECT_EQ(FormatConstantValue(out, item, kTypeVoiceSentence), 0);
  EXPECT_EQ(out, "'12");
  EXPECT_NE(ParseConstantValue("'12345", item, kTypeVoiceSentence, 4, 1), 0);
  int dummy = 0;
  EXPECT_EQ(FormatConstantValue(out, &dummy, kTypeVavurOrezo), -1);
}

TEST(ConstValue, DateNumberRoundTripAndZero) {
  std::int32_t t = 0;
  ASSERT_EQ(ParseConstantValue("'20010203040506", &t, kTypeDateNumber, 0, 1), 0);
  EXPECT_NE(t, 0);
  std::string out;
  FormatConstantValue(out, &t, kTypeDateNumber);
  EXPECT_EQ(out, "'20010203040506");
  std::int32_t zero = 0;
  FormatConstantValue(out, &zero, kTypeDateNumber);
  EXPECT_EQ(out, "'19800101000000");
  // A 32-bit time value cannot hold dates after January 2038.
  EXPECT_EQ(DateTimeToTime("20500101000000", &t), kErrNumberRange);
}

TEST(ConstValue, CheckDateTime14Codes) {
  struct { const char* text; bool floor; int result; } cases[] = {
      {"2001020304050", false, kErrDateFormat},
      {"2001020304050x", false, kErrDateFormat},
      {"19791231235959", true, kErrDateBefore1980},
      {"20011302000000", false, kErrMonth},
      {"20010032000000", false, kErrMonth},
      {"20010132000000", false, kErrDayOfMonth},
      {"20010131240000", false, kErrHour},
      {"20010131236000", false, kErrMinute},
      {"20010131235960", false, kErrSecond},
      {"20010230235959", true, 0},
  };
  for (auto c : cases) EXPECT_EQ(CheckDateTime14(c.text, c.floor), c.result) << c.text;
}

TEST(ConstValue, GuessConstantTypeTakesTheFirstThatFits) {
  unsigned char buf[8];
  struct { const char* text; int type; } cases[] = {
      {"12", kTypeSmallInteger}, {"40000", kTypeInteger}, {"1.5", kTypeSmallNumber},
      {"1e300", kTypeNumber}, {"x", 0}};
  for (auto c : cases) EXPECT_EQ(GuessConstantType(c.text, buf), c.type) << c.text;
}

TEST(ConstValue, NumberTests) {
  double v = 0;
  EXPECT_TRUE(IsNumberText("'12", &v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(IsNumberText("5abc", &v));   // a non-zero value read
  EXPECT_FALSE(IsNumberText("0abc", &v));
  EXPECT_TRUE(IsNumberText("0", &v));
  EXPECT_TRUE(IsBlankText(""));
  EXPECT_TRUE(IsBlankText(" \t"));
  EXPECT_FALSE(IsBlankText(" a"));
  EXPECT_TRUE(IsNumberInRange("2.5", 1, 3));
  EXPECT_FALSE(IsNumberInRange("3.5", 1, 3));
  EXPECT_FALSE(IsIntegerInRange("2.5", 1, 3));
  EXPECT_TRUE(IsIntegerInRange("3", 1, 3));
  int status = 1;
  EXPECT_EQ(ParseDouble("2.5", &status), 2.5);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ParseDouble("2.5x", &status), 0);
  EXPECT_EQ(status, kErrNumberFormat);
}

}  // namespace
}  // namespace zeph
